#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "batch/BatchRun.h"
#include "batch/LineReader.h"
#include "batch/Progress.h"
#include "run/SolveCommand.h"
#include "support/FakeSolveWindow.h"
#include "support/Puzzles.h"
#include "support/RecordingListener.h"
#include "support/TempDirectory.h"

namespace Novem::Batch {
namespace {

const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolution(TestSupport::kSampleSolution);
const std::string kFiveTwice = "5....5" + std::string(75, '.');
const std::string kEmpty(81, '.');

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class RunBatchTest : public TestSupport::InTempDirectory {
protected:
    // Runs with `input` as standard input and the output in files of the test's folder.
    Outcome Run(const BatchOptions& options, const std::string& input = "") {
        WriteFile("stdin.txt", input);
        const int in = open("stdin.txt", O_RDONLY);
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int status = RunBatch(options, {in, out, err});
        close(in);
        close(out);
        close(err);
        return {status, ReadFile("stdout.txt"), ReadFile("stderr.txt")};
    }
};

TEST_F(RunBatchTest, PrintsResultsInInputOrderWithWhatWasAskedFor) {
    const Outcome plain = Run({}, kSample + "  a rating\r\n\n# comment\n" + kFiveTwice);
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, kSolution + " solved\n5....x" + std::string(75, '.') + " unsolved\n");
    EXPECT_EQ(plain.err, "");

    EXPECT_EQ(Run({.stats = true}, kEmpty).out,
              kEmpty + " unsolved\n" + TestSupport::Statistics(0, {}, 0));

    WriteFile("a \"b\".txt", "# the sample\n" + kSample + "\n");
    EXPECT_EQ(Run({.stats = true, .json = true, .files = {"a \"b\".txt"}}).out,
              "{\"file\": \"a \\\"b\\\".txt\", \"line\": 2, \"puzzle\": \"" + kSample +
                  "\", \"result\": \"" + kSolution +
                  "\", \"solved\": true, \"steps\": 80, \"notifications\": 61, "
                  "\"cellUpdates\": 445, \"singleCell\": [0, 43, 6, 1, 4, 4, 1, 0, 0, 0], "
                  "\"dualCells\": 107}\n");

    const std::regex time(
        "([0-9]+) (puzzles?), ([0-9]+) solved, [0-9]+\\.[0-9]{3} s, [0-9]+ puzzles/s\n");
    std::smatch match;
    const std::string one = Run({.time = true}, kSample).err;
    ASSERT_TRUE(std::regex_match(one, match, time)) << one;
    EXPECT_EQ(match[1].str() + match[2].str() + match[3].str(), "1puzzle1");
    const std::string two = Run({.time = true}, kSample + "\n" + kEmpty).err;
    ASSERT_TRUE(std::regex_match(two, match, time)) << two;
    EXPECT_EQ(match[1].str() + match[2].str() + match[3].str(), "2puzzles1");
}

struct Inputs {
    const char* name;
    std::vector<std::string> files;
    std::string input;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const Inputs& inputs, std::ostream* out) {
    *out << inputs.name;
}

class Problems : public RunBatchTest, public testing::WithParamInterface<Inputs> {};

// Every problem is told at its place among the results, and the puzzles after it are solved.
TEST_P(Problems, AreToldInOrderAndSetTheExitStatus) {
    WriteFile("puzzles.txt", "# a bad line, then the sample\n123\n" + kSample + "\n");
    WriteFile("bom.txt", "\xEF\xBB\xBF" + kSample + "\n\xEF\xBB\xBFx\n");
    WriteFile("long.txt", std::string(LineReader::kMaxLine + 1, '1') + "\n" + kSample);
    std::filesystem::create_directory("folder");
    const Inputs& inputs = GetParam();
    const Outcome outcome = Run({.files = inputs.files}, inputs.input);
    EXPECT_EQ(outcome.status, inputs.status);
    EXPECT_EQ(outcome.out, inputs.out);
    EXPECT_EQ(outcome.err, inputs.err);
}

const std::string kSolved = kSolution + " solved\n";
const std::string kBadX = "invalid character 'x' at column 3 (cells are 1 to 9, 0 or .)\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, Problems,
    testing::Values(
        Inputs{"Fine", {"-"}, kSample, 0, kSolved, ""},
        Inputs{"ABadLineAlone", {}, "12x\n", 1, "", "novem-batch: -:1: " + kBadX},
        Inputs{"AMissingFileAlone",
               {"missing.txt"},
               "",
               1,
               "",
               "novem-batch: missing.txt: cannot open: No such file or directory\n"},
        Inputs{"AFolder",
               {"folder", "-"},
               kSample,
               1,
               kSolved,
               "novem-batch: folder: cannot read: Is a directory\n"},
        Inputs{"SeveralFilesAndStandardInput",
               {"missing.txt", "puzzles.txt", "-"},
               "12x" + std::string(78, '.') + "\n" + kSolution,
               1,
               kSolved + kSolved,
               "novem-batch: missing.txt: cannot open: No such file or directory\n"
               "novem-batch: puzzles.txt:2: expected 81 cells, found 3\n"
               "novem-batch: -:1: " +
                   kBadX},
        Inputs{"AByteOrderMarkOnlyAtTheStart",
               {"bom.txt"},
               "",
               1,
               kSolved,
               "novem-batch: bom.txt:2: invalid character \\xEF at column 1 (cells are 1 to 9, "
               "0 or .)\n"},
        Inputs{"ALineTooLongToHold",
               {"long.txt"},
               "",
               1,
               kSolved,
               "novem-batch: long.txt:1: line too long (4097 bytes), skipped\n"}),
    [](const auto& info) { return info.param.name; });

