#pragma once

#include <array>
#include <optional>
#include <vector>

#include "Board.h"
#include "RuleNames.h"
#include "solver/RuleApplication.h"

namespace Novem::Ladder {

// One step of the easiest path made of the two rules' own applications: a single, locked
// candidates or a subset, and the spreading of the digit it decides (its cell's digit leaving the
// cell's block, row and column). Each application is one that InternalRule or ExternalRule could
// have made, so that it is counted, explained and logged as theirs.
struct BasicMove {
    // On the rating scale, in tenths; 0 for the spreading of a given's or a placed digit, which
    // is no step of its own.
    int rating = 0;
    // It decides a cell.
    bool places = false;
    // What it is, for its name and level: a hidden single of a decided cell spreads its digit
    // as a naked single does, but is found as a hidden single.
    RuleNames::Subject subject{};
    std::vector<RuleApplication> applications;
};

// Finds the first move of each basic technique on a board, in the rating scale's order: regions
// as it reads them (blocks, columns, rows), then digits ascending, or a subset's cells or digits
// in ascending order of their masks; cells in cell order. A region's empty cells are those not
// placed.
class BasicMoves {
public:
    // `placed`: the decided cells whose digits have been placed (given, or placed by a step), as
    // opposed to those that only lost their other candidates; a digit whose last place in a
    // region is a cell not yet placed makes a hidden single there.
    BasicMoves(const Board& board, const CellMask& placed);

    // The spreading of the digits of `cells` that their peers still allow, as one move.
    std::optional<BasicMove> SpreadPlaced(const CellMask& cells) const;
    // A decided cell, not placed, whose digit its peers still allow.
    std::optional<BasicMove> NakedSingle() const;
    // A digit with one place in a region: a region's last empty cell (a full house), first in
    // any region, then a hidden single in a block, then in a column or row.
    enum class Single { FullHouse, Block, Line };
    std::optional<BasicMove> HiddenSingle(Single kind) const;
    // Pointing (a block's digit locked in a line, columns first) and then claiming (a line's
    // digit locked in a block); `direct` asks for one that leaves its digit a single place in a
    // region of the first one's kind that crosses the second.
    std::optional<BasicMove> LockedCandidates(bool direct) const;
    // `size` open cells of a region allowing `size` digits between them, in a region of at least
    // twice as many empty cells. Only in `regions`: whether a region has one depends on its own
    // cells alone.
    std::optional<BasicMove> NakedSubset(int size,
                                         GridGeometry::RegionMask regions = kEveryRegion) const;
    // `size` digits of a region with `size` open places between them, in a region of more than
    // twice as many empty cells; `direct` asks for one that leaves a digit its cells lose a single
    // place in the region, in a region of more empty cells than `size`. Only in `regions`, as
    // naked subsets.
    std::optional<BasicMove> HiddenSubset(int size, bool direct,
                                          GridGeometry::RegionMask regions = kEveryRegion) const;

    const Board& Candidates() const { return m_board; }
    const CellMask& Placed() const { return m_placed; }

    static constexpr GridGeometry::RegionMask kEveryRegion = (1U << GridGeometry::kRegions) - 1;

private:
    int Empty(int region) const;
    // Whether the digit has open places in `region` of which exactly one lies outside
    // `crossing`: locked candidates in the crossing leave it that one.
    bool LeavesSingle(int region, int crossing, int digit) const;

    struct Tables {
        // By region, the positions of its open cells.
        std::array<unsigned, GridGeometry::kRegions> open{};
        // By region and by count of places, 2 to 4, the digits with that many places, all open.
        std::array<std::array<unsigned, 5>, GridGeometry::kRegions> digitsByPlaces{};
    };

    const Tables& RegionTables() const;
    // The decided cell's digit is still possible in one of its peers.
    bool Spreads(int cell) const;

    const Board& m_board;
    const CellMask& m_placed;
    mutable std::optional<Tables> m_tables;
};

}  // namespace Novem::Ladder
