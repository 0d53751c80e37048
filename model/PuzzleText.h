#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "GridGeometry.h"
#include "Grid_9x9.h"

// The text form of a puzzle, as collections, forums and other solvers pass it around: every cell
// row by row, '1' to '9' for a given digit and '0' or '.' for an empty cell.
namespace Novem::PuzzleText {

// The cells in cell order, '1' to '9' or '.'.
using Cells = std::array<char, GridGeometry::kCells>;

struct ParsedLine {
    enum class Kind { Skipped, Puzzle, Invalid };

    Kind kind = Kind::Skipped;
    Cells cells{};
    // For an invalid line: what is wrong with it.
    std::string error;
};

// One line of a puzzle file. White space around it (a CR before the LF included) is ignored,
// and a blank line or one starting with '#' is skipped. After the cells anything that follows
// white space or one of ';', ',', '|' and '#' is a trailing field (a name, a rating, a comment)
// and is ignored. Columns in errors count from 1 in the line as given.
ParsedLine ParseLine(std::string_view line);

// What keeps a text from being a puzzle.
struct TextProblem {
    enum class Kind { None, CellCount, Character, LineCount, LineLength };

    Kind kind = Kind::None;
    // CellCount: the cells on the one line. LineCount: the lines. LineLength: the cells on `line`.
    std::size_t count = 0;
    // LineLength: which line, from 1.
    std::size_t line = 0;
    // Character: the first one that is no cell.
    char character = 0;
};

// A puzzle as text pasted from elsewhere: one such line, or 9 lines of 9 cells each; lines of
// white space only don't count. Kind::None and `cells` filled for a puzzle; otherwise the first
// problem, with `cells` untouched.
TextProblem ParseText(std::string_view text, Cells& cells);

// The puzzles of a file: the one that ParseText reads in it, or else every line that ParseLine
// reads as a puzzle, the way novem-batch reads a file; and every line that is none, by its
// number from 1, with what is wrong with it.
struct Puzzles {
    std::vector<Cells> puzzles;
    std::vector<std::pair<std::uint64_t, std::string>> problems;
};
Puzzles ParsePuzzles(std::string_view text);

// Gives every cell with a digit that digit as its only candidate, and every other cell all nine.
void Load(const Cells& cells, Grid_9x9& grid);

// The digit of every cell with one candidate; `undecided` for several, `contradicted` for none.
std::string Format(const Grid_9x9& grid, char undecided = '.', char contradicted = 'x');

}  // namespace Novem::PuzzleText