// The chunks of any number of workers come out as one worker's, with the problems in place.
TEST_F(RunBatchTest, AnyNumberOfWorkersGivesTheSameBytes) {
    std::string puzzles = ReadFile(NOVEM_TEST_DATA "/guard-puzzles.txt");
    puzzles.insert(puzzles.size() / 3, "not a puzzle\n");
    WriteFile("puzzles.txt", puzzles);
    WriteFile("more.txt", kSample + "\n" + kFiveTwice + "\nbad\n");
    for (BatchOptions options :
         {BatchOptions{.stats = true, .explain = true},
          BatchOptions{.json = true, .explain = true, .logFile = "log.txt"}}) {
        options.files = {"puzzles.txt", "missing.txt", "more.txt", "-"};
        options.jobs = 1;
        const Outcome one = Run(options, kSample);
        const std::string log = ReadFile("log.txt");
        EXPECT_EQ(one.status, 1);
        EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 360);
        EXPECT_EQ(std::count(one.err.begin(), one.err.end(), '\n'), 3);
        for (const unsigned jobs : {2U, 3U}) {
            options.jobs = jobs;
            const Outcome many = Run(options, kSample);
            EXPECT_EQ(many.status, one.status);
            EXPECT_EQ(many.out, one.out);
            EXPECT_EQ(many.err, one.err);
            EXPECT_EQ(ReadFile("log.txt"), log);
        }
    }
}

TEST_F(RunBatchTest, TheLogIsTheDesktopProgramsRunLog) {
    TestSupport::FakeSolveWindow window;
    window.SetCells(kSample);
    SolveCommand(window).OnSolve();
    const std::string desktopLog = ReadFile("NovemSolver.txt");

    EXPECT_EQ(Run({.logFile = "batch.log"}, kSample + "\n" + kSample).status, 0);
    EXPECT_EQ(ReadFile("batch.log"), desktopLog + desktopLog);
}

// The first output that can't be written ends the run with the reason: no puzzle after it is
// solved or counted. A log that can't be opened stops the run before it starts.
TEST_F(RunBatchTest, AFailedWriteEndsTheRunWithTheReason) {
    std::filesystem::create_directory("dir");
    const Outcome folder = Run({.logFile = "dir"}, kSample);
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.out, "");
    EXPECT_EQ(folder.err, "novem-batch: dir: cannot open for writing: Is a directory\n");

    // A log too small to fill a buffer fails only when it is written out at the end.
    std::filesystem::create_symlink("/dev/full", "full.log");
    const Outcome smallLog = Run({.logFile = "full.log"}, kFiveTwice);
    EXPECT_EQ(smallLog.status, 1);
    EXPECT_EQ(smallLog.err, "novem-batch: full.log: No space left on device\n");

    std::string many;
    for (int copy = 0; copy < 2000; ++copy) {
        many += kSample + "\n";
    }
    WriteFile("stdin.txt", many);
    const int in = open("stdin.txt", O_RDONLY);
    const int full = open("/dev/full", O_WRONLY);
    const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_EQ(RunBatch({.time = true, .summary = true, .jobs = 2}, {in, full, err}), 1);
    EXPECT_EQ(ReadFile("stderr.txt"), "novem-batch: standard output: No space left on device\n");
    for (const int fd : {in, full, err}) {
        close(fd);
    }
}

struct LogTarget {
    const char* name;
    std::string log;
    std::vector<std::string> files;
    std::string refusal;  // empty: accepted
};

void PrintTo(const LogTarget& target, std::ostream* out) {
    *out << target.name;
}

class LogTargets : public TestSupport::InTempDirectory,
                   public testing::WithParamInterface<LogTarget> {};

