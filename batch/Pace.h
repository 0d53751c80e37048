#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>

namespace Novem::Batch {

// How long a puzzle takes to solve, as measured while the run goes on, and so how many puzzles
// the next chunk takes: a few milliseconds' work, whatever the puzzles and the options. The first
// result then comes as soon as the first puzzle is solved, and a run that has to stop does so
// after the chunks in hand, never seconds later. Workers record, the reader asks; any order of
// the two is sound.
class Pace {
public:
    // At most `most` puzzles a chunk.
    explicit Pace(std::size_t most) : m_most(most) {}

    std::size_t ChunkSize() const;
    // A chunk of `items` took `spent`.
    void Record(std::size_t items, std::chrono::steady_clock::duration spent);

private:
    std::size_t m_most;
    // 0 until the first chunk is done.
    std::atomic<double> m_secondsPerItem = 0;
};

}  // namespace Novem::Batch
