#pragma once

#include <vector>

#include "PrintedGrid.h"
#include "analysis/PuzzleResult.h"
#include "model/PuzzleText.h"

// The grids of a booklet made of puzzles or positions: each under its number, with its level and
// rating when asked, and each one's solution, found by an exact search, for the pages at the
// back. Headings are in the user's language.
namespace BookletPuzzles {

struct Grids {
    std::vector<PrintedGrid> puzzles;
    std::vector<PrintedGrid> solutions;
};

// Rating takes the whole ladder, which on the hardest puzzles takes a while.
Grids Make(const std::vector<Novem::PuzzleText::Puzzle>& puzzles, bool rated);

// The puzzle as it is printed: its givens bold, a position's other candidates small.
PrintedGrid GridOf(const Novem::PuzzleText::Puzzle& puzzle, const QString& heading);

// What a heading says of a puzzle's analysis, which must have counted the solutions: its level
// and ER when rated, or that it has no single solution.
QString RatingText(const Novem::Analysis::PuzzleResult& result);

}  // namespace BookletPuzzles
