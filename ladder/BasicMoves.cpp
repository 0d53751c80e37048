#include "BasicMoves.h"

#include <algorithm>

#include "Difficulty.h"

namespace Novem::Ladder {

namespace {

using GridGeometry::kCellsOfRegion;
using GridGeometry::kSize;

// A region and a region of another kind it crosses, where a digit may be locked: the positions
// of the first where they meet, and the other regions of the first's kind that cross the second,
// in order.
struct Crossing {
    int region;
    int crossing;
    unsigned meeting;
    std::array<int, 2> others;
};

// As the scale tries them: a block with each column it crosses, then with each row (pointing),
// then each column with each block it crosses, then each row (claiming).
constexpr std::array<Crossing, 4 * GridGeometry::kSize* GridGeometry::kBlockSize> kLockingOrder =
    [] {
        using namespace GridGeometry;
        std::array<Crossing, 4 * kSize * kBlockSize> order{};
        std::size_t next = 0;
        constexpr std::array<std::pair<int, int>, 4> kPairs = {
            {{0, kFirstColumn}, {0, kFirstRow}, {kFirstColumn, 0}, {kFirstRow, 0}}};
        for (const auto& [firstKind, secondKind] : kPairs) {
            for (int region = firstKind; region < firstKind + kSize; ++region) {
                for (int crossing = secondKind; crossing < secondKind + kSize; ++crossing) {
                    unsigned meeting = 0;
                    for (int position = 0; position < kSize; ++position) {
                        const int cell = kCellsOfRegion[region][position];
                        for (const int other : kCellsOfRegion[crossing]) {
                            meeting |= (other == cell ? 1U : 0U) << position;
                        }
                    }
                    if (meeting == 0) {
                        continue;
                    }
                    Crossing& entry = order[next++];
                    entry = {region, crossing, meeting, {-1, -1}};
                    std::size_t found = 0;
                    for (int other = firstKind; other < firstKind + kSize; ++other) {
                        bool crosses = false;
                        for (const int cell : kCellsOfRegion[other]) {
                            for (const int inCrossing : kCellsOfRegion[crossing]) {
                                crosses = crosses || cell == inCrossing;
                            }
                        }
                        if (other != region && crosses && found < 2) {
                            entry.others[found++] = other;
                        }
                    }
                }
            }
        }
        return order;
    }();

// The regions in the order the scale reads them: blocks, then columns, then rows.
constexpr std::array<int, GridGeometry::kRegions> kRegionsInScaleOrder = [] {
    std::array<int, GridGeometry::kRegions> regions{};
    std::size_t next = 0;
    for (const int first : {0, GridGeometry::kFirstColumn, GridGeometry::kFirstRow}) {
        for (int region = first; region < first + GridGeometry::kSize; ++region) {
            regions[next++] = region;
        }
    }
    return regions;
}();

int PositionIn(int region, int cell) {
    for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
        if (place.region == region) {
            return place.position;
        }
    }
    return -1;
}

unsigned UnionAt(const Board& board, int region, unsigned positions) {
    unsigned digits = 0;
    for (const int position : Bits::Indices(positions)) {
        digits |= board.Candidates(kCellsOfRegion[region][position]);
    }
    return digits;
}

// Builds a move application by application on its own copy of the candidates, so that each
// application's decided cells are those it found.
class MoveBuilder {
public:
    MoveBuilder(const Board& board, int rating, bool places, RuleNames::Subject subject)
        : m_move{rating, places, subject, {}} {
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            m_candidates[cell] = board.Candidates(cell);
        }
    }

    // Of the region's cells at `changing`, removes `removed` where they have it.
    void Add(RuleApplication application, unsigned changing, unsigned removed) {
        const int region = application.region;
        for (int position = 0; position < kSize; ++position) {
            const unsigned candidates = m_candidates[kCellsOfRegion[region][position]];
            if (Bits::Count(candidates) == 1) {
                application.NoteDecided(position, candidates);
            }
        }
        const int examined =
            application.rule == RuleApplication::Rule::External ? application.crossing : region;
        for (const int position : Bits::Indices(changing)) {
            const int cell = kCellsOfRegion[examined][position];
            const unsigned digits = m_candidates[cell] & removed;
            if (digits != 0) {
                m_candidates[cell] &= ~digits;
                application.removals[application.removalCount++] = {cell, digits};
            }
        }
        if (application.removalCount > 0) {
            m_move.applications.push_back(application);
        }
    }

