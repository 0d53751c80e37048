// Almost-locked sets. N cells of one region that hold N + 1 digits between them (an ALS; a cell
// with two digits is one) lose only one digit to become locked. Two ALS that share a digit x all
// of whose cells in one see all of whose cells in the other (a restricted common digit) can't
// both hold x; so one of them is locked without x, and holds each of its other digits. ALS-XZ:
// for another digit z of both, one of the two holds z, so a cell that sees every z of both can't
// be z. ALS-XY-wing: a third ALS, the pivot, shares a restricted digit x with one and another, y,
// with the other; the pivot can't hold both x and y, so one of the two is locked without its
// restricted digit, and z, common to both, again leaves every cell that sees all their z. Sets
// are taken in up to four cells, ordered by size, region and cells; ALS-XZ by its two sets in
// that order, ALS-XY-wing by pivot, then the two others.
#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "Families.h"

namespace Novem::Ladder {

namespace {

constexpr int kLargest = 4;

struct Als {
    CellMask cells;
    unsigned digits = 0;
    // By digit: the set's cells with it, and the cells outside the set that see all of those.
    std::array<CellMask, GridGeometry::kSize> withDigit{};
    std::array<CellMask, GridGeometry::kSize> seeing{};
};

// Whether the cells, all in `region`, are also all in an earlier region, where the same set was
// taken already.
bool TakenBefore(const CellMask& cells, int region) {
    for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cells.First()]) {
        if (place.region < region && (cells - kRegionCells[place.region]).Empty()) {
            return true;
        }
    }
    return false;
}

// The open cells of a region, in order, and the sets of `size` of them with size + 1 digits, in
// the order of their positions as bits (the largest position first, then the next): cells are
// added from the largest down, and no set is grown past size + 1 digits, which it can't lose.
class RegionSets {
public:
    RegionSets(const Board& board, int region) : m_board(board), m_region(region) {
        for (const int cell : GridGeometry::kCellsOfRegion[region]) {
            if (board.Open().Has(cell)) {
                m_cells[m_count++] = cell;
            }
        }
    }

    void Add(int size, std::vector<Als>& sets) const {
        Grow(size, size, m_count, CellMask(), 0, sets);
    }

private:
    void Grow(int size, int left, int below, const CellMask& cells, unsigned digits,
              std::vector<Als>& sets) const {
        if (left == 0) {
            if (Bits::Count(digits) == size + 1 && !TakenBefore(cells, m_region)) {
                sets.push_back(Of(cells, digits));
            }
            return;
        }
        for (int top = left - 1; top < below; ++top) {
            const int cell = m_cells[static_cast<std::size_t>(top)];
            const unsigned grown = digits | m_board.Candidates(cell);
            if (Bits::Count(grown) <= size + 1) {
                Grow(size, left - 1, top, cells | CellMask::Of(cell), grown, sets);
            }
        }
    }

    Als Of(const CellMask& cells, unsigned digits) const {
        Als als;
        als.cells = cells;
        als.digits = digits;
        for (const int digit : Bits::Indices(digits)) {
            als.withDigit[digit] = cells & m_board.CellsOf(digit);
            als.seeing[digit] = SeeingAll(als.withDigit[digit]);
        }
        return als;
    }

    const Board& m_board;
    int m_region;
    std::array<int, GridGeometry::kSize> m_cells{};
    int m_count = 0;
};

std::vector<Als> AllSets(const Board& board) {
    std::vector<RegionSets> regions;
    regions.reserve(GridGeometry::kRegions);
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        regions.emplace_back(board, region);
    }
    std::vector<Als> sets;
    for (int size = 1; size <= kLargest; ++size) {
        for (const RegionSets& region : regions) {
            region.Add(size, sets);
        }
    }
    return sets;
}

// What the digits `common` of two sets remove: each from every cell outside the sets `sets`
// that sees all of both sets' cells with it. Empty when nothing.
std::vector<CellRemoval> Removals(const Board& board, const Als& a, const Als& b, unsigned common,
                                  const CellMask& sets) {
    std::array<CellMask, GridGeometry::kSize> removed{};
    bool any = false;
    for (const int digit : Bits::Indices(common)) {
        removed[digit] = (a.seeing[digit] & b.seeing[digit] & board.CellsOf(digit)) - sets;
        any = any || !removed[digit].Empty();
    }
    std::vector<CellRemoval> removals;
    if (!any) {
        return removals;
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        unsigned digits = 0;
        for (const int digit : Bits::Indices(common)) {
            digits |= removed[digit].Has(cell) ? 1U << digit : 0U;
        }
        if (digits != 0) {
            removals.push_back({cell, digits});
        }
    }
    return removals;
}

std::vector<int> CellsOf(const CellMask& cells) {
    std::vector<int> list;
    for (const int cell : cells) {
        list.push_back(cell);
    }
    return list;
}

Step AlsStep(const Board& board, Technique technique, std::initializer_list<const Als*> sets,
             std::vector<int> restricted, std::vector<CellRemoval> removals) {
    Step step{technique};
    CellMask cells;
    for (const Als* als : sets) {
        step.sets.push_back(CellsOf(als->cells));
        cells |= als->cells;
    }
    for (const int cell : cells) {
        step.cellDigits.push_back({cell, board.Candidates(cell)});
    }
    for (const int digit : restricted) {
        step.digits |= 1U << digit;
    }
    for (const CellRemoval& removal : removals) {
        step.digits |= removal.digits;
    }
    step.restricted = std::move(restricted);
    step.removals = std::move(removals);
    return step;
}

