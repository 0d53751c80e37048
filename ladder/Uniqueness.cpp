// Uniqueness: unique rectangles and loops, and the bivalue universal grave. Each rests on the
// puzzle having exactly one solution: a pattern whose two digits could swap places would give a
// second one, so whatever completes the pattern is false. The ladder uses this family only on a
// grid the exact search has shown to have one solution.
//
// Both are found as the rating scale finds them. Loops start at each cell with two candidates
// in cell order and grow through cells holding both of its digits, region after region of
// another kind, blocks before rows before columns; of the hints every valid loop gives, the
// least difficult comes first, then the lowest type, then the first found. The grave is read
// region by region (blocks, rows, columns), digit by digit.
#include <algorithm>
#include <tuple>

#include "DigitPairs.h"
#include "Families.h"
#include "OpenCells.h"

namespace Novem::Ladder {

namespace {

using GridGeometry::kCellsOfRegion;
using GridGeometry::kPlacesOfCell;
using GridGeometry::kSize;

using Removals = std::array<unsigned, GridGeometry::kCells>;

// A hint and what the scale sorts the loops' hints by.
struct Found {
    double difficulty;
    int type;
    Step step;
};

bool Before(const Found& a, const Found& b) {
    return std::tie(a.difficulty, a.type) < std::tie(b.difficulty, b.type);
}

void SetRemovals(Step& step, const Removals& removals) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (removals[cell] != 0) {
            step.removals.push_back({cell, removals[cell]});
        }
    }
}

bool Any(const Removals& removals) {
    return std::any_of(removals.begin(), removals.end(), [](unsigned digits) { return digits; });
}

// The region of the kind (0 block, 1 row, 2 column) that holds the cell.
int RegionOf(int cell, int kind) {
    return kPlacesOfCell[cell][static_cast<std::size_t>(kind)].region;
}

int PositionIn(int region, int cell) {
    for (const GridGeometry::Place& place : kPlacesOfCell[cell]) {
        if (place.region == region) {
            return place.position;
        }
    }
    return -1;
}

// Every set has two members or more, and together they have `size`: their union, or nothing.
template <typename Sets>
unsigned CommonTuple(const Sets& sets, int size, bool light = false) {
    unsigned joined = 0;
    for (const unsigned set : sets) {
        if (Bits::Count(set) <= (light ? 0 : 1)) {
            return 0;
        }
        joined |= set;
    }
    return Bits::Count(joined) == size ? joined : 0;
}

class Loops {
public:
    Loops(const OpenCells& open, DigitPairs pairs) : m_open(open), m_pairs(pairs) {}

    std::optional<Step> Find() {
        for (int start = 0; start < GridGeometry::kCells; ++start) {
            if (!Bits::Two(m_open.candidates[start])) {
                continue;
            }
            m_pair = m_open.candidates[start];
            const std::size_t pair = PairIndex(m_pair);
            if ((m_pairs >> pair & 1U) == 0) {
                continue;
            }
            if (!m_coreKnown[pair]) {
                m_withPairs[pair] = WithPair(m_pair);
                m_cores[pair] = Core(m_withPairs[pair]);
                m_coreKnown[pair] = true;
            }
            if (!m_cores[pair].Has(start)) {
                continue;
            }
            // A loop through an earlier cell with just these two digits was found from there.
            m_withPair = m_withPairs[pair];
            m_core = m_cores[pair] - m_started[pair];
            m_started[pair] |= CellMask::Of(start);
            m_loops.clear();
            m_path.clear();
            Grow(start, 2, 0, -1);
            // The same loop comes once each way round, and gives the same hints again.
            std::vector<CellMask> seen;
            for (const std::vector<int>& loop : m_loops) {
                CellMask cells;
                for (const int cell : loop) {
                    cells |= CellMask::Of(cell);
                }
                if (std::find(seen.begin(), seen.end(), cells) == seen.end() && Valid(loop)) {
                    m_looped |= DigitPairs{1} << pair;
                    seen.push_back(cells);
                    Hints(loop);
                }
            }
        }
        if (!m_best) {
            return std::nullopt;
        }
        return std::move(m_best->step);
    }

