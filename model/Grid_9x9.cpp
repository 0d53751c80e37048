#include "Grid_9x9.h"

#include <algorithm>

namespace Novem {

Grid_9x9::Grid_9x9() {
    for (int row = 0; row < GridGeometry::kSize; ++row) {
        for (int column = 0; column < GridGeometry::kSize; ++column) {
            CellType* cell = GetCell(row, column);
            m_regions[GridGeometry::BlockOf(row, column)].Add(cell);
            m_regions[GridGeometry::kFirstRow + row].Add(cell);
            m_regions[GridGeometry::kFirstColumn + column].Add(cell);
        }
    }
}

bool Grid_9x9::IsSolved() const {
    return std::all_of(m_cells.begin(), m_cells.end(), [](const CellType& cell) {
        return Bits::Count(cell.GetCandidates().to_ulong()) == 1;
    });
}

void Grid_9x9::CollectRegions(std::set<RegionType*>& out) {
    out.clear();
    for (RegionType& region : m_regions) {
        out.insert(&region);
    }
}

}  // namespace Novem
