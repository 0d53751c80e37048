#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <numeric>
#include <functional>
#include <string>
#include <vector>

#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"
#include "support/RecordingListener.h"
#include "support/ReferenceSolver.h"

namespace Novem {
namespace {

using TestSupport::DumpCell;
using TestSupport::Statistics;

const std::string kAll = "{1,2,3,4,5,6,7,8,9}";

std::vector<std::string> Cells(std::initializer_list<std::pair<int, std::string>> runs) {
    std::vector<std::string> cells;
    for (const auto& [count, cell] : runs) {
        cells.insert(cells.end(), count, cell);
    }
    return cells;
}

TEST(SolverImplV1, SolvesTheSamplePuzzleWithItsFigures) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, TestSupport::kSamplePuzzle);
    SolverImplV1<Grid_9x9> solver;
    TestSupport::RecordingListener listener(&solver);
    solver.AddListener(&listener);

    ASSERT_TRUE(solver.Solve(grid));
    EXPECT_EQ(PuzzleText::Format(grid), TestSupport::kSampleSolution);
    EXPECT_EQ(solver.GetSteps(), 27 + 27 + 26);
    EXPECT_EQ(solver.GetStatistics(),
              Statistics(445, {{1, 43}, {2, 6}, {3, 1}, {4, 4}, {5, 4}, {6, 1}}, 107));

    const auto& records = listener.Records();
    ASSERT_EQ(records.size(), 61U);
    EXPECT_EQ(records.back().step, 53);

    // Block 0 first: four givens spread inside it, then eight (line, digit) pairs beyond it.
    EXPECT_EQ(TestSupport::DumpLine(records[0].dump, 0),
              "************ SolverImplV1::InternalRule[1] ************");
    EXPECT_EQ(records[0].statistics, Statistics(20, {{1, 4}}, 0));
    EXPECT_EQ(TestSupport::DumpLine(records[0].dump, 1),
              TestSupport::Row(Cells({{1, "{8}"}, {1, "{9}"}, {1, "{5}"}, {5, kAll}, {1, "{4}"}})));
    EXPECT_EQ(TestSupport::DumpLine(records[0].dump, 2),
              TestSupport::Row(Cells({{3, "{2,3,4,6,7}"}, {2, kAll}, {1, "{7}"}, {3, kAll}})));
    EXPECT_EQ(records[1].ruleName, "SolverImplV1::ExternalRule");
    EXPECT_EQ(records[1].step, 1);
    EXPECT_EQ(records[1].statistics, Statistics(53, {{1, 4}}, 8));
    EXPECT_EQ(TestSupport::DumpLine(records[1].dump, 1),
              TestSupport::Row(
                  Cells({{1, "{8}"}, {1, "{9}"}, {1, "{5}"}, {5, "{1,2,3,4,6,7}"}, {1, "{4}"}})));
    EXPECT_EQ(DumpCell(records[1].dump, 2, 8), "{2,3,4,5,6,7,8,9}");
    EXPECT_EQ(DumpCell(records[1].dump, 4, 1), "{1,2,3,4,5,6,7,8}");

    // A second Solve starts again from zero: the decided grid gives nothing more.
    EXPECT_TRUE(solver.Solve(grid));
    EXPECT_EQ(solver.GetSteps(), 27);
    EXPECT_EQ(solver.GetStatistics(), Statistics(0, {}, 0));
    EXPECT_EQ(listener.Records().size(), 61U);
}

struct Outcome {
    const char* name;
    std::string puzzle;
    bool solved;
    int steps;  // 0 for a contradiction: then only the result and an emptied cell are checked
    std::size_t notifications;
    std::string statistics;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << outcome.name;
}

class SolveOutcome : public testing::TestWithParam<Outcome> {};

