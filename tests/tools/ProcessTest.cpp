#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "Product.h"
#include "support/Hash.h"
#include "support/Process.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace Novem {
namespace {

using TestSupport::ReadFile;

const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolved = std::string(TestSupport::kSampleSolution) + " solved\n";
const std::string kTry = "Try 'novem-batch --help' for more information.\n";

using NovemBatch = TestSupport::InTempDirectory;

// Runs novem-batch with `input`; standard output goes to `outFile`, or is captured.
TestSupport::Finished RunBatch(const std::vector<std::string>& options,
                               const std::string& input = "", const std::string& outFile = "") {
    std::vector<std::string> arguments{NOVEM_BATCH};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const int fd = outFile.empty() ? -1 : open(outFile.c_str(), O_WRONLY | O_CREAT, 0644);
    TestSupport::Finished finished = TestSupport::RunProgram(arguments, input, fd);
    close(fd);
    return finished;
}

// The program as a user runs it: its options, its output and its exit status.
TEST_F(NovemBatch, BehavesAsAGnuTool) {
    WriteFile("puzzles.txt", kSample + "\n");
    WriteFile("--stats", kSample + "\n");
    const std::string version =
        std::string("novem-batch (") + Product::kName + ") " + Product::kVersion + "\n";
    const std::tuple<std::vector<std::string>, std::string, std::string> successes[] = {
        {{"--help"}, "", "Usage: novem-batch [OPTION]... [FILE]...\n"},
        {{"-V"}, "", version},
        {{"--st", "-j", "2"}, kSample, kSolved + "Effective Cells updates\t\t: 445\n"},
        {{"puzzles.txt", "--json", "--", "--stats"}, "", "{\"file\": \"puzzles.txt\", \"line\": 1"},
        {{"--log=a.log", "--log", "b.log"}, kSample, kSolved},
    };
    for (const auto& [options, input, out] : successes) {
        const TestSupport::Finished finished = RunBatch(options, input);
        EXPECT_EQ(finished.status, 0) << options[0];
        EXPECT_TRUE(finished.out.starts_with(out)) << finished.out;
        EXPECT_EQ(finished.err, "");
    }

    const std::pair<std::vector<std::string>, std::string> usageErrors[] = {
        {{"-h", "--bogus"}, "unrecognized option '--bogus'"},
        {{"--s"}, "option '--s' is ambiguous; possibilities: '--stats' '--summary' '--solutions'"},
        {{"--stats=yes"}, "option '--stats' doesn't allow an argument"},
        {{"-x"}, "invalid option -- 'x'"},
        {{"--log"}, "option '--log' requires an argument"},
        {{"--jobs=0"}, "invalid number of jobs: '0'"},
        {{"--techniques=all,basic"},
         "invalid technique list 'all,basic': all stands alone, not in a list"},
        {{"--techniques=fish,,wings"},
         "invalid technique '' (valid: basic, all, fish, single-digit, wings, uniqueness, "
         "colouring, chains, finned-fish, als, exclusion, forcing, dynamic-forcing, "
         "nested-forcing)"},
        {{"--stats", "--log", "puzzles.txt", "puzzles.txt"},
         "puzzles.txt: refusing to write the log to an input"},
        {{"--log", "/dev/stdout"}, "/dev/stdout: refusing to write the log to standard output"},
    };
    for (const auto& [options, message] : usageErrors) {
        const TestSupport::Finished finished = RunBatch(options, kSample, "out.txt");
        EXPECT_EQ(finished.status, 2);
        EXPECT_EQ(finished.err, "novem-batch: " + message + "\n" + kTry);
    }
    EXPECT_EQ(ReadFile("out.txt"), "");
    EXPECT_EQ(ReadFile("puzzles.txt"), kSample + "\n");

    for (const char* option : {"--time", "--help", "--version"}) {
        const TestSupport::Finished finished = RunBatch({option}, kSample, "/dev/full");
        EXPECT_EQ(finished.status, 1);
        EXPECT_EQ(finished.err, "novem-batch: standard output: No space left on device\n");
    }
}

// A reader that goes away after the first result ends the run within the work in hand, however
// hard the puzzles: results go out as they come, and a chunk is a few milliseconds' work. Where
// SIGPIPE is left alone it ends the process without a word; where it is ignored the failed write
// is told, as GNU tools tell it. The whole input would take minutes.
TEST_F(NovemBatch, StopsSoonAfterItsReaderGoesAway) {
    const std::string hard =
        "1..4.....4...89.......2..15.7.89.3..53.....679....3.......6...87.4...5..8........\n";
    std::string input;
    for (int copy = 0; copy < 20000; ++copy) {
        input += hard;
    }
    const std::string command = std::string("exec ") + NOVEM_BATCH + " --techniques=all";
    const std::tuple<std::string, int, std::string> cases[] = {
        {command, 128 + SIGPIPE, ""},
        {"trap '' PIPE; " + command, 1, "novem-batch: standard output: Broken pipe\n"},
    };
    for (const auto& [shell, status, err] : cases) {
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        std::thread reader([readEnd = ends[0]] {
            char byte = 0;
            while (read(readEnd, &byte, 1) == 1 && byte != '\n') {
            }
            close(readEnd);
        });
        const TestSupport::Finished finished =
            TestSupport::RunProgram({"/bin/sh", "-c", shell}, input, ends[1]);
        close(ends[1]);
        reader.join();
        EXPECT_EQ(finished.status, status) << shell;
        EXPECT_EQ(finished.err, err) << shell;
        EXPECT_LT(finished.cpuSeconds, 2.0) << shell;
    }
}

// Each puzzle is answered while the input waits, as for one typed in, and its run log is
// written out with the answer: the second part of the input is only written once they are there.
TEST_F(NovemBatch, AnswersEachPuzzleWhileItsInputWaits) {
    int input[2];
    int output[2];
    ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    std::thread feeder([&input, &output] {
        const std::string part = kSample + "\n";
        EXPECT_EQ(write(input[1], part.data(), part.size()), static_cast<ssize_t>(part.size()));
        pollfd answer{output[0], POLLIN, 0};
        EXPECT_EQ(poll(&answer, 1, 10000), 1);
        EXPECT_EQ(TestSupport::Fnv1a(ReadFile("run.log")), TestSupport::kSampleLogHash);
        EXPECT_EQ(write(input[1], part.data(), part.size()), static_cast<ssize_t>(part.size()));
        close(input[1]);
    });
    const TestSupport::Finished finished =
        TestSupport::RunProgram({NOVEM_BATCH, "--log=run.log"}, "", output[1], -1, input[0]);
    feeder.join();
    close(output[1]);
    std::string answers(4096, '\0');
    answers.resize(
        static_cast<std::size_t>(std::max(read(output[0], answers.data(), answers.size()), 0L)));
    for (const int end : {input[0], output[0]}) {
        close(end);
    }
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(answers, kSolved + kSolved);
}

// A closed standard output or error is a failed write, as for any GNU tool: nothing the program
// opens takes its place, so neither results nor messages end up in the log. Standard error that
// can't take the summary or the time asked for fails the run too.
TEST_F(NovemBatch, AClosedOrFullStandardStreamIsAFailedWrite) {
    using TestSupport::kClosed;
    WriteFile("puzzles.txt", kSample + "\n");
    const int full = open("/dev/full", O_WRONLY);
    const std::tuple<std::vector<std::string>, int, int, int, std::string, std::string> cases[] = {
        {{"--log=run.log", "puzzles.txt"},
         kClosed,
         -1,
         1,
         "",
         "novem-batch: standard output: Bad file descriptor\n"},
        {{"--log=run.log", "puzzles.txt", "missing.txt"}, -1, kClosed, 1, kSolved, ""},
        {{"--log=run.log", "puzzles.txt"}, -1, kClosed, 0, kSolved, ""},
        {{"--log=run.log", "--time", "puzzles.txt"}, -1, kClosed, 1, kSolved, ""},
        {{"--log=run.log", "--summary", "puzzles.txt"}, -1, full, 1, kSolved, ""},
    };
    for (const auto& [options, out, err, status, shownOut, shownErr] : cases) {
        std::vector<std::string> arguments{NOVEM_BATCH};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const TestSupport::Finished finished = TestSupport::RunProgram(arguments, "", out, err);
        EXPECT_EQ(finished.status, status) << options[1];
        EXPECT_EQ(finished.out, shownOut);
        EXPECT_EQ(finished.err, shownErr);
        const std::string log = ReadFile("run.log");
        EXPECT_EQ(log.find("solved"), std::string::npos);
        EXPECT_EQ(log.find("novem-batch"), std::string::npos);
    }
    close(full);
}

// Results appended to an input would be read again as puzzles, without end: refused before
// anything is read, as cat refuses.
TEST_F(NovemBatch, RefusesToWriteItsResultsIntoAnInput) {
    WriteFile("puzzles.txt", kSample + "\n");
    const int out = open("puzzles.txt", O_WRONLY | O_APPEND);
    for (const std::string input : {"puzzles.txt", "-"}) {
        const int in = open("puzzles.txt", O_RDONLY);
        const TestSupport::Finished finished =
            TestSupport::RunProgram({NOVEM_BATCH, input}, "", out, -1, in);
        close(in);
        EXPECT_EQ(finished.status, 2);
        EXPECT_EQ(finished.err, "novem-batch: " + input + ": input file is output file\n");
    }
    close(out);
    EXPECT_EQ(ReadFile("puzzles.txt"), kSample + "\n");
}

// Two runs never write into one log: the second finds it locked, refuses and leaves it alone.
TEST_F(NovemBatch, LeavesALogInUseAlone) {
    WriteFile("run.log", "another run's log\n");
    const int held = open("run.log", O_WRONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    const TestSupport::Finished finished = RunBatch({"--log=run.log"}, kSample);
    close(held);
    EXPECT_EQ(finished.status, 2);
    EXPECT_EQ(finished.out, "");
    EXPECT_EQ(finished.err, "novem-batch: run.log: in use by another process\n");
    EXPECT_EQ(ReadFile("run.log"), "another run's log\n");
}

// Workers beyond the processors cost nothing: thousands asked for hold no more memory than the
// README promises, with explanations and the run log, the largest outputs.
TEST_F(NovemBatch, ThousandsOfWorkersFitInAFewMegabytes) {
    const std::string puzzles = ReadFile(NOVEM_TEST_DATA "/guard-puzzles.txt");
    std::string input;
    for (int copy = 0; copy < 5; ++copy) {
        input += puzzles;
    }
    const int null = open("/dev/null", O_WRONLY);
    const TestSupport::Finished finished = TestSupport::RunProgram(
        {NOVEM_BATCH, "--jobs=4096", "--explain", "--log=run.log"}, input, null);
    close(null);
    EXPECT_EQ(finished.status, 0);
#ifndef __SANITIZE_ADDRESS__
    // The sanitizer's shadow memory is no measure of the program's own.
    EXPECT_LT(finished.peakKilobytes, 64 * 1024);
#endif
}

// GNU parallel spreads a collection over processes, and could over hosts: the results come back
// in input order, byte for byte as one process gives them.
TEST_F(NovemBatch, ServesGnuParallel) {
    if (!std::filesystem::exists("/usr/bin/parallel")) {
        GTEST_SKIP() << "GNU parallel is not installed";
    }
    const std::string input = ReadFile(NOVEM_TEST_DATA "/guard-puzzles.txt");
    const TestSupport::Finished one = TestSupport::RunProgram({NOVEM_BATCH, "--stats"}, input);
    const TestSupport::Finished spread =
        TestSupport::RunProgram({"/usr/bin/parallel", "--will-cite", "--pipe", "--keep-order", "-N",
                                 "50", "-j", "3", NOVEM_BATCH, "--stats", "-j", "1"},
                                input);
    EXPECT_EQ(spread.status, 0);
    EXPECT_GT(one.out.size(), 100000U);
    EXPECT_EQ(spread.out, one.out);
}

using NovemGenerate = TestSupport::InTempDirectory;

// The same seed gives the same puzzles with one worker, two or the default; the output is a
// collection that novem-batch reads as it is and rates alike; JSON adds each puzzle's seed. A level
// named is the level of that name.
TEST_F(NovemGenerate, GivesTheSameBytesBySeedForNovemBatchToRead) {
    const TestSupport::Finished one =
        TestSupport::RunProgram({NOVEM_GENERATE, "-n", "6", "--seed=7", "-j", "1"});
    ASSERT_EQ(one.status, 0);
    for (const char* jobs : {"--jobs=2", "--time"}) {
        EXPECT_EQ(TestSupport::RunProgram({NOVEM_GENERATE, "--count=6", "--seed", "7", jobs}).out,
                  one.out);
    }
    const TestSupport::Finished rated =
        TestSupport::RunProgram({NOVEM_BATCH, "--techniques=all"}, one.out);
    EXPECT_EQ(rated.status, 0);
    EXPECT_EQ(rated.err, "");
    std::size_t at = 0;
    for (std::size_t next = 0; (next = rated.out.find('\n', at)) != std::string::npos;
         at = next + 1) {
        const std::string line = rated.out.substr(at, next - at);
        EXPECT_NE(one.out.find(line.substr(line.find(" solved ") + 7)), std::string::npos) << line;
    }
    EXPECT_EQ(
        TestSupport::RunProgram({NOVEM_GENERATE, "-n", "2", "--seed=7", "--level=singles-only"})
            .out,
        TestSupport::RunProgram({NOVEM_GENERATE, "-n", "2", "--seed=7", "--level=0"}).out);
    const std::string json = TestSupport::RunProgram({NOVEM_GENERATE, "--seed=8", "--json"}).out;
    EXPECT_TRUE(json.starts_with("{\"file\": null, \"line\": 1, \"puzzle\": \"")) << json;
    EXPECT_TRUE(json.ends_with(", \"seed\": 8}\n")) << json;
}

// What can't be read or met is a usage error, told on standard error, with nothing on standard
// output; a write that fails ends the run with its reason.
TEST_F(NovemGenerate, RefusesTargetsItCantMeet) {
    const std::pair<std::string, std::string> errors[] = {
        {"--level=99", "invalid level '99' (0 to 15, L-M, or a level's name such as fish)"},
        {"--level=fishy", "invalid level 'fishy' (0 to 15, L-M, or a level's name such as fish)"},
        {"--count=-1", "invalid count '-1' (1 or more)"},
        {"--symmetry=spiral",
         "invalid symmetry 'spiral' (none, rotate180, rotate90, mirror, flip, diagonal or random)"},
        {"--seed=abc", "invalid seed 'abc' (0 to 18446744073709551615)"},
        {"--needs=magic",
         "unknown technique 'magic' (as novem-batch names it, such as X-wing or "
         "naked-pair)"},
        {"--rating=5-4", "invalid rating range '5-4' (A-B with A at most B, such as 6.5-7.5)"},
        {"--givens=16-20",
         "invalid givens '16-20' (N-M from 17 to 81: no puzzle has fewer than 17)"},
    };
    for (const auto& [option, message] : errors) {
        const TestSupport::Finished finished = TestSupport::RunProgram({NOVEM_GENERATE, option});
        EXPECT_EQ(finished.status, 2) << option;
        EXPECT_EQ(finished.out, "");
        EXPECT_EQ(finished.err, "novem-generate: " + message +
                                    "\nTry 'novem-generate --help' for more information.\n");
    }
    const TestSupport::Finished unread =
        TestSupport::RunProgram({NOVEM_GENERATE, "--like=missing.txt"});
    EXPECT_EQ(unread.status, 2);
    EXPECT_EQ(unread.out, "");
    EXPECT_EQ(unread.err, "novem-generate: missing.txt: No such file or directory\n");
    const int fd = open("/dev/full", O_WRONLY);
    const TestSupport::Finished failed =
        TestSupport::RunProgram({NOVEM_GENERATE, "--seed=1"}, "", fd);
    close(fd);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "novem-generate: standard output: No space left on device\n");
}

}  // namespace
}  // namespace Novem