    // The cell's one digit leaves its block, row and column, in that order.
    void Spread(int cell) {
        const unsigned digit = m_candidates[cell];
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            const unsigned others = GridGeometry::kAllPositions & ~(1U << place.position);
            Add({RuleApplication::Rule::Internal, 0, place.region, -1, 1U << place.position, digit},
                others, digit);
        }
    }

    // The digit's one place left in the region takes it, as a hidden single whose other digits
    // the region's other cells hold between them, and the digit spreads: how a direct technique
    // places the single it leaves, in the same step.
    void PlaceHiddenSingle(int region, int digit) {
        unsigned places = 0;
        unsigned others = 0;
        for (int position = 0; position < kSize; ++position) {
            const unsigned candidates = m_candidates[kCellsOfRegion[region][position]];
            places |= (candidates >> digit & 1U) << position;
        }
        if (Bits::Count(places) != 1) {
            return;
        }
        const unsigned rest = GridGeometry::kAllPositions & ~places;
        for (const int position : Bits::Indices(rest)) {
            others |= m_candidates[kCellsOfRegion[region][position]];
        }
        if (others != (GridGeometry::kAllDigits & ~(1U << digit))) {
            return;
        }
        Add({RuleApplication::Rule::Internal, 0, region, -1, rest, others}, places, others);
        Spread(kCellsOfRegion[region][Bits::Lowest(places)]);
    }

    std::optional<BasicMove> Done() {
        if (m_move.applications.empty()) {
            return std::nullopt;
        }
        return std::move(m_move);
    }

private:
    std::array<unsigned, GridGeometry::kCells> m_candidates{};
    BasicMove m_move;
};

}  // namespace

BasicMoves::BasicMoves(const Board& board, const CellMask& placed)
    : m_board(board), m_placed(placed) {}

// Only the steps past the singles read these, and most steps are singles.
const BasicMoves::Tables& BasicMoves::RegionTables() const {
    if (!m_tables) {
        Tables& tables = m_tables.emplace();
        for (int region = 0; region < GridGeometry::kRegions; ++region) {
            for (int position = 0; position < kSize; ++position) {
                const int cell = kCellsOfRegion[region][position];
                tables.open[region] |= (m_board.Open().Has(cell) ? 1U : 0U) << position;
            }
            for (int digit = 0; digit < kSize; ++digit) {
                const unsigned places = m_board.Positions(region, digit);
                const auto count = static_cast<std::size_t>(Bits::Count(places));
                if (count >= 2 && count < tables.digitsByPlaces[region].size() &&
                    (places & ~tables.open[region]) == 0) {
                    tables.digitsByPlaces[region][count] |= 1U << digit;
                }
            }
        }
    }
    return *m_tables;
}

bool BasicMoves::Spreads(int cell) const {
    const unsigned digit = m_board.Candidates(cell);
    return digit != 0 && !(kPeers[cell] & m_board.CellsOf(Bits::Lowest(digit))).Empty();
}

std::optional<BasicMove> BasicMoves::SpreadPlaced(const CellMask& cells) const {
    if (cells.Empty()) {
        return std::nullopt;
    }
    MoveBuilder builder(m_board, 0, true, {RuleNames::Kind::NakedSingle, 1, 0, 0});
    for (const int cell : cells - m_board.Open()) {
        if (Spreads(cell)) {
            builder.Spread(cell);
        }
    }
    return builder.Done();
}

std::optional<BasicMove> BasicMoves::NakedSingle() const {
    for (const int cell : kAllCells - m_board.Open()) {
        if (Spreads(cell)) {
            MoveBuilder builder(m_board, Difficulty::kNakedSingle, true,
                                {RuleNames::Kind::NakedSingle, 1, 0, m_board.Candidates(cell)});
            builder.Spread(cell);
            return builder.Done();
        }
    }
    return std::nullopt;
}

