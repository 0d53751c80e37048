#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <span>
#include <string>

#include "batch/ExplanationJson.h"
#include "batch/PuzzleSolver.h"
#include "explanation/Explanation.h"
#include "ladder/RuleNames.h"
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

// Block 0 first: its four givens spread as naked singles, into the block and then along the lines,
// top row first: a given's digit leaving a line is no pointing.
TEST(Explanation, TellsTheSamplesFirstStepApplicationByApplication) {
    PuzzleSolver solver({.explanation = true});
    Analysis::PuzzleResult result =
        solver.Solve({TestSupport::ToCells(TestSupport::kSamplePuzzle), {}}, nullptr);
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

// A nested branch follows, in brackets, the candidate it makes false, and in JSON it is that
// implication's "nested" branch: a tree, with no cell or region of choices for a contradiction.
TEST(Explanation, NestsABranchUnderTheCandidateItMakesFalse) {
    Ladder::Step step(Ladder::Technique::NestedContradictionChain);
    step.step = 5;
    step.digits = 1U << 0;
    const Ladder::Branch inner{{1, 1}, {{{2, 2}, true, {}, {}}}, true, {}};
    step.branches.push_back(
        {{0, 0}, {{{1, 1}, false, {inner}, {}}, {{3, 0}, true, {}, {}}}, true, {}});
    step.removals.push_back({0, 1U << 0});
    Analysis::PuzzleResult result;
    result.explanation.emplace_back(step);
    std::string text;
    ExplanationJson::AppendText(text, result);
    EXPECT_EQ(std::regex_replace(text, std::regex(" +"), " "),
              "step 5 nested contradiction chain if 1r1c1 then not 2r1c2 (if 2r1c2 then 3r1c3, a "
              "contradiction), 1r1c4, a contradiction removes 1 from r1c1\n");
    std::string json;
    ExplanationJson::AppendJson(json, result);
    EXPECT_NE(json.find("\"branches\": [{\"assume\": {\"cell\": \"r1c1\", \"digit\": 1}, "
                        "\"implications\": [{\"cell\": \"r1c2\", \"digit\": 2, \"on\": false, "
                        "\"nested\": {\"assume\": {\"cell\": \"r1c2\", \"digit\": 2}, "
                        "\"implications\": [{\"cell\": \"r1c3\", \"digit\": 3, \"on\": true}], "
                        "\"contradiction\": true}}, {\"cell\": \"r1c4\", \"digit\": 1, \"on\": "
                        "true}], \"contradiction\": true}]"),
              std::string::npos)
        << json;
    EXPECT_EQ(json.find("forcing"), std::string::npos) << json;

    // In other words: columns counted in characters and moved by a longer word for "step", the
    // branch only where it starts when brief.
    Explanation::Words words;
    words.step = "étape";
    words.ifTrue = "si";
    words.then = "alors";
    words.isNot = "non";
    words.contradiction = "une contradiction";
    words.removes = "élimine";
    words.from = "de";
    words.technique = [](std::string_view) { return "chaîne"; };
    std::string line;
    Explanation::AppendLine(line, step, words);
    EXPECT_EQ(line,
              "étape 5    chaîne                    si 1r1c1 alors non 2r1c2 (si 2r1c2 "
              "alors 3r1c3, une contradiction), 1r1c4, une contradiction élimine 1 de r1c1\n");
    line.clear();
    Explanation::AppendLine(line, step, words, Explanation::Detail::Brief);
    EXPECT_EQ(line, "étape 5    chaîne                    si 1r1c1 élimine 1 de r1c1\n");
}

// Every subset and single is named by what it does on the open cells: replayed on the sample and
// the seventeen-given puzzle, with the two rules and with the ladder, a naked or hidden subset's
// cells are open and as many as its digits and as its name says, and a naked single's cell is
// decided. The sample's hidden triple with two givens in it is the hidden single it is.
TEST(Explanation, NamesSubsetsByTheirOpenCells) {
    const std::map<std::string_view, std::size_t> sizes = {
        {"naked single", 1}, {"hidden single", 1}, {"naked pair", 2}, {"hidden pair", 2},
        {"naked triple", 3}, {"hidden triple", 3}, {"naked quad", 4}, {"hidden quad", 4}};
    for (const std::optional<Ladder::Families> techniques :
         {std::optional<Ladder::Families>(), std::optional(Ladder::kAllFamilies)}) {
        for (const std::string_view puzzle :
             {TestSupport::kSamplePuzzle, TestSupport::kSeventeen}) {
            PuzzleSolver solver({.explanation = true, .techniques = techniques});
            const PuzzleText::Cells cells = TestSupport::ToCells(puzzle);
            const Analysis::PuzzleResult& result = solver.Solve({cells, {}}, nullptr);
            std::array<unsigned, GridGeometry::kCells> candidates{};
            for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
                candidates[cell] =
                    cells[cell] == '.' ? GridGeometry::kAllDigits : 1U << (cells[cell] - '1');
            }
            for (const Application& application : result.explanation) {
                const auto* applied = std::get_if<RuleApplication>(&application);
                if (applied != nullptr) {
                    const Ladder::RuleNames::Subject subject =
                        Ladder::RuleNames::SubjectOf(*applied);
                    const std::string_view name = Ladder::RuleNames::NameOf(subject);
                    const int shown = Bits::Count(subject.positions);
                    // The digits of the region's decided cells, which don't count.
                    unsigned taken = 0;
                    for (const int cell : GridGeometry::kCellsOfRegion[applied->region]) {
                        taken |= Bits::Count(candidates[cell]) == 1 ? candidates[cell] : 0U;
                    }
                    for (const int position : Bits::Indices(subject.positions)) {
                        const int cell = GridGeometry::kCellsOfRegion[applied->region][position];
                        const bool decided = Bits::Count(candidates[cell]) == 1;
                        EXPECT_TRUE(name == "naked single"
                                        ? decided || (candidates[cell] & ~taken) == subject.digits
                                        : !decided)
                            << name << " step " << applied->step;
                    }
                    if (subject.kind == Ladder::RuleNames::Kind::Naked ||
                        subject.kind == Ladder::RuleNames::Kind::Hidden) {
                        EXPECT_EQ(static_cast<std::size_t>(shown), sizes.at(name));
                        EXPECT_EQ(Bits::Count(subject.digits), shown);
                    }
                }
                const std::span<const CellRemoval> removals =
                    applied != nullptr ? applied->Removals()
                                       : std::span<const CellRemoval>(
                                             std::get<Ladder::Step>(application).removals);
                for (const CellRemoval& removal : removals) {
                    candidates[removal.cell] &= ~removal.digits;
                }
            }
        }
    }
    PuzzleSolver rules({.explanation = true});
    const Analysis::PuzzleResult& sample =
        rules.Solve({TestSupport::ToCells(TestSupport::kSamplePuzzle), nullptr}, nullptr);
    std::string text;
    ExplanationJson::AppendText(text, sample);
    EXPECT_NE(
        text.find(
            "step 6    block 6    hidden single  r6c8 = 4                   removes {1,2,5,7} "
            "from r6c8\n"),
        std::string::npos);
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
