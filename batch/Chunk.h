#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Summary.h"
#include "model/PuzzleText.h"

namespace Novem::Batch {

// A run of consecutive lines of one input, the unit that workers take.
struct Chunk {
    struct Item {
        std::uint64_t line = 0;
        PuzzleText::Cells cells{};
        // Not empty: instead of a puzzle, a problem to tell on standard error.
        std::string problem;
    };

    std::vector<Item> items;
    // The input's name as a JSON string.
    const std::string* jsonFile = nullptr;
    // How much of the input was read when the chunk was handed out.
    std::uint64_t bytesRead = 0;
    // The input stalled: show the results at once rather than when the buffer is full.
    bool urgent = false;
};

// What a chunk gives: the text for standard output with the problems at their places in it,
// the run log, and the totals.
struct ChunkOutput {
    struct Problem {
        std::size_t at;
        std::string message;
    };

    std::string out;
    std::vector<Problem> problems;
    std::string log;
    Summary summary;
    std::uint64_t bytesRead = 0;
    bool urgent = false;
};

}  // namespace Novem::Batch
