#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "batch/Explanation.h"
#include "batch/PuzzleSolver.h"
#include "model/PuzzleText.h"
#include "support/Puzzles.h"

namespace Novem::Batch {
namespace {

// Solves a grid as it is set up and keeps what every application did.
class Explained : public RuleApplicationListener {
public:
    explicit Explained(const std::function<void(Grid_9x9&)>& setUp) {
        setUp(m_grid);
        SolverImplV1<Grid_9x9> solver;
        solver.SetRuleApplicationListener(this);
        solver.Solve(m_grid);
    }

    const PuzzleResult& Result() const { return m_result; }
    const Grid_9x9& Grid() const { return m_grid; }

private:
    void OnRuleApplication(const RuleApplication& application) override {
        m_result.explanation.emplace_back(application);
    }

    Grid_9x9 m_grid;
    PuzzleResult m_result;
};

std::string Text(const PuzzleResult& result) {
    std::string text;
    Explanation::AppendText(text, result);
    return text;
}

std::string Json(const PuzzleResult& result) {
    std::string json;
    Explanation::AppendJson(json, result);
    return json;
}

// Block 0 first: its four givens spread as naked singles, then they point out of it along the
// lines, top row first.
TEST(Explanation, TellsTheSamplesFirstStepApplicationByApplication) {
    PuzzleSolver solver(true);
    PuzzleResult result = solver.Solve(TestSupport::ToCells(TestSupport::kSamplePuzzle), nullptr);
    ASSERT_GT(result.explanation.size(), 12U);
    EXPECT_EQ(result.explanation[12].step, 2);
    result.explanation.erase(result.explanation.begin() + 12, result.explanation.end());
    EXPECT_EQ(Text(result),
              "step 1    block 1    naked single   r1c1 = 8                   removes 8 from r2c1 "
              "r2c2 r2c3 r3c2 r3c3\n"
              "step 1    block 1    naked single   r1c2 = 9                   removes 9 from r2c1 "
              "r2c2 r2c3 r3c2 r3c3\n"
              "step 1    block 1    naked single   r1c3 = 5                   removes 5 from r2c1 "
              "r2c2 r2c3 r3c2 r3c3\n"
              "step 1    block 1    naked single   r3c1 = 1                   removes 1 from r2c1 "
              "r2c2 r2c3 r3c2 r3c3\n"
              "step 1    block 1    pointing       5 in r1c3 (row 1)          removes 5 from r1c4 "
              "r1c5 r1c6 r1c7 r1c8\n"
              "step 1    block 1    pointing       8 in r1c1 (row 1)          removes 8 from r1c4 "
              "r1c5 r1c6 r1c7 r1c8\n"
              "step 1    block 1    pointing       9 in r1c2 (row 1)          removes 9 from r1c4 "
              "r1c5 r1c6 r1c7 r1c8\n"
              "step 1    block 1    pointing       1 in r3c1 (row 3)          removes 1 from r3c5 "
              "r3c7 r3c9\n"
              "step 1    block 1    pointing       1 in r3c1 (column 1)       removes 1 from r5c1 "
              "r6c1 r9c1\n"
              "step 1    block 1    pointing       8 in r1c1 (column 1)       removes 8 from r5c1 "
              "r6c1 r9c1\n"
              "step 1    block 1    pointing       9 in r1c2 (column 2)       removes 9 from r4c2 "
              "r5c2 r6c2 r7c2 r8c2 r9c2\n"
              "step 1    block 1    pointing       5 in r1c3 (column 3)       removes 5 from r4c3 "
              "r5c3 r6c3\n");
    result.explanation.erase(result.explanation.begin() + 1, result.explanation.end());
    EXPECT_EQ(Json(result),
              "[{\"step\": 1, \"technique\": \"naked single\", \"region\": \"block 1\", \"cells\": "
              "[\"r1c1\"], \"digits\": [8], \"removed\": [[\"r2c1\", [8]], [\"r2c2\", [8]], "
              "[\"r2c3\", [8]], [\"r3c2\", [8]], [\"r3c3\", [8]]]}]");
}

struct Technique {
    const char* name;
    std::function<void(Grid_9x9&)> setUp;
    std::size_t application;
    std::string json;
};

void PrintTo(const Technique& technique, std::ostream* out) {
    *out << technique.name;
}

class Techniques : public testing::TestWithParam<Technique> {};

TEST_P(Techniques, AreNamedAsSolversNameThem) {
    const Explained explained(GetParam().setUp);
    const auto& applied = explained.Result().explanation;
    ASSERT_GT(applied.size(), GetParam().application);
    PuzzleResult one;
    one.explanation.push_back(applied[GetParam().application]);
    EXPECT_EQ(Json(one), "[" + GetParam().json + "]");
}

using Candidates = Grid_9x9::CellType::Candidates;

// Takes the digit out of the cells of a row but one.
void OnlyOnceInRow(Grid_9x9& grid, int row, int keptColumn, int digit) {
    for (int column = 0; column < 9; ++column) {
        if (column != keptColumn) {
            grid.GetCell(row, column)->GetCandidates().reset(digit - 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    HandMadeGrids, Techniques,
    testing::Values(
        Technique{"NakedPair",
                  [](Grid_9x9& grid) {
                      grid.GetCell(2, 1)->GetCandidates() = Candidates(0b0100'0100);
                      grid.GetCell(2, 6)->GetCandidates() = Candidates(0b0100'0100);
                  },
                  0,
                  "{\"step\": 12, \"technique\": \"naked pair\", \"region\": \"row 3\", \"cells\": "
                  "[\"r3c2\", \"r3c7\"], \"digits\": [3, 7], \"removed\": [[\"r3c1\", [3, 7]], "
                  "[\"r3c3\", [3, 7]], [\"r3c4\", [3, 7]], [\"r3c5\", [3, 7]], [\"r3c6\", [3, 7]], "
                  "[\"r3c8\", [3, 7]], [\"r3c9\", [3, 7]]]}"},
        // The other eight cells of the row allow eight digits: seen from the ninth, a single.
        Technique{"HiddenSingleOfEightCells", [](Grid_9x9& grid) { OnlyOnceInRow(grid, 7, 4, 6); },
                  0,
                  "{\"step\": 17, \"technique\": \"hidden single\", \"region\": \"row 8\", "
                  "\"cells\": [\"r8c5\"], \"digits\": [6], \"removed\": [[\"r8c5\", [1, 2, 3, 4, "
                  "5, 7, 8, 9]]]}"},
        Technique{"Pointing",
                  [](Grid_9x9& grid) {
                      for (int row = 1; row < 3; ++row) {
                          OnlyOnceInRow(grid, row, 9, 4);
                      }
                  },
                  0,
                  "{\"step\": 1, \"technique\": \"pointing\", \"region\": \"block 1\", "
                  "\"crossing\": \"row 1\", \"cells\": [\"r1c1\", \"r1c2\", \"r1c3\"], "
                  "\"digits\": [4], \"removed\": [[\"r1c4\", [4]], [\"r1c5\", [4]], [\"r1c6\", "
                  "[4]], [\"r1c7\", [4]], [\"r1c8\", [4]], [\"r1c9\", [4]]]}"},
        Technique{"Claiming",
                  [](Grid_9x9& grid) {
                      for (int column = 3; column < 9; ++column) {
                          grid.GetCell(0, column)->GetCandidates().reset(3);
                      }
                  },
                  0,
                  "{\"step\": 10, \"technique\": \"claiming\", \"region\": \"row 1\", "
                  "\"crossing\": \"block 1\", \"cells\": [\"r1c1\", \"r1c2\", \"r1c3\"], "
                  "\"digits\": [4], \"removed\": [[\"r2c1\", [4]], [\"r2c2\", [4]], [\"r2c3\", "
                  "[4]], [\"r3c1\", [4]], [\"r3c2\", [4]], [\"r3c3\", [4]]]}"},
        // After the single has left its block, the row meets the single's column.
        Technique{"HiddenSingleWhereARowMeetsAColumn",
                  [](Grid_9x9& grid) { OnlyOnceInRow(grid, 7, 4, 6); }, 2,
                  "{\"step\": 17, \"technique\": \"hidden single\", \"region\": \"row 8\", "
                  "\"crossing\": \"column 5\", \"cells\": [\"r8c5\"], \"digits\": [6], "
                  "\"removed\": [[\"r1c5\", [6]], [\"r2c5\", [6]], [\"r3c5\", [6]], [\"r4c5\", "
                  "[6]], [\"r5c5\", [6]], [\"r6c5\", [6]]]}"}),
    [](const auto& info) { return info.param.name; });

// Replaying every application's removals, in order, on the loaded grid gives exactly the
// engine's final candidates: nothing is missing from the explanations and nothing is extra.
TEST(Explanation, ReplaysToTheEnginesFinalCandidates) {
    std::ifstream puzzles(NOVEM_TEST_DATA "/guard-puzzles.txt");
    std::string line;
    int replayed = 0;
    while (std::getline(puzzles, line)) {
        if (line.starts_with('#')) {
            continue;
        }
        const Explained explained([&](Grid_9x9& grid) { TestSupport::LoadPuzzle(grid, line); });
        Grid_9x9 replay;
        TestSupport::LoadPuzzle(replay, line);
        for (const AppliedRule& applied : explained.Result().explanation) {
            for (int index = 0; index < applied.removalCount; ++index) {
                const CellRemoval& removal = applied.removals[index];
                Candidates& candidates =
                    replay.GetCell(removal.cell / 9, removal.cell % 9)->GetCandidates();
                ASSERT_EQ(candidates.to_ulong() & removal.digits, removal.digits) << line;
                candidates &= ~Candidates(removal.digits);
            }
        }
        for (int cell = 0; cell < 81; ++cell) {
            ASSERT_EQ(replay.GetCell(cell / 9, cell % 9)->GetCandidates(),
                      explained.Grid().GetCell(cell / 9, cell % 9)->GetCandidates())
                << line;
        }
        ++replayed;
    }
    EXPECT_GT(replayed, 300);
}

}  // namespace
}  // namespace Novem::Batch
