#pragma once

#include <array>

#include "CellMask.h"
#include "model/GridGeometry.h"
#include "model/Grid_9x9.h"

namespace Novem::Ladder {

// The candidates as the techniques read them: by cell, and by digit as the set of cells that allow
// it. Digits are 0 to 8 for 1 to 9. A snapshot: it does not follow the grid, but takes the same
// removals, which is cheaper than reading the grid again.
class Board {
public:
    explicit Board(const Grid_9x9& grid);

    // Removes `digits` (bit d for digit d + 1) from the cell.
    void Remove(int cell, unsigned digits);

    // Bit d for digit d + 1.
    unsigned Candidates(int cell) const { return m_candidates[cell]; }
    bool Has(int cell, int digit) const { return (m_candidates[cell] >> digit & 1U) != 0; }
    const CellMask& CellsOf(int digit) const { return m_cells[digit]; }
    // The digit's cells in a region, as positions: bit k for the region's k-th cell.
    unsigned Positions(int region, int digit) const { return m_positions[region][digit]; }
    // The cells with several candidates, and those with exactly two.
    const CellMask& Open() const { return m_open; }
    const CellMask& Bivalue() const { return m_bivalue; }
    // A cell has no candidate left.
    bool Contradicted() const;
    // Every region still has a place for every digit: with every cell decided, the grid is a
    // solution.
    bool EveryDigitPlaceable() const;

private:
    std::array<unsigned, GridGeometry::kCells> m_candidates{};
    std::array<CellMask, GridGeometry::kSize> m_cells{};
    std::array<std::array<unsigned, GridGeometry::kSize>, GridGeometry::kRegions> m_positions{};
    CellMask m_open;
    CellMask m_bivalue;
};

}  // namespace Novem::Ladder
