#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "Hash.h"
#include "batch/PuzzleSolver.h"
#include "model/PuzzleText.h"

namespace Novem::TestSupport {

// What the engine must keep giving for one puzzle line: its result and counters, then a hash of
// its run log. Empty for a line that is no puzzle.
inline std::string GuardLine(std::uint64_t number, std::string_view line) {
    const PuzzleText::ParsedLine parsed = PuzzleText::ParseLine(line);
    if (parsed.kind != PuzzleText::ParsedLine::Kind::Puzzle) {
        return {};
    }
    Batch::PuzzleSolver solver({});
    std::string log;
    const Analysis::PuzzleResult& result = solver.Solve(parsed.puzzle, &log);
    std::string record = "{\"line\": " + std::to_string(number) + ", \"puzzle\": \"" +
                         std::string(parsed.puzzle.givens.data(), parsed.puzzle.givens.size()) +
                         "\", \"result\": \"" + result.result +
                         "\", \"solved\": " + (result.solved ? "true" : "false") +
                         ", \"steps\": " + std::to_string(result.steps) +
                         ", \"notifications\": " + std::to_string(result.notifications) +
                         ", \"cellUpdates\": " + std::to_string(result.counters.cellUpdates) +
                         ", \"singleCell\": [";
    for (std::size_t card = 0; card < result.counters.singleCellRules.size(); ++card) {
        record += (card > 0 ? ", " : "") + std::to_string(result.counters.singleCellRules[card]);
    }
    char hash[24];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a(log)));
    return record + "], \"dualCells\": " + std::to_string(result.counters.dualCellsRules) + "} " +
           hash;
}

}  // namespace Novem::TestSupport
