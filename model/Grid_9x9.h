#pragma once

#include <array>
#include <cstddef>
#include <set>

#include "Cell.h"
#include "CellSet.h"
#include "Region.h"

namespace Novem {

// The 9x9 puzzle: 81 cells in row-major order and 27 regions (blocks 0-8, rows 9-17, columns
// 18-26), each cell linked to its block, row and column. Both live in arrays, so address order is
// index order. The grid never checks its contents: a contradiction only shows in IsSolved().
class Grid_9x9 {
public:
    static constexpr std::size_t kSize = 9;
    using CellType = Cell<kSize>;
    using CellSetType = CellSet<kSize>;
    using RegionType = Region<kSize>;

    Grid_9x9();
    Grid_9x9(const Grid_9x9&) = delete;
    Grid_9x9& operator=(const Grid_9x9&) = delete;
    // Members go in reverse order: the regions unlink themselves while every cell is alive.
    virtual ~Grid_9x9() = default;

    // No range check: callers pass row and column 0 to 8.
    CellType* GetCell(int row, int column) { return &m_cells[kSize * row + column]; }
    const CellType* GetCell(int row, int column) const { return &m_cells[kSize * row + column]; }

    // True when every cell has exactly one candidate; the digits are not compared.
    bool IsSolved() const;

    // Replaces the contents of `out` with all 27 regions.
    void CollectRegions(std::set<RegionType*>& out);

private:
    std::array<CellType, kSize * kSize> m_cells;
    std::array<RegionType, 3 * kSize> m_regions;
};

}  // namespace Novem
