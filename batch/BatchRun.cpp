#include "BatchRun.h"

#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "ChunkReader.h"
#include "Explanation.h"
#include "PuzzleSolver.h"
#include "Report.h"
#include "ResultWriter.h"
#include "Workers.h"

namespace Novem::Batch {

namespace {

void SolveChunk(const Chunk& chunk, PuzzleSolver& solver, const BatchOptions& options,
                ChunkOutput& output) {
    output.out.clear();
    output.problems.clear();
    output.log.clear();
    output.summary = Summary();
    output.bytesRead = chunk.bytesRead;
    output.urgent = chunk.urgent;
    std::string* log = options.logFile.empty() ? nullptr : &output.log;
    for (const Chunk::Item& item : chunk.items) {
        if (!item.problem.empty()) {
            output.problems.push_back({output.out.size(), item.problem});
            continue;
        }
        const PuzzleResult& result = solver.Solve(item.cells, log);
        output.summary.Add(result);
        if (options.json) {
            Report::AppendJson(output.out, *chunk.jsonFile, item.line, item.cells, result,
                               options.explain);
            continue;
        }
        Report::AppendPlain(output.out, result);
        if (options.stats) {
            output.out += StatisticsText(result.counters);
        }
        if (options.explain) {
            Explanation::AppendText(output.out, result);
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

// One worker per processor the process may run on.
unsigned DefaultJobs() {
    cpu_set_t cpus;
    if (sched_getaffinity(0, sizeof cpus, &cpus) == 0) {
        return static_cast<unsigned>(CPU_COUNT(&cpus));
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

}  // namespace

int RunBatch(const BatchOptions& options, const Streams& streams) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> files = options.Inputs();
    const bool readsInput = std::find(files.begin(), files.end(), "-") != files.end();
    std::vector<std::string> jsonNames;
    std::transform(files.begin(), files.end(), std::back_inserter(jsonNames), Report::JsonString);
    Progress progress(streams.err, ShowsProgress(options.progress, streams, readsInput),
                      InputSize(files, streams.in), start);
    try {
        std::unique_ptr<OutputFile> log;
        if (!options.logFile.empty()) {
            try {
                log = std::make_unique<OutputFile>(options.logFile);
            } catch (const WriteError& error) {
                WriteText(streams.err,
                          std::string(kProgram) + options.logFile +
                              ": cannot open for writing: " + std::strerror(error.Error()) + "\n");
                return 1;
            }
        }
        ResultWriter writer(streams, log.get(), progress);
        const unsigned jobs = options.jobs == 0 ? DefaultJobs() : options.jobs;
        if (jobs == 1) {
            PuzzleSolver solver(options.explain);
            ChunkOutput output;
            ChunkReader(options, streams, [&](Chunk&& chunk) {
                SolveChunk(chunk, solver, options, output);
                writer.Write(output);
                return true;
            }).Read(files, jsonNames);
        } else {
            Workers workers(
                jobs, options.explain,
                [&options](const Chunk& chunk, PuzzleSolver& solver, ChunkOutput& output) {
                    SolveChunk(chunk, solver, options, output);
                },
                [&writer](const ChunkOutput& output) { writer.Write(output); });
            ChunkReader(options, streams, [&workers](Chunk&& chunk) {
                return workers.Submit(std::move(chunk));
            }).Read(files, jsonNames);
            workers.Finish();
        }
        writer.Finish();
        progress.Clear();
        if (options.time) {
            WriteText(streams.err,
                      TimeLine(writer.Totals(), std::chrono::duration<double>(
                                                    std::chrono::steady_clock::now() - start)
                                                    .count()));
        }
        if (options.summary) {
            WriteText(streams.err, writer.Totals().Format());
        }
        return writer.Failed() ? 1 : 0;
    } catch (const WriteError& error) {
        progress.Clear();
        // A reader that went away ends the run quietly, as it does for every GNU tool.
        if (error.Error() != EPIPE) {
            WriteText(streams.err, std::string(kProgram) + error.what() + "\n");
        }
        return 1;
    }
}

}  // namespace Novem::Batch