int BasicMoves::Empty(int region) const {
    return GridGeometry::kSize - (m_placed & kRegionCells[region]).Count();
}

// A full house is a region's last empty cell; the other kinds skip such regions, which the
// first rung leaves without a single to find.
std::optional<BasicMove> BasicMoves::HiddenSingle(Single kind) const {
    const int rating = kind == Single::FullHouse ? Difficulty::kFullHouse
                       : kind == Single::Block   ? Difficulty::kHiddenSingleInBlock
                                                 : Difficulty::kHiddenSingleInLine;
    for (const int region : kRegionsInScaleOrder) {
        const bool block = GridGeometry::KindOf(region) == GridGeometry::RegionKind::Block;
        if (kind == Single::FullHouse ? !(kRegionCells[region] - m_placed).One()
                                      : block != (kind == Single::Block)) {
            continue;
        }
        for (int digit = 0; digit < kSize; ++digit) {
            const unsigned places = m_board.Positions(region, digit);
            if (places == 0 || (places & (places - 1)) != 0) {
                continue;
            }
            const int cell = kCellsOfRegion[region][Bits::Lowest(places)];
            if (!m_board.Open().Has(cell) && !Spreads(cell)) {
                continue;
            }
            MoveBuilder builder(m_board, rating, true,
                                {RuleNames::Kind::HiddenSingle, 1, places, 1U << digit});
            if (m_board.Open().Has(cell)) {
                // The region's other cells must allow every other digit between them, or the
                // cell would be the only place of two.
                const unsigned others = GridGeometry::kAllPositions & ~places;
                const unsigned digits = UnionAt(m_board, region, others);
                if (digits != (GridGeometry::kAllDigits & ~(1U << digit))) {
                    continue;
                }
                builder.Add({RuleApplication::Rule::Internal, 0, region, -1, others, digits},
                            places, digits);
            }
            builder.Spread(cell);
            return builder.Done();
        }
    }
    return std::nullopt;
}

bool BasicMoves::LeavesSingle(int region, int crossing, int digit) const {
    const unsigned places = m_board.Positions(region, digit) & RegionTables().open[region];
    if (Bits::Count(places) <= 1) {
        return false;
    }
    int outside = 0;
    for (const int position : Bits::Indices(places)) {
        outside += kRegionCells[crossing].Has(kCellsOfRegion[region][position]) ? 0 : 1;
    }
    return outside == 1;
}

std::optional<BasicMove> BasicMoves::LockedCandidates(bool direct) const {
    const Tables& tables = RegionTables();
    for (const Crossing& pair : kLockingOrder) {
        const int region = pair.region;
        const int crossing = pair.crossing;
        // Two or three places, all open, that may all lie where the regions meet.
        const unsigned few = tables.digitsByPlaces[region][2] | tables.digitsByPlaces[region][3];
        for (const int digit : Bits::Indices(few)) {
            const unsigned positions = m_board.Positions(region, digit);
            if ((positions & ~pair.meeting) != 0) {
                continue;
            }
            const CellMask removed =
                (kRegionCells[crossing] - kRegionCells[region]) & m_board.CellsOf(digit);
            if (removed.Empty()) {
                continue;
            }
            int single = -1;
            for (const int other : pair.others) {
                if (single < 0 && LeavesSingle(other, crossing, digit)) {
                    single = other;
                }
            }
            if (direct && single < 0) {
                continue;
            }
            const bool fromBlock = GridGeometry::KindOf(region) == GridGeometry::RegionKind::Block;
            const RuleNames::Subject subject{
                fromBlock ? RuleNames::Kind::Pointing : RuleNames::Kind::Claiming,
                Bits::Count(positions), positions, 1U << digit};
            MoveBuilder builder(m_board, Difficulty::Of(subject, region, direct), direct, subject);
            unsigned changing = 0;
            for (const int cell : removed) {
                changing |= 1U << PositionIn(crossing, cell);
            }
            builder.Add(
                {RuleApplication::Rule::External, 0, region, crossing, positions, 1U << digit},
                changing, 1U << digit);
            if (direct) {
                builder.PlaceHiddenSingle(single, digit);
            }
            return builder.Done();
        }
    }
    return std::nullopt;
}

