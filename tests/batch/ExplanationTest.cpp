#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <regex>
#include <string>

#include "batch/ExplanationJson.h"
#include "batch/PuzzleSolver.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"

namespace Novem::Batch {
namespace {

using Candidates = Grid_9x9::CellType::Candidates;

// Solves a grid as it is set up and keeps what every application did.
class Explained : public RuleApplicationListener {
public:
    explicit Explained(const std::function<void(Grid_9x9&)>& setUp) {
        setUp(m_grid);
        SolverImplV1<Grid_9x9> solver;
        solver.SetRuleApplicationListener(this);
        solver.Solve(m_grid);
    }

    void OnRuleApplication(const RuleApplication& application) override {
        result.explanation.emplace_back(application);
    }

    Grid_9x9 m_grid;
    Analysis::PuzzleResult result;
};

// The text of the applications from `first` on, `count` of them, with runs of blanks as one.
std::string Text(const Analysis::PuzzleResult& result, std::size_t first, std::size_t count) {
    Analysis::PuzzleResult some;
    some.explanation.assign(
        result.explanation.begin() + static_cast<std::ptrdiff_t>(first),
        result.explanation.begin() + static_cast<std::ptrdiff_t>(first + count));
    std::string text;
    ExplanationJson::AppendText(text, some);
    return std::regex_replace(text, std::regex(" +"), " ");
}

// Block 0 first: its four givens spread as naked singles, then they point out of it along the
// lines, top row first.
TEST(Explanation, TellsTheSamplesFirstStepApplicationByApplication) {
    PuzzleSolver solver({.explanation = true});
    Analysis::PuzzleResult result =
        solver.Solve(TestSupport::ToCells(TestSupport::kSamplePuzzle), nullptr);
    ASSERT_EQ(std::get<RuleApplication>(result.explanation[12]).step, 2);
    EXPECT_EQ(
        Text(result, 0, 12),
        "step 1 block 1 naked single r1c1 = 8 removes 8 from r2c1 r2c2 r2c3 r3c2 r3c3\n"
        "step 1 block 1 naked single r1c2 = 9 removes 9 from r2c1 r2c2 r2c3 r3c2 r3c3\n"
        "step 1 block 1 naked single r1c3 = 5 removes 5 from r2c1 r2c2 r2c3 r3c2 r3c3\n"
        "step 1 block 1 naked single r3c1 = 1 removes 1 from r2c1 r2c2 r2c3 r3c2 r3c3\n"
        "step 1 block 1 naked single 5 in r1c3 (row 1) removes 5 from r1c4 r1c5 r1c6 r1c7 r1c8\n"
        "step 1 block 1 naked single 8 in r1c1 (row 1) removes 8 from r1c4 r1c5 r1c6 r1c7 r1c8\n"
        "step 1 block 1 naked single 9 in r1c2 (row 1) removes 9 from r1c4 r1c5 r1c6 r1c7 r1c8\n"
        "step 1 block 1 naked single 1 in r3c1 (row 3) removes 1 from r3c5 r3c7 r3c9\n"
        "step 1 block 1 naked single 1 in r3c1 (column 1) removes 1 from r5c1 r6c1 r9c1\n"
        "step 1 block 1 naked single 8 in r1c1 (column 1) removes 8 from r5c1 r6c1 r9c1\n"
        "step 1 block 1 naked single 9 in r1c2 (column 2) removes 9 from r4c2 r5c2 r6c2 r7c2 "
        "r8c2 r9c2\n"
        "step 1 block 1 naked single 5 in r1c3 (column 3) removes 5 from r4c3 r5c3 r6c3\n");
    result.explanation = {result.explanation[4]};
    std::string json;
    ExplanationJson::AppendJson(json, result);
    EXPECT_EQ(
        json,
        "[{\"step\": 1, \"technique\": \"naked single\", \"region\": \"block 1\", \"crossing\": "
        "\"row 1\", \"cells\": [\"r1c3\"], \"digits\": [5], \"removed\": [[\"r1c4\", [5]], "
        "[\"r1c5\", [5]], [\"r1c6\", [5]], [\"r1c7\", [5]], [\"r1c8\", [5]]]}]");
}

// Takes the digit out of every cell of a row but one.
void OnlyOnceInRow(Grid_9x9& grid, int row, int keptColumn, int digit) {
    for (int column = 0; column < 9; ++column) {
        grid.GetCell(row, column)->GetCandidates().set(digit - 1, column == keptColumn);
    }
}

// One hand-made grid for each technique, the first application of its kind.
TEST(Explanation, NamesEachTechniqueAsSolversDo) {
    const auto nakedPair = [](Grid_9x9& grid) {
        grid.GetCell(2, 1)->GetCandidates() = Candidates(0b0100'0100);
        grid.GetCell(2, 6)->GetCandidates() = Candidates(0b0100'0100);
    };
    // The other eight cells of row 8 allow eight digits: seen from the ninth, a single, which
    // then leaves the block, then the column where the row meets it.
    const auto hiddenSingle = [](Grid_9x9& grid) { OnlyOnceInRow(grid, 7, 4, 6); };
    const auto pointing = [](Grid_9x9& grid) {
        OnlyOnceInRow(grid, 1, 9, 4);
        OnlyOnceInRow(grid, 2, 9, 4);
    };
    const auto claiming = [](Grid_9x9& grid) {
        for (int column = 3; column < 9; ++column) {
            grid.GetCell(0, column)->GetCandidates().reset(3);
        }
    };
    const std::tuple<std::function<void(Grid_9x9&)>, std::size_t, std::string> cases[] = {
        {nakedPair, 0,
         "step 12 row 3 naked pair r3c2 r3c7 = {3,7} removes {3,7} from r3c1 r3c3 r3c4 r3c5 r3c6 "
         "r3c8 r3c9\n"},
        {hiddenSingle, 0,
         "step 17 row 8 hidden single r8c5 = 6 removes {1,2,3,4,5,7,8,9} from r8c5\n"},
        {hiddenSingle, 2,
         "step 17 row 8 naked single 6 in r8c5 (column 5) removes 6 from r1c5 r2c5 r3c5 r4c5 r5c5 "
         "r6c5\n"},
        {pointing, 0,
         "step 1 block 1 pointing 4 in r1c1 r1c2 r1c3 (row 1) removes 4 from r1c4 r1c5 r1c6 r1c7 "
         "r1c8 r1c9\n"},
        {claiming, 0,
         "step 10 row 1 claiming 4 in r1c1 r1c2 r1c3 (block 1) removes 4 from r2c1 r2c2 r2c3 r3c1 "
         "r3c2 r3c3\n"},
    };
    for (const auto& [setUp, application, text] : cases) {
        const Explained explained(setUp);
        ASSERT_GT(explained.result.explanation.size(), application);
        EXPECT_EQ(Text(explained.result, application, 1), text);
    }
}

// Replaying every application's removals, in order, on the loaded grid gives exactly the
// engine's final candidates: nothing is missing from the explanations and nothing is extra.
TEST(Explanation, ReplaysToTheEnginesFinalCandidates) {
    std::ifstream puzzles(NOVEM_TEST_DATA "/guard-puzzles.txt");
    std::string line;
    for (std::getline(puzzles, line); std::getline(puzzles, line);) {
        const Explained explained([&](Grid_9x9& grid) { TestSupport::LoadPuzzle(grid, line); });
        Grid_9x9 replay;
        TestSupport::LoadPuzzle(replay, line);
        for (const Application& application : explained.result.explanation) {
            for (const CellRemoval& removal : std::get<RuleApplication>(application).Removals()) {
                Candidates& candidates = replay.GetCell(removal.cell)->GetCandidates();
                ASSERT_EQ(candidates.to_ulong() & removal.digits, removal.digits) << line;
                candidates &= ~Candidates(removal.digits);
            }
        }
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            ASSERT_EQ(replay.GetCell(cell)->GetCandidates(),
                      explained.m_grid.GetCell(cell)->GetCandidates())
                << line;
        }
    }
}

}  // namespace
}  // namespace Novem::Batch
