#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ladder/Technique.h"

namespace Novem::Batch {

struct BatchOptions {
    enum class Progress { Auto, Always, Never };

    bool stats = false;
    bool json = false;
    bool explain = false;
    bool time = false;
    bool summary = false;
    bool solutions = false;
    // Each result as every cell's candidates, 729 places.
    bool candidates = false;
    // The ladder's families to climb where the two rules stall; none for the rules alone.
    std::optional<Ladder::Families> techniques{};
    Progress progress = Progress::Auto;
    // 0: one per processor the process may run on.
    unsigned jobs = 0;
    // Empty: no log.
    std::string logFile{};
    // Empty: standard input; "-" stands for it too.
    std::vector<std::string> files{};

    // The files to read, "-" for standard input.
    std::vector<std::string> Inputs() const {
        return files.empty() ? std::vector<std::string>{"-"} : files;
    }
};

// Where a run reads and writes: standard input, output and error, or what a test puts there.
struct Streams {
    int in = 0;
    int out = 1;
    int err = 2;
};

}  // namespace Novem::Batch
