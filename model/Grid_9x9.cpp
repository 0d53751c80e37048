#include "Grid_9x9.h"

#include <algorithm>

namespace Novem {

namespace {

constexpr std::size_t kBlockSize = 3;
constexpr std::size_t kFirstRowRegion = Grid_9x9::kSize;
constexpr std::size_t kFirstColumnRegion = 2 * Grid_9x9::kSize;

}  // namespace

Grid_9x9::Grid_9x9() {
    for (std::size_t row = 0; row < kSize; ++row) {
        for (std::size_t column = 0; column < kSize; ++column) {
            CellType* cell = &m_cells[kSize * row + column];
            const std::size_t block = kBlockSize * (row / kBlockSize) + column / kBlockSize;
            m_regions[block].Add(cell);
            m_regions[kFirstRowRegion + row].Add(cell);
            m_regions[kFirstColumnRegion + column].Add(cell);
        }
    }
}

bool Grid_9x9::IsSolved() const {
    return std::all_of(m_cells.begin(), m_cells.end(),
                       [](const CellType& cell) { return cell.GetCandidates().count() == 1; });
}

void Grid_9x9::CollectRegions(std::set<RegionType*>& out) {
    out.clear();
    for (RegionType& region : m_regions) {
        out.insert(&region);
    }
}

}  // namespace Novem
