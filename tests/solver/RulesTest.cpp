#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Grid_9x9.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"

namespace Novem {
namespace {

using Candidates = Grid_9x9::CellType::Candidates;

// Keeps, for every notification, the rule, the step, the grid dump and the statistics as they
// stood right after that rule application.
class SnapshotListener : public GridUpdateListener<Grid_9x9> {
public:
    struct Snapshot {
        std::string ruleName;
        std::int32_t step;
        std::string dump;
        std::string statistics;
    };

    explicit SnapshotListener(const SolverImplV1<Grid_9x9>& solver) : m_solver(solver) {}

    void OnGridUpdate(const GridUpdateEvent& event) override {
        m_snapshots.push_back(
            {event.ruleName, event.step, event.ToString(), m_solver.GetStatistics()});
    }

    const std::vector<Snapshot>& Snapshots() const { return m_snapshots; }

private:
    const SolverImplV1<Grid_9x9>& m_solver;
    std::vector<Snapshot> m_snapshots;
};

std::string Statistics(unsigned updates, const std::vector<std::pair<int, unsigned>>& cards,
                       unsigned dual) {
    std::string text = "Effective Cells updates\t\t: " + std::to_string(updates) + "\n";
    for (const auto& [card, count] : cards) {
        text += "Effective \"Single Cell[card=" + std::to_string(card) +
                "]\" rules\t: " + std::to_string(count) + "\n";
    }
    return text + "Effective \"Dual Cells\" rules\t\t: " + std::to_string(dual) + "\n";
}

// Each case sets up candidates so that the first rule application of the run is the one under
// test; the regions examined before it must change nothing.
class FirstApplication : public testing::Test {
protected:
    Candidates& At(int row, int column) { return m_grid.GetCell(row, column)->GetCandidates(); }

    const SnapshotListener::Snapshot& First() {
        m_solver.AddListener(&m_listener);
        m_solver.Solve(m_grid);
        EXPECT_FALSE(m_listener.Snapshots().empty());
        return m_listener.Snapshots().front();
    }