std::optional<BasicMove> BasicMoves::NakedSubset(int size, GridGeometry::RegionMask regions) const {
    const Tables& tables = RegionTables();
    for (const int region : kRegionsInScaleOrder) {
        if ((regions >> region & 1U) == 0 || Empty(region) < 2 * size) {
            continue;
        }
        const unsigned open = tables.open[region];
        std::optional<BasicMove> move;
        Bits::ForEachSubsetOfSize(open, size, [&](unsigned subset) {
            unsigned digits = 0;
            for (const int position : Bits::Indices(subset)) {
                digits |= m_board.Candidates(kCellsOfRegion[region][position]);
            }
            if (Bits::Count(digits) != size) {
                return false;
            }
            unsigned leaking = 0;
            for (const int digit : Bits::Indices(digits)) {
                leaking |= m_board.Positions(region, digit) & ~subset;
            }
            if (leaking == 0) {
                return false;
            }
            const RuleNames::Subject subject{RuleNames::Kind::Naked, size, subset, digits};
            MoveBuilder builder(m_board, Difficulty::Of(subject, region, false), false, subject);
            builder.Add({RuleApplication::Rule::Internal, 0, region, -1, subset, digits}, leaking,
                        digits);
            move = builder.Done();
            return true;
        });
        if (move) {
            return move;
        }
    }
    return std::nullopt;
}

std::optional<BasicMove> BasicMoves::HiddenSubset(int size, bool direct,
                                                  GridGeometry::RegionMask regions) const {
    const Tables& tables = RegionTables();
    for (const int region : kRegionsInScaleOrder) {
        if ((regions >> region & 1U) == 0) {
            continue;
        }
        const int empty = Empty(region);
        if (!(empty > 2 * size || (direct && empty > size))) {
            continue;
        }
        unsigned usable = 0;
        for (int count = 2; count <= size; ++count) {
            usable |= tables.digitsByPlaces[region][static_cast<std::size_t>(count)];
        }
        std::optional<BasicMove> move;
        // The subsets of the usable digits come in the order of all subsets' masks.
        Bits::ForEachSubsetOfSize(usable, size, [&](unsigned digits) {
            unsigned cells = 0;
            for (const int digit : Bits::Indices(digits)) {
                cells |= m_board.Positions(region, digit);
            }
            if (Bits::Count(cells) != size) {
                return false;
            }
            const unsigned lost = UnionAt(m_board, region, cells) & ~digits;
            if (lost == 0) {
                return false;
            }
            // Direct: a digit the cells lose is left one place in the region, not yet placed;
            // the first such digit is placed there in the same step.
            int single = -1;
            for (const int digit : Bits::Indices(lost)) {
                const unsigned left = m_board.Positions(region, digit) & ~cells;
                if (single < 0 && Bits::Count(left) == 1 &&
                    !m_placed.Has(kCellsOfRegion[region][Bits::Lowest(left)])) {
                    single = digit;
                }
            }
            const bool leaves = single >= 0;
            if (direct && !leaves) {
                return false;
            }
            const unsigned others = GridGeometry::kAllPositions & ~cells;
            const unsigned otherDigits = UnionAt(m_board, region, others);
            if (otherDigits != (GridGeometry::kAllDigits & ~digits)) {
                return false;
            }
            const RuleNames::Subject subject{RuleNames::Kind::Hidden, size, cells, digits};
            MoveBuilder builder(m_board, Difficulty::Of(subject, region, leaves), direct, subject);
            builder.Add({RuleApplication::Rule::Internal, 0, region, -1, others, otherDigits},
                        cells, otherDigits);
            if (direct) {
                builder.PlaceHiddenSingle(region, single);
            }
            move = builder.Done();
            return true;
        });
        if (move) {
            return move;
        }
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
