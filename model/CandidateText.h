#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PuzzleText.h"

// The forms in which other solvers and the forums pass a position with its pencil marks.
namespace Novem::PuzzleText {

// 729 places, nine for each cell in cell order; a digit anywhere among a cell's nine is one of its
// candidates, and '0' or '.' stands for none. Every place must be a cell character.
Candidates FromPlaces(std::string_view places);
// The 729 places with digit d at place d of its cell, '.' for a digit the cell does not allow.
std::string PlacesLine(const Candidates& candidates);

// A grid of candidates, 9 rows of 9 cells each written as its candidates' digits, cells apart by
// blanks and '|' between blocks; lines of '-', '+', '*', '.', ':', '\'' and '|' around and
// between the blocks. Of lines such as these, among others (a heading, a footer, another grid of
// givens only above it), the last run that holds 9 rows of 9 cells is the grid. Nullopt when no
// line looks like one of its rows; a problem with rows that don't make a grid.
std::optional<TextProblem> ReadCandidateGrid(const std::vector<std::string_view>& lines,
                                             Candidates& candidates);
// The grid as HoDoKu draws it: every column as wide as its widest cell, the blocks framed by
// ".---.", ":---+---:" and "'---'" lines. Each line ends with a LF.
std::string CandidateGrid(const Candidates& candidates);

// A position in one of the one-line codes: HoDoKu's library line ":0000:x:GIVENS:DELETED:...",
// the givens and placed digits ('+' before one) and the candidates taken away as "dRC" triples;
// or SudokuWiki's, 162 characters after "S9B" (two base-36 digits a cell: 1 to 9 a given, 10 to
// 18 a placed digit plus 9, above that 18 plus the candidates' mask) or alone or after "bd=" (two
// base-32 digits a cell: the candidates' mask shifted left by one, plus one for a given). Nullopt
// when the line is none of them.
std::optional<TextProblem> ReadCode(std::string_view line, Puzzle& puzzle);

}  // namespace Novem::PuzzleText
