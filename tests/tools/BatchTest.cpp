#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "BatchOptions.h"
#include "BatchRun.h"
#include "PuzzleLine.h"
#include "run/FakeSolveWindow.h"
#include "run/SolveCommand.h"
#include "run/TempDirectory.h"
#include "support/Puzzles.h"
#include "support/RecordingListener.h"

namespace Novem::Batch {
namespace {

const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolution(TestSupport::kSampleSolution);

struct LineCase {
    const char* name;
    std::string line;
    PuzzleLine::Kind kind;
    std::string expected;  // the cells, or the error
};

class ParsePuzzleLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ParsePuzzleLineTest, ReadsCellsOrSaysWhatIsWrong) {
    const PuzzleLine parsed = ParsePuzzleLine(GetParam().line);
    EXPECT_EQ(parsed.kind, GetParam().kind);
    if (parsed.kind == PuzzleLine::Kind::Puzzle) {
        EXPECT_EQ(parsed.cells, GetParam().expected);
    } else if (parsed.kind == PuzzleLine::Kind::Invalid) {
        EXPECT_EQ(parsed.error, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParsePuzzleLineTest,
    testing::Values(
        LineCase{"Blank", "", PuzzleLine::Kind::Skipped, ""},
        LineCase{"WhiteSpace", " \t\r", PuzzleLine::Kind::Skipped, ""},
        LineCase{"Comment", "  # a comment", PuzzleLine::Kind::Skipped, ""},
        LineCase{"Dots", kSample, PuzzleLine::Kind::Puzzle, kSample},
        LineCase{"ZerosAndSpaceAndCr", "\t" + std::string(80, '0') + "7 \r",
                 PuzzleLine::Kind::Puzzle, std::string(80, '.') + "7"},
        LineCase{"Short", "123", PuzzleLine::Kind::Invalid, "expected 81 cells, found 3"},
        LineCase{"Long", kSample + "1", PuzzleLine::Kind::Invalid, "expected 81 cells, found 82"},
        LineCase{"Letter", "12x" + std::string(78, '.'), PuzzleLine::Kind::Invalid,
                 "invalid character 'x' at column 3 (cells are 1 to 9, 0 or .)"},
        LineCase{"InnerSpace", "1 2" + std::string(78, '.'), PuzzleLine::Kind::Invalid,
                 "invalid character ' ' at column 2 (cells are 1 to 9, 0 or .)"},
        LineCase{"ControlByte", std::string(5, '.') + '\x01', PuzzleLine::Kind::Invalid,
                 "invalid character \\x01 at column 6 (cells are 1 to 9, 0 or .)"},
        LineCase{"Minus", "-1" + std::string(79, '.'), PuzzleLine::Kind::Invalid,
                 "invalid character '-' at column 1 (cells are 1 to 9, 0 or .)"}),
    [](const auto& info) { return info.param.name; });

ParsedCommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

TEST(ParseCommandLineTest, ReadsOptionsAndFiles) {
    const ParsedCommandLine parsed =
        Parse({"--stats", "a.txt", "--json", "--log", "out.log", "-", "--time", "--", "--stats"});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Run);
    EXPECT_TRUE(parsed.options.stats);
    EXPECT_TRUE(parsed.options.json);
    EXPECT_TRUE(parsed.options.time);
    EXPECT_EQ(parsed.options.logFile, "out.log");
    EXPECT_EQ(parsed.options.files, (std::vector<std::string>{"a.txt", "-", "--stats"}));

    EXPECT_EQ(Parse({"--log=x.log"}).options.logFile, "x.log");
    EXPECT_EQ(Parse({}).options.files.size(), 0U);
    EXPECT_EQ(Parse({"--help"}).action, ParsedCommandLine::Action::Help);
    EXPECT_EQ(Parse({"x", "--version"}).action, ParsedCommandLine::Action::Version);
}

TEST(ParseCommandLineTest, RefusesWhatItDoesNotKnow) {
    for (const auto& arguments : std::vector<std::vector<std::string_view>>{
             {"--log"}, {"--log="}, {"--log", ""}, {"--bogus"}, {"-s"}, {"--stats", "--jsn"}}) {
        const ParsedCommandLine parsed = Parse(arguments);
        EXPECT_EQ(parsed.action, ParsedCommandLine::Action::UsageError) << arguments.back();
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_EQ(Parse({"--log"}).error, "option '--log' needs a file name");
    EXPECT_EQ(Parse({"--bogus"}).error, "unknown option '--bogus'");
}

class RunBatchTest : public TestSupport::InTempDirectory {
protected:
    int Run(const std::vector<std::string_view>& arguments, const std::string& input = "") {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        std::istringstream in(input);
        m_out.str("");
        m_err.str("");
        return RunBatch(parsed.options, in, m_out, m_err);
    }

    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(RunBatchTest, PrintsResultsInInputOrderAndTheStatisticsWhenAsked) {
    const std::string fiveTwice = "5....5" + std::string(75, '.');
    EXPECT_EQ(Run({}, kSample + "\r\n\n# comment\n" + fiveTwice + "\n"), 0);
    EXPECT_EQ(m_out.str(), kSolution + " solved\n5....x" + std::string(75, '.') + " unsolved\n");
    EXPECT_EQ(m_err.str(), "");

    EXPECT_EQ(Run({"--stats"}, std::string(81, '.')), 0);
    EXPECT_EQ(m_out.str(),
              std::string(81, '.') + " unsolved\n" + TestSupport::Statistics(0, {}, 0));

    EXPECT_EQ(Run({"--json", "--stats"}, "# the sample\n" + kSample + "\n"), 0);
    EXPECT_EQ(m_out.str(), "{\"line\": 2, \"puzzle\": \"" + kSample + "\", \"result\": \"" +
                               kSolution +
                               "\", \"solved\": true, \"steps\": 80, \"notifications\": 61, "
                               "\"cellUpdates\": 445, \"singleCell\": [0, 43, 6, 1, 4, 4, 1, 0, "
                               "0, 0], \"dualCells\": 107}\n");

    EXPECT_EQ(Run({"--time"}, kSample + "\n" + std::string(81, '.')), 0);
    EXPECT_TRUE(std::regex_match(
        m_err.str(), std::regex("2 puzzles, 1 solved, [0-9]+\\.[0-9]{3} s, [0-9]+ puzzles/s\n")))
        << m_err.str();
}

TEST_F(RunBatchTest, ReportsBadLinesAndFilesAndSolvesTheRest) {
    WriteFile("puzzles.txt", "# two puzzles and a bad line\n123\n" + kSample + "\n");
    EXPECT_EQ(
        Run({"missing.txt", "puzzles.txt", "-"}, "12x" + std::string(78, '.') + "\n" + kSolution),
        1);
    EXPECT_EQ(m_out.str(), kSolution + " solved\n" + kSolution + " solved\n");
    EXPECT_EQ(m_err.str(),
              "novem-batch: missing.txt: cannot open: No such file or directory\n"
              "novem-batch: puzzles.txt:2: expected 81 cells, found 3\n"
              "novem-batch: -:1: invalid character 'x' at column 3 (cells are 1 to 9, 0 or .)\n");
}

TEST_F(RunBatchTest, TheLogIsTheDesktopProgramsRunLog) {
    TestSupport::FakeSolveWindow window;
    window.SetCells(kSample);
    SolveCommand(window).OnSolve();

    EXPECT_EQ(Run({"--log", "batch.log"}, kSample), 0);
    EXPECT_EQ(ReadFile("batch.log"), ReadFile("NovemSolver.txt"));

    EXPECT_EQ(Run({"--log", "two.log"}, kSample + "\n" + kSample + "\n"), 0);
    EXPECT_EQ(ReadFile("two.log"), ReadFile("NovemSolver.txt") + ReadFile("NovemSolver.txt"));
}

TEST_F(RunBatchTest, ALogThatCannotBeWrittenIsAnError) {
    std::filesystem::create_directory("dir");
    EXPECT_EQ(Run({"--log", "dir"}, kSample), 1);
    EXPECT_EQ(m_out.str(), "");
    EXPECT_TRUE(m_err.str().starts_with("novem-batch: dir: cannot open for writing"))
        << m_err.str();

    std::filesystem::create_symlink("/dev/full", "full.log");
    EXPECT_EQ(Run({"--log", "full.log"}, kSample), 1);
    EXPECT_EQ(m_out.str(), kSolution + " solved\n");
    EXPECT_EQ(m_err.str(), "novem-batch: full.log: could not write all of the log\n");
}

}  // namespace
}  // namespace Novem::Batch
