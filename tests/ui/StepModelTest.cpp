#include <gtest/gtest.h>

#include "StepModel.h"
#include "model/Bits.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace {

using Novem::GridGeometry::CellAt;

// The model on a puzzle whose steps and search are done, as the window gets them.
class StepModelTest : public testing::Test {
protected:
    void Open(std::string_view puzzle, int solutions = 1) {
        Open({Novem::TestSupport::ToCells(puzzle), nullptr}, solutions);
    }

    void Open(const Novem::PuzzleText::Puzzle& puzzle, int solutions = 1) {
        m_model.SetPuzzle(puzzle);
        const Novem::Analysis::PuzzleResult result = SolveStepByStep(
            puzzle, [&](StepModel::Entry entry) { m_model.AddEntry(std::move(entry)); });
        EXPECT_EQ(result.solutions, solutions);
        m_model.Finish(*result.rating, result.solved, result.solutions, result.solution);
    }

    unsigned Shown(int cell) const { return m_model.Shown().candidates[cell]; }

    StepModel m_model;
    std::string_view m_solution = Novem::TestSupport::kSampleSolution;
};

// The steps walk from the first to the last and no further; a step is shown on the grid just
// before it, and the user's grid comes back when none is selected.
TEST_F(StepModelTest, WalksTheStepsShowingTheGridBeforeEach) {
    Open(Novem::TestSupport::kSamplePuzzle);
    ASSERT_EQ(m_model.Entries().size(), 166U);
    EXPECT_EQ(m_model.Selected(), -1);
    m_model.Next();
    EXPECT_EQ(m_model.Selected(), 0);
    EXPECT_EQ(m_model.Shown().step, &m_model.Entries()[0].application);
    EXPECT_EQ(Shown(CellAt(1, 0)), Novem::GridGeometry::kAllDigits);
    m_model.Next();
    EXPECT_EQ(Shown(CellAt(1, 0)) & 0x80U, 0U);
    m_model.Previous();
    m_model.Previous();
    EXPECT_EQ(m_model.Selected(), 0);
    m_model.Last();
    m_model.Next();
    EXPECT_EQ(m_model.Selected(), 165);
    m_model.Select(-1);
    EXPECT_EQ(m_model.Shown().step, nullptr);
    EXPECT_EQ(m_model.Rating().level, Novem::Ladder::Level::Subsets);
}

// The user's grid starts with pencil marks; an entry leaves its peers' marks, a wrong one is told
// as wrong, and undo and redo go back and forth over entries.
TEST_F(StepModelTest, EntriesKeepThePencilMarksAndCanBeUndone) {
    Open(Novem::TestSupport::kSamplePuzzle);
    const int cell = CellAt(1, 0);
    constexpr unsigned kTwoThreeSix = 0b0'0010'0110U;
    EXPECT_EQ(Shown(cell), kTwoThreeSix);
    m_model.Enter(cell, 6);
    EXPECT_EQ(Shown(cell), 1U << 5);
    EXPECT_EQ(Shown(CellAt(1, 1)) & (1U << 5), 0U);
    EXPECT_FALSE(m_model.Shown().wrong[cell]);
    m_model.Enter(cell, 3);
    EXPECT_TRUE(m_model.Shown().wrong[cell]);
    m_model.Enter(cell, 0);
    EXPECT_EQ(Shown(cell), kTwoThreeSix);
    m_model.Enter(0, 1);
    EXPECT_EQ(Shown(0), 1U << 7);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(Shown(cell), 1U << 2);
    ASSERT_TRUE(m_model.Undo());
    ASSERT_TRUE(m_model.Undo());
    EXPECT_FALSE(m_model.Undo());
    ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(Shown(cell), 1U << 5);
}

