#pragma once

#include <string>
#include <string_view>

#include "model/Grid_9x9.h"

namespace Novem::TestSupport {

// Puzzles as 81 characters in cell order, '.' for an empty cell.
inline constexpr std::string_view kSamplePuzzle =
    "895.....4"
    ".....7..."
    "1..6.5.8."
    "4...1...."
    ".....46.."
    "......3.9"
    "7.13....."
    "5.4.....2"
    "..2....1.";

inline constexpr std::string_view kSampleSolution =
    "895231764"
    "623487195"
    "147695283"
    "476913528"
    "359824671"
    "218756349"
    "781342956"
    "564179832"
    "932568417";

inline const std::string kEmptyPuzzle(81, '.');

// Gives every cell with a digit in `puzzle` that digit as its only candidate.
inline void LoadPuzzle(Grid_9x9& grid, std::string_view puzzle) {
    for (int index = 0; index < 81; ++index) {
        if (puzzle[index] != '.') {
            grid.GetCell(index / 9, index % 9)->SetValue(puzzle[index] - '0');
        }
    }
}

// The digit of every decided cell, '.' for several candidates and 'x' for none.
inline std::string Values(const Grid_9x9& grid) {
    std::string values;
    for (int index = 0; index < 81; ++index) {
        const Grid_9x9::CellType* cell = grid.GetCell(index / 9, index % 9);
        int digit = 0;
        if (cell->GetValue(digit)) {
            values += static_cast<char>('0' + digit);
        } else {
            values += cell->GetCandidates().none() ? 'x' : '.';
        }
    }
    return values;
}

}  // namespace Novem::TestSupport
