#include "BasicMoves.h"

#include "Difficulty.h"

namespace Novem::Ladder {

namespace {

using GridGeometry::kCellsOfRegion;
using GridGeometry::kSize;

constexpr GridGeometry::RegionMask kBlocks =
    (GridGeometry::RegionMask{1} << GridGeometry::kFirstRow) - 1;

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
                application.decided |= 1U << position;
                application.decidedDigits |= candidates;
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

// Calls visit(members, joined) for each set of `size` members of `items` whose sets (`setOf`)
// join into at most `size` elements, in lexicographic order of the members, until visit returns
// true; returns whether it did. A subset is locked only when its members' sets join into as many
// elements as it has members, so a join grown too large ends the search below it.
template <typename SetOf, typename Visit>
bool ForEachLockedCandidate(unsigned items, int size, SetOf setOf, Visit visit) {
    const auto search = [&](const auto& self, unsigned from, unsigned members, unsigned joined,
                            int left) -> bool {
        if (left == 0) {
            return visit(members, joined);
        }
        for (const int item : Bits::Indices(from)) {
            const unsigned grown = joined | setOf(item);
            const unsigned above = from & ~((2U << item) - 1);
            if (Bits::Count(grown) <= size &&
                self(self, above, members | 1U << item, grown, left - 1)) {
                return true;
            }
        }
        return false;
    };
    return search(search, items, 0, 0, size);
}

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

std::optional<BasicMove> BasicMoves::HiddenSingle(bool inBlock) const {
    const int first = inBlock ? 0 : GridGeometry::kFirstRow;
    const int last = inBlock ? GridGeometry::kFirstRow : GridGeometry::kRegions;
    const int rating = inBlock ? Difficulty::kHiddenSingleInBlock : Difficulty::kHiddenSingleInLine;
    for (int region = first; region < last; ++region) {
        for (int digit = 0; digit < kSize; ++digit) {
            const CellMask cells = m_board.CellsOf(digit) & kRegionCells[region];
            if (!cells.One()) {
                continue;
            }
            const int cell = cells.First();
            if (!m_board.Open().Has(cell) && !Spreads(cell)) {
                continue;
            }
            const unsigned places = 1U << PositionIn(region, cell);
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

bool BasicMoves::LeavesHiddenSingle(const std::array<CellMask, kSize>& removed,
                                    GridGeometry::RegionMask regions) const {
    for (int digit = 0; digit < kSize; ++digit) {
        const CellMask left = m_board.CellsOf(digit) - removed[digit];
        for (const int cell : removed[digit]) {
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                if ((regions >> place.region & 1U) == 0) {
                    continue;
                }
                const CellMask places = left & kRegionCells[place.region];
                if (places.One() && !m_placed.Has(places.First())) {
                    return true;
                }
            }
        }
    }
    return false;
}

std::optional<BasicMove> BasicMoves::LockedCandidates(bool fromBlock, bool direct) const {
    const Tables& tables = RegionTables();
    const int first = fromBlock ? 0 : GridGeometry::kFirstRow;
    const int last = fromBlock ? GridGeometry::kFirstRow : GridGeometry::kRegions;
    for (int region = first; region < last; ++region) {
        for (int digit = 0; digit < kSize; ++digit) {
            const unsigned positions = m_board.Positions(region, digit);
            if (Bits::Count(positions) < 2 || (positions & ~tables.open[region]) != 0) {
                continue;
            }
            CellMask places;
            for (const int position : Bits::Indices(positions)) {
                places |= CellMask::Of(kCellsOfRegion[region][position]);
            }
            for (const GridGeometry::Place& crossing :
                 GridGeometry::kPlacesOfCell[places.First()]) {
                const bool acrossKinds = (GridGeometry::KindOf(crossing.region) ==
                                          GridGeometry::RegionKind::Block) != fromBlock;
                if (!acrossKinds || !(places - kRegionCells[crossing.region]).Empty()) {
                    continue;
                }
                const CellMask removed =
                    (kRegionCells[crossing.region] - kRegionCells[region]) & m_board.CellsOf(digit);
                if (removed.Empty()) {
                    continue;
                }
                std::array<CellMask, kSize> byDigit{};
                byDigit[digit] = removed;
                // Claiming removes inside one block, where the digit keeps its places on the
                // line: it is never direct.
                const bool leaves = fromBlock && LeavesHiddenSingle(byDigit, kBlocks);
                if (direct && !leaves) {
                    continue;
                }
                const RuleNames::Subject subject{
                    fromBlock ? RuleNames::Kind::Pointing : RuleNames::Kind::Claiming,
                    Bits::Count(positions), positions, 1U << digit};
                MoveBuilder builder(m_board, Difficulty::Of(subject, region, leaves), false,
                                    subject);
                unsigned changing = 0;
                for (const int cell : removed) {
                    changing |= 1U << PositionIn(crossing.region, cell);
                }
                builder.Add({RuleApplication::Rule::External, 0, region, crossing.region, positions,
                             1U << digit},
                            changing, 1U << digit);
                return builder.Done();
            }
        }
    }
    return std::nullopt;
}

std::optional<BasicMove> BasicMoves::NakedSubset(int size) const {
    const Tables& tables = RegionTables();
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        const unsigned open = tables.open[region];
        if (Bits::Count(open) <= size) {
            continue;
        }
        const auto candidatesAt = [&](int position) {
            return m_board.Candidates(kCellsOfRegion[region][position]);
        };
        std::optional<BasicMove> move;
        ForEachLockedCandidate(open, size, candidatesAt, [&](unsigned subset, unsigned digits) {
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

std::optional<BasicMove> BasicMoves::HiddenSubset(int size, bool direct) const {
    const Tables& tables = RegionTables();
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        // The digits still to place in the region, with at most `size` places.
        unsigned usable = 0;
        for (int count = 2; count <= size; ++count) {
            usable |= tables.digitsByPlaces[region][static_cast<std::size_t>(count)];
        }
        const auto placesOf = [&](int digit) { return m_board.Positions(region, digit); };
        std::optional<BasicMove> move;
        ForEachLockedCandidate(usable, size, placesOf, [&](unsigned digits, unsigned cells) {
            if (Bits::Count(cells) != size) {
                return false;
            }
            const unsigned lost = UnionAt(m_board, region, cells) & ~digits;
            if (lost == 0) {
                return false;
            }
            // Direct: a digit the cells lose is left one place in the region, not yet placed.
            bool leaves = false;
            for (const int digit : Bits::Indices(lost)) {
                const unsigned left = m_board.Positions(region, digit) & ~cells;
                leaves = leaves || (Bits::Count(left) == 1 &&
                                    !m_placed.Has(kCellsOfRegion[region][Bits::Lowest(left)]));
            }
            if (direct && !leaves) {
                return false;
            }
            const unsigned others = GridGeometry::kAllPositions & ~cells;
            const unsigned otherDigits = UnionAt(m_board, region, others);
            if (otherDigits != (GridGeometry::kAllDigits & ~digits)) {
                return false;
            }
            const RuleNames::Subject subject{RuleNames::Kind::Hidden, size, cells, digits};
            MoveBuilder builder(m_board, Difficulty::Of(subject, region, leaves), false, subject);
            builder.Add({RuleApplication::Rule::Internal, 0, region, -1, others, otherDigits},
                        cells, otherDigits);
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
