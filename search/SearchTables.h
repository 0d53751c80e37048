#pragma once

#include <array>
#include <cstdint>

#include "BandBoards.h"

// Constant tables of the search, made at compile time. The "triads" of a band are its nine
// groups of three cells where a row meets a block; those of a stack, where a column meets a
// block. A digit lies in exactly one triad of each row and of each block of a band, one per
// row and block: a permutation of three. The same holds of the columns and blocks of a stack.
namespace Novem::Search::Tables {

// Every set of nine bits: a row's cells in a band, or a band's 3x3 matrix of triads.
inline constexpr unsigned kNineBitSets = 1U << GridGeometry::kSize;

// For the nine bits of one row of a band, which of its three triads hold any.
inline constexpr std::array<std::uint8_t, kNineBitSets> kTriadsOfRow = [] {
    std::array<std::uint8_t, kNineBitSets> triads{};
    for (unsigned row = 0; row < kNineBitSets; ++row) {
        for (unsigned triad = 0; triad < 3; ++triad) {
            triads[row] |= static_cast<std::uint8_t>(((row >> (3 * triad) & 7U) != 0) << triad);
        }
    }
    return triads;
}();

// For a 3x3 matrix of triads that may hold a digit, bit 3 * line + block, the triads that lie on
// a permutation inside it: those where the digit can still be. 0 when there is no permutation,
// a contradiction.
inline constexpr std::array<std::uint16_t, kNineBitSets> kOnPermutation = [] {
    constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                         {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::array<std::uint16_t, kNineBitSets> allowed{};
    for (unsigned matrix = 0; matrix < kNineBitSets; ++matrix) {
        for (const auto& permutation : kPermutations) {
            unsigned triads = 0;
            for (int line = 0; line < 3; ++line) {
                triads |= 1U << (3 * line + permutation[line]);
            }
            if ((triads & ~matrix) == 0) {
                allowed[matrix] |= static_cast<std::uint16_t>(triads);
            }
        }
    }
    return allowed;
}();

// The cells of a band's triads, bit 3 * row + block of the matrix.
inline constexpr std::array<Band, kNineBitSets> kCellsOfBandTriads = [] {
    std::array<Band, kNineBitSets> cells{};
    for (unsigned matrix = 0; matrix < kNineBitSets; ++matrix) {
        for (unsigned triad = 0; triad < 9; ++triad) {
            if ((matrix >> triad & 1U) != 0) {
                cells[matrix] |= Band{7} << (9 * (triad / 3) + 3 * (triad % 3));
            }
        }
    }
    return cells;
}();

// A column's cells in a band.
constexpr Band ColumnOf(int column) {
    return Band{0x40201} << column;
}

// A row's cells in a band.
constexpr Band RowOf(int row) {
    return Band{0x1FF} << (9 * row);
}

// A block's cells in a band.
constexpr Band BlockOf(int block) {
    return Band{0x1C0E07} << (3 * block);
}

// The cells of a band that share a row or a block with each cell of it, the cell left out.
inline constexpr std::array<Band, 27> kPeersInBand = [] {
    std::array<Band, 27> peers{};
    for (int cell = 0; cell < 27; ++cell) {
        peers[cell] = (RowOf(cell / 9) | BlockOf(cell % 9 / 3)) & ~(Band{1} << cell);
    }
    return peers;
}();

}  // namespace Novem::Search::Tables
