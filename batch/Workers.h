#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "Chunk.h"
#include "PuzzleSolver.h"

namespace Novem::Batch {

// Solves chunks on several threads, each with a solver of its own, and writes their output in
// the order the chunks came in. Memory stays bounded by the number of workers: Submit waits while
// twice as many chunks are queued, and outputs ahead of the writing are kept for their turn up to
// as many, so that one slow chunk holds up no other worker; beyond that, workers wait. The first
// error of a worker stops them all and comes back from Finish.
class Workers {
public:
    // Fills the output, whose buffers are those of an output written before when there is one.
    using Process = std::function<void(const Chunk&, PuzzleSolver&, ChunkOutput&)>;
    using Write = std::function<void(const ChunkOutput&)>;

    Workers(unsigned count, PuzzleSolver::Wanted wanted, Process process, Write write);
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;
    ~Workers();

    // False once the workers have stopped on an error.
    bool Submit(Chunk&& chunk);

    // Waits until every chunk is written; throws the error that stopped the workers, if any.
    void Finish();

private:
    void Work(PuzzleSolver::Wanted wanted);
    void Stop(std::exception_ptr error);
    // Writes the outputs that are next in turn, unless another worker is writing.
    void WriteReady(std::unique_lock<std::mutex>& lock);

    Process m_process;
    Write m_write;
    std::size_t m_capacity;
    std::mutex m_mutex;
    // Each is waited on by one side only, so that a change wakes only those it concerns.
    std::condition_variable m_queueHasRoom;
    std::condition_variable m_queueHasWork;
    std::deque<std::pair<std::uint64_t, Chunk>> m_queue;
    // Outputs solved but not yet written, by chunk; written ones, for their buffers.
    std::map<std::uint64_t, ChunkOutput> m_ready;
    std::vector<ChunkOutput> m_spare;
    bool m_writing = false;
    std::uint64_t m_submitted = 0;
    std::uint64_t m_written = 0;
    // No more chunks will come / nothing more is done.
    bool m_ending = false;
    bool m_stopped = false;
    std::exception_ptr m_error;
    std::vector<std::thread> m_threads;
};

}  // namespace Novem::Batch
