#pragma once

#include <array>
#include <set>

#include "Cell.h"
#include "CellSet.h"
#include "GridGeometry.h"
#include "Region.h"

namespace Novem {

// The 9x9 puzzle: its cells in row-major order and its regions (blocks, then rows, then columns),
// each cell linked to its block, row and column. Both live in arrays, so address order is index
// order. The grid never checks its contents: a contradiction only shows in IsSolved().
class Grid_9x9 {
public:
    static constexpr int kSize = GridGeometry::kSize;
    using CellType = Cell<kSize>;
    using CellSetType = CellSet<kSize>;
    using RegionType = Region<kSize>;

    Grid_9x9();
    Grid_9x9(const Grid_9x9&) = delete;
    Grid_9x9& operator=(const Grid_9x9&) = delete;
    // Members go in reverse order: the regions unlink themselves while every cell is alive.
    virtual ~Grid_9x9() = default;

    // No range check: callers pass row and column 0 to 8, or a cell index below kCells.
    CellType* GetCell(int row, int column) { return GetCell(GridGeometry::CellAt(row, column)); }
    const CellType* GetCell(int row, int column) const {
        return GetCell(GridGeometry::CellAt(row, column));
    }
    CellType* GetCell(int cell) { return &m_cells[cell]; }
    const CellType* GetCell(int cell) const { return &m_cells[cell]; }

    // True when every cell has exactly one candidate; the digits are not compared.
    bool IsSolved() const;

    // Replaces the contents of `out` with all 27 regions.
    void CollectRegions(std::set<RegionType*>& out);

private:
    std::array<CellType, GridGeometry::kCells> m_cells;
    std::array<RegionType, GridGeometry::kRegions> m_regions;
};

}  // namespace Novem