// Counts by group, each at the index after its group's, made into where each group starts in
// one store, the last entry its size.
void CountsToStarts(std::vector<std::size_t>& counts) {
    for (std::size_t group = 1; group < counts.size(); ++group) {
        counts[group] += counts[group - 1];
    }
}

// Two sets that share restricted digits, and the digits.
struct SetLink {
    std::size_t first;
    std::size_t second;
    unsigned restricted;
};

// The pairs of sets that share restricted digits, by first set and then second. A set's digit
// is restricted with another's only where all the other's cells with it see all of the set's, so
// the other sets are looked up by their first cell with the digit, among the cells that do.
std::vector<SetLink> Links(const std::vector<Als>& sets, const std::vector<CellMask>& cellsOf) {
    constexpr std::size_t kPlaces = GridGeometry::kSize * GridGeometry::kCells;
    const auto placeOf = [](int digit, int cell) {
        return static_cast<std::size_t>(digit * GridGeometry::kCells + cell);
    };
    std::vector<std::size_t> begin(kPlaces + 1, 0);
    for (const Als& als : sets) {
        for (const int digit : Bits::Indices(als.digits)) {
            ++begin[placeOf(digit, als.withDigit[digit].First()) + 1];
        }
    }
    CountsToStarts(begin);
    std::vector<std::size_t> byFirstCell(begin.back());
    std::vector<std::size_t> end(begin.begin(), begin.end() - 1);
    for (std::size_t set = 0; set < sets.size(); ++set) {
        for (const int digit : Bits::Indices(sets[set].digits)) {
            byFirstCell[end[placeOf(digit, sets[set].withDigit[digit].First())]++] = set;
        }
    }
    std::vector<SetLink> links;
    std::vector<std::pair<std::size_t, unsigned>> found;
    for (std::size_t first = 0; first < sets.size(); ++first) {
        const Als& a = sets[first];
        found.clear();
        for (const int digit : Bits::Indices(a.digits)) {
            for (const int cell : a.seeing[digit]) {
                const std::size_t place = placeOf(digit, cell);
                for (std::size_t at = begin[place]; at < begin[place + 1]; ++at) {
                    const std::size_t second = byFirstCell[at];
                    if (second > first && (a.cells & cellsOf[second]).Empty() &&
                        (sets[second].withDigit[digit] - a.seeing[digit]).Empty()) {
                        found.emplace_back(second, 1U << digit);
                    }
                }
            }
        }
        std::sort(found.begin(), found.end());
        for (const auto& [second, digit] : found) {
            if (!links.empty() && links.back().first == first && links.back().second == second) {
                links.back().restricted |= digit;
            } else {
                links.push_back({first, second, digit});
            }
        }
    }
    return links;
}

}  // namespace

std::optional<Step> FindAlmostLockedSets(const Board& board) {
    const std::vector<Als> sets = AllSets(board);
    // Each set's cells apart, for a quick look at many pairs.
    std::vector<CellMask> cellsOf;
    cellsOf.reserve(sets.size());
    for (const Als& als : sets) {
        cellsOf.push_back(als.cells);
    }
    const std::vector<SetLink> links = Links(sets, cellsOf);
    for (const auto& [first, second, restricted] : links) {
        const Als& a = sets[first];
        const Als& b = sets[second];
        for (const int x : Bits::Indices(restricted)) {
            std::vector<CellRemoval> removals =
                Removals(board, a, b, a.digits & b.digits & ~(1U << x), a.cells | b.cells);
            if (!removals.empty()) {
                return AlsStep(board, Technique::AlsXz, {&a, &b}, {x}, std::move(removals));
            }
        }
    }
    // Links go both ways: each set's, in the order of the other set, in one store. Taken in the
    // links' order, a set's links to earlier sets come before those to later ones, each part in
    // order.
    std::vector<std::size_t> aroundBegin(sets.size() + 1, 0);
    for (const SetLink& link : links) {
        ++aroundBegin[link.first + 1];
        ++aroundBegin[link.second + 1];
    }
    CountsToStarts(aroundBegin);
    std::vector<std::pair<std::size_t, unsigned>> around(aroundBegin.back());
    std::vector<std::size_t> aroundEnd(aroundBegin.begin(), aroundBegin.end() - 1);
    for (const auto& [first, second, restricted] : links) {
        around[aroundEnd[first]++] = {second, restricted};
        around[aroundEnd[second]++] = {first, restricted};
    }
    for (std::size_t pivot = 0; pivot < sets.size(); ++pivot) {
        const std::span<const std::pair<std::size_t, unsigned>> pivotLinks =
            std::span(around).subspan(aroundBegin[pivot],
                                      aroundBegin[pivot + 1] - aroundBegin[pivot]);
        // In the order of the other set, so a later link's set comes later.
        for (auto one = pivotLinks.begin(); one != pivotLinks.end(); ++one) {
            for (auto other = one + 1; other != pivotLinks.end(); ++other) {
                const auto& [first, toA] = *one;
                const auto& [second, toB] = *other;
                if (!(cellsOf[first] & cellsOf[second]).Empty()) {
                    continue;
                }
                const Als& a = sets[first];
                const Als& b = sets[second];
                for (const int x : Bits::Indices(toA)) {
                    for (const int y : Bits::Indices(toB & ~(1U << x))) {
                        std::vector<CellRemoval> removals =
                            Removals(board, a, b, a.digits & b.digits & ~(1U << x | 1U << y),
                                     a.cells | b.cells | sets[pivot].cells);
                        if (!removals.empty()) {
                            return AlsStep(board, Technique::AlsXyWing, {&a, &b, &sets[pivot]},
                                           {x, y}, std::move(removals));
                        }
                    }
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
