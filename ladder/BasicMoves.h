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

// Finds the first move of each basic technique on a board, in a fixed order: regions in region
// order (blocks, rows, columns), then digits ascending, or a subset's cells or digits in
// lexicographic order; cells in cell order.
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
    // A digit with one place in a block, or in a row or column.
    std::optional<BasicMove> HiddenSingle(bool inBlock) const;
    // Pointing (from a block) or claiming (from a line); `direct` asks for a pointing that leaves
    // its digit a single place in another block.
    std::optional<BasicMove> LockedCandidates(bool fromBlock, bool direct) const;
    // `size` open cells of a region allowing `size` digits between them.
    std::optional<BasicMove> NakedSubset(int size) const;
    // `size` digits of a region with `size` open places between them; `direct` asks for one that
    // leaves a digit its cells lose a single place in the region.
    std::optional<BasicMove> HiddenSubset(int size, bool direct) const;

private:
    // Whether removing `removed` (by digit) leaves a digit one place in one of the `regions`.
    bool LeavesHiddenSingle(const std::array<CellMask, GridGeometry::kSize>& removed,
                            GridGeometry::RegionMask regions) const;

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
