#pragma once

#include <chrono>
#include <cstdint>

#include "BatchOptions.h"

namespace Novem::Batch {

// Whether a run shows its progress: as asked, or by itself when standard error is a terminal
// that neither the results nor the typed input share.
bool ShowsProgress(BatchOptions::Progress setting, const Streams& streams, bool readsInput);

// One line on a terminal that tells how a long run is going: the puzzles done, how many were
// solved and how fast, and, when the size of the input is known, how far it is and how long it
// will take. It shows up once a run has lasted a second and is redrawn a few times a second.
class Progress {
public:
    using Clock = std::chrono::steady_clock;

    // Writes to `fd` when enabled. `inputBytes` is 0 when the size of the input is unknown.
    Progress(int fd, bool enabled, std::uint64_t inputBytes,
             Clock::time_point start = Clock::now());

    void Update(std::uint64_t puzzles, std::uint64_t solved, std::uint64_t bytesRead,
                Clock::time_point now = Clock::now());

    // Erases the line, if it is shown, so that other text can take its place.
    void Clear();

private:
    int m_fd;
    bool m_enabled;
    std::uint64_t m_inputBytes;
    Clock::time_point m_start;
    Clock::time_point m_next;
    bool m_shown = false;
};

}  // namespace Novem::Batch