// Contradictions are states, never errors: they end unsolved with a cell left without candidates.
TEST_P(SolveOutcome, MatchesResultStepsAndStatistics) {
    const Outcome& outcome = GetParam();
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, outcome.puzzle);
    SolverImplV1<Grid_9x9> solver;
    TestSupport::RecordingListener listener;
    solver.AddListener(&listener);
    solver.AddListener(&listener);

    EXPECT_EQ(solver.Solve(grid), outcome.solved);
    if (outcome.steps != 0) {
        EXPECT_EQ(solver.GetSteps(), outcome.steps);
        EXPECT_EQ(listener.Records().size(), outcome.notifications);
        EXPECT_EQ(solver.GetStatistics(), outcome.statistics);
    } else {
        EXPECT_NE(PuzzleText::Format(grid).find('x'), std::string::npos);
    }
}

const std::string kFiveTwice = "5....5" + std::string(75, '.');
const std::string kSolution(TestSupport::kSampleSolution);

INSTANTIATE_TEST_SUITE_P(
    Grids, SolveOutcome,
    testing::Values(
        Outcome{"Empty", TestSupport::kEmptyPuzzle, false, 27, 0, Statistics(0, {}, 0)},
        Outcome{"Complete", kSolution, true, 27, 0, Statistics(0, {}, 0)},
        // Block 0 removes the 5 from the sixth cell through the top row: it ends empty.
        Outcome{"FiveTwiceInTopRow", kFiveTwice, false, 50, 2, Statistics(20, {{1, 1}}, 2)},
        Outcome{"AllOnes", std::string(81, '1'), false, 0, 0, ""},
        Outcome{"RowTwice", "123456789123456789" + std::string(63, '.'), false, 0, 0, ""},
        Outcome{"SolutionWithTwoOnes", "11" + kSolution.substr(2), false, 0, 0, ""}),
    [](const auto& info) { return info.param.name; });

struct FirstApplication {
    const char* name;
    std::function<void(Grid_9x9&)> setUp;
    std::size_t record;
    const char* ruleName;
    int step;
    std::string statistics;
    int row;
    int column;
    const char* cell;
};

void PrintTo(const FirstApplication& application, std::ostream* out) {
    *out << application.name;
}

class FirstApplicationTest : public testing::TestWithParam<FirstApplication> {};

// Each case sets up candidates so that the rule application under test is the first of the run:
// the regions examined before it change nothing.
TEST_P(FirstApplicationTest, RemovesWhatTheRuleSays) {
    const FirstApplication& expected = GetParam();
    Grid_9x9 grid;
    expected.setUp(grid);
    SolverImplV1<Grid_9x9> solver;
    TestSupport::RecordingListener listener(&solver);
    solver.AddListener(&listener);
    solver.Solve(grid);

    ASSERT_GT(listener.Records().size(), expected.record);
    const auto& record = listener.Records()[expected.record];
    EXPECT_EQ(record.ruleName, expected.ruleName);
    EXPECT_EQ(record.step, expected.step);
    EXPECT_EQ(record.statistics, expected.statistics);
    EXPECT_EQ(DumpCell(record.dump, expected.row, expected.column), expected.cell);
}

using Candidates = Grid_9x9::CellType::Candidates;
constexpr const char* kInternal = "SolverImplV1::InternalRule";
constexpr const char* kExternal = "SolverImplV1::ExternalRule";

