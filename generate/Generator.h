#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Symmetry.h"
#include "analysis/Analyser.h"
#include "analysis/PuzzleResult.h"
#include "ladder/LadderSolver.h"
#include "ladder/Technique.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"

namespace Novem::Generate {

// What a puzzle must be to be kept. Ratings are in tenths, as the ladder gives them.
struct Target {
    // None for a symmetry picked at random, puzzle by puzzle.
    std::optional<Symmetry> symmetry = Symmetry::None;
    // Keep taking givens away while the solution stays unique; otherwise stop at `mostGivens`.
    bool minimal = true;
    int fewestGivens = 17;
    int mostGivens = GridGeometry::kCells;
    Ladder::Level lowestLevel = Ladder::Level::SinglesOnly;
    Ladder::Level highestLevel = Ladder::Level::Beyond;
    // Empty for any: the technique of the hardest step of the ladder's path, the one explained,
    // as novem-batch names it.
    std::string hardest{};
    int lowestRating = 0;
    int highestRating = 1000;
};

// A puzzle made, before it is rated: its solution and symmetry come with it, for the puzzles
// made near it.
struct Made {
    PuzzleText::Cells puzzle{};
    PuzzleText::Cells solution{};
    Symmetry symmetry = Symmetry::None;
};

struct Generated {
    PuzzleText::Cells puzzle{};
    Analysis::PuzzleResult analysis;
    // The seed that makes it again alone, for a random puzzle; none for one made near another.
    std::optional<std::uint64_t> seed;
};

// A seed nobody chose, for a run without one.
std::uint64_t FreshSeed();

// Makes puzzles one at a time and rates them with every technique of the ladder. Everything
// follows from the seeds, so the same seed gives the same puzzle on any machine and in any thread;
// a generator serves one thread.
class Generator {
public:
    explicit Generator(Target target);

    // The plain way: a random full grid, givens taken away in random order (an orbit of the
    // symmetry at a time) while the solution stays unique. None when the givens left are more or
    // fewer than the target allows.
    std::optional<Made> Random(std::uint64_t seed) const;
    // A neighbour: one or two of the givens' orbits swapped for others of the same solution, then
    // made minimal again. None when that has several solutions, or when it is the puzzle itself.
    std::optional<Made> Near(const Made& parent, std::uint64_t seed) const;

    // Whether the ladder, climbing no higher than the target's highest level (or, when that is
    // every family, below its lowest), shows the puzzle's level outside the target: far cheaper
    // than a full rating when most candidates miss.
    bool MissesLevel(const PuzzleText::Cells& puzzle);
    // Stays until the next call.
    const Analysis::PuzzleResult& Rate(const PuzzleText::Cells& puzzle);
    bool Meets(const Analysis::PuzzleResult& analysis) const;

private:
    bool GivensAllowed(const PuzzleText::Cells& puzzle) const;

    Target m_target;
    Analysis::Analyser m_analyser;
    // That quick climb, made once, and the highest level it reaches; none when no fewer than
    // every family would tell.
    std::unique_ptr<Ladder::LadderSolver> m_quick;
    Ladder::Level m_quickReach = Ladder::Level::Subsets;
    Grid_9x9 m_grid;
};

}  // namespace Novem::Generate
