#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/PuzzleResult.h"
#include "model/GridGeometry.h"

namespace Novem::Batch {

// An overview of a collection: how many puzzles were solved, how many were left unsolved or
// contradicted (a cell without a candidate), which rules they needed at most, and the totals of
// every counter.
class Summary {
public:
    void Add(const Analysis::PuzzleResult& result);
    void Merge(const Summary& other);

    std::uint64_t Puzzles() const { return m_puzzles; }
    std::uint64_t Solved() const { return m_solved; }

    // A few short tables, for a person to read at a glance.
    std::string Format() const;

private:
    std::uint64_t m_puzzles = 0;
    std::uint64_t m_solved = 0;
    std::uint64_t m_contradicted = 0;
    // By the largest subset a puzzle needed (0 for none, 1 to 4 open cells), without and with
    // crossings.
    std::array<std::array<std::uint64_t, 2>, 5> m_needed{};
    std::uint64_t m_cellUpdates = 0;
    std::array<std::uint64_t, GridGeometry::kSize + 1> m_singleCell{};
    std::uint64_t m_dualCells = 0;
    std::uint64_t m_steps = 0;
    std::uint64_t m_notifications = 0;
    // By the solutions counted: none, one, two or more; all zero when none were counted.
    std::array<std::uint64_t, 3> m_solutions{};
    // With the ladder's techniques: puzzles by level, and by technique its applications and the
    // puzzles that needed it.
    std::uint64_t m_rated = 0;
    std::array<std::uint64_t, Ladder::kLevelNames.size()> m_levels{};
    // By ER on the rating scale, in bands of one: none, 1.0 to 1.9, ..., 9.0 to 9.9, 10.0 up.
    std::array<std::uint64_t, 11> m_ratings{};
    std::array<std::uint64_t, Ladder::kTechniques> m_applications{};
    std::array<std::uint64_t, Ladder::kTechniques> m_needing{};
};

}  // namespace Novem::Batch