    // The pairs searched that make a valid loop, whatever its hints.
    DigitPairs Looped() const { return m_looped; }

private:
    CellMask WithPair(unsigned pair) const {
        CellMask cells;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            cells |= (m_open.candidates[cell] & pair) == pair ? CellMask::Of(cell) : CellMask();
        }
        return cells;
    }

    // The cells with both digits that a loop could pass: each enters through a region of one
    // kind and leaves through another, each holding another such cell; cells that can't are
    // left out until none is.
    CellMask Core(const CellMask& withPair) const {
        CellMask core = withPair;
        for (bool changed = true; changed;) {
            changed = false;
            for (const int cell : core) {
                int kinds = 0;
                for (int kind = 0; kind < 3; ++kind) {
                    kinds += (kRegionCells[RegionOf(cell, kind)] & core).AtMostOne() ? 0 : 1;
                }
                if (kinds < 2) {
                    core -= CellMask::Of(cell);
                    changed = true;
                }
            }
        }
        return core;
    }

    // Depth first, as the scale grows its loops: a set of extra candidates shared by every
    // branch of one cell, and at most two cells with extras unless they share one extra digit.
    // A cell whose regions a path cell of the same parity already has could only make an invalid
    // loop, so the path doesn't grow through it, though its extras still count.
    void Grow(int cell, int allowedExtra, unsigned extraIn, int lastKind) {
        const std::size_t parity = m_path.size() % 2;
        m_halves[parity] |= GridGeometry::kRegionsOfCell[cell];
        m_path.push_back(cell);
        m_onPath |= CellMask::Of(cell);
        unsigned extra = extraIn;
        for (int kind = 0; kind < 3; ++kind) {
            if (kind == lastKind) {
                continue;
            }
            // Only cells with both digits matter, met in the region's order.
            for (const int next : kRegionCells[RegionOf(cell, kind)] & m_withPair) {
                const unsigned candidates = m_open.candidates[next];
                if (next == m_path.front() && m_path.size() >= 4) {
                    m_loops.push_back(m_path);
                } else if (!m_onPath.Has(next)) {
                    extra |= candidates & ~m_pair;
                    const bool bivalue = Bits::Two(candidates);
                    // No loop passes a cell outside the core, though its extras count.
                    const bool fits =
                        (m_halves[m_path.size() % 2] & GridGeometry::kRegionsOfCell[next]) == 0;
                    if (m_core.Has(next) && fits &&
                        (bivalue || Bits::Count(extra) == 1 || allowedExtra > 0)) {
                        Grow(next, allowedExtra - (bivalue ? 0 : 1), extra, kind);
                    }
                }
            }
        }
        m_path.pop_back();
        m_onPath -= CellMask::Of(cell);
        m_halves[parity] &= ~GridGeometry::kRegionsOfCell[cell];
    }

    // Alternate cells see each region once, and the two halves see the same regions.
    static bool Valid(const std::vector<int>& loop) {
        std::array<GridGeometry::RegionMask, 2> seen{};
        for (std::size_t index = 0; index < loop.size(); ++index) {
            const GridGeometry::RegionMask regions = GridGeometry::kRegionsOfCell[loop[index]];
            if ((seen[index % 2] & regions) != 0) {
                return false;
            }
            seen[index % 2] |= regions;
        }
        return seen[0] == seen[1];
    }

    double Base(std::size_t length) const {
        double base = 4.5;
        if (length >= 10) {
            base += 0.3;
        }
        if (length >= 8) {
            base += 0.2;
        } else if (length >= 6) {
            base += 0.1;
        }
        return base;
    }

    Step StepOf(const std::vector<int>& loop, int type) const {
        Step step(loop.size() == 4 ? Technique::UniqueRectangle : Technique::UniqueLoop);
        step.digits = m_pair;
        step.loop = loop;
        step.type = type;
        for (const int cell : loop) {
            if (Bits::Count(m_open.candidates[cell]) > 2) {
                step.cellDigits.push_back({cell, m_open.candidates[cell]});
            }
        }
        std::sort(step.cellDigits.begin(), step.cellDigits.end(),
                  [](const CellDigits& a, const CellDigits& b) { return a.cell < b.cell; });
        return step;
    }

    void Offer(const std::vector<int>& loop, int type, double difficulty, const Removals& removals,
               Step step) {
        if (!Any(removals)) {
            return;
        }
        (void)loop;
        SetRemovals(step, removals);
        Found found{difficulty, type, std::move(step)};
        if (!m_best || Before(found, *m_best)) {
            m_best = std::move(found);
        }
    }

    void Hints(const std::vector<int>& loop) {
        std::vector<int> extra;
        for (const int cell : loop) {
            if (Bits::Count(m_open.candidates[cell]) > 2) {
                extra.push_back(cell);
            }
        }
        const double base = Base(loop.size());
        if (extra.size() == 1) {
            Removals removals{};
            removals[static_cast<std::size_t>(extra[0])] = m_pair;
            Offer(loop, 1, base, removals, StepOf(loop, 1));
        } else if (extra.size() > 2) {
            TypeTwo(loop, extra, base);
        } else if (extra.size() == 2) {
            const unsigned extras =
                (m_open.candidates[extra[0]] | m_open.candidates[extra[1]]) & ~m_pair;
            if (Bits::Count(extras) == 1) {
                TypeTwo(loop, extra, base);
            } else if (Bits::Count(extras) >= 2) {
                TypeThree(loop, extra[0], extra[1], extras, base);
            }
            TypeFour(loop, extra[0], extra[1], base);
        }
    }

    // The extra digit goes from every cell that sees all the extra cells.
    void TypeTwo(const std::vector<int>& loop, const std::vector<int>& extra, double base) {
        const unsigned digit = m_open.candidates[extra[0]] & ~m_pair;
        CellMask seeing = kAllCells;
        for (const int cell : extra) {
            seeing &= kPeers[cell];
        }
        Removals removals{};
        for (const int cell : seeing) {
            removals[static_cast<std::size_t>(cell)] = m_open.candidates[cell] & digit;
        }
        Offer(loop, 2, base, removals, StepOf(loop, 2));
    }

    // The two extra cells act as one holding their extra digits, which with other cells of a
    // region they share make a naked subset; or with the pair's digits a hidden one.
    void TypeThree(const std::vector<int>& loop, int first, int second, unsigned extras,
                   double base) {
        for (int degree = Bits::Count(extras); degree <= 7; ++degree) {
            for (int kind = 0; kind < 3; ++kind) {
                const int region = RegionOf(first, kind);
                if (RegionOf(second, kind) != region) {
                    continue;
                }
                const int empty = m_open.Empty(region);
                const int at1 = PositionIn(region, first);
                const int at2 = PositionIn(region, second);
                if (2 * degree <= empty) {
                    NakedTypeThree(loop, region, degree, at1, at2, extras, base);
                }
                if (2 * degree < empty) {
                    HiddenTypeThree(loop, region, degree, at1, at2, extras, base);
                }
            }
        }
    }

    void NakedTypeThree(const std::vector<int>& loop, int region, int degree, int at1, int at2,
                        unsigned extras, double base) {
        const int first = kCellsOfRegion[region][at1];
        const int second = kCellsOfRegion[region][at2];
        ForEachCombination(degree, kSize, [&](unsigned positions) {
            if ((positions >> at1 & 1U) == 0 || (positions >> at2 & 1U) != 0) {
                return false;
            }
            std::vector<unsigned> sets{extras};
            unsigned joined = extras & m_open.candidates[first] & m_open.candidates[second];
            for (const int position : Bits::Indices(positions & ~(1U << at1))) {
                const unsigned candidates = m_open.candidates[kCellsOfRegion[region][position]];
                sets.push_back(candidates);
                joined |= candidates;
            }
            const unsigned subset = CommonTuple(sets, degree);
            if (Bits::Count(joined) != degree || subset == 0) {
                return false;
            }
            Removals removals{};
            Step step = StepOf(loop, 3);
            for (int position = 0; position < kSize; ++position) {
                const int cell = kCellsOfRegion[region][position];
                if ((positions >> position & 1U) != 0 && position != at1) {
                    step.subset.push_back(cell);
                } else if (position != at1 && position != at2) {
                    removals[static_cast<std::size_t>(cell)] = m_open.candidates[cell] & subset;
                }
            }
            step.subsetDigits = subset;
            Offer(loop, 3, base + (degree - 1) * 0.1, removals, std::move(step));
            return false;
        });
    }

    void HiddenTypeThree(const std::vector<int>& loop, int region, int degree, int at1, int at2,
                         unsigned extras, double base) {
        const unsigned rest = GridGeometry::kAllDigits & ~m_pair & ~extras;
        std::array<int, kSize> restDigits{};
        int count = 0;
        for (const int digit : Bits::Indices(rest)) {
            restDigits[static_cast<std::size_t>(count++)] = digit;
        }
        if (degree - 2 > count) {
            return;
        }
        ForEachCombination(degree - 2, count, [&](unsigned chosen) {
            unsigned digits = m_pair;
            for (const int index : Bits::Indices(chosen)) {
                digits |= 1U << restDigits[static_cast<std::size_t>(index)];
            }
            std::vector<unsigned> places;
            for (const int digit : Bits::Indices(digits)) {
                places.push_back(m_open.Positions(region, digit) & ~(1U << at2));
            }
            const unsigned joined = CommonTuple(places, degree, true);
            if (joined == 0) {
                return false;
            }
            Removals removals{};
            Step step = StepOf(loop, 3);
            step.hiddenSubset = true;
            step.subsetDigits = digits;
            for (const int position : Bits::Indices(joined & ~(1U << at1) & ~(1U << at2))) {
                const int cell = kCellsOfRegion[region][position];
                step.subset.push_back(cell);
                removals[static_cast<std::size_t>(cell)] = m_open.candidates[cell] & ~digits;
            }
            const auto cells = static_cast<int>(step.subset.size());
            Offer(loop, 3, base + (cells - 1) * 0.1, removals, std::move(step));
            return false;
        });
    }

    // A region of both extra cells where one digit of the pair has no other place: it is in one
    // of them, so the other digit of the pair goes from both.
    void TypeFour(const std::vector<int>& loop, int first, int second, double base) {
        const unsigned low = Bits::LowestOnly(m_pair);
        const unsigned high = m_pair & ~low;
        bool lowLocked = false;
        bool highLocked = false;
        for (int kind = 0; kind < 3; ++kind) {
            const int region = RegionOf(first, kind);
            if (RegionOf(second, kind) != region) {
                continue;
            }
            unsigned others = 0;
            for (const int cell : kCellsOfRegion[region]) {
                others |= cell != first && cell != second ? m_open.candidates[cell] : 0U;
            }
            lowLocked = lowLocked || (others & low) == 0;
            highLocked = highLocked || (others & high) == 0;
        }
        if (!lowLocked && !highLocked) {
            return;
        }
        const unsigned removed = lowLocked ? high : low;
        Removals removals{};
        removals[static_cast<std::size_t>(first)] = removed;
        removals[static_cast<std::size_t>(second)] = removed;
        Step step = StepOf(loop, 4);
        step.subsetDigits = m_pair & ~removed;
        Offer(loop, 4, base, removals, std::move(step));
    }

    const OpenCells& m_open;
    DigitPairs m_pairs;
    DigitPairs m_looped = 0;
    unsigned m_pair = 0;
    static std::size_t PairIndex(unsigned pair) {
        const int low = Bits::Lowest(pair);
        return static_cast<std::size_t>(PairNumber(low, Bits::Lowest(pair & ~(1U << low))));
    }

    // By pair of digits, the cells a loop of them could pass, and the starts already searched.
    std::array<CellMask, 36> m_withPairs{};
    std::array<CellMask, 36> m_cores{};
    std::array<bool, 36> m_coreKnown{};
    std::array<CellMask, 36> m_started{};
    CellMask m_withPair;
    CellMask m_core;
    // The loop grown so far, in order and as a set.
    std::vector<int> m_path;
    CellMask m_onPath;
    // The regions of the path's even cells and of its odd ones.
    std::array<GridGeometry::RegionMask, 2> m_halves{};
    std::vector<std::vector<int>> m_loops;
    std::optional<Found> m_best;
};

