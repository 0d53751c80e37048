#pragma once

#include <array>

#include "model/GridGeometry.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"

// An exact search: how many solutions a grid has, and which. It knows nothing of techniques and
// changes nothing it is given; it starts from whatever candidates the cells have, so it runs as
// well on a puzzle as on what the rules left of it.
namespace Novem::Search {

using PuzzleText::Candidates;
using PuzzleText::CandidatesOf;

struct Outcome {
    // The solutions counted, up to the limit asked for, which stands for that many or more.
    int solutions = 0;
    // The first solution found, '1' to '9' in cell order; meaningful when there is one.
    PuzzleText::Cells solution{};
};

// Counts the solutions that keep to the candidates, up to `limit`: 2 tells one from several.
Outcome CountSolutions(const Candidates& candidates, int limit = 2);

}  // namespace Novem::Search
