#pragma once

#include <string>
#include <string_view>

#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"

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

inline PuzzleText::Cells ToCells(std::string_view puzzle) {
    PuzzleText::Cells cells{};
    puzzle.copy(cells.data(), cells.size());
    return cells;
}

inline void LoadPuzzle(Grid_9x9& grid, std::string_view puzzle) {
    PuzzleText::Load(ToCells(puzzle), grid);
}

}  // namespace Novem::TestSupport
