#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "search/SolutionSearch.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"

namespace Novem::Search {
namespace {

// Without any of its givens, a puzzle of 17 has several solutions.
const std::string kSeventeen(TestSupport::kSeventeen);
const std::string kSeventeenSolution(TestSupport::kSeventeenSolution);

Outcome Count(const std::string& puzzle) {
    return CountSolutions(CandidatesOf(TestSupport::ToCells(puzzle)));
}

struct Case {
    const char* name;
    std::string puzzle;
    int solutions;
    std::string solution;
};

// Hand-made grids of every outcome; for one solution, the solution too.
TEST(Search, CountsNoneOneOrSeveral) {
    std::string seventeenLessOne = kSeventeen;
    seventeenLessOne[1] = '.';
    std::string twiceInARow = kSeventeen;
    twiceInARow[1] = '4';
    std::string wrongDigit = kSeventeenSolution;
    std::swap(wrongDigit[0], wrongDigit[1]);
    const Case cases[] = {
        {"the sample", std::string(TestSupport::kSamplePuzzle), 1,
         std::string(TestSupport::kSampleSolution)},
        {"seventeen givens", kSeventeen, 1, kSeventeenSolution},
        {"a given removed", seventeenLessOne, 2, ""},
        {"a digit twice in a row", twiceInARow, 0, ""},
        {"an empty grid", std::string(GridGeometry::kCells, '.'), 2, ""},
        {"a full grid", kSeventeenSolution, 1, kSeventeenSolution},
        {"a full grid with two digits swapped", wrongDigit, 0, ""},
    };
    for (const Case& test : cases) {
        const Outcome outcome = Count(test.puzzle);
        EXPECT_EQ(outcome.solutions, test.solutions) << test.name;
        if (test.solutions == 1) {
            EXPECT_EQ(std::string(outcome.solution.data(), outcome.solution.size()), test.solution)
                << test.name;
        }
    }
    EXPECT_EQ(CountSolutions(CandidatesOf(TestSupport::ToCells(std::string(81, '.'))), 5).solutions,
              5);
}

// From what the rules left of a puzzle, the search finds what it finds from the givens; the grid
// itself is not touched.
TEST(Search, StartsFromTheCandidatesTheRulesLeft) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, kSeventeen);
    SolverImplV1<Grid_9x9> solver;
    ASSERT_FALSE(solver.Solve(grid));
    const std::string before = PuzzleText::Format(grid);
    const Outcome outcome = CountSolutions(CandidatesOf(grid));
    EXPECT_EQ(outcome.solutions, 1);
    EXPECT_EQ(std::string(outcome.solution.data(), outcome.solution.size()), kSeventeenSolution);
    EXPECT_EQ(PuzzleText::Format(grid), before);
}

// The guard puzzles against qqwing, which guesses its own way: the same solution where there is
// exactly one, none where qqwing finds the puzzle impossible.
TEST(Search, AgreesWithQqwing) {
    std::FILE* qqwing = popen("grep -v '^#' " NOVEM_TEST_DATA
                              "/guard-puzzles.txt | qqwing --solve --one-line 2>/dev/null",
                              "r");
    std::vector<std::string> answers;
    for (char line[128]; qqwing != nullptr && std::fgets(line, sizeof line, qqwing) != nullptr;) {
        answers.emplace_back(line, std::string(line).find('\n'));
    }
    if (qqwing == nullptr || pclose(qqwing) != 0 || answers.empty()) {
        GTEST_SKIP() << "qqwing is not installed";
    }
    std::ifstream puzzles(NOVEM_TEST_DATA "/guard-puzzles.txt");
    std::size_t answer = 0;
    for (std::string line; std::getline(puzzles, line);) {
        const PuzzleText::ParsedLine parsed = PuzzleText::ParseLine(line);
        if (parsed.kind != PuzzleText::ParsedLine::Kind::Puzzle) {
            continue;
        }
        ASSERT_LT(answer, answers.size());
        const Outcome outcome = CountSolutions(CandidatesOf(parsed.puzzle));
        const std::string& qqwingSays = answers[answer++];
        EXPECT_EQ(outcome.solutions == 0, qqwingSays == "Puzzle is not possible.") << line;
        if (outcome.solutions == 1) {
            EXPECT_EQ(std::string(outcome.solution.data(), outcome.solution.size()), qqwingSays)
                << line;
        }
    }
    EXPECT_EQ(answer, answers.size());
}

}  // namespace
}  // namespace Novem::Search