class Grave {
public:
    explicit Grave(const OpenCells& open) : m_open(open) {}

    std::optional<Step> Find() {
        std::array<CellMask, kSize> cellsOf{};
        CellMask wide;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const unsigned candidates = m_open.candidates[cell];
            for (const int digit : Bits::Indices(candidates)) {
                cellsOf[static_cast<std::size_t>(digit)] |= CellMask::Of(cell);
            }
            wide |= Bits::Count(candidates) >= 3 ? CellMask::Of(cell) : CellMask();
        }
        // Without the grave's digits, by digit.
        std::array<CellMask, kSize> without = cellsOf;
        std::array<unsigned, GridGeometry::kCells> graveDigits{};
        unsigned all = 0;
        CellMask graveCells;
        // The peers every grave cell has, none of them a grave cell; listed in the first's order.
        CellMask common;
        for (int region = 0; region < GridGeometry::kRegions; ++region) {
            for (int digit = 0; digit < kSize; ++digit) {
                const auto at = static_cast<std::size_t>(digit);
                const CellMask places = cellsOf[at] & kRegionCells[region];
                if (places.Empty() || places.Two()) {
                    continue;
                }
                const CellMask wideOnes = places & wide;
                if (wideOnes.Empty()) {
                    return std::nullopt;
                }
                if (!wideOnes.One()) {
                    continue;
                }
                const int cell = wideOnes.First();
                if (!graveCells.Has(cell)) {
                    common = graveCells.Empty() ? kPeers[cell] : common;
                    graveCells |= CellMask::Of(cell);
                    m_cells.push_back(cell);
                }
                graveDigits[static_cast<std::size_t>(cell)] |= 1U << digit;
                all |= 1U << digit;
                without[at] -= CellMask::Of(cell);
                common = (common & kPeers[cell]) - graveCells;
                if (m_cells.size() > 1 && Bits::Count(all) > 1 && common.Empty()) {
                    return std::nullopt;
                }
            }
        }
        if (!Bivalue(without)) {
            return std::nullopt;
        }
        if (!m_cells.empty()) {
            for (const int peer : kPeersInOrder[m_cells[0]]) {
                if (common.Has(peer)) {
                    m_common.push_back(peer);
                }
            }
        }
        if (m_cells.size() == 1) {
            Removals removals{};
            const int cell = m_cells[0];
            removals[static_cast<std::size_t>(cell)] =
                m_open.candidates[cell] & ~graveDigits[static_cast<std::size_t>(cell)];
            return StepOf(1, all, removals);
        }
        if (Bits::Count(all) == 1) {
            Removals removals{};
            for (const int cell : m_common) {
                removals[static_cast<std::size_t>(cell)] = m_open.candidates[cell] & all;
            }
            if (Any(removals)) {
                return StepOf(2, all, removals);
            }
            return m_cells.size() == 2 ? TypeFour(graveDigits, all) : std::nullopt;
        }
        if (m_common.empty()) {
            return std::nullopt;
        }
        if (m_cells.size() == 2) {
            if (std::optional<Step> four = TypeFour(graveDigits, all)) {
                return four;
            }
        }
        return TypeThree(all);
    }

