#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "explanation/Explanation.h"
#include "ladder/Board.h"
#include "ladder/Families.h"
#include "ladder/LadderSolver.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "support/Puzzles.h"

namespace Novem::Ladder {
namespace {

// A grid whose cells have the candidates written as "1349", cell by cell, separated by blanks.
void SetCandidates(Grid_9x9& grid, const std::string& text) {
    std::istringstream cells(text);
    std::string digits;
    for (int cell = 0; cell < GridGeometry::kCells && cells >> digits; ++cell) {
        auto& candidates = grid.GetCell(cell)->GetCandidates();
        candidates.reset();
        for (const char digit : digits) {
            candidates.set(static_cast<std::size_t>(digit - '1'));
        }
    }
}

// The technique an explanation line names at its start.
Technique NamedIn(const std::string& line) {
    std::size_t longest = 0;
    Technique named = Technique::XWing;
    for (int technique = 0; technique < kTechniques; ++technique) {
        const std::string_view name = kTechniqueInfo[static_cast<std::size_t>(technique)].name;
        if (line.starts_with(name) && line[name.size()] == ' ' && name.size() > longest) {
            longest = name.size();
            named = static_cast<Technique>(technique);
        }
    }
    return named;
}

// In each position, the family of the technique finds that technique's step first: its pattern
// and what it removes, as the explanation tells them.
TEST(Ladder, FindsEveryTechniqueInItsPosition) {
    std::ifstream positions(NOVEM_TEST_DATA "/ladder-positions.txt");
    std::string expected;
    std::string candidates;
    int found = 0;
    while (std::getline(positions, expected)) {
        if (expected.starts_with('#') || !std::getline(positions, candidates)) {
            continue;
        }
        Grid_9x9 grid;
        SetCandidates(grid, candidates);
        const Technique technique = NamedIn(expected);
        const std::optional<Step> step = Find(InfoOf(technique).family, Board(grid));
        ASSERT_TRUE(step.has_value()) << expected;
        std::string line;
        Explanation::AppendLine(line, *step);
        EXPECT_EQ(line.substr(10), expected + "\n");
        ++found;
    }
    EXPECT_EQ(found, 24);
}

// The two rules alone leave the sample's solve as it is: same counters, same steps; a puzzle
// they can't finish gets its level from the hardest technique it needed.
TEST(Ladder, RunsTheRulesAsTheyAreAndRatesWhatItNeeded) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, TestSupport::kSamplePuzzle);
    LadderSolver ladder;
    ASSERT_TRUE(ladder.Solve(grid));
    EXPECT_EQ(ladder.GetStatistics(), TestSupport::kSampleStatistics);
    EXPECT_EQ(ladder.GetSteps(), 80);
    EXPECT_EQ(ladder.GetRating().level, Level::Subsets);

    TestSupport::LoadPuzzle(grid, TestSupport::kSeventeen);
    ASSERT_TRUE(ladder.Solve(grid));
    EXPECT_EQ(PuzzleText::Format(grid), TestSupport::kSeventeenSolution);
    EXPECT_GT(ladder.GetRating().level, Level::Subsets);

    LadderSolver fishOnly(FamilyBit(Family::Fish));
    TestSupport::LoadPuzzle(grid, TestSupport::kSeventeen);
    EXPECT_FALSE(fishOnly.Solve(grid));
    EXPECT_EQ(fishOnly.GetRating().level, Level::Beyond);
}

}  // namespace
}  // namespace Novem::Ladder
