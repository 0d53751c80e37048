#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Product.h"
#include "support/Process.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace Novem {
namespace {

const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolved = std::string(TestSupport::kSampleSolution) + " solved\n";
const std::string kTry = "Try 'novem-batch --help' for more information.\n";
const std::string kFull = "novem-batch: standard output: No space left on device\n";

struct Invocation {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    // Empty: standard output is captured; otherwise the file it goes to.
    std::string outFile;
    int status;
    // What standard output starts with.
    std::string out;
    std::string err;
};

void PrintTo(const Invocation& invocation, std::ostream* out) {
    *out << invocation.name;
}

class NovemBatch : public TestSupport::InTempDirectory,
                   public testing::WithParamInterface<Invocation> {};

// The program as a user runs it: its options, its output and its exit status.
TEST_P(NovemBatch, BehavesAsAGnuTool) {
    WriteFile("puzzles.txt", kSample + "\n");
    WriteFile("--stats", kSample + "\n");
    const Invocation& invocation = GetParam();
    std::vector<std::string> arguments{NOVEM_BATCH};
    arguments.insert(arguments.end(), invocation.arguments.begin(), invocation.arguments.end());
    const int out = invocation.outFile.empty() ? -1 : open(invocation.outFile.c_str(), O_WRONLY);
    const TestSupport::Finished finished =
        TestSupport::RunProgram(arguments, invocation.input, out);
    if (out >= 0) {
        close(out);
    }
    EXPECT_EQ(finished.status, invocation.status);
    EXPECT_EQ(finished.out.substr(0, invocation.out.size()), invocation.out);
    EXPECT_EQ(finished.err, invocation.err);
    EXPECT_EQ(ReadFile("puzzles.txt"), kSample + "\n");
}

const std::string kStats = "Effective Cells updates\t\t: 445\n";
const std::string kUsage = "Usage: novem-batch [OPTION]... [FILE]...\n";

INSTANTIATE_TEST_SUITE_P(
    Invocations, NovemBatch,
    testing::Values(
        Invocation{"Help", {"--help"}, "", "", 0, kUsage, ""},
        Invocation{"ShortHelp",
                   {"-h", "--bogus-after"},
                   "",
                   "",
                   2,
                   "",
                   "novem-batch: unrecognized option '--bogus-after'\n" + kTry},
        Invocation{"Version",
                   {"-V"},
                   "",
                   "",
                   0,
                   std::string("novem-batch (") + Product::kName + ") " + Product::kVersion + "\n",
                   ""},
        Invocation{
            "AnUnambiguousPrefix", {"--st", "-j", "2"}, kSample, "", 0, kSolved + kStats, ""},
        Invocation{"OptionsAfterFilesAndTheEndOfOptions",
                   {"puzzles.txt", "--json", "--", "--stats"},
                   "",
                   "",
                   0,
                   "{\"file\": \"puzzles.txt\", \"line\": 1",
                   ""},
        Invocation{
            "AnAmbiguousPrefix",
            {"--s"},
            "",
            "",
            2,
            "",
            "novem-batch: option '--s' is ambiguous; possibilities: '--stats' '--summary'\n" +
                kTry},
        Invocation{"AFlagWithAnArgument",
                   {"--stats=yes"},
                   "",
                   "",
                   2,
                   "",
                   "novem-batch: option '--stats' doesn't allow an argument\n" + kTry},
        Invocation{"AnUnknownShortOption",
                   {"-x"},
                   "",
                   "",
                   2,
                   "",
                   "novem-batch: invalid option -- 'x'\n" + kTry},
        Invocation{"ALogWithoutItsFile",
                   {"--log"},
                   "",
                   "",
                   2,
                   "",
                   "novem-batch: option '--log' requires an argument\n" + kTry},
        Invocation{"NoWorkers",
                   {"--jobs=0"},
                   "",
                   "",
                   2,
                   "",
                   "novem-batch: invalid number of jobs: '0'\n" + kTry},
        Invocation{
            "TheLogAsEitherForm", {"--log=a.log", "--log", "b.log"}, kSample, "", 0, kSolved, ""},
        Invocation{"TheInputAsTheLog",
                   {"--stats", "--log", "puzzles.txt", "puzzles.txt"},
                   "",
                   "",
                   2,
                   "",
                   "novem-batch: refusing to write the log to 'puzzles.txt', which is also an "
                   "input\n" +
                       kTry},
        Invocation{"StandardOutputAsTheLog",
                   {"--log", "/dev/stdout"},
                   kSample,
                   "out.txt",
                   2,
                   "",
                   "novem-batch: refusing to write the log to '/dev/stdout', which is standard "
                   "output\n" +
                       kTry},
        Invocation{"AFullDisk", {"--time"}, kSample, "/dev/full", 1, "", kFull},
        Invocation{"HelpOnAFullDisk", {"--help"}, "", "/dev/full", 1, "", kFull},
        Invocation{"VersionOnAFullDisk", {"--version"}, "", "/dev/full", 1, "", kFull}),
    [](const auto& info) { return info.param.name; });

TEST(NovemBatchProcess, EndsQuietlyWhenItsReaderGoesAway) {
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

// On a terminal a run that lasts shows how it goes, and erases that at the end; through a pipe
// nothing of it shows. The input comes in two parts, a second and more apart.
TEST(NovemBatchProcess, ShowsProgressOnATerminalOnly) {
    for (const bool terminal : {true, false}) {
        int controller = -1;
        int errorSide = -1;
        int ends[2];
        if (terminal) {
            ASSERT_EQ(openpty(&controller, &errorSide, nullptr, nullptr, nullptr), 0);
            fcntl(controller, F_SETFD, FD_CLOEXEC);
        } else {
            ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
            controller = ends[0];
            errorSide = ends[1];
        }
        int input[2];
        ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
        const pid_t child = fork();
        if (child == 0) {
            dup2(input[0], 0);
            dup2(open("/dev/null", O_WRONLY), 1);
            dup2(errorSide, 2);
            execl(NOVEM_BATCH, NOVEM_BATCH, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(input[0]);
        close(errorSide);
        const std::string part = kSample + "\n";
        ASSERT_EQ(write(input[1], part.data(), part.size()), static_cast<ssize_t>(part.size()));
        std::this_thread::sleep_for(std::chrono::milliseconds(1300));
        ASSERT_EQ(write(input[1], part.data(), part.size()), static_cast<ssize_t>(part.size()));
        close(input[1]);
        std::string shown;
        char buffer[256];
        for (ssize_t size; (size = read(controller, buffer, sizeof buffer)) > 0;) {
            shown.append(buffer, static_cast<std::size_t>(size));
        }
        close(controller);
        waitpid(child, nullptr, 0);
        if (terminal) {
            EXPECT_TRUE(shown.starts_with("\r\033[K2 puzzles, 2 solved, ")) << shown;
            EXPECT_TRUE(shown.ends_with("\r\033[K")) << shown;
        } else {
            EXPECT_EQ(shown, "");
        }
    }
}

// GNU parallel spreads a collection over processes, and could over hosts: the results come back
// in input order, byte for byte as one process gives them.
TEST(NovemBatchProcess, ServesGnuParallel) {
    if (!std::filesystem::exists("/usr/bin/parallel")) {
        GTEST_SKIP() << "GNU parallel is not installed";
    }
    const std::string puzzles = NOVEM_TEST_DATA "/guard-puzzles.txt";
    const std::string input = TestSupport::ReadAll(puzzles);
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
