#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "solver/SolverImplV1.h"
#include "support/Hash.h"
#include "support/Puzzles.h"

namespace Novem {
namespace {

// Keeps, for every notification, its step and text form, and the statistics and the candidates
// as they stood then.
class RecordingListener : public GridUpdateListener<Grid_9x9> {
public:
    struct Record {
        std::int32_t step;
        std::string text;
        std::string statistics;
        std::array<unsigned long, GridGeometry::kCells> candidates;
    };

    explicit RecordingListener(const SolverImplV1<Grid_9x9>& solver) : m_solver(solver) {}

    void OnGridUpdate(const GridUpdateEvent& event) override {
        Record& record = records.emplace_back(
            Record{event.step, event.ToString(), m_solver.GetStatistics(), {}});
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            record.candidates[cell] = event.grid->GetCell(cell)->GetCandidates().to_ulong();
        }
    }

    std::vector<Record> records;

private:
    const SolverImplV1<Grid_9x9>& m_solver;
};

// The sample, solved once with a listener for each test.
class SampleSolve : public testing::Test {
protected:
    SampleSolve() {
        TestSupport::LoadPuzzle(m_grid, TestSupport::kSamplePuzzle);
        m_solver.AddListener(&m_listener);
        m_solved = m_solver.Solve(m_grid);
    }

    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_solver;
    RecordingListener m_listener{m_solver};
    bool m_solved = false;
};

TEST_F(SampleSolve, SolvesItInEightyStepsWithItsStatistics) {
    ASSERT_TRUE(m_solved);
    EXPECT_EQ(PuzzleText::Format(m_grid), TestSupport::kSampleSolution);
    EXPECT_EQ(m_solver.GetSteps(), 27 + 27 + 26);
    EXPECT_EQ(m_solver.GetStatistics(), TestSupport::kSampleStatistics);
}

// The events' text forms, stored as a text stream stores them, are the run log the guard
// recorded for the sample.
TEST_F(SampleSolve, NotifiesEveryEffectiveRuleWithTheGridAsItStands) {
    const auto& records = m_listener.records;
    ASSERT_EQ(records.size(), 61U);
    EXPECT_EQ(records.back().step, 53);
    std::string log;
    for (const auto& record : records) {
        for (const char character : record.text) {
            log += character == '\n' ? std::string("\r\n") : std::string(1, character);
        }
        log += "\r\r\n\r\r\n";
    }
    EXPECT_EQ(TestSupport::Fnv1a(log), TestSupport::kSampleLogHash);
}

// Block 0 first: four givens spread inside it, then eight (line, digit) pairs beyond it.
TEST_F(SampleSolve, FirstExaminesBlockOneInsideThenAcross) {
    const auto& records = m_listener.records;
    EXPECT_EQ(records[0].statistics,
              "Effective Cells updates\t\t: 20\n"
              "Effective \"Single Cell[card=1]\" rules\t: 4\n"
              "Effective \"Dual Cells\" rules\t\t: 0\n");
    EXPECT_EQ(records[1].statistics,
              "Effective Cells updates\t\t: 53\n"
              "Effective \"Single Cell[card=1]\" rules\t: 4\n"
              "Effective \"Dual Cells\" rules\t\t: 8\n");
    EXPECT_EQ(records[1].candidates[GridGeometry::CellAt(2, 8)], 0x1FEU);
    EXPECT_EQ(records[1].candidates[GridGeometry::CellAt(4, 1)], 0x0FFU);
}

// The decided grid gives nothing new: the counters start again from zero.
TEST_F(SampleSolve, ASecondSolveStartsFromZero) {
    EXPECT_TRUE(m_solver.Solve(m_grid));
    EXPECT_EQ(m_solver.GetSteps(), 27);
    EXPECT_EQ(m_solver.GetStatistics(), TestSupport::kNothingChanged);
    EXPECT_EQ(m_listener.records.size(), 61U);
}

// A digit given twice in a row: block 0 spreads the first 5, then the top row takes it from the
// sixth cell, which is left with none.
TEST(SolverImplV1, ADigitGivenTwiceLeavesACellWithoutCandidates) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, "5....5" + std::string(75, '.'));
    SolverImplV1<Grid_9x9> solver;
    EXPECT_FALSE(solver.Solve(grid));
    EXPECT_TRUE(grid.GetCell(5)->GetCandidates().none());
    EXPECT_EQ(solver.GetStatistics(),
              "Effective Cells updates\t\t: 20\n"
              "Effective \"Single Cell[card=1]\" rules\t: 1\n"
              "Effective \"Dual Cells\" rules\t\t: 2\n");
}

}  // namespace
}  // namespace Novem
