#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "run/SolveCommand.h"
#include "support/FakeSolveWindow.h"
#include "support/Hash.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace Novem {
namespace {

using TestSupport::ReadFile;

constexpr const char* kLog = "NovemSolver.txt";
using Box = TestSupport::FakeSolveWindow::Box;
const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolution(TestSupport::kSampleSolution);
const std::string kEmpty(81, '.');
const std::string kSolved = "This grid has been solved successfuly!\r\n\r\n";
const std::string kNotSolvable = "This grid is not solvable...\r\n\r\n";
const std::string kNothingChanged(TestSupport::kNothingChanged);

class SolveCommandTest : public TestSupport::InTempDirectory {
protected:
    void Run(const std::string& cells) {
        m_window.SetCells(cells);
        m_command.OnSolve();
    }

    const TestSupport::FakeSolveWindow::Box& Result() const { return m_window.m_boxes.back(); }

    TestSupport::FakeSolveWindow m_window;
    SolveCommand m_command{m_window.Operations()};
};

TEST_F(SolveCommandTest, SamplePuzzleShowsTheSolutionLogsEveryUpdateAndReports) {
    m_window.m_ticks = {5000, 5250};
    Run(kSample);
    EXPECT_EQ(m_window.Cells(), kSolution);

    const std::string log = ReadFile(kLog);
    EXPECT_EQ(TestSupport::Fnv1a(log), TestSupport::kSampleLogHash);
    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(Result().style, MB_OK);
    EXPECT_EQ(Result().text, kSolved + std::string(TestSupport::kSampleStatistics) +
                                 "\r\nTotal Time\t\t\t: 0.250 s");
    const SolveReport& report = m_window.m_reports.back();
    EXPECT_TRUE(report.solved);
    EXPECT_EQ(report.milliseconds, 250U);
    EXPECT_EQ(report.counters.singleCellRules[5], 4U);
    std::vector<std::string> calls{"begin wait"};
    calls.insert(calls.end(), 61, "repaint");
    calls.insert(calls.end(), {"box Solver Status", "end wait"});
    EXPECT_EQ(m_window.m_calls, calls);
    EXPECT_FALSE(m_command.IsSolving());
}

TEST_F(SolveCommandTest, WritesOnlyDecidedCells) {
    // Block 0 first leaves the sixth cell alone, then takes its 5 through the top row: from then
    // on it has no candidate and keeps its text.
    Run("5....5" + std::string(75, '.'));
    EXPECT_EQ(m_window.m_writes,
              (std::vector<std::pair<int, std::string>>{{0, "5"}, {5, "5"}, {0, "5"}}));
    EXPECT_EQ(std::ranges::count(m_window.m_calls, "repaint"), 2);
    EXPECT_EQ(Result().style, MB_OK | MB_ICONINFORMATION);
    EXPECT_NE(ReadFile(kLog).find("\t{}\t"), std::string::npos);
}

// A grid that gives nothing new, the second run of a solved one included, truncates the log and
// reports no change, with the information icon only when it is not solved.
TEST_F(SolveCommandTest, NothingToDoTruncatesTheLogAndReportsNoChange) {
    WriteFile(kLog, "an earlier run\r\n");
    Run(kSample);
    for (const auto& [cells, prefix, style] : {std::tuple{std::string(), kSolved, MB_OK},
                                               {kEmpty, kNotSolvable, MB_ICONINFORMATION},
                                               {kSolution, kSolved, MB_OK}}) {
        m_window.m_writes.clear();
        cells.empty() ? m_command.OnSolve() : Run(cells);

        EXPECT_EQ(ReadFile(kLog), "");
        EXPECT_TRUE(m_window.m_writes.empty());
        EXPECT_EQ(Result().text, prefix + kNothingChanged + "\r\nTotal Time\t\t\t: 0.000 s");
        EXPECT_EQ(Result().style, style);
    }
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

// A log that can't be opened (a folder of its name, a vanished current folder) is told first and
// left alone; one that can't be written (a full disk, where a long log fails while it is written
// and a short one only when it is closed) is told before the result. Either way the run goes on
// without a log, and the next one starts afresh.
TEST_F(SolveCommandTest, ALogThatCannotBeOpenedOrWrittenIsToldAbout) {
    const Box cannotOpen{"Could not open NovemSolver.txt for writing...", "Warning", 0x30};
    const Box cannotWrite{"Could not write all of NovemSolver.txt: the run log is incomplete...",
                          "Warning", 0x30};
    std::filesystem::create_directories("gone/gone");
    std::filesystem::create_directory("full");
    std::filesystem::create_symlink("/dev/full", "full/NovemSolver.txt");
    std::filesystem::create_directory(kLog);
    WriteFile(std::filesystem::path(kLog) / "kept", "old");
    const std::filesystem::path gone = m_directory / "gone/gone";
    for (const auto& [folder, cells, warning] :
         {std::tuple{m_directory, kSample, cannotOpen},
          {gone, kSample, cannotOpen},
          {m_directory / "full", kSample, cannotWrite},
          {m_directory / "full", "5....5" + std::string(75, '.'), cannotWrite},
          {m_directory / "gone", kSample, Box{}}}) {
        std::filesystem::current_path(folder);
        if (folder == gone) {
            std::filesystem::remove_all(m_directory / "gone");
            std::filesystem::create_directory(m_directory / "gone");
        }

        m_window.m_boxes.clear();
        Run(cells);
        ASSERT_EQ(m_window.m_boxes.size(), warning.text.empty() ? 1U : 2U) << folder;
        EXPECT_TRUE(warning.text.empty() || m_window.m_boxes[0] == warning);
        EXPECT_EQ(m_window.m_boxes.back().caption, "Solver Status");
    }
    EXPECT_EQ(m_window.m_calls.front(), "box Warning");
    EXPECT_EQ(ReadFile(m_directory / kLog / "kept"), "old");
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
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 12);

    m_window.m_onRepaint = nullptr;
    m_command.OnSolve();
    EXPECT_TRUE(ReadFile(kLog).starts_with(log));
    EXPECT_EQ(TestSupport::Fnv1a(ReadFile(kLog)), TestSupport::kSampleLogHash);
    EXPECT_EQ(Result().caption, "Solver Status");
    EXPECT_EQ(std::ranges::count(m_window.m_calls, "begin wait"),
              std::ranges::count(m_window.m_calls, "end wait"));
}

// For a grid the rules leave unsolved, the report tells what a search finds; a solved one needs
// none. The result text stays as it is.
TEST_F(SolveCommandTest, TheReportTellsWhatTheSearchFindsWhereTheRulesStop) {
    const std::string seventeen(TestSupport::kSeventeen);
    for (const auto& [cells, solutions, open] : {std::tuple{kSample, -1, 0},
                                                 {seventeen, 1, 32},
                                                 {kEmpty, 2, 81},
                                                 {"5....5" + std::string(75, '.'), 0, 79}}) {
        Run(cells);
        EXPECT_EQ(m_window.m_reports.back().solutions, solutions) << cells;
        EXPECT_EQ(m_window.m_reports.back().openCells, open) << cells;
        EXPECT_EQ(Result().text, ResultText(m_window.m_reports.back()));
    }
}

// Show Solution fills the empty cells of a proper puzzle and says why not for any other grid,
// leaving its cells as they are.
TEST_F(SolveCommandTest, ShowSolutionFillsAProperPuzzleOnly) {
    const std::string seventeen(TestSupport::kSeventeen);
    for (const auto& [cells, shown, box] :
         {std::tuple{seventeen, std::string(TestSupport::kSeventeenSolution), std::string()},
          {kEmpty, kEmpty, std::string(SolveTexts::kTooManyToShow)},
          {"5....5" + std::string(75, '.'), "5....5" + std::string(75, '.'),
           std::string(SolveTexts::kNothingToShow)}}) {
        m_window.m_boxes.clear();
        m_window.SetCells(cells);
        m_command.OnShowSolution();
        EXPECT_EQ(m_window.Cells(), shown);
        EXPECT_EQ(m_window.m_boxes.empty() ? "" : m_window.m_boxes[0].text, box);
    }
    EXPECT_EQ(ReadFile(kLog), "");
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
