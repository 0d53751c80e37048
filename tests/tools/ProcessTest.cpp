#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "Product.h"
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

    const std::string refusal = "refusing to write the log to ";
    const std::pair<std::vector<std::string>, std::string> usageErrors[] = {
        {{"-h", "--bogus"}, "unrecognized option '--bogus'"},
        {{"--s"}, "option '--s' is ambiguous; possibilities: '--stats' '--summary'"},
        {{"--stats=yes"}, "option '--stats' doesn't allow an argument"},
        {{"-x"}, "invalid option -- 'x'"},
        {{"--log"}, "option '--log' requires an argument"},
        {{"--jobs=0"}, "invalid number of jobs: '0'"},
        {{"--stats", "--log", "puzzles.txt", "puzzles.txt"},
         refusal + "'puzzles.txt', which is also an input"},
        {{"--log", "/dev/stdout"}, refusal + "'/dev/stdout', which is standard output"},
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

TEST_F(NovemBatch, EndsQuietlyWhenItsReaderGoesAway) {
    std::string input;
    for (int copy = 0; copy < 20000; ++copy) {
        input += kSample + "\n";
    }
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    const TestSupport::Finished finished = TestSupport::RunProgram({NOVEM_BATCH}, input, ends[1]);
    close(ends[1]);
    EXPECT_NE(finished.status, 0);
    EXPECT_EQ(finished.err, "");
}

// Each puzzle is answered while the input waits, as for one typed in: the second part of the
// input is only written once the answer to the first has come.
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
        EXPECT_EQ(write(input[1], part.data(), part.size()), static_cast<ssize_t>(part.size()));
        close(input[1]);
    });
    const TestSupport::Finished finished =
        TestSupport::RunProgram({NOVEM_BATCH}, "", output[1], -1, input[0]);
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

}  // namespace
}  // namespace Novem