    // The candidate text of the cell in the dump of a snapshot.
    static std::string CellIn(const SnapshotListener::Snapshot& snapshot, int row, int column) {
        std::size_t start = snapshot.dump.find('\n') + 1;
        for (int skip = 0; skip < 9 * row + column; ++skip) {
            start = snapshot.dump.find_first_of("\t\n", start) + 1;
        }
        return snapshot.dump.substr(start, snapshot.dump.find_first_of("\t\n", start) - start);
    }

    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_solver;
    SnapshotListener m_listener{m_solver};
};

TEST_F(FirstApplication, AGivenLeavesTheOtherEightCellsOfItsBlock) {
    m_grid.GetCell(4, 4)->SetValue(6);
    const auto& first = First();
    EXPECT_EQ(first.ruleName, "SolverImplV1::InternalRule");
    EXPECT_EQ(first.step, 5);
    EXPECT_EQ(first.statistics, Statistics(8, {{1, 1}}, 0));
    EXPECT_EQ(CellIn(first, 3, 3), "{1,2,3,4,5,7,8,9}");
    EXPECT_EQ(CellIn(first, 4, 2), "{1,2,3,4,5,6,7,8,9}");
}

TEST_F(FirstApplication, ANakedPairMatchesFirstAndItsComplementRemovesNothing) {
    At(2, 1) = Candidates(0b0100'0100);
    At(2, 6) = Candidates(0b0100'0100);
    const auto& first = First();
    EXPECT_EQ(first.ruleName, "SolverImplV1::InternalRule");
    EXPECT_EQ(first.step, 12);
    EXPECT_EQ(first.statistics, Statistics(7, {{2, 1}}, 0));
    EXPECT_EQ(CellIn(first, 2, 0), "{1,2,4,5,6,8,9}");
    EXPECT_EQ(CellIn(first, 2, 6), "{3,7}");
}

TEST_F(FirstApplication, TheEarlierOfTwoEqualSinglesEmptiesTheLater) {
    At(5, 0) = Candidates(0b1'0000);
    At(5, 1) = Candidates(0b1'0000);
    const auto& first = First();
    EXPECT_EQ(first.step, 4);
    EXPECT_EQ(first.statistics, Statistics(8, {{1, 1}}, 0));
    EXPECT_EQ(CellIn(first, 5, 0), "{5}");
    EXPECT_EQ(CellIn(first, 5, 1), "{}");
}

TEST_F(FirstApplication, ADigitConfinedToABlockRowLeavesTheRestOfTheRow) {
    for (int row = 1; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            At(row, column).reset(3);
        }
    }
    const auto& first = First();
    EXPECT_EQ(first.ruleName, "SolverImplV1::ExternalRule");
    EXPECT_EQ(first.step, 1);
    EXPECT_EQ(first.statistics, Statistics(6, {}, 1));
    EXPECT_EQ(CellIn(first, 0, 8), "{1,2,3,5,6,7,8,9}");
    EXPECT_EQ(CellIn(first, 1, 8), "{1,2,3,4,5,6,7,8,9}");
}

TEST_F(FirstApplication, ADigitInOneCellOfARowLeavesItsBlockAndItsColumn) {
    for (int column = 0; column < 9; ++column) {
        if (column != 4) {
            At(7, column).reset(5);
        }
    }
    First();
    const auto& snapshots = m_listener.Snapshots();
    ASSERT_GE(snapshots.size(), 2U);
    // The other eight cells allow eight digits, which leave the ninth: it keeps the 6 alone.
    EXPECT_EQ(snapshots[0].ruleName, "SolverImplV1::InternalRule");
    EXPECT_EQ(snapshots[0].step, 17);
    EXPECT_EQ(snapshots[0].statistics, Statistics(1, {{8, 1}}, 0));
    EXPECT_EQ(CellIn(snapshots[0], 7, 4), "{6}");
    // Then the 6 leaves the rest of its block, examined first, and of its column, where the two
    // cells inside the block have already lost it.
    EXPECT_EQ(snapshots[1].ruleName, "SolverImplV1::ExternalRule");
    EXPECT_EQ(snapshots[1].step, 17);
    EXPECT_EQ(snapshots[1].statistics, Statistics(1 + 6 + 6, {{8, 1}}, 2));
    EXPECT_EQ(CellIn(snapshots[1], 6, 3), "{1,2,3,4,5,7,8,9}");
    EXPECT_EQ(CellIn(snapshots[1], 0, 4), "{1,2,3,4,5,7,8,9}");
    EXPECT_EQ(CellIn(snapshots[1], 0, 3), "{1,2,3,4,5,6,7,8,9}");
}

TEST_F(FirstApplication, TheSamplePuzzleStartsWithBlockZero) {
    TestSupport::LoadPuzzle(m_grid, TestSupport::kSamplePuzzle);
    First();
    const auto& snapshots = m_listener.Snapshots();
    ASSERT_GE(snapshots.size(), 2U);
    EXPECT_EQ(snapshots[0].statistics, Statistics(20, {{1, 4}}, 0));
    EXPECT_EQ(snapshots[1].statistics, Statistics(53, {{1, 4}}, 8));
    // Top row with 5, 8 and 9; third row with 1; columns 0 (1, 8), 1 (9) and 2 (5).
    EXPECT_EQ(CellIn(snapshots[1], 0, 3), "{1,2,3,4,6,7}");
    EXPECT_EQ(CellIn(snapshots[1], 2, 8), "{2,3,4,5,6,7,8,9}");
    EXPECT_EQ(CellIn(snapshots[1], 4, 0), "{2,3,4,5,6,7,9}");
    EXPECT_EQ(CellIn(snapshots[1], 4, 1), "{1,2,3,4,5,6,7,8}");
    EXPECT_EQ(CellIn(snapshots[1], 4, 2), "{1,2,3,4,6,7,8,9}");
}

}  // namespace
}  // namespace Novem
