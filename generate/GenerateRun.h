#pragma once

#include <cstdint>
#include <string>

#include "Generator.h"
#include "batch/BatchOptions.h"

namespace Novem::Generate {

struct GenerateOptions {
    std::uint64_t count = 1;
    std::uint64_t seed = 0;
    Target target;
    // Set when --level, --needs or --rating chose the target.
    bool targeted = false;
    // A file of puzzles to make the new ones near; empty for none.
    std::string like;
    bool json = false;
    bool time = false;
    bool summary = false;
    Batch::BatchOptions::Progress progress = Batch::BatchOptions::Progress::Auto;
    // 0: one per processor the process may run on.
    unsigned jobs = 0;
};

// Generates the puzzles on the workers and writes them in order, one a line (or a JSON object):
// puzzle i from seed + i, so the output is the same for any number of workers. The first write
// that fails ends the run with its reason; returns the exit status.
int RunGenerate(const GenerateOptions& options, const Batch::Streams& streams);

}  // namespace Novem::Generate
