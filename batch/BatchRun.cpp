#include "BatchRun.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "Chunk.h"
#include "Explanation.h"
#include "LineReader.h"
#include "OutputFile.h"
#include "Progress.h"
#include "PuzzleSolver.h"
#include "Report.h"
#include "Summary.h"
#include "Workers.h"

namespace Novem::Batch {

namespace {

constexpr std::string_view kProgram = "novem-batch: ";

// A chunk is as much work as a few milliseconds of solving; runs that write much per puzzle
// take fewer, so that the chunks in flight stay small.
std::size_t ChunkSize(const BatchOptions& options) {
    return options.logFile.empty() && !options.explain ? 256 : 16;
}

void WriteText(int fd, std::string_view text) {
    // A message that can't be shown is no reason to stop: the exit status still tells.
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Writes the chunks' output in the order it is given, problems on standard error at their place
// among the results, and keeps the totals of what was written.
class Writer {
public:
    Writer(const Streams& streams, OutputFile* log, Progress& progress)
        : m_out(streams.out, "standard output"),
          m_err(streams.err),
          m_log(log),
          m_progress(progress) {}

    void Write(const ChunkOutput& output) {
        std::size_t done = 0;
        for (const ChunkOutput::Problem& problem : output.problems) {
            m_out.Append(std::string_view(output.out).substr(done, problem.at - done));
            done = problem.at;
            Problem(problem.message);
        }
        m_out.Append(std::string_view(output.out).substr(done));
        if (m_log != nullptr) {
            m_log->Append(output.log);
        }
        if (output.urgent) {
            m_out.Flush();
        }
        m_totals.Merge(output.summary);
        m_progress.Update(m_totals.Puzzles(), m_totals.Solved(), output.bytesRead);
    }

    // Standard output first, so that both streams on one terminal show things in order.
    void Problem(std::string_view message) {
        m_failed = true;
        m_out.Flush();
        m_progress.Clear();
        WriteText(m_err, std::string(kProgram) + std::string(message) + "\n");
    }

    void Finish() {
        m_out.Flush();
        if (m_log != nullptr) {
            m_log->Close();
        }
    }

    const Summary& Totals() const { return m_totals; }
    bool Failed() const { return m_failed; }

private:
    OutputFile m_out;
    int m_err;
    OutputFile* m_log;
    Progress& m_progress;
    Summary m_totals;
    bool m_failed = false;
};

void Process(const Chunk& chunk, PuzzleSolver& solver, const BatchOptions& options,
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
            output.out += solver.GetStatistics();
        }
        if (options.explain) {
            Explanation::AppendText(output.out, result);
        }
    }
}

// Reads the inputs in order and hands out their lines in chunks: puzzles, and problems with
// their messages. Stops early when `submit` returns false.
class Reader {
public:
    using Submit = std::function<bool(Chunk&&)>;

    Reader(const BatchOptions& options, const Streams& streams, Submit submit)
        : m_options(options), m_streams(streams), m_submit(std::move(submit)) {}

    // The chunks point at `jsonNames`, the names of `files` as JSON strings, which must outlive
    // them.
    void Read(const std::vector<std::string>& files, const std::vector<std::string>& jsonNames) {
        for (std::size_t file = 0; file < files.size(); ++file) {
            m_chunk.jsonFile = &jsonNames[file];
            if (!ReadFile(files[file]) || !SubmitChunk(false)) {
                return;
            }
        }
    }

private:
    // An input file, closed however reading it ends; standard input stays open.
    class InputFile {
    public:
        InputFile(const std::string& name, int in)
            : m_owned(name != "-"), m_fd(m_owned ? open(name.c_str(), O_RDONLY | O_CLOEXEC) : in) {}
        InputFile(const InputFile&) = delete;
        InputFile& operator=(const InputFile&) = delete;
        ~InputFile() {
            if (m_owned && m_fd >= 0) {
                close(m_fd);
            }
        }

        int Fd() const { return m_fd; }

    private:
        bool m_owned;
        int m_fd;
    };

    // False when the run was stopped.
    bool ReadFile(const std::string& name) {
        const InputFile input(name, m_streams.in);
        if (input.Fd() < 0) {
            return AddProblem(name + ": cannot open: " + std::strerror(errno));
        }
        bool running = true;
        LineReader reader(input.Fd(), [this, &running] { running = running && SubmitChunk(true); });
        try {
            LineReader::Line line;
            while (running && reader.Next(line)) {
                m_bytesRead = m_bytesBefore + reader.BytesRead();
                running = AddLine(name, line);
            }
        } catch (const ReadError& error) {
            running = AddProblem(name + ": cannot read: " + error.what());
        }
        m_bytesBefore += reader.BytesRead();
        return running;
    }

