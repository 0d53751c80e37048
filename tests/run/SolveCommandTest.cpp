#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeSolveWindow.h"
#include "TempDirectory.h"
#include "run/SolveCommand.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"
#include "support/RecordingListener.h"

namespace Novem {
namespace {

using TestSupport::FakeSolveWindow;

constexpr const char* kLog = "NovemSolver.txt";
const std::string kAll = "{1,2,3,4,5,6,7,8,9}";
const std::string kSeparators = "\r\r\n\r\r\n";

const std::string kNothingChanged =
    "Effective Cells updates\t\t: 0\n"
    "Effective \"Dual Cells\" rules\t\t: 0\n";

std::string Join(const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells) {
        line += (line.empty() ? "" : "\t") + cell;
    }
    return line;
}

std::vector<std::string> Times(int count, const std::string& cell) {
    return std::vector<std::string>(count, cell);
}

std::vector<std::string> operator+(std::vector<std::string> left,
                                   const std::vector<std::string>& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// The stored lines of a log, each with its own line end.
std::vector<std::string> StoredLines(const std::string& log) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(log.substr(start, end + 1 - start));
    }
    EXPECT_EQ(start, log.size()) << "text after the last line end";
    return lines;
}

class SolveCommandTest : public TestSupport::InTempDirectory {
protected:
    void Run(std::string_view cells) {
        m_window.SetCells(cells);
        m_command.OnSolve();
    }

    const FakeSolveWindow::Box& Result() const { return m_window.m_boxes.back(); }

    FakeSolveWindow m_window;
    SolveCommand m_command{m_window};
};

// Each event's dump with its LFs stored as CR LF, then the two separator lines.
std::string ExpectedLog(std::string_view puzzle) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, puzzle);
    SolverImplV1<Grid_9x9> solver;
    TestSupport::RecordingListener listener;
    solver.AddListener(&listener);
    solver.Solve(grid);
    std::string log;
    for (const auto& record : listener.Records()) {
        for (const char character : record.dump) {
            log += character == '\n' ? "\r\n" : std::string(1, character);
        }
        log += kSeparators;
    }
    return log;
}

TEST_F(SolveCommandTest, SamplePuzzleLogsSixtyOneBlocks) {
    Run(TestSupport::kSamplePuzzle);
    const std::string log = ReadFile(kLog);
    EXPECT_EQ(log, ExpectedLog(TestSupport::kSamplePuzzle));
    EXPECT_TRUE(log.ends_with(kSeparators));
    const std::vector<std::string> lines = StoredLines(log);
    ASSERT_EQ(lines.size(), 61U * 12U);
    for (std::size_t block = 0; block < 61; ++block) {
        const auto* blockLines = &lines[12 * block];
        EXPECT_TRUE(blockLines[0].starts_with("************ SolverImplV1::")) << block;
        for (int line = 0; line < 10; ++line) {
            ASSERT_TRUE(blockLines[line].ends_with("\r\n")) << block << ":" << line;
            EXPECT_FALSE(blockLines[line].ends_with("\r\r\n")) << block << ":" << line;
        }
        EXPECT_EQ(blockLines[10], "\r\r\n");
        EXPECT_EQ(blockLines[11], "\r\r\n");
    }

    EXPECT_EQ(lines[0], "************ SolverImplV1::InternalRule[1] ************\r\n");
    EXPECT_EQ(lines[1], Join(std::vector<std::string>{"{8}", "{9}", "{5}"} + Times(5, kAll) +
                             std::vector<std::string>{"{4}"}) +
                            "\r\n");
    EXPECT_EQ(lines[2], Join(Times(3, "{2,3,4,6,7}") + Times(2, kAll) +
                             std::vector<std::string>{"{7}"} + Times(3, kAll)) +
                            "\r\n");
    EXPECT_EQ(lines[12], "************ SolverImplV1::ExternalRule[1] ************\r\n");
    EXPECT_EQ(lines[13], Join(std::vector<std::string>{"{8}", "{9}", "{5}"} +
                              Times(5, "{1,2,3,4,6,7}") + std::vector<std::string>{"{4}"}) +
                             "\r\n");

    const auto* last = &lines[60 * 12];
    EXPECT_EQ(last[0], "************ SolverImplV1::ExternalRule[53] ************\r\n");
    for (int row = 0; row < 9; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < 9; ++column) {
            cells.push_back("{" + std::string(1, TestSupport::kSampleSolution[9 * row + column]) +
                            "}");
        }
        EXPECT_EQ(last[1 + row], Join(cells) + "\r\n");
    }
}

