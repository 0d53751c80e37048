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

#include "LikePuzzles.h"
#include "PoolSearch.h"
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

// The search runs on a thread of its own, a few puzzles ahead of the writing, so that the writing
// can show progress while a rare puzzle is sought.
class Production {
public:
    Production(const GenerateOptions& options, const Target& target, std::vector<Made> like,
               unsigned workers)
        : m_search(target, options.seed, workers, std::move(like)),
          m_thread(&Production::Work, this, options.count) {}
    Production(const Production&) = delete;
    Production& operator=(const Production&) = delete;
    ~Production() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_roomChanged.notify_all();
        m_thread.join();
    }

    // The next puzzle, once it is made; waits at most `patience`.
    std::optional<Generated> Take(Clock::duration patience) {
        std::unique_lock lock(m_mutex);
        if (!m_madeChanged.wait_for(lock, patience, [&] { return !m_made.empty(); })) {
            return std::nullopt;
        }
        Generated generated = std::move(m_made.front());
        m_made.pop_front();
        m_roomChanged.notify_all();
        return generated;
    }

    std::uint64_t Tries() const { return m_search.Tries(); }

private:
    static constexpr std::size_t kAhead = 16;

    void Work(std::uint64_t count) {
        for (std::uint64_t index = 0; index < count; ++index) {
            std::optional<Generated> generated = m_search.Next(m_stop);
            if (!generated) {
                return;
            }
            std::unique_lock lock(m_mutex);
            m_made.push_back(std::move(*generated));
            m_madeChanged.notify_all();
            m_roomChanged.wait(lock, [&] { return m_stop || m_made.size() < kAhead; });
        }
    }

    PoolSearch m_search;
    std::mutex m_mutex;
    std::condition_variable m_roomChanged;
    std::condition_variable m_madeChanged;
    std::deque<Generated> m_made;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
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
    out += ", \"seed\": " + (generated.seed ? std::to_string(*generated.seed) : "null") + "}\n";
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
    Target target = options.target;
    std::vector<Made> like;
    if (!options.like.empty()) {
        const std::string problem = ReadLikePuzzles(options.like, options.targeted, target, like);
        if (!problem.empty()) {
            Batch::WriteAll(streams.err, problem);
            return 2;
        }
    }
    Batch::Summary summary;
    bool shown = false;
    try {
        Batch::OutputFile out(streams.out, "standard output");
        Production production(options, target, std::move(like), workers);
        Clock::time_point flushed{};
        Clock::time_point drawn = start + std::chrono::seconds(1);
        for (std::uint64_t index = 0; index < options.count;) {
            std::optional<Generated> generated = production.Take(std::chrono::milliseconds(250));
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