// Whatever path names it, a log that is an input or standard output is refused before anything
// is opened for writing.
TEST_P(LogTargets, ThatWouldOverwriteAnInputOrTheOutputAreRefused) {
    WriteFile("puzzles.txt", kSample);
    WriteFile("out.txt", "");
    std::filesystem::create_symlink("puzzles.txt", "link.txt");
    const int in = open("puzzles.txt", O_RDONLY);
    const int out = open("out.txt", O_WRONLY);
    const LogTarget& target = GetParam();
    const std::string refusal =
        CheckLog({.logFile = target.log, .files = target.files}, {in, out, 2});
    close(in);
    close(out);
    EXPECT_EQ(refusal, target.refusal.empty() ? ""
                                              : "refusing to write the log to '" + target.log +
                                                    "', which is " + target.refusal);
    EXPECT_EQ(ReadFile("puzzles.txt"), kSample);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LogTargets,
    testing::Values(
        LogTarget{"TheInput", "puzzles.txt", {"puzzles.txt"}, "also an input"},
        LogTarget{"TheInputThroughALink", "link.txt", {"x", "./puzzles.txt"}, "also an input"},
        LogTarget{"AnInputNotYetThere", "new.txt", {"./new.txt"}, "also an input"},
        LogTarget{"StandardInput", "./puzzles.txt", {}, "standard input"},
        LogTarget{"StandardOutput", "out.txt", {"puzzles.txt"}, "standard output"},
        LogTarget{"Dash", "-", {"puzzles.txt"}, "standard output"},
        LogTarget{"AnotherFile", "log.txt", {"puzzles.txt", "-"}, ""},
        LogTarget{"TheNullDevice", "/dev/null", {"/dev/null"}, ""}),
    [](const auto& info) { return info.param.name; });

// Three puzzles that need nothing, singles with crossings, and subsets of up to six cells.
TEST_F(RunBatchTest, TheSummaryCountsTheCollection) {
    const Outcome outcome = Run(
        {.summary = true}, kSample + "\n" + kEmpty + "\n" + kFiveTwice + "\n" + kSolution + "\n");
    EXPECT_EQ(outcome.err,
              "Puzzles                                  4\n"
              "  solved                                 2   50.00 %\n"
              "  unsolved                               2   50.00 %\n"
              "    of them contradicted                 1   25.00 %\n"
              "\n"
              "Largest subset needed         no crossings   with crossings\n"
              "  none                                   2                0\n"
              "  1 cell (naked single)                  0                1\n"
              "  6 cells (hidden triple)                0                1\n"
              "\n"
              "Totals\n"
              "  Effective Cells updates                 : 465\n"
              "  Effective \"Single Cell[card=1]\" rules   : 44\n"
              "  Effective \"Single Cell[card=2]\" rules   : 6\n"
              "  Effective \"Single Cell[card=3]\" rules   : 1\n"
              "  Effective \"Single Cell[card=4]\" rules   : 4\n"
              "  Effective \"Single Cell[card=5]\" rules   : 4\n"
              "  Effective \"Single Cell[card=6]\" rules   : 1\n"
              "  Effective \"Dual Cells\" rules            : 109\n"
              "  Steps                                   : 184\n"
              "  Notifications                           : 63\n");
}

// Lines come back whole up to the limit, whatever the reads deliver; longer ones only by their
// length, however long they are, and reading goes on after them.
TEST(LineReader, HoldsNoLineLongerThanTheLimit) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const std::uint64_t huge = 64ULL << 20;
    std::thread writer([&] {
        const std::string block(1 << 16, '7');
        for (std::uint64_t sent = 0; sent < huge; sent += block.size()) {
            ASSERT_EQ(write(ends[1], block.data(), block.size()),
                      static_cast<ssize_t>(block.size()));
        }
        const std::string rest = std::string("\n") + std::string(LineReader::kMaxLine, 'a') + "\nlast";
        ASSERT_EQ(write(ends[1], rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
        close(ends[1]);
    });
    LineReader reader(ends[0]);
    LineReader::Line line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_TRUE(line.tooLong);
    EXPECT_EQ(line.length, huge);
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.number, 2U);
    EXPECT_EQ(line.text, std::string(LineReader::kMaxLine, 'a'));
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "last");
    EXPECT_FALSE(reader.Next(line));
    writer.join();
    close(ends[0]);
}

// Shown after a second, redrawn at most four times a second, erased at the end.
TEST(Progress, TellsHowFarALongRunIs) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const auto start = Progress::Clock::time_point();
    Progress progress(ends[1], true, 1000, start);
    using std::chrono::milliseconds;
    progress.Update(10, 9, 100, start + milliseconds(900));
    progress.Update(20, 18, 250, start + milliseconds(1000));
    progress.Update(30, 27, 300, start + milliseconds(1100));
    progress.Update(40, 36, 400, start + milliseconds(1250));
    progress.Clear();
    progress.Clear();
    Progress(ends[1], false, 0, start).Update(1, 1, 1, start + milliseconds(5000));
    close(ends[1]);
    char buffer[512];
    const ssize_t size = read(ends[0], buffer, sizeof buffer);
    close(ends[0]);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(size)),
              "\r\033[K20 puzzles, 18 solved, 20 puzzles/s, 25 %, 0:03 left"
              "\r\033[K40 puzzles, 36 solved, 32 puzzles/s, 40 %, 0:02 left"
              "\r\033[K");
}

}  // namespace
}  // namespace Novem::Batch
