#pragma once

#include "Random.h"
#include "Symmetry.h"
#include "model/PuzzleText.h"

namespace Novem::Generate {

// A random full grid.
PuzzleText::Cells FullGrid(Random& random);

bool Unique(const PuzzleText::Cells& puzzle);

// Takes givens of `puzzle` away in random order, an orbit of the symmetry at a time, as long as
// the solution stays unique, down to `stopAt` givens unless every orbit is to be tried. Trying
// each orbit once leaves a minimal puzzle: a given that could not go once can't go later either,
// when fewer remain.
PuzzleText::Cells Dig(const PuzzleText::Cells& puzzle, Symmetry symmetry, int stopAt,
                      Random& random);

int Givens(const PuzzleText::Cells& puzzle);

}  // namespace Novem::Generate
