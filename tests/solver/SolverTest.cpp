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
#include "support/Statistics.h"

namespace Novem {
namespace {

using TestSupport::Statistics;

// Keeps, for every notification, its step and text form, and the statistics and the candidates
// as they stood then.
class RecordingListener : public GridUpdateListener<Grid_9x9> {
public:
    struct Record {
        std::int32_t step;
        std::string text;
        std::string statistics;
        std::array<unsigned long, 81> candidates;
    };

    explicit RecordingListener(const SolverImplV1<Grid_9x9>& solver) : m_solver(solver) {}

    void OnGridUpdate(const GridUpdateEvent& event) override {
        Record& record = records.emplace_back(
            Record{event.step, event.ToString(), m_solver.GetStatistics(), {}});
        for (int cell = 0; cell < 81; ++cell) {
            record.candidates[cell] =
                event.grid->GetCell(cell / 9, cell % 9)->GetCandidates().to_ulong();
        }
    }

    std::vector<Record> records;

private:
    const SolverImplV1<Grid_9x9>& m_solver;
};

TEST(SolverImplV1, SolvesTheSamplePuzzleWithItsFigures) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, TestSupport::kSamplePuzzle);
    SolverImplV1<Grid_9x9> solver;
    RecordingListener listener(solver);
    solver.AddListener(&listener);

    ASSERT_TRUE(solver.Solve(grid));
    EXPECT_EQ(PuzzleText::Format(grid), TestSupport::kSampleSolution);
    EXPECT_EQ(solver.GetSteps(), 27 + 27 + 26);
    EXPECT_EQ(solver.GetStatistics(),
              Statistics(445, {{1, 43}, {2, 6}, {3, 1}, {4, 4}, {5, 4}, {6, 1}}, 107));

    const auto& records = listener.records;
    ASSERT_EQ(records.size(), 61U);
    EXPECT_EQ(records.back().step, 53);
    // The events' text forms, stored as a text stream stores them, are the run log the guard
    // recorded for the sample.
    std::string log;
    for (const auto& record : records) {
        for (const char character : record.text) {
            log += character == '\n' ? std::string("\r\n") : std::string(1, character);
        }
        log += "\r\r\n\r\r\n";
    }
    EXPECT_EQ(TestSupport::Fnv1a(log), 0x9990c7a82a5d90a2U);

    // Block 0 first: four givens spread inside it, then eight (line, digit) pairs beyond it.
    EXPECT_EQ(records[0].statistics, Statistics(20, {{1, 4}}, 0));
    EXPECT_EQ(records[1].statistics, Statistics(53, {{1, 4}}, 8));
    EXPECT_EQ(records[1].candidates[2 * 9 + 8], 0x1FEU);
    EXPECT_EQ(records[1].candidates[4 * 9 + 1], 0x0FFU);

    // A second Solve starts again from zero: the decided grid gives nothing more.
    EXPECT_TRUE(solver.Solve(grid));
    EXPECT_EQ(solver.GetSteps(), 27);
    EXPECT_EQ(solver.GetStatistics(), Statistics(0, {}, 0));
    EXPECT_EQ(listener.records.size(), 61U);
}

}  // namespace
}  // namespace Novem
