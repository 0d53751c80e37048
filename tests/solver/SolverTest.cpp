#include <gtest/gtest.h>

#include <string>

#include "model/Grid_9x9.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"
#include "support/RecordingListener.h"

namespace Novem {
namespace {

using TestSupport::RecordingListener;

constexpr const char* kInternal = "SolverImplV1::InternalRule";
constexpr const char* kExternal = "SolverImplV1::ExternalRule";

// The lines of one grid dump, header first.
std::vector<std::string> Lines(const std::string& dump) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = dump.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(dump.substr(start, end - start));
    }
    return lines;
}

std::string Repeat(const std::string& cell, int times) {
    std::string text;
    for (int k = 0; k < times; ++k) {
        text += cell + "\t";
    }
    return text;
}

class SampleRun : public testing::Test {
protected:
    void SetUp() override {
        TestSupport::LoadPuzzle(m_grid, TestSupport::kSamplePuzzle);
        m_solver.AddListener(&m_listener);
        m_solved = m_solver.Solve(m_grid);
    }

    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_solver;
    RecordingListener m_listener;
    bool m_solved = false;
};

TEST_F(SampleRun, SolvesInThreePassesWithSixtyOneNotifications) {
    EXPECT_TRUE(m_solved);
    EXPECT_EQ(TestSupport::Values(m_grid), TestSupport::kSampleSolution);
    EXPECT_EQ(m_solver.GetSteps(), 27 + 27 + 26);

    const auto& records = m_listener.Records();
    ASSERT_EQ(records.size(), 61U);
    EXPECT_EQ(records.back().step, 53);
    for (std::size_t k = 1; k < records.size(); ++k) {
        ASSERT_LE(records[k - 1].step, records[k].step) << k;
        if (records[k - 1].step == records[k].step) {
            EXPECT_EQ(records[k - 1].ruleName, kInternal);
            EXPECT_EQ(records[k].ruleName, kExternal);
        }
    }
}

TEST_F(SampleRun, StatisticsText) {
    EXPECT_EQ(m_solver.GetStatistics(),
              "Effective Cells updates\t\t: 445\n"
              "Effective \"Single Cell[card=1]\" rules\t: 43\n"
              "Effective \"Single Cell[card=2]\" rules\t: 6\n"
              "Effective \"Single Cell[card=3]\" rules\t: 1\n"
              "Effective \"Single Cell[card=4]\" rules\t: 4\n"
              "Effective \"Single Cell[card=5]\" rules\t: 4\n"
              "Effective \"Single Cell[card=6]\" rules\t: 1\n"
              "Effective \"Dual Cells\" rules\t\t: 107\n");
    EXPECT_EQ(m_solver.GetStatistics(), m_solver.GetStatistics());
}

TEST_F(SampleRun, FirstExaminationSpreadsBlockZeroByBothRules) {
    const auto& records = m_listener.Records();
    ASSERT_GE(records.size(), 2U);
    EXPECT_EQ(records[0].ruleName, kInternal);
    EXPECT_EQ(records[0].step, 1);
    EXPECT_EQ(records[1].ruleName, kExternal);
    EXPECT_EQ(records[1].step, 1);

    const std::string all = "{1,2,3,4,5,6,7,8,9}";
    const auto internal = Lines(records[0].dump);
    ASSERT_EQ(internal.size(), 10U);
    EXPECT_EQ(internal[0], "************ SolverImplV1::InternalRule[1] ************");
    EXPECT_EQ(internal[1], "{8}\t{9}\t{5}\t" + Repeat(all, 5) + "{4}");
    EXPECT_EQ(internal[2],
              Repeat("{2,3,4,6,7}", 3) + Repeat(all, 2) + "{7}\t" + Repeat(all, 2) + all);

    const auto external = Lines(records[1].dump);
    EXPECT_EQ(external[1], "{8}\t{9}\t{5}\t" + Repeat("{1,2,3,4,6,7}", 5) + "{4}");
}

TEST_F(SampleRun, SecondSolveStartsAgainFromZero) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, TestSupport::kSamplePuzzle);
    SolverImplV1<Grid_9x9> quiet;
    EXPECT_TRUE(quiet.Solve(grid));
    EXPECT_EQ(TestSupport::Values(grid), TestSupport::kSampleSolution);

    EXPECT_TRUE(m_solver.Solve(grid));
    EXPECT_EQ(m_solver.GetSteps(), 27);
    EXPECT_EQ(m_listener.Records().size(), 61U);
    EXPECT_EQ(m_solver.GetStatistics(),
              "Effective Cells updates\t\t: 0\nEffective \"Dual Cells\" rules\t\t: 0\n");
}

struct Outcome {
    const char* name;
    std::string puzzle;
    bool solved;
    int steps;
    std::size_t notifications;
    std::string statistics;
};

class SolveOutcome : public testing::TestWithParam<Outcome> {};

TEST_P(SolveOutcome, MatchesResultStepsNotificationsAndStatistics) {
    const Outcome& outcome = GetParam();
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, outcome.puzzle);
    SolverImplV1<Grid_9x9> solver;
    RecordingListener listener;
    solver.AddListener(&listener);
    solver.AddListener(&listener);

    EXPECT_EQ(solver.Solve(grid), outcome.solved);
    EXPECT_EQ(solver.GetSteps(), outcome.steps);
    EXPECT_EQ(listener.Records().size(), outcome.notifications);
    EXPECT_EQ(solver.GetStatistics(), outcome.statistics);
}

const std::string kNothing =
    "Effective Cells updates\t\t: 0\nEffective \"Dual Cells\" rules\t\t: 0\n";

INSTANTIATE_TEST_SUITE_P(
    Grids, SolveOutcome,
    testing::Values(Outcome{"Empty", TestSupport::kEmptyPuzzle, false, 27, 0, kNothing},
                    Outcome{"Complete", std::string(TestSupport::kSampleSolution), true, 27, 0,
                            kNothing},
                    // Block 0 removes the 5 from the sixth cell through the top row: it ends empty.
                    Outcome{"FiveTwiceInTopRow", "5....5" + std::string(75, '.'), false, 50, 2,
                            "Effective Cells updates\t\t: 20\n"
                            "Effective \"Single Cell[card=1]\" rules\t: 1\n"
                            "Effective \"Dual Cells\" rules\t\t: 2\n"}),
    [](const auto& info) { return info.param.name; });

TEST(SolveOutcome, FiveTwiceLeavesTheSixthCellEmpty) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, "5....5" + std::string(75, '.'));
    SolverImplV1<Grid_9x9> solver;
    EXPECT_FALSE(solver.Solve(grid));
    EXPECT_EQ(grid.GetCell(0, 5)->ToString(), "{}");
}

// Contradictions are states, never errors: none of these may crash or trip a sanitizer.
class Contradiction : public testing::TestWithParam<std::string> {};

TEST_P(Contradiction, IsNotSolvable) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, GetParam());
    SolverImplV1<Grid_9x9> solver;
    RecordingListener listener;
    solver.AddListener(&listener);
    EXPECT_FALSE(solver.Solve(grid));
    EXPECT_FALSE(listener.Records().empty());
    EXPECT_NE(TestSupport::Values(grid).find('x'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, Contradiction,
    testing::Values(std::string(81, '1'), std::string(81, '9'),
                    "123456789123456789" + std::string(63, '.'),
                    "895.....48" + std::string(TestSupport::kSamplePuzzle.substr(10)),
                    "11" + std::string(TestSupport::kSampleSolution.substr(2))),
    [](const auto& info) { return "Grid" + std::to_string(info.index); });

}  // namespace
}  // namespace Novem