TEST_F(SolveCommandTest, SamplePuzzleShowsTheSolutionAndTheStatistics) {
    m_window.m_ticks = {5000, 5250};
    Run(TestSupport::kSamplePuzzle);
    EXPECT_EQ(m_window.Cells(), TestSupport::kSampleSolution);
    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(Result().style, MB_OK);
    EXPECT_EQ(Result().text,
              "This grid has been solved successfuly!\r\n\r\n"
              "Effective Cells updates\t\t: 445\n"
              "Effective \"Single Cell[card=1]\" rules\t: 43\n"
              "Effective \"Single Cell[card=2]\" rules\t: 6\n"
              "Effective \"Single Cell[card=3]\" rules\t: 1\n"
              "Effective \"Single Cell[card=4]\" rules\t: 4\n"
              "Effective \"Single Cell[card=5]\" rules\t: 4\n"
              "Effective \"Single Cell[card=6]\" rules\t: 1\n"
              "Effective \"Dual Cells\" rules\t\t: 107\n"
              "\r\nTotal Time\t\t\t: 0.250 s");

    std::vector<std::string> expected{"begin wait"};
    expected.insert(expected.end(), 61, "repaint");
    expected.insert(expected.end(), {"box Solver Status", "end wait"});
    EXPECT_EQ(m_window.m_calls, expected);
    EXPECT_FALSE(m_command.IsSolving());
}

