#pragma once

#include <string>
#include <string_view>

namespace Novem::Batch {

// One line of a puzzle file: 81 cells in cell order, '1' to '9' for a given digit and '0' or '.'
// for an empty cell. Surrounding white space (a CR before the LF included) is ignored; blank lines
// and lines starting with '#' are skipped.
struct PuzzleLine {
    enum class Kind { Skipped, Puzzle, Invalid };

    Kind kind = Kind::Skipped;
    // For a puzzle: 81 characters, '1' to '9' or '.'.
    std::string cells;
    // For an invalid line: what is wrong with it.
    std::string error;
};

PuzzleLine ParsePuzzleLine(std::string_view line);

}  // namespace Novem::Batch
