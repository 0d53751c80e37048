#include <gtest/gtest.h>

#include <set>

#include "model/Grid_9x9.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"

namespace Novem {
namespace {

using Region = Grid_9x9::RegionType;
using Candidates = Grid_9x9::CellType::Candidates;

// Reaches the rules and counters, which only Solve uses.
class SolverProbe : public SolverImplV1<Grid_9x9> {
public:
    using SolverImplV1::ExternalRule;
    using SolverImplV1::InternalRule;

    std::uint32_t Cards(std::size_t card) const { return m_singleCellRules[card]; }
    std::uint32_t CellUpdates() const { return m_cellUpdates; }
    std::uint32_t DualCells() const { return m_dualCellsRules; }
};

class Rules : public testing::Test {
protected:
    Rules() { m_grid.CollectRegions(m_regions); }

    Region& At(std::size_t index) { return **std::next(m_regions.begin(), index); }
    Region& Block(std::size_t block) { return At(block); }
    Region& Row(std::size_t row) { return At(9 + row); }
    Region& Column(std::size_t column) { return At(18 + column); }
    Candidates& CandidatesAt(int row, int column) {
        return m_grid.GetCell(row, column)->GetCandidates();
    }

    Grid_9x9 m_grid;
    std::set<Region*> m_regions;
    std::set<Region*> m_pending;
    SolverProbe m_solver;
};

TEST_F(Rules, AnOpenRegionGivesNothing) {
    EXPECT_FALSE(m_solver.InternalRule(Row(3), m_pending));
    EXPECT_FALSE(m_solver.ExternalRule(Row(3), m_pending));
    EXPECT_FALSE(m_solver.ExternalRule(Block(3), m_pending));
    EXPECT_TRUE(m_pending.empty());
    EXPECT_EQ(m_solver.CellUpdates(), 0U);
}

TEST_F(Rules, AGivenLeavesTheOtherEightCells) {
    m_grid.GetCell(4, 4)->SetValue(6);
    EXPECT_TRUE(m_solver.InternalRule(Block(4), m_pending));
    EXPECT_EQ(m_solver.Cards(1), 1U);
    EXPECT_EQ(m_solver.CellUpdates(), 8U);
    EXPECT_EQ(CandidatesAt(3, 3), Candidates(0x1FF).reset(5));
    EXPECT_EQ(m_pending.size(), 1U + 3U + 3U);
}

TEST_F(Rules, ANakedPairMatchesFirstAndItsComplementRemovesNothing) {
    CandidatesAt(2, 1) = Candidates(0b0100'0100);
    CandidatesAt(2, 6) = Candidates(0b0100'0100);
    EXPECT_TRUE(m_solver.InternalRule(Row(2), m_pending));
    EXPECT_EQ(m_solver.Cards(2), 1U);
    EXPECT_EQ(m_solver.Cards(7), 0U);
    EXPECT_EQ(m_solver.CellUpdates(), 7U);
    EXPECT_EQ(m_grid.GetCell(2, 0)->ToString(), "{1,2,4,5,6,8,9}");
    // The row, its three blocks and the columns of the seven changed cells.
    const std::set<Region*> expected{&Block(0),  &Block(1),  &Block(2),  &Row(2),
                                     &Column(0), &Column(2), &Column(3), &Column(4),
                                     &Column(5), &Column(7), &Column(8)};
    EXPECT_EQ(m_pending, expected);
}

TEST_F(Rules, TheEarlierOfTwoEqualSinglesEmptiesTheLater) {
    CandidatesAt(5, 2) = Candidates(0b1'0000);
    CandidatesAt(5, 7) = Candidates(0b1'0000);
    EXPECT_TRUE(m_solver.InternalRule(Row(5), m_pending));
    EXPECT_EQ(m_solver.Cards(1), 1U);
    EXPECT_EQ(m_solver.CellUpdates(), 8U);
    EXPECT_EQ(m_grid.GetCell(5, 2)->ToString(), "{5}");
    EXPECT_EQ(m_grid.GetCell(5, 7)->ToString(), "{}");
}

TEST_F(Rules, ADigitConfinedToABlockRowLeavesTheRestOfTheRow) {
    for (int row = 1; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            CandidatesAt(row, column).reset(3);
        }
    }
    EXPECT_TRUE(m_solver.ExternalRule(Block(0), m_pending));
    EXPECT_EQ(m_solver.DualCells(), 1U);
    EXPECT_EQ(m_solver.CellUpdates(), 6U);
    EXPECT_FALSE(CandidatesAt(0, 8).test(3));
    EXPECT_TRUE(CandidatesAt(0, 2).test(3));
    EXPECT_TRUE(CandidatesAt(1, 8).test(3));
}

TEST_F(Rules, ADigitInOneCellOfARowLeavesItsBlockThenItsColumn) {
    for (int column = 0; column < 9; ++column) {
        if (column != 4) {
            CandidatesAt(7, column).reset(5);
        }
    }
    EXPECT_TRUE(m_solver.ExternalRule(Row(7), m_pending));
    EXPECT_EQ(m_solver.DualCells(), 2U);
    EXPECT_EQ(m_solver.CellUpdates(), 6U + 6U);
    EXPECT_FALSE(CandidatesAt(6, 3).test(5));
    EXPECT_FALSE(CandidatesAt(0, 4).test(5));
    EXPECT_TRUE(CandidatesAt(7, 4).test(5));
    EXPECT_TRUE(CandidatesAt(0, 3).test(5));
}

TEST_F(Rules, FirstExaminationOfTheSamplePuzzle) {
    TestSupport::LoadPuzzle(m_grid, TestSupport::kSamplePuzzle);
    EXPECT_TRUE(m_solver.InternalRule(Block(0), m_pending));
    EXPECT_EQ(m_solver.Cards(1), 4U);
    EXPECT_EQ(m_solver.CellUpdates(), 20U);

    EXPECT_TRUE(m_solver.ExternalRule(Block(0), m_pending));
    EXPECT_EQ(m_solver.CellUpdates(), 53U);
    EXPECT_EQ(m_solver.DualCells(), 8U);
    // Top row with 5, 8 and 9; third row with 1; columns 0 (1, 8), 1 (9) and 2 (5).
    EXPECT_EQ(m_grid.GetCell(0, 3)->ToString(), "{1,2,3,4,6,7}");
    EXPECT_EQ(m_grid.GetCell(2, 8)->ToString(), "{2,3,4,5,6,7,8,9}");
    EXPECT_EQ(m_grid.GetCell(4, 0)->ToString(), "{2,3,4,5,6,7,9}");
    EXPECT_EQ(m_grid.GetCell(4, 1)->ToString(), "{1,2,3,4,5,6,7,8}");
    EXPECT_EQ(m_grid.GetCell(4, 2)->ToString(), "{1,2,3,4,6,7,8,9}");
}

}  // namespace
}  // namespace Novem
