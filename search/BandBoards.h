#pragma once

#include <array>
#include <cstdint>

#include "model/GridGeometry.h"

namespace Novem::Search {

// The grid as bit boards, one per digit, each cut into three bands of three rows:
//
//   band 0: rows 0-2      in each band's 32-bit word, bit 9 * (row % 3) + column:
//   band 1: rows 3-5        bits  0- 8  first row    c0 c1 c2 | c3 c4 c5 | c6 c7 c8
//   band 2: rows 6-8        bits  9-17  second row
//                           bits 18-26  third row    block 0  | block 1  | block 2
//
// A row and a block of a band lie in one word, so the questions a digit asks of them are a few
// word operations; a column is the same three bits, column, column + 9 and column + 18, of each
// band's word. A digit's board keeps the cell where it is placed, so that every unit always
// holds each digit somewhere.
using Band = std::uint32_t;

inline constexpr int kBands = 3;
inline constexpr Band kBandCells = (Band{1} << 27) - 1;

struct BandBoards {
    // For each digit (0 to 8) and band, the cells that may hold it.
    std::array<std::array<Band, kBands>, GridGeometry::kSize> digits;
    // The cells whose digit is decided.
    std::array<Band, kBands> placed;
    // The digits whose boards changed since the search last drew conclusions from them.
    unsigned changed;
};

constexpr int BandOf(int cell) {
    return cell / 27;
}

constexpr Band BitOf(int cell) {
    return Band{1} << (cell % 27);
}

}  // namespace Novem::Search
