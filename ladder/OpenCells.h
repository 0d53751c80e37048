#pragma once

#include <array>

#include "Board.h"

// The candidates as the rating scale's rules read them: a placed cell holds none, so it is in no
// pattern and no region counts it among a digit's places; and the order in which the scale walks
// a cell's peers. Cells with one candidate are placed by the time these rules run.
namespace Novem::Ladder {

struct OpenCells {
    std::array<unsigned, GridGeometry::kCells> candidates{};

    explicit OpenCells(const Board& board) {
        for (const int cell : board.Open()) {
            candidates[cell] = board.Candidates(cell);
        }
    }

    // The digit's places in the region, as positions.
    unsigned Positions(int region, int digit) const {
        unsigned positions = 0;
        for (int position = 0; position < GridGeometry::kSize; ++position) {
            positions |= (candidates[GridGeometry::kCellsOfRegion[region][position]] >> digit & 1U)
                         << position;
        }
        return positions;
    }
    // The cells of the region with candidates.
    int Empty(int region) const {
        int empty = 0;
        for (const int cell : GridGeometry::kCellsOfRegion[region]) {
            empty += candidates[cell] != 0 ? 1 : 0;
        }
        return empty;
    }
};

// A cell's twenty peers as the scale lists them: its block's cells, then the rest of its row,
// then the rest of its column, each in region order.
inline constexpr std::array<std::array<int, 20>, GridGeometry::kCells> kPeersInOrder = [] {
    std::array<std::array<int, 20>, GridGeometry::kCells> peers{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        std::size_t count = 0;
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            for (const int peer : GridGeometry::kCellsOfRegion[place.region]) {
                bool listed = peer == cell;
                for (std::size_t k = 0; k < count && !listed; ++k) {
                    listed = peers[cell][k] == peer;
                }
                if (!listed) {
                    peers[cell][count++] = peer;
                }
            }
        }
    }
    return peers;
}();

// Calls visit(mask) for each subset of `size` of the numbers below `count`, as bit masks in
// ascending order, as the scale enumerates them, until visit returns true. Of no numbers there is
// no subset, not even the empty one.
template <typename Visit>
void ForEachCombination(int size, int count, Visit visit) {
    if (count == 0 || size > count) {
        return;
    }
    const unsigned limit = 1U << count;
    for (unsigned mask = (1U << size) - 1; mask < limit;) {
        if (visit(mask)) {
            return;
        }
        if (mask == 0) {
            return;
        }
        const unsigned lowest = mask & (~mask + 1);
        const unsigned rippled = mask + lowest;
        mask = (((rippled ^ mask) >> 2) / lowest) | rippled;
    }
}

}  // namespace Novem::Ladder