    bool AddLine(const std::string& name, const LineReader::Line& line) {
        const std::string where = name + ":" + std::to_string(line.number) + ": ";
        if (line.tooLong) {
            return AddProblem(where + "line too long (" + std::to_string(line.length) +
                              " bytes), skipped");
        }
        PuzzleText::ParsedLine parsed = PuzzleText::ParseLine(line.text);
        if (parsed.kind == PuzzleText::ParsedLine::Kind::Invalid) {
            return AddProblem(where + parsed.error);
        }
        if (parsed.kind == PuzzleText::ParsedLine::Kind::Puzzle) {
            return Add({line.number, parsed.cells, {}});
        }
        return true;
    }

    bool AddProblem(std::string message) { return Add({0, {}, std::move(message)}); }

    // Problems count as much as puzzles: an input of nothing but bad lines stays in bounds too.
    bool Add(Chunk::Item&& item) {
        m_chunk.items.push_back(std::move(item));
        return m_chunk.items.size() < ChunkSize(m_options) || SubmitChunk(false);
    }

    bool SubmitChunk(bool urgent) {
        if (m_chunk.items.empty()) {
            return true;
        }
        m_chunk.bytesRead = m_bytesRead;
        m_chunk.urgent = urgent;
        const std::string* jsonFile = m_chunk.jsonFile;
        const bool running = m_submit(std::move(m_chunk));
        m_chunk = Chunk{};
        m_chunk.jsonFile = jsonFile;
        m_chunk.items.reserve(ChunkSize(m_options));
        return running;
    }

    const BatchOptions& m_options;
    const Streams& m_streams;
    Submit m_submit;
    Chunk m_chunk;
    std::uint64_t m_bytesBefore = 0;
    std::uint64_t m_bytesRead = 0;
};

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

bool ShowsProgress(const BatchOptions& options, const Streams& streams, bool readsInput) {
    switch (options.progress) {
        case BatchOptions::Progress::Always:
            return true;
        case BatchOptions::Progress::Never:
            return false;
        case BatchOptions::Progress::Auto:
            break;
    }
    // Not over results or typing on the same terminal.
    return isatty(streams.err) == 1 && isatty(streams.out) == 0 &&
           !(readsInput && isatty(streams.in) == 1);
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

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsNullDevice(const struct stat& file) {
    struct stat null {};
    return S_ISCHR(file.st_mode) && stat("/dev/null", &null) == 0 && file.st_rdev == null.st_rdev;
}

}  // namespace

std::string CheckLog(const BatchOptions& options, const Streams& streams) {
    const std::string& log = options.logFile;
    if (log.empty()) {
        return {};
    }
    const std::string refusal = "refusing to write the log to '" + log + "', which is ";
    if (log == "-") {
        return refusal + "standard output";
    }
    struct stat logStatus {};
    const bool exists = stat(log.c_str(), &logStatus) == 0;
    if (exists && IsNullDevice(logStatus)) {
        return {};
    }
    struct stat status {};
    if (exists && fstat(streams.out, &status) == 0 && SameFile(logStatus, status)) {
        return refusal + "standard output";
    }
    // A log that is not there yet can't be an input unless both name the same place.
    const auto place = [](const std::string& path) {
        std::error_code ignored;
        return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
    };
    const auto logPlace = place(log);
    for (const std::string& input :
         options.files.empty() ? std::vector<std::string>{"-"} : options.files) {
        if (input == "-") {
            if (exists && fstat(streams.in, &status) == 0 && SameFile(logStatus, status)) {
                return refusal + "standard input";
            }
        } else if (exists ? stat(input.c_str(), &status) == 0 && SameFile(logStatus, status)
                          : place(input) == logPlace) {
            return refusal + "also an input";
        }
    }
    return {};
}

unsigned DefaultJobs() {
    cpu_set_t cpus;
    if (sched_getaffinity(0, sizeof cpus, &cpus) == 0) {
        return static_cast<unsigned>(CPU_COUNT(&cpus));
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

int RunBatch(const BatchOptions& options, const Streams& streams) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> files =
        options.files.empty() ? std::vector<std::string>{"-"} : options.files;
    const bool readsInput = std::find(files.begin(), files.end(), "-") != files.end();
    std::vector<std::string> jsonNames;
    std::transform(files.begin(), files.end(), std::back_inserter(jsonNames), Report::JsonString);
    Progress progress(streams.err, ShowsProgress(options, streams, readsInput),
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
        Writer writer(streams, log.get(), progress);
        const unsigned jobs = options.jobs == 0 ? DefaultJobs() : options.jobs;
        if (jobs == 1) {
            PuzzleSolver solver(options.explain);
            ChunkOutput output;
            Reader(options, streams, [&](Chunk&& chunk) {
                Process(chunk, solver, options, output);
                writer.Write(output);
                return true;
            }).Read(files, jsonNames);
        } else {
            Workers workers(
                jobs, options.explain,
                [&options](const Chunk& chunk, PuzzleSolver& solver, ChunkOutput& output) {
                    Process(chunk, solver, options, output);
                },
                [&writer](const ChunkOutput& output) { writer.Write(output); });
            Reader(options, streams, [&workers](Chunk&& chunk) {
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
