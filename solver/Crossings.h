#pragma once

#include <array>
#include <cstdint>

#include "model/GridGeometry.h"

// For each region, the regions that cross it, in ascending region order, and where they meet: a
// block meets its 3 rows and 3 columns in 3 cells each, a row or column meets its 3 blocks in 3
// cells and each of the 9 lines across it in 1. Rows and columns meet their crossings at the
// same positions, so two shapes cover all 27 regions.
namespace Novem::Crossings {

inline constexpr int kMaxCrossings = 12;

struct Crossing {
    int region = 0;
    // Where the two meet: the positions in the examined region, and in the crossing one.
    unsigned inside = 0;
    unsigned insideCrossing = 0;
};

struct RegionCrossings {
    std::array<Crossing, kMaxCrossings> crossings{};
    int count = 0;
};

inline constexpr std::array<RegionCrossings, GridGeometry::kRegions> kOfRegion = [] {
    using namespace GridGeometry;
    std::array<RegionCrossings, kRegions> all{};
    for (int region = 0; region < kRegions; ++region) {
        RegionMask crossing = 0;
        for (const int cell : kCellsOfRegion[region]) {
            crossing |= kRegionsOfCell[cell];
        }
        crossing &= ~(RegionMask{1} << region);
        for (int other = 0; other < kRegions; ++other) {
            if ((crossing >> other & 1U) == 0) {
                continue;
            }
            Crossing& entry = all[region].crossings[all[region].count++];
            entry.region = other;
            for (int position = 0; position < kSize; ++position) {
                if ((kRegionsOfCell[kCellsOfRegion[region][position]] >> other & 1U) != 0) {
                    entry.inside |= 1U << position;
                }
                if ((kRegionsOfCell[kCellsOfRegion[other][position]] >> region & 1U) != 0) {
                    entry.insideCrossing |= 1U << position;
                }
            }
        }
    }
    return all;
}();

// Which crossings, as bits of their index in the region's list, hold all of a non-empty set of
// positions: indexed by whether the region is a block, then by the positions.
inline constexpr auto kContaining = [] {
    using namespace GridGeometry;
    std::array<std::array<std::uint16_t, kAllPositions + 1>, 2> containing{};
    // A throw in a constant expression fails the build: the two shapes are checked as the
    // program is compiled, not when it runs.
    for (int region = 0; region < kRegions; ++region) {
        const int shape = KindOf(region) == RegionKind::Block ? 0 : kFirstRow;
        for (int index = 0; index < kMaxCrossings; ++index) {
            if (kOfRegion[region].crossings[index].inside !=
                kOfRegion[shape].crossings[index].inside) {
                throw "the regions of one shape must meet their crossings alike";
            }
        }
    }
    for (const bool block : {false, true}) {
        const RegionCrossings& shape = kOfRegion[block ? 0 : kFirstRow];
        for (unsigned positions = 1; positions <= kAllPositions; ++positions) {
            for (int index = 0; index < shape.count; ++index) {
                if ((positions & ~shape.crossings[index].inside) == 0) {
                    containing[block][positions] |= std::uint16_t(1U << index);
                }
            }
        }
    }
    return containing;
}();

}  // namespace Novem::Crossings
