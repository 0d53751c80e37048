#include "BatchRun.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

#include "BatchSolver.h"
#include "PuzzleLine.h"
#include "run/TextFile.h"

namespace Novem::Batch {

namespace {

constexpr const char* kProgram = "novem-batch: ";

struct Totals {
    long puzzles = 0;
    long solved = 0;
    bool failed = false;
};

void SolveStream(std::istream& input, const std::string& name, const BatchOptions& options,
                 BatchSolver& solver, std::ostream& out, std::ostream& err, Totals& totals) {
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        const PuzzleLine parsed = ParsePuzzleLine(line);
        if (parsed.kind == PuzzleLine::Kind::Skipped) {
            continue;
        }
        if (parsed.kind == PuzzleLine::Kind::Invalid) {
            err << kProgram << name << ':' << number << ": " << parsed.error << '\n';
            totals.failed = true;
            continue;
        }
        const BatchResult result = solver.Solve(parsed.cells);
        ++totals.puzzles;
        totals.solved += result.solved ? 1 : 0;
        if (options.json) {
            out << FormatJson(number, parsed.cells, result);
        } else {
            out << FormatPlain(result);
            if (options.stats) {
                out << solver.GetStatistics();
            }
        }
    }
    if (input.bad()) {
        err << kProgram << name << ": read error\n";
        totals.failed = true;
    }
}

}  // namespace

int RunBatch(const BatchOptions& options, std::istream& input, std::ostream& out,
             std::ostream& err) {
    const auto start = std::chrono::steady_clock::now();
    TextFile log;
    if (!options.logFile.empty() && !log.Open(options.logFile.c_str())) {
        err << kProgram << options.logFile << ": cannot open for writing: " << std::strerror(errno)
            << '\n';
        return 1;
    }
    BatchSolver solver(options.logFile.empty() ? nullptr : &log);

    Totals totals;
    if (options.files.empty()) {
        SolveStream(input, "-", options, solver, out, err, totals);
    }
    for (const std::string& name : options.files) {
        if (name == "-") {
            SolveStream(input, name, options, solver, out, err, totals);
            continue;
        }
        std::ifstream file(name);
        if (!file) {
            err << kProgram << name << ": cannot open: " << std::strerror(errno) << '\n';
            totals.failed = true;
            continue;
        }
        SolveStream(file, name, options, solver, out, err, totals);
    }

    if (!log.Close()) {
        err << kProgram << options.logFile << ": could not write all of the log\n";
        totals.failed = true;
    }
    out.flush();
    if (!out) {
        err << kProgram << "could not write the results\n";
        totals.failed = true;
    }
    if (options.time) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        char summary[128];
        std::snprintf(summary, sizeof summary, "%ld puzzles, %ld solved, %.3f s, %.0f puzzles/s\n",
                      totals.puzzles, totals.solved, seconds,
                      seconds > 0 ? static_cast<double>(totals.puzzles) / seconds : 0.0);
        err << summary;
    }
    return totals.failed ? 1 : 0;
}

}  // namespace Novem::Batch