private:
    // Without the grave's digits every open cell has two candidates and every digit two places
    // in a region, or none.
    bool Bivalue(const std::array<CellMask, kSize>& without) const {
        std::array<int, GridGeometry::kCells> count{};
        for (const CellMask& cells : without) {
            for (const int cell : cells) {
                ++count[static_cast<std::size_t>(cell)];
            }
        }
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            if (m_open.candidates[cell] != 0 && count[static_cast<std::size_t>(cell)] != 2) {
                return false;
            }
        }
        for (const CellMask& cells : without) {
            for (const CellMask& region : kRegionCells) {
                const CellMask places = cells & region;
                if (!places.Empty() && !places.Two()) {
                    return false;
                }
            }
        }
        return true;
    }

    Step StepOf(int type, unsigned all, const Removals& removals) const {
        Step step(Technique::BivalueUniversalGrave);
        step.type = type;
        step.digits = all;
        for (const int cell : m_cells) {
            step.cellDigits.push_back({cell, m_open.candidates[cell]});
        }
        std::sort(step.cellDigits.begin(), step.cellDigits.end(),
                  [](const CellDigits& a, const CellDigits& b) { return a.cell < b.cell; });
        SetRemovals(step, removals);
        return step;
    }

    // Two grave cells in a region, sharing one digit besides the grave's: each keeps its grave
    // digit or that one, and loses the other.
    std::optional<Step> TypeFour(const std::array<unsigned, GridGeometry::kCells>& graveDigits,
                                 unsigned all) const {
        const int first = m_cells[0];
        const int second = m_cells[1];
        const unsigned shared = m_open.candidates[first] & m_open.candidates[second] & ~all;
        if (Bits::Count(shared) != 1) {
            return std::nullopt;
        }
        for (int kind = 0; kind < 3; ++kind) {
            if (RegionOf(first, kind) != RegionOf(second, kind)) {
                continue;
            }
            Removals removals{};
            for (const int cell : {first, second}) {
                removals[static_cast<std::size_t>(cell)] =
                    m_open.candidates[cell] & ~graveDigits[static_cast<std::size_t>(cell)] &
                    ~shared;
            }
            Step step = StepOf(4, all, removals);
            step.subsetDigits = shared;
            return step;
        }
        return std::nullopt;
    }

    // The grave's digits, as one cell, make a naked subset with cells of a region every grave
    // cell shares.
    std::optional<Step> TypeThree(unsigned all) const {
        for (int kind = 0; kind < 3; ++kind) {
            const int region = RegionOf(m_cells[0], kind);
            if (!std::all_of(m_cells.begin(), m_cells.end(),
                             [&](int cell) { return RegionOf(cell, kind) == region; })) {
                continue;
            }
            std::vector<int> cells;
            for (const int cell : m_common) {
                if (RegionOf(cell, kind) == region) {
                    cells.push_back(cell);
                }
            }
            for (int degree = 2; degree <= 6; ++degree) {
                if (static_cast<int>(cells.size()) < degree) {
                    continue;
                }
                std::optional<Step> found;
                ForEachCombination(
                    degree - 1, static_cast<int>(cells.size()), [&](unsigned chosen) {
                        std::vector<unsigned> sets;
                        unsigned joined = 0;
                        for (const int index : Bits::Indices(chosen)) {
                            sets.push_back(
                                m_open.candidates[cells[static_cast<std::size_t>(index)]]);
                            joined |= sets.back();
                        }
                        sets.push_back(all);
                        const unsigned subset = CommonTuple(sets, degree);
                        if (Bits::Count(joined) != degree || subset == 0) {
                            return false;
                        }
                        Removals removals{};
                        for (std::size_t index = 0; index < cells.size(); ++index) {
                            const int cell = cells[index];
                            if ((chosen >> index & 1U) == 0) {
                                removals[static_cast<std::size_t>(cell)] =
                                    m_open.candidates[cell] & subset;
                            }
                        }
                        if (!Any(removals)) {
                            return false;
                        }
                        Step step = StepOf(3, all, removals);
                        for (const int index : Bits::Indices(chosen)) {
                            step.subset.push_back(cells[static_cast<std::size_t>(index)]);
                        }
                        step.subsetDigits = subset;
                        found = std::move(step);
                        return true;
                    });
                if (found) {
                    return found;
                }
            }
        }
        return std::nullopt;
    }

    const OpenCells& m_open;
    std::vector<int> m_cells;
    std::vector<int> m_common;
};

}  // namespace

std::optional<Step> FindUniqueLoop(const Board& board) {
    const OpenCells open(board);
    DigitPairs looped = 0;
    return FindUniqueLoopOfPairs(open, kAllDigitPairs, looped);
}

std::optional<Step> FindUniqueLoopOfPairs(const OpenCells& open, DigitPairs pairs,
                                          DigitPairs& looped) {
    Loops loops(open, pairs);
    std::optional<Step> step = loops.Find();
    looped = loops.Looped();
    return step;
}

std::optional<Step> FindBivalueUniversalGrave(const Board& board) {
    const OpenCells open(board);
    return Grave(open).Find();
}

std::optional<Step> FindUniqueness(const Board& board) {
    if (std::optional<Step> loop = FindUniqueLoop(board)) {
        return loop;
    }
    return FindBivalueUniversalGrave(board);
}

}  // namespace Novem::Ladder
