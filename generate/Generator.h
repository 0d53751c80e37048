#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "Symmetry.h"
#include "analysis/Analyser.h"
#include "analysis/PuzzleResult.h"
#include "ladder/Technique.h"
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

struct Generated {
    PuzzleText::Cells puzzle{};
    Analysis::PuzzleResult analysis;
    // The puzzle's own seed: generating from it alone gives the same puzzle.
    std::uint64_t seed = 0;
    // How many puzzles were made and rated before this one met the target, it included.
    std::uint64_t tries = 0;
};

// A seed nobody chose, for a run without one.
std::uint64_t FreshSeed();

// Makes puzzles the plain way: a random full grid, givens taken away in random order (an orbit
// of the symmetry at a time) while the solution stays unique, then rated with every technique of
// the ladder, again and again until one meets the target. Everything follows from the seed, so
// the same seed gives the same puzzle on any machine and in any thread.
class Generator {
public:
    explicit Generator(Target target);

    // Tries from `seed` until a puzzle meets the target, or `stop` is set (then nothing). Each
    // try counts in `tries` as it is made.
    std::optional<Generated> Generate(std::uint64_t seed, const std::atomic<bool>& stop,
                                      std::atomic<std::uint64_t>& tries);

private:
    bool Meets(const Analysis::PuzzleResult& analysis) const;

    Target m_target;
    Analysis::Analyser m_analyser;
};

}  // namespace Novem::Generate