void RemoveFromRow(Grid_9x9& grid, int row, int keptColumn, int digit) {
    for (int column = 0; column < 9; ++column) {
        if (column != keptColumn) {
            grid.GetCell(row, column)->GetCandidates().reset(digit - 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FirstApplicationTest,
    testing::Values(
        FirstApplication{"ANakedPairLeavesItsRow",
                         [](Grid_9x9& grid) {
                             grid.GetCell(2, 1)->GetCandidates() = Candidates(0b0100'0100);
                             grid.GetCell(2, 6)->GetCandidates() = Candidates(0b0100'0100);
                         },
                         0, kInternal, 12, Statistics(7, {{2, 1}}, 0), 2, 0, "{1,2,4,5,6,8,9}"},
        // The other eight cells of the row allow eight digits, which leave the ninth.
        FirstApplication{"EightCellsLeaveTheNinthItsDigit",
                         [](Grid_9x9& grid) { RemoveFromRow(grid, 7, 4, 6); }, 0, kInternal, 17,
                         Statistics(1, {{8, 1}}, 0), 7, 4, "{6}"},
        // Then the 6 leaves its block, examined first, and its column, where the two cells
        // inside the block have already lost it.
        FirstApplication{"ADigitInOneCellOfARowLeavesItsBlockThenItsColumn",
                         [](Grid_9x9& grid) { RemoveFromRow(grid, 7, 4, 6); }, 1, kExternal, 17,
                         Statistics(13, {{8, 1}}, 2), 0, 4, "{1,2,3,4,5,7,8,9}"}),
    [](const auto& info) { return info.param.name; });

// Keeps what every effective rule application did, in the reference solver's terms.
class ApplicationRecorder : public RuleApplicationListener {
public:
    void OnRuleApplication(const RuleApplication& application) override {
        TestSupport::ReferenceSolver::Application& record = records.emplace_back();
        record = {application.rule == RuleApplication::Rule::Internal,
                  application.step,
                  application.region,
                  application.crossing,
                  application.positions,
                  application.digits,
                  {}};
        for (const CellRemoval& removal : application.removals) {
            record.removals.emplace_back(removal.cell, removal.digits);
        }
    }

    std::vector<TestSupport::ReferenceSolver::Application> records;
};

// Every application, notification and counter of the engine against a literal reading of the
// rules, on every fourth guard puzzle (the reading is slow): solved, unsolved and contradictory.
TEST(SolverImplV1, MatchesALiteralReadingOfTheRules) {
    std::ifstream puzzles(NOVEM_TEST_DATA "/guard-puzzles.txt");
    std::string line;
    int compared = 0;
    for (int number = 1; std::getline(puzzles, line); ++number) {
        if (line.starts_with('#') || number % 4 != 0) {
            continue;
        }
        TestSupport::ReferenceSolver reference(line);
        const bool referenceSolved = reference.Solve();

        Grid_9x9 grid;
        TestSupport::LoadPuzzle(grid, line);
        SolverImplV1<Grid_9x9> solver;
        TestSupport::RecordingListener listener;
        ApplicationRecorder recorder;
        solver.AddListener(&listener);
        solver.SetRuleApplicationListener(&recorder);
        ASSERT_EQ(solver.Solve(grid), referenceSolved) << line;
        ASSERT_EQ(recorder.records, reference.applications) << line;
        ASSERT_EQ(listener.Records().size(), reference.notifications.size()) << line;
        for (std::size_t index = 0; index < reference.notifications.size(); ++index) {
            const auto& expected = reference.notifications[index];
            ASSERT_EQ(listener.Records()[index].ruleName, expected.ruleName) << line;
            ASSERT_EQ(listener.Records()[index].step, expected.step) << line;
            ASSERT_EQ(listener.Records()[index].candidates, expected.candidates) << line;
        }

        std::array<std::uint32_t, 10> singleCell{};
        std::uint32_t cellUpdates = 0;
        for (const auto& application : reference.applications) {
            singleCell[application.internal ? std::popcount(application.positions) : 0] +=
                application.internal ? 1 : 0;
            cellUpdates += static_cast<std::uint32_t>(application.removals.size());
        }
        EXPECT_EQ(solver.GetSteps(), reference.steps);
        EXPECT_EQ(solver.GetCellUpdates(), cellUpdates);
        EXPECT_EQ(solver.GetSingleCellRules(), singleCell);
        EXPECT_EQ(solver.GetDualCellsRules(),
                  reference.applications.size() -
                      std::accumulate(singleCell.begin(), singleCell.end(), 0U));
        ++compared;
    }
    EXPECT_GT(compared, 80);
}

}  // namespace
}  // namespace Novem
