#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "run/SolveCommand.h"
#include "solver/SolverImplV1.h"
#include "support/FakeSolveWindow.h"
#include "support/Puzzles.h"
#include "support/RecordingListener.h"
#include "support/TempDirectory.h"

namespace Novem {
namespace {

constexpr const char* kLog = "NovemSolver.txt";
const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolution(TestSupport::kSampleSolution);
const std::string kEmpty(81, '.');
const std::string kSolved = "This grid has been solved successfuly!\r\n\r\n";
const std::string kNotSolvable = "This grid is not solvable...\r\n\r\n";
const std::string kNothingChanged = TestSupport::Statistics(0, {}, 0);

// What the log must hold: each event's dump with its LFs stored as CR LF, then two separator
// lines stored as CR CR LF.
std::string ExpectedLog(const std::string& puzzle) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, puzzle);
    SolverImplV1<Grid_9x9> solver;
    TestSupport::RecordingListener listener;
    solver.AddListener(&listener);
    solver.Solve(grid);
    std::string log;
    for (const auto& record : listener.Records()) {
        for (const char character : record.dump) {
            log += character == '\n' ? std::string("\r\n") : std::string(1, character);
        }
        log += "\r\r\n\r\r\n";
    }
    return log;
}

class SolveCommandTest : public TestSupport::InTempDirectory {
protected:
    void Run(const std::string& cells) {
        m_window.SetCells(cells);
        m_command.OnSolve();
    }

    const TestSupport::FakeSolveWindow::Box& Result() const { return m_window.m_boxes.back(); }
    long Count(const std::string& call) const {
        return std::count(m_window.m_calls.begin(), m_window.m_calls.end(), call);
    }

    TestSupport::FakeSolveWindow m_window;
    SolveCommand m_command{m_window};
};

TEST_F(SolveCommandTest, SamplePuzzleShowsTheSolutionLogsEveryUpdateAndReports) {
    m_window.m_ticks = {5000, 5250};
    Run(kSample);
    EXPECT_EQ(m_window.Cells(), kSolution);

    const std::string log = ReadFile(kLog);
    EXPECT_EQ(log, ExpectedLog(kSample));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 61 * 12);
    EXPECT_TRUE(
        log.starts_with("************ SolverImplV1::InternalRule[1] ************\r\n{8}\t"));
    EXPECT_NE(log.find("************ SolverImplV1::ExternalRule[53] ************\r\n{8}\t{9}"
                       "\t{5}\t{2}\t{3}\t{1}\t{7}\t{6}\t{4}\r\n"),
              std::string::npos);

    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(Result().style, MB_OK);
    EXPECT_EQ(Result().text, kSolved +
                                 TestSupport::Statistics(
                                     445, {{1, 43}, {2, 6}, {3, 1}, {4, 4}, {5, 4}, {6, 1}}, 107) +
                                 "\r\nTotal Time\t\t\t: 0.250 s");
    std::vector<std::string> calls{"begin wait"};
    calls.insert(calls.end(), 61, "repaint");
    calls.insert(calls.end(), {"box Solver Status", "end wait"});
    EXPECT_EQ(m_window.m_calls, calls);
    EXPECT_FALSE(m_command.IsSolving());
}

