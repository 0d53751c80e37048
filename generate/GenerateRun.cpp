#include "GenerateRun.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "batch/Io.h"
#include "batch/OutputFile.h"
#include "batch/Report.h"
#include "batch/Summary.h"

namespace Novem::Generate {

namespace {

using Clock = std::chrono::steady_clock;

unsigned Processors() {
    return std::max(1U, std::thread::hardware_concurrency());
}

// The puzzles made so far, in order, and the workers that make them: a worker takes the next
// index only while it is not too far ahead of the writing, so that memory stays bounded.
class Production {
public:
    Production(const GenerateOptions& options, unsigned workers)
        : m_options(options), m_window(4 * static_cast<std::uint64_t>(workers)) {
        for (unsigned index = 0; index < workers; ++index) {
            m_threads.emplace_back(&Production::Work, this);
        }
    }
    Production(const Production&) = delete;
    Production& operator=(const Production&) = delete;
    ~Production() {
        Stop();
        for (std::thread& thread : m_threads) {
            thread.join();
        }
    }

    // The puzzle of `index`, once it is made; waits at most `patience`.
    std::optional<Generated> Take(std::uint64_t index, Clock::duration patience) {
        std::unique_lock lock(m_mutex);
        const auto ready = [&] {
            return std::any_of(m_made.begin(), m_made.end(),
                               [&](const auto& made) { return made.first == index; });
        };
        if (!m_madeChanged.wait_for(lock, patience, ready)) {
            return std::nullopt;
        }
        const auto found = std::find_if(m_made.begin(), m_made.end(),
                                        [&](const auto& made) { return made.first == index; });
        Generated generated = std::move(found->second);
        m_made.erase(found);
        m_written = index + 1;
        m_roomChanged.notify_all();
        return generated;
    }

    void Stop() {
        m_stop = true;
        m_roomChanged.notify_all();
    }

    std::uint64_t Tries() const { return m_tries.load(std::memory_order_relaxed); }

private:
    void Work() {
        Generator generator(m_options.target);
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_roomChanged.wait(lock, [&] {
                return m_stop || m_next >= m_options.count || m_next < m_written + m_window;
            });
            if (m_stop || m_next >= m_options.count) {
                return;
            }
            const std::uint64_t index = m_next++;
            lock.unlock();
            std::optional<Generated> generated =
                generator.Generate(m_options.seed + index, m_stop, m_tries);
            if (!generated) {
                return;
            }
            lock.lock();
            m_made.emplace_back(index, std::move(*generated));
            m_madeChanged.notify_all();
        }
    }

    const GenerateOptions& m_options;
    std::uint64_t m_window;
    std::mutex m_mutex;
    std::condition_variable m_roomChanged;
    std::condition_variable m_madeChanged;
    std::deque<std::pair<std::uint64_t, Generated>> m_made;
    std::uint64_t m_next = 0;
    std::uint64_t m_written = 0;
    std::atomic<bool> m_stop = false;
    std::atomic<std::uint64_t> m_tries = 0;
    std::vector<std::thread> m_threads;
};

void AppendPuzzle(std::string& out, const GenerateOptions& options, std::uint64_t index,
                  const Generated& generated) {
    if (!options.json) {
        out.append(generated.puzzle.data(), generated.puzzle.size());
        Batch::Report::AppendRating(out, *generated.analysis.rating);
        out += '\n';
        return;
    }
    Batch::Report::AppendJson(out, "null", index + 1, {generated.puzzle, {}}, generated.analysis,
                              false);
    out.resize(out.size() - 2);
    out += ", \"seed\": " + std::to_string(generated.seed) + "}\n";
}

// On a terminal: how many of the puzzles are made, and how many tries that took, so that a rare
// target shows it is working.
void ShowProgress(int fd, std::uint64_t made, std::uint64_t count, std::uint64_t tries,
                  double seconds) {
    char line[160];
    std::snprintf(line, sizeof line, "\r\033[K%llu of %llu puzzles, %llu tries, %.0f tries/s",
                  static_cast<unsigned long long>(made), static_cast<unsigned long long>(count),
                  static_cast<unsigned long long>(tries),
                  seconds > 0 ? static_cast<double>(tries) / seconds : 0.0);
    Batch::WriteAll(fd, line);
}

}  // namespace

int RunGenerate(const GenerateOptions& options, const Batch::Streams& streams) {
    const Clock::time_point start = Clock::now();
    const bool progress = options.progress == Batch::BatchOptions::Progress::Always ||
                          (options.progress == Batch::BatchOptions::Progress::Auto &&
                           isatty(streams.err) == 1 && isatty(streams.out) == 0);
    const unsigned workers =
        options.jobs == 0 ? Processors() : std::min(options.jobs, Processors());
    Batch::Summary summary;
    bool shown = false;
    try {
        Batch::OutputFile out(streams.out, "standard output");
        Production production(options, workers);
        Clock::time_point flushed{};
        Clock::time_point drawn = start + std::chrono::seconds(1);
        for (std::uint64_t index = 0; index < options.count;) {
            std::optional<Generated> generated =
                production.Take(index, std::chrono::milliseconds(250));
            const Clock::time_point now = Clock::now();
            if (progress && now >= drawn) {
                ShowProgress(streams.err, index, options.count, production.Tries(),
                             std::chrono::duration<double>(now - start).count());
                drawn = now + std::chrono::milliseconds(250);
                shown = true;
            }
            if (!generated) {
                continue;
            }
            std::string text;
            AppendPuzzle(text, options, index, *generated);
            out.Append(text);
            summary.Add(generated->analysis);
            ++index;
            if (now - flushed >= std::chrono::milliseconds(20)) {
                out.Flush();
                flushed = now;
            }
        }
        out.Flush();
        if (shown) {
            Batch::WriteAll(streams.err, "\r\033[K");
        }
        std::string report;
        if (options.time) {
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            char line[160];
            std::snprintf(line, sizeof line, "%llu %s, %llu tries, %.3f s, %.1f puzzles/s\n",
                          static_cast<unsigned long long>(options.count),
                          options.count == 1 ? "puzzle" : "puzzles",
                          static_cast<unsigned long long>(production.Tries()), seconds,
                          seconds > 0 ? static_cast<double>(options.count) / seconds : 0.0);
            report += line;
        }
        if (options.summary) {
            report += summary.Format();
        }
        return Batch::WriteAll(streams.err, report) == 0 ? 0 : 1;
    } catch (const Batch::WriteError& error) {
        if (shown) {
            Batch::WriteAll(streams.err, "\r\033[K");
        }
        Batch::WriteAll(streams.err, error.what());
        return 1;
    }
}

}  // namespace Novem::Generate