TEST_F(SolveCommandTest, WritesOnlyDecidedCellsWhileSolving) {
    std::vector<bool> solvingAtWrite;
    m_window.m_onSetCell = [&] { solvingAtWrite.push_back(m_command.IsSolving()); };
    // Block 0 first leaves the sixth cell alone, then takes its 5 through the top row: from then
    // on it has no candidate and is no longer written.
    Run("5....5" + std::string(75, '.'));
    const std::vector<std::pair<int, std::string>> expected{{0, "5"}, {5, "5"}, {0, "5"}};
    EXPECT_EQ(m_window.m_writes, expected);
    EXPECT_EQ(solvingAtWrite, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(std::count(m_window.m_calls.begin(), m_window.m_calls.end(), "repaint"), 2);
    EXPECT_EQ(m_window.Cells(), "5....5" + std::string(75, '.'));
    EXPECT_EQ(Result().style, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(StoredLines(ReadFile(kLog)).size(), 2U * 12U);
    EXPECT_NE(ReadFile(kLog).find("\t{}\t"), std::string::npos);
}

struct QuietGrid {
    const char* name;
    std::string cells;
    std::string prefix;
    unsigned style;
};

class QuietRun : public SolveCommandTest, public testing::WithParamInterface<QuietGrid> {};

TEST_P(QuietRun, TruncatesTheLogAndReportsNoChange) {
    WriteFile(kLog, "an earlier run\r\n");
    Run(GetParam().cells);
    EXPECT_TRUE(std::filesystem::exists(kLog));
    EXPECT_EQ(ReadFile(kLog), "");
    EXPECT_TRUE(m_window.m_writes.empty());
    ASSERT_EQ(m_window.m_boxes.size(), 1U);
    EXPECT_EQ(Result().text, GetParam().prefix + kNothingChanged + "\r\nTotal Time\t\t\t: 0.000 s");
    EXPECT_EQ(Result().style, GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, QuietRun,
    testing::Values(QuietGrid{"Empty", std::string(81, '.'), "This grid is not solvable...\r\n\r\n",
                              MB_OK | MB_ICONINFORMATION},
                    QuietGrid{"Complete", std::string(TestSupport::kSampleSolution),
                              "This grid has been solved successfuly!\r\n\r\n", MB_OK}),
    [](const auto& info) { return info.param.name; });

TEST_F(SolveCommandTest, SecondRunTakesTheDigitsAsGivensAndEmptiesTheLog) {
    Run(TestSupport::kSamplePuzzle);
    ASSERT_FALSE(ReadFile(kLog).empty());
    m_command.OnSolve();
    EXPECT_EQ(ReadFile(kLog), "");
    EXPECT_TRUE(Result().text.starts_with("This grid has been solved successfuly!\r\n\r\n" +
                                          kNothingChanged));
}

struct Elapsed {
    std::uint32_t t0;
    std::uint32_t t1;
    const char* seconds;
};

class ElapsedTime : public SolveCommandTest, public testing::WithParamInterface<Elapsed> {};

TEST_P(ElapsedTime, IsPrintedInSecondsWithThreeDecimals) {
    m_window.m_ticks = {GetParam().t0, GetParam().t1};
    Run(std::string(81, '.'));
    EXPECT_TRUE(Result().text.ends_with(std::string(": ") + GetParam().seconds + " s"))
        << Result().text;
}

INSTANTIATE_TEST_SUITE_P(Ticks, ElapsedTime,
                         testing::Values(Elapsed{77, 77, "0.000"}, Elapsed{1000, 2500, "1.500"},
                                         Elapsed{0xFFFFFF00U, 0x4DCU, "1.500"},
                                         Elapsed{0, 0xFFFFFFFFU, "4294967.295"}));

TEST_F(SolveCommandTest, AnUnopenableLogIsWarnedAboutAndTheRunGoesOn) {
    std::filesystem::create_directory(kLog);
    WriteFile(std::filesystem::path(kLog) / "kept", "old");
    Run(TestSupport::kSamplePuzzle);

    ASSERT_EQ(m_window.m_boxes.size(), 2U);
    EXPECT_EQ(m_window.m_boxes[0].caption, "Warning");
    EXPECT_EQ(m_window.m_boxes[0].text, "Could not open NovemSolver.txt for writing...");
    EXPECT_EQ(m_window.m_boxes[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(m_window.m_calls.front(), "box Warning");
    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(Result().style, MB_OK);
    EXPECT_EQ(m_window.Cells(), TestSupport::kSampleSolution);
    EXPECT_EQ(ReadFile(std::filesystem::path(kLog) / "kept"), "old");
}

TEST_F(SolveCommandTest, AVanishedCurrentDirectoryIsAnUnopenableLog) {
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(m_directory / "gone");
    Run(TestSupport::kSamplePuzzle);
    ASSERT_EQ(m_window.m_boxes.size(), 2U);
    EXPECT_EQ(m_window.m_boxes[0].caption, "Warning");
    EXPECT_EQ(Result().caption, "Solver Status");
}

TEST_F(SolveCommandTest, AnUnwritableDirectoryLeavesTheOldLogAlone) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    WriteFile(kLog, "old");
    std::filesystem::permissions(kLog, std::filesystem::perms::owner_read);
    std::filesystem::permissions(
        m_directory, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Run(TestSupport::kSamplePuzzle);
    EXPECT_EQ(m_window.m_boxes.front().caption, "Warning");
    EXPECT_EQ(ReadFile(kLog), "old");
}

TEST_F(SolveCommandTest, AFullDiskIsReportedBeforeTheResult) {
    std::filesystem::create_symlink("/dev/full", kLog);
    Run(TestSupport::kSamplePuzzle);
    ASSERT_EQ(m_window.m_boxes.size(), 2U);
    EXPECT_EQ(m_window.m_boxes[0].caption, "Warning");
    EXPECT_EQ(m_window.m_boxes[0].text,
              "Could not write all of NovemSolver.txt: the run log is incomplete...");
    EXPECT_EQ(m_window.m_boxes[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(Result().text.starts_with("This grid has been solved successfuly!"));
    EXPECT_EQ(m_window.Cells(), TestSupport::kSampleSolution);
}

TEST_F(SolveCommandTest, AnErrorDuringTheRunRestoresTheStateAndTheNextRunWorks) {
    m_window.m_onRepaint = [] { throw std::runtime_error("repaint failed"); };
    m_window.SetCells(TestSupport::kSamplePuzzle);
    EXPECT_THROW(m_command.OnSolve(), std::runtime_error);
    EXPECT_FALSE(m_command.IsSolving());
    EXPECT_TRUE(m_window.m_boxes.empty());
    EXPECT_EQ(m_window.m_calls.back(), "end wait");
    // The log was closed on the way out: its one block is all on disk.
    EXPECT_EQ(StoredLines(ReadFile(kLog)).size(), 12U);

    m_window.m_onRepaint = nullptr;
    m_window.m_calls.clear();
    m_command.OnSolve();
    EXPECT_EQ(StoredLines(ReadFile(kLog)).size(), 61U * 12U);
    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(m_window.m_calls.front(), "begin wait");
    EXPECT_EQ(m_window.m_calls.back(), "end wait");
}

TEST_F(SolveCommandTest, ACellOutsideOneToNineStopsBeforeTheLogIsTouched) {
    WriteFile(kLog, "old");
    m_window.SetCells("0" + std::string(80, '.'));
    EXPECT_THROW(m_command.OnSolve(), std::out_of_range);
    EXPECT_EQ(ReadFile(kLog), "old");
    EXPECT_TRUE(m_window.m_calls.empty());
}

}  // namespace
}  // namespace Novem