TEST_F(SolveCommandTest, WritesOnlyDecidedCellsAndOnlyWhileSolving) {
    std::vector<bool> solvingAtWrite;
    m_window.m_onSetCell = [&] { solvingAtWrite.push_back(m_command.IsSolving()); };
    // Block 0 first leaves the sixth cell alone, then takes its 5 through the top row: from then
    // on it has no candidate and keeps its text.
    Run("5....5" + std::string(75, '.'));
    EXPECT_EQ(m_window.m_writes,
              (std::vector<std::pair<int, std::string>>{{0, "5"}, {5, "5"}, {0, "5"}}));
    EXPECT_EQ(solvingAtWrite, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Count("repaint"), 2);
    EXPECT_EQ(Result().style, MB_OK | MB_ICONINFORMATION);
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

INSTANTIATE_TEST_SUITE_P(Grids, QuietRun,
                         testing::Values(QuietGrid{"Empty", kEmpty, kNotSolvable,
                                                   MB_OK | MB_ICONINFORMATION},
                                         QuietGrid{"Complete", kSolution, kSolved, MB_OK}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SolveCommandTest, SecondRunTakesTheDigitsAsGivensAndEmptiesTheLog) {
    Run(kSample);
    m_command.OnSolve();
    EXPECT_EQ(ReadFile(kLog), "");
    EXPECT_TRUE(Result().text.starts_with(kSolved + kNothingChanged));
}

// The tick count wraps at 2^32; the difference of two readings still gives the time.
TEST_F(SolveCommandTest, TheTimeIsPrintedInSecondsWithThreeDecimals) {
    for (const auto& [t0, t1, seconds] : {std::tuple{77U, 77U, "0.000"},
                                          {1000U, 2500U, "1.500"},
                                          {0xFFFFFF00U, 0x4DCU, "1.500"},
                                          {0U, 0xFFFFFFFFU, "4294967.295"}}) {
        m_window.m_ticks = {t0, t1};
        Run(kEmpty);
        EXPECT_TRUE(Result().text.ends_with(std::string(": ") + seconds + " s")) << Result().text;
    }
}

// The warning comes first; once dismissed, the run goes on without a log.
void ExpectWarningThenResult(const TestSupport::FakeSolveWindow& window, const std::string& text) {
    ASSERT_EQ(window.m_boxes.size(), 2U);
    EXPECT_EQ(window.m_boxes[0].caption, "Warning");
    EXPECT_EQ(window.m_boxes[0].text, text);
    EXPECT_EQ(window.m_boxes[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(window.m_boxes[1].caption, "Solver Status");
    EXPECT_TRUE(window.m_boxes[1].text.starts_with(kSolved));
    EXPECT_EQ(window.Cells(), kSolution);
}

const std::string kCannotOpen = "Could not open NovemSolver.txt for writing...";

TEST_F(SolveCommandTest, ALogThatCannotBeOpenedIsWarnedAboutAndLeftAlone) {
    std::filesystem::create_directory(kLog);
    WriteFile(std::filesystem::path(kLog) / "kept", "old");
    Run(kSample);
    ExpectWarningThenResult(m_window, kCannotOpen);
    EXPECT_EQ(m_window.m_calls.front(), "box Warning");
    EXPECT_EQ(ReadFile(std::filesystem::path(kLog) / "kept"), "old");
}

TEST_F(SolveCommandTest, AVanishedCurrentDirectoryIsALogThatCannotBeOpened) {
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(m_directory / "gone");
    Run(kSample);
    ExpectWarningThenResult(m_window, kCannotOpen);
}

// A long log fails while it is written, a short one only when it is closed; either way the
// failure is told before the result, and only for that run.
TEST_F(SolveCommandTest, AFullDiskIsReportedBeforeTheResultOfThatRunOnly) {
    std::filesystem::create_symlink("/dev/full", kLog);
    for (const std::string& cells : {kSample, "5....5" + std::string(75, '.')}) {
        Run(cells);
        ASSERT_EQ(m_window.m_boxes.size(), 2U) << cells;
        EXPECT_EQ(m_window.m_boxes[0].text,
                  "Could not write all of NovemSolver.txt: the run log is incomplete...");
        EXPECT_EQ(m_window.m_boxes[0].style, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(m_window.m_boxes[1].caption, "Solver Status");
        m_window.m_boxes.clear();
    }
    std::filesystem::remove(kLog);
    Run(kSample);
    EXPECT_EQ(m_window.m_boxes.size(), 1U);
}

TEST_F(SolveCommandTest, AnErrorDuringTheRunRestoresTheStateAndTheNextRunWorks) {
    m_window.m_onRepaint = [] { throw std::runtime_error("repaint failed"); };
    m_window.SetCells(kSample);
    EXPECT_THROW(m_command.OnSolve(), std::runtime_error);
    EXPECT_FALSE(m_command.IsSolving());
    EXPECT_TRUE(m_window.m_boxes.empty());
    EXPECT_EQ(m_window.m_calls.back(), "end wait");
    // The log was closed on the way out: its one block is all on disk.
    const std::string log = ReadFile(kLog);
    EXPECT_EQ(log, ExpectedLog(kSample).substr(0, log.size()));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 12);

    m_window.m_onRepaint = nullptr;
    m_command.OnSolve();
    EXPECT_EQ(ReadFile(kLog), ExpectedLog(kSample));
    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(Count("begin wait"), Count("end wait"));
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