// A hint tells its technique, then its cells, then what it removes, and then applies it, from the
// grid the user is at; undo takes the step back.
TEST_F(StepModelTest, AHintTellsMoreAtEachPressThenApplies) {
    Open(Novem::TestSupport::kSamplePuzzle);
    const StepModel::Candidates before = m_model.Shown().candidates;
    for (const StepModel::HintLevel level :
         {StepModel::HintLevel::Technique, StepModel::HintLevel::Cells,
          StepModel::HintLevel::Removals}) {
        ASSERT_TRUE(m_model.Hint());
        EXPECT_EQ(m_model.ShownHint(), level);
        EXPECT_EQ(m_model.Shown().shown, level);
    }
    ASSERT_TRUE(m_model.Hint());
    EXPECT_EQ(m_model.ShownHint(), StepModel::HintLevel::None);
    EXPECT_NE(m_model.Shown().candidates, before);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_model.Shown().candidates, before);
}

// With exactly one solution the grid fills; on a solved grid there is no hint left.
TEST_F(StepModelTest, ShowSolutionFillsTheGridAndLeavesNoHint) {
    Open(Novem::TestSupport::kSamplePuzzle);
    ASSERT_TRUE(m_model.ShowSolution());
    EXPECT_EQ(Shown(1), 1U << 8);
    EXPECT_FALSE(m_model.Hint());
    m_model.Finish(m_model.Rating(), true, 2, {});
    EXPECT_FALSE(m_model.ShowSolution());
}

// A hint checks the grid first: two equal digits in a region, then a digit the user entered that
// the solution doesn't have, then a grid without exactly one solution.
TEST_F(StepModelTest, AHintPointsOutMistakesBeforeAnyTechnique) {
    using Kind = StepModel::Mistake::Kind;
    Open(Novem::TestSupport::kSamplePuzzle);
    EXPECT_EQ(m_model.Check().kind, Kind::None);
    const int cell = CellAt(0, 3);
    const int right = m_solution[cell] - '1';
    const int wrong = Novem::Bits::Lowest(Shown(cell) & ~(1U << right));
    m_model.Enter(cell, wrong + 1);
    EXPECT_EQ(m_model.Check().kind, Kind::Wrong);
    EXPECT_EQ(m_model.Check().cell, cell);
    m_model.Enter(cell, right + 1);
    EXPECT_EQ(m_model.Check().kind, Kind::None);

    StepModel clash;
    m_model = clash;
    Open("55" + std::string(79, '.'), 0);
    EXPECT_EQ(m_model.Check().kind, Kind::Clash);
    EXPECT_EQ(std::pair(m_model.Check().cell, m_model.Check().other), std::pair(0, 1));

    m_model = StepModel();
    Open(std::string(81, '.'), 2);
    EXPECT_EQ(m_model.Check().kind, Kind::SeveralSolutions);
}

// A position starts the steps and the user's grid at its candidates as read, its givens the cells
// no peer's candidates contradict; a cleared entry gets back no more than was read, and the hint
// starts from there.
TEST_F(StepModelTest, APositionKeepsItsCandidates) {
    Novem::PuzzleText::Puzzle position;
    ASSERT_EQ(Novem::PuzzleText::ParseText(
                  Novem::TestSupport::ReadFile(NOVEM_TEST_DATA "/positions/expected.txt"), position)
                  .kind,
              Novem::PuzzleText::TextProblem::Kind::None);
    Open(position);
    const StepModel::Candidates& read = *position.marks;
    EXPECT_EQ(m_model.Shown().candidates, read);
    EXPECT_EQ(m_model.Entries().front().before, read);
    for (int cell = 0; cell < Novem::GridGeometry::kCells; ++cell) {
        EXPECT_EQ(m_model.Shown().given[cell], position.givens[cell] != '.');
    }
    const int cell = CellAt(1, 1);
    ASSERT_GT(Novem::Bits::Count(read[cell]), 1);
    m_model.Enter(cell, m_solution[cell] - '0');
    m_model.Enter(cell, 0);
    EXPECT_EQ(Shown(cell), read[cell]);
    ASSERT_TRUE(m_model.Hint());
    ASSERT_TRUE(m_model.CurrentHint());
    EXPECT_EQ(m_model.Check().kind, StepModel::Mistake::Kind::None);
}

}  // namespace
