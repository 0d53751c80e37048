#include "Workers.h"

namespace Novem::Batch {

Workers::Workers(unsigned count, PuzzleSolver::Wanted wanted, Process process, Write write)
    : m_process(std::move(process)), m_write(std::move(write)), m_capacity(2 * count) {
    for (unsigned index = 0; index < count; ++index) {
        m_threads.emplace_back(&Workers::Work, this, wanted);
    }
}

Workers::~Workers() {
    // Left without Finish, on an error of the caller's: nothing more is wanted.
    Stop(nullptr);
    for (std::thread& thread : m_threads) {
        if (thread.joinable()) {
            thread.join();
        }
    }
}

bool Workers::Submit(Chunk&& chunk) {
    std::unique_lock lock(m_mutex);
    m_queueHasRoom.wait(lock, [this] { return m_queue.size() < m_capacity || m_stopped; });
    if (m_stopped) {
        return false;
    }
    m_queue.emplace_back(m_submitted++, std::move(chunk));
    m_queueHasWork.notify_one();
    return true;
}

void Workers::Finish() {
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_queueHasWork.notify_all();
    for (std::thread& thread : m_threads) {
        thread.join();
    }
    if (m_error) {
        std::rethrow_exception(m_error);
    }
}

void Workers::Work(PuzzleSolver::Wanted wanted) {
    try {
        PuzzleSolver solver(wanted);
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_queueHasWork.wait(lock, [this] {
                return m_stopped || (m_queue.empty() ? m_ending : m_ready.size() < m_capacity);
            });
            if (m_stopped || m_queue.empty()) {
                return;
            }
            auto [sequence, chunk] = std::move(m_queue.front());
            m_queue.pop_front();
            m_queueHasRoom.notify_one();
            ChunkOutput output;
            if (!m_spare.empty()) {
                output = std::move(m_spare.back());
                m_spare.pop_back();
            }
            lock.unlock();

            m_process(chunk, solver, output);

            lock.lock();
            if (m_stopped) {
                return;
            }
            m_ready.emplace(sequence, std::move(output));
            WriteReady(lock);
        }
    } catch (...) {
        Stop(std::current_exception());
    }
}

void Workers::WriteReady(std::unique_lock<std::mutex>& lock) {
    while (!m_writing && !m_ready.empty() && m_ready.begin()->first == m_written) {
        auto next = m_ready.extract(m_ready.begin());
        // Only one worker writes at a time, so it needs no lock to do so.
        m_writing = true;
        lock.unlock();
        m_write(next.mapped());
        lock.lock();
        m_writing = false;
        ++m_written;
        m_spare.push_back(std::move(next.mapped()));
        m_queueHasWork.notify_all();
    }
}

void Workers::Stop(std::exception_ptr error) {
    {
        const std::lock_guard lock(m_mutex);
        if (!m_stopped) {
            m_error = std::move(error);
            m_stopped = true;
        }
    }
    m_queueHasRoom.notify_all();
    m_queueHasWork.notify_all();
}

}  // namespace Novem::Batch
