#include "BatchRun.h"

#include <sched.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "ChunkReader.h"
#include "ExplanationJson.h"
#include "InputNames.h"
#include "Io.h"
#include "Messages.h"
#include "Pace.h"
#include "PuzzleSolver.h"
#include "Report.h"
#include "ResultWriter.h"
#include "Workers.h"

namespace Novem::Batch {

namespace {

// The most puzzles a chunk takes, however fast they are: runs that write much per puzzle take
// fewer, so that the chunks in flight stay small.
std::size_t MostPerChunk(const BatchOptions& options) {
    return options.logFile.empty() && !options.explain ? 256 : 16;
}

void SolveChunk(const Chunk& chunk, PuzzleSolver& solver, const BatchOptions& options,
                const InputNames& names, ChunkOutput& output) {
    output.out.clear();
    output.messages.clear();
    output.log.clear();
    output.summary = Summary();
    output.bytesRead = chunk.bytesRead;
    output.urgent = chunk.urgent;
    std::string* log = options.logFile.empty() ? nullptr : &output.log;
    for (const Chunk::Item& item : chunk.items) {
        if (!item.problem.what.empty()) {
            output.messages.push_back(
                {output.out.size(), names.Message(chunk.input, item.line, item.problem)});
            continue;
        }
        const Analysis::PuzzleResult& result = solver.Solve(item.puzzle, log);
        output.summary.Add(result);
        if (options.json) {
            Report::AppendJson(output.out, names.Json(chunk.input), item.line, item.puzzle, result,
                               options.explain, options.candidates);
            continue;
        }
        Report::AppendPlain(output.out, result, options.candidates);
        if (options.stats) {
            output.out += StatisticsText(result.counters);
        }
        if (options.explain) {
            ExplanationJson::AppendText(output.out, result);
        }
    }
}

// The total size of the inputs, or 0 when one of them is no regular file.
std::uint64_t InputSize(const std::vector<std::string>& files, int in) {
    std::uint64_t total = 0;
    for (const std::string& name : files) {
        struct stat status {};
        if ((name == "-" ? fstat(in, &status) : stat(name.c_str(), &status)) != 0 ||
            !S_ISREG(status.st_mode)) {
            return 0;
        }
        total += static_cast<std::uint64_t>(status.st_size);
    }
    return total;
}

std::string TimeLine(const Summary& totals, double seconds) {
    char line[160];
    std::snprintf(line, sizeof line, "%llu %s, %llu solved, %.3f s, %.0f puzzles/s\n",
                  static_cast<unsigned long long>(totals.Puzzles()),
                  totals.Puzzles() == 1 ? "puzzle" : "puzzles",
                  static_cast<unsigned long long>(totals.Solved()), seconds,
                  seconds > 0 ? static_cast<double>(totals.Puzzles()) / seconds : 0.0);
    return line;
}

// The processors the process may run on.
unsigned Processors() {
    cpu_set_t cpus;
    if (sched_getaffinity(0, sizeof cpus, &cpus) == 0) {
        return static_cast<unsigned>(CPU_COUNT(&cpus));
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

// Workers beyond the processors could only wait, each with a solver and a chunk's output.
unsigned WorkerCount(unsigned jobs) {
    return jobs == 0 ? Processors() : std::min(jobs, Processors());
}

void Solve(const BatchOptions& options, const Streams& streams, const InputNames& names,
           ResultWriter& writer) {
    Pace pace(MostPerChunk(options));
    const auto solve = [&](const Chunk& chunk, PuzzleSolver& solver, ChunkOutput& output) {
        const auto start = std::chrono::steady_clock::now();
        SolveChunk(chunk, solver, options, names, output);
        pace.Record(chunk.items.size(), std::chrono::steady_clock::now() - start);
    };
    const PuzzleSolver::Wanted wanted{.explanation = options.explain,
                                      .largestSubset = options.summary,
                                      .solutions = options.solutions,
                                      .techniques = options.techniques};
    const unsigned workers = WorkerCount(options.jobs);
    if (workers == 1) {
        PuzzleSolver solver(wanted);
        ChunkOutput output;
        ChunkReader(pace, streams.in, [&](Chunk&& chunk) {
            solve(chunk, solver, output);
            writer.Write(output);
            return true;
        }).Read(names.Files());
        return;
    }
    Workers pool(workers, wanted, solve,
                 [&writer](const ChunkOutput& output) { writer.Write(output); });
    ChunkReader(pace, streams.in, [&pool](Chunk&& chunk) {
        return pool.Submit(std::move(chunk));
    }).Read(names.Files());
    pool.Finish();
}

}  // namespace

int RunBatch(const BatchOptions& options, const Streams& streams) {
    const auto start = std::chrono::steady_clock::now();
    const InputNames names(options.Inputs());
    const auto& files = names.Files();
    const bool readsInput = std::find(files.begin(), files.end(), "-") != files.end();
    Progress progress(streams.err, ShowsProgress(options.progress, streams, readsInput),
                      InputSize(files, streams.in), start);
    std::unique_ptr<OutputFile> log;
    if (!options.logFile.empty()) {
        try {
            log = std::make_unique<OutputFile>(options.logFile);
        } catch (const WriteError& error) {
            const bool locked = error.Error() == EWOULDBLOCK;
            WriteAll(streams.err, Messages::Line({.file = options.logFile},
                                                 locked ? "in use by another process"
                                                        : "cannot open for writing",
                                                 locked ? 0 : error.Error()));
            return locked ? 2 : 1;
        }
    }
    try {
        ResultWriter writer(streams, log.get(), progress);
        Solve(options, streams, names, writer);
        writer.Finish();
        progress.Clear();
        std::string report;
        if (options.time) {
            report += TimeLine(
                writer.Totals(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        if (options.summary) {
            report += writer.Totals().Format();
        }
        // What was asked for and can't be told is a failure, even where nothing can say so.
        const bool told = WriteAll(streams.err, report) == 0;
        return writer.Told() || !told ? 1 : 0;
    } catch (const WriteError& error) {
        progress.Clear();
        // Where SIGPIPE is ignored a reader that went away is a failed write like any other, and
        // told as GNU tools tell it; otherwise the signal has ended the process before this.
        WriteAll(streams.err, error.what());
        return 1;
    }
}

}  // namespace Novem::Batch
