#pragma once

#include <cstdint>
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

// A proper puzzle of 17 givens, the fewest there can be, that the rules leave with 32 cells open.
inline constexpr std::string_view kSeventeen =
    ".7.24..3.2...5..........8...3.8.6...........1......5.....3...8.1.4......5........";
inline constexpr std::string_view kSeventeenSolution =
    "971248635248653917356179842735816429862594371419732568697325184184967253523481796";

// What the two rules give for the sample: the statistics text and the run log's FNV-1a hash.
inline constexpr std::string_view kSampleStatistics =
    "Effective Cells updates\t\t: 445\n"
    "Effective \"Single Cell[card=1]\" rules\t: 43\n"
    "Effective \"Single Cell[card=2]\" rules\t: 6\n"
    "Effective \"Single Cell[card=3]\" rules\t: 1\n"
    "Effective \"Single Cell[card=4]\" rules\t: 4\n"
    "Effective \"Single Cell[card=5]\" rules\t: 4\n"
    "Effective \"Single Cell[card=6]\" rules\t: 1\n"
    "Effective \"Dual Cells\" rules\t\t: 107\n";
inline constexpr std::uint64_t kSampleLogHash = 0x9990c7a82a5d90a2;
// The statistics text of a run that changed nothing.
inline constexpr std::string_view kNothingChanged =
    "Effective Cells updates\t\t: 0\n"
    "Effective \"Dual Cells\" rules\t\t: 0\n";

inline PuzzleText::Cells ToCells(std::string_view puzzle) {
    PuzzleText::Cells cells{};
    puzzle.copy(cells.data(), cells.size());
    return cells;
}

inline void LoadPuzzle(Grid_9x9& grid, std::string_view puzzle) {
    PuzzleText::Load(ToCells(puzzle), grid);
}

}  // namespace Novem::TestSupport
