#pragma once

#include "ExplainerChains.h"
#include "Path.h"

namespace Novem::Ladder {

// Sudoku Explainer's path, which its numbers (ER, EP, ED) are the figures of: its rules in its
// order, the first that yields supplying each step, its chain rules each taking the least
// difficult of all their hints. The ladder's own path takes the same first rungs (Path.h); from
// where it first goes beyond them, this path goes on alone. Past the scale's dynamic forcing
// chains it takes the ladder's deepest rungs, rated as the ladder rates them.
class ExplainerPath {
public:
    // Continues the path from the position, rating each step into `rating`; whether it solves
    // the grid.
    bool Continue(Position position, PathRating& rating, UniqueSolution& unique);

private:
    struct Found {
        Move move;
        int rating;
    };
    std::optional<Found> Next(const Position& position, UniqueSolution& unique);

    ExplainerChains m_chains;
    SearchMemory m_memory;
};

}  // namespace Novem::Ladder
