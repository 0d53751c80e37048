#pragma once

#include <array>
#include <cstdint>

#include "Board.h"

// What follows from an assumption, worked out on one bit board per digit so that a branch costs
// microseconds: the forcing chains try hundreds of them for one step, and nested ones hundreds
// inside each.
namespace Novem::Ladder {

// Each block with each row and column that crosses it: where locked candidates are found.
struct Crossing {
    CellMask block;
    CellMask line;
};

inline constexpr std::array<Crossing, 2 * GridGeometry::kRegions> kCrossings = [] {
    using namespace GridGeometry;
    std::array<Crossing, 2 * kRegions> crossings{};
    std::size_t next = 0;
    for (int block = 0; block < kSize; ++block) {
        for (int k = 0; k < kBlockSize; ++k) {
            const int row = kFirstRow + kBlockSize * (block / kBlockSize) + k;
            const int column = kFirstColumn + kBlockSize * (block % kBlockSize) + k;
            crossings[next++] = {kRegionCells[block], kRegionCells[row]};
            crossings[next++] = {kRegionCells[block], kRegionCells[column]};
        }
    }
    return crossings;
}();

// The candidates of a branch: by digit the cells that still allow it, and the cells whose digit
// is settled (placed, its peers cleared).
struct Boards {
    std::array<CellMask, GridGeometry::kSize> possible{};
    CellMask settled;
    // By digit, its board when singles, locked candidates and pairs last looked at it, so that a
    // copy of settled boards, settled again after an assumption, looks only at what changed.
    struct {
        std::array<CellMask, GridGeometry::kSize> singles{};
        std::array<CellMask, GridGeometry::kSize> locked{};
        std::array<CellMask, GridGeometry::kSize> pairs{};
    } looked;

    static Boards Of(const Board& board);

    // The digit goes in the cell: the cell's other digits and the digit's peers go.
    void Place(int cell, int digit);
    CellMask Placed(int digit) const { return possible[digit] & settled; }
};

// How far consequences are followed: singles always; with `basics`, the basic techniques too
// (pointing and claiming, naked and hidden pairs: the dynamic chains); and with `depth` above 0,
// a candidate whose own assumption leads, followed to depth - 1, to a contradiction goes (the
// nested chains).
// With `budget`, each assumption inside takes one from it, and once it is spent they stop being
// followed: none of them contradicts (a branch left open, never an unsound one). Deep nesting
// costs the cube of the candidates, and on a grid with several solutions, where nothing may come
// of it, that bounds the search.
struct Reach {
    bool basics = false;
    int depth = 0;
    std::int64_t* budget = nullptr;

    Reach Inner() const { return {basics, depth - 1, budget}; }
};

// The cells with exactly two candidates.
CellMask Bivalue(const std::array<CellMask, GridGeometry::kSize>& possible);

// Follows the boards to their fixed point within reach; false on a contradiction: a cell without
// a digit, or a region without a place for one.
bool Settle(Boards& boards, const Reach& reach);

// The boards after assuming the candidate and settling; false on a contradiction.
bool Assume(Boards& boards, int cell, int digit, const Reach& reach);

}  // namespace Novem::Ladder
