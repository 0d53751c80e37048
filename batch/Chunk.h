#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Summary.h"
#include "model/PuzzleText.h"

namespace Novem::Batch {

// Something about an input that is no puzzle: what is wrong, and the system's reason as an errno
// value, 0 for none. Which input, and which line of it, the item that holds it says.
struct Problem {
    std::string what;
    int error = 0;
};

// A run of consecutive lines of one input, the unit that workers take.
struct Chunk {
    struct Item {
        // From 1; 0 for the input as a whole.
        std::uint64_t line = 0;
        PuzzleText::Puzzle puzzle{};
        // Not empty: instead of a puzzle, a problem to tell on standard error.
        Problem problem;
    };

    std::vector<Item> items;
    // Which of the inputs, in the order they were named.
    std::size_t input = 0;
    // How much of the inputs lies before the end of the chunk's last line.
    std::uint64_t bytesRead = 0;
    // The input stalled: show the results at once rather than when the buffer is full.
    bool urgent = false;
};

// What a chunk gives: the text for standard output with the messages for standard error at
// their places in it, the run log, and the totals.
struct ChunkOutput {
    struct Message {
        std::size_t at;
        std::string text;
    };

    std::string out;
    std::vector<Message> messages;
    std::string log;
    Summary summary;
    std::uint64_t bytesRead = 0;
    bool urgent = false;
};

}  // namespace Novem::Batch
