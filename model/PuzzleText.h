#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "GridGeometry.h"
#include "Grid_9x9.h"

// The text form of a puzzle, as collections, forums and other solvers pass it around: every cell
// row by row, '1' to '9' for a given digit and '0' or '.' for an empty cell. A position from the
// middle of a solve comes as every cell's candidates instead (CandidateText.h reads and writes
// the forms it takes).
namespace Novem::PuzzleText {

// The cells in cell order, '1' to '9' or '.'.
using Cells = std::array<char, GridGeometry::kCells>;
// Every cell's candidates in cell order, bit d for digit d + 1.
using Candidates = std::array<unsigned, GridGeometry::kCells>;

// A puzzle as read: its givens, and for a position with pencil marks every cell's candidates
// (shared, so that a file of many puzzles costs little more than their givens). A position's
// givens are its cells with one candidate that no peer still allows; its other cells are open,
// those with one candidate too (they are still to be placed).
struct Puzzle {
    Cells givens{};
    std::shared_ptr<const Candidates> marks;
};

// The position of the candidates, its givens found as above.
Puzzle PositionOf(const Candidates& candidates);
// The digit of every cell with one candidate, '.' for the others.
Cells DecidedCells(const Candidates& candidates);
// A puzzle's candidates: a position's own, or one digit for a given and all nine for an open
// cell.
Candidates CandidatesOf(const Cells& cells);
Candidates CandidatesOf(const Puzzle& puzzle);

struct ParsedLine {
    enum class Kind { Skipped, Puzzle, Invalid };

    Kind kind = Kind::Skipped;
    Puzzle puzzle{};
    // For an invalid line: what is wrong with it.
    std::string error;
};

// One line of a puzzle file: 81 cells, or a position as 729 places, nine for each cell in cell
// order, a digit for a candidate and '0' or '.' for none (a digit counts wherever it stands in
// its nine). White space around it (a CR before the LF included) is ignored, and a blank line or
// one starting with '#' is skipped. After the cells anything that follows white space or one of
// ';', ',', '|' and '#' is a trailing field (a name, a rating, a comment) and is ignored. Columns
// in errors count from 1 in the line as given.
ParsedLine ParseLine(std::string_view line);

// What keeps a text from being a puzzle.
struct TextProblem {
    enum class Kind {
        None,
        CellCount,
        Character,
        LineCount,
        LineLength,
        // A grid of candidates without 9 rows of 9 cells.
        GridRows,
        GridRowLength,
        // A line in one of the coded forms of a position with the wrong length.
        CodeLength,
    };

    Kind kind = Kind::None;
    // CellCount: the cells on the one line. LineCount: the lines. LineLength: the cells on `line`.
    // GridRows: the rows of the grid. GridRowLength: the cells of row `line`. CodeLength: the
    // characters of the code, `line` those it needs.
    std::size_t count = 0;
    // LineLength, GridRowLength: which line or row, from 1.
    std::size_t line = 0;
    // Character: the first one that is no cell.
    char character = 0;
};

// A puzzle as text pasted from elsewhere: one such line, 9 lines of 9 cells each, or a position
// in any form that CandidateText.h reads; lines of white space only don't count. Kind::None and
// `puzzle` filled for a puzzle; otherwise the first problem, with `puzzle` untouched.
TextProblem ParseText(std::string_view text, Puzzle& puzzle);

// The puzzles of a file: the one that ParseText reads in it, or else every line that ParseLine
// reads as a puzzle, the way novem-batch reads a file; and every line that is none, by its
// number from 1, with what is wrong with it. A text that is a grid of candidates or a coded
// position but for a fault has that fault in `position`, and its lines are not read apart.
struct Puzzles {
    std::vector<Puzzle> puzzles;
    // The line of each puzzle, from 1; 1 for the one a whole text makes.
    std::vector<std::uint64_t> lines;
    std::vector<std::pair<std::uint64_t, std::string>> problems;
    TextProblem position;
};
Puzzles ParsePuzzles(std::string_view text);

// Gives every cell with a digit that digit as its only candidate, and every other cell all nine;
// or a position's cells their candidates.
void Load(const Cells& cells, Grid_9x9& grid);
void Load(const Puzzle& puzzle, Grid_9x9& grid);

// The digit of every cell with one candidate; `undecided` for several, `contradicted` for none.
std::string Format(const Grid_9x9& grid, char undecided = '.', char contradicted = 'x');
// Every cell's candidates.
Candidates CandidatesOf(const Grid_9x9& grid);

}  // namespace Novem::PuzzleText
