#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <stdexcept>

namespace Novem {

// A grid's structure as plain arrays: the regions in index order, the cells of each region in set
// order, and for each of those cells the regions that hold it, as a mask of region indices. It
// holds no candidates: the rules read those from the cells as they stand at that moment.
template <typename TGrid>
struct GridLayout {
    using Cell = typename TGrid::CellType;
    using Region = typename TGrid::RegionType;
    using RegionMask = std::uint32_t;
    static constexpr std::size_t kMaxCells = TGrid::kSize;
    static constexpr std::size_t kMaxRegions = 3 * TGrid::kSize;
    static_assert(kMaxRegions <= 32, "region masks are 32-bit words");

    // `regions` ordered by address, as the grid hands them out; a region may hold at most
    // kMaxCells cells.
    explicit GridLayout(const std::set<Region*>& regions) : count(regions.size()) {
        if (count > kMaxRegions) {
            throw std::length_error("too many regions for a grid layout");
        }
        std::copy(regions.begin(), regions.end(), m_regions.begin());
        for (std::size_t region = 0; region < count; ++region) {
            const Region& cellsOfRegion = *m_regions[region];
            if (cellsOfRegion.size() > kMaxCells) {
                throw std::length_error("too many cells in a region for a grid layout");
            }
            sizes[region] = cellsOfRegion.size();
            std::size_t position = 0;
            for (Cell* cell : cellsOfRegion) {
                cells[region][position] = cell;
                cellRegions[region][position] = MaskOf(*cell);
                ++position;
            }
        }
    }

    // The mask of all regions of the layout.
    RegionMask All() const { return count == 32 ? ~RegionMask{0} : (RegionMask{1} << count) - 1; }

    std::size_t count;
    std::array<std::size_t, kMaxRegions> sizes{};
    std::array<std::array<Cell*, kMaxCells>, kMaxRegions> cells{};
    std::array<std::array<RegionMask, kMaxCells>, kMaxRegions> cellRegions{};

private:
    RegionMask MaskOf(const Cell& cell) const {
        RegionMask mask = 0;
        const auto end = m_regions.begin() + static_cast<std::ptrdiff_t>(count);
        for (Region* region : cell.GetRegions()) {
            const auto found = std::lower_bound(m_regions.begin(), end, region);
            if (found != end && *found == region) {
                mask |= RegionMask{1} << (found - m_regions.begin());
            }
        }
        return mask;
    }

    std::array<Region*, kMaxRegions> m_regions{};
};

}  // namespace Novem
