#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "explanation/Application.h"
#include "ladder/LadderSolver.h"
#include "model/PuzzleText.h"
#include "solver/Statistics.h"

namespace Novem::Analysis {

// What analysing one puzzle gave: the rules' or the ladder's result and counters, and what else was
// asked for.
struct PuzzleResult {
    // The digit of every cell left with one candidate, '.' for several, 'x' for none.
    std::string result;
    // Every cell's candidates, as the result leaves them.
    PuzzleText::Candidates candidates{};
    bool solved = false;
    // A cell was left without a candidate.
    bool contradicted = false;
    std::int32_t steps = 0;
    std::uint32_t notifications = 0;
    RuleCounters counters;
    // The most open cells one of the two rules' applications needed, as its name tells: 1 for
    // singles to 4 for quads, 0 for none or when not asked for.
    int largestSubset = 0;
    // Filled only when the solver explains.
    std::vector<Application> explanation;
    // Counted only when asked for: 0, 1, or 2 for two or more; -1 when not counted.
    int solutions = -1;
    // The solution when there is exactly one.
    PuzzleText::Cells solution{};
    // With the techniques of the ladder: the rating, and how often each technique was applied.
    std::optional<Ladder::Rating> rating;
    std::array<std::uint32_t, Ladder::kTechniques> applications{};
};

}  // namespace Novem::Analysis
