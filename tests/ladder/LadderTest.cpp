#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "explanation/Explanation.h"
#include "ladder/Board.h"
#include "ladder/Consequences.h"
#include "ladder/Difficulty.h"
#include "ladder/Families.h"
#include "ladder/LadderSolver.h"
#include "ladder/Propagation.h"
#include "ladder/RuleNames.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "search/SolutionSearch.h"
#include "support/Positions.h"
#include "support/Puzzles.h"

namespace Novem::Ladder {
namespace {

using TestSupport::SetCandidates;
using TestSupport::TechniquePositions;

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
// and what it removes, as the explanation tells them, and its rating on the scale.
TEST(Ladder, FindsEveryTechniqueInItsPosition) {
    int found = 0;
    for (auto [expected, candidates] : TechniquePositions()) {
        const std::string rating = expected.substr(0, expected.find(' '));
        expected.erase(0, expected.find_first_not_of(' ', rating.size()));
        Grid_9x9 grid;
        SetCandidates(grid, candidates);
        const Technique technique = NamedIn(expected);
        const std::optional<Step> step = Find(InfoOf(technique).family, Board(grid));
        ASSERT_TRUE(step.has_value()) << expected;
        std::string line;
        Explanation::AppendLine(line, *step);
        EXPECT_EQ(line.substr(10), expected + "\n");
        EXPECT_EQ(Difficulty::Text(Difficulty::Of(*step)), rating) << expected;
        ++found;
    }
    EXPECT_EQ(found, 37);
}

// An application is named by what it does on the open cells: decided cells and their digits
// don't count. Row 1 and block 1, positions as bits of their cells.
TEST(Ladder, NamesAnApplicationByItsOpenCells) {
    using Kind = RuleNames::Kind;
    using Rule = RuleApplication::Rule;
    struct Case {
        const char* what;
        RuleApplication applied;
        RuleNames::Subject subject;
        std::string_view name;
    };
    // Decided cells as (position, digit) pairs, digits as bits; removals of digits by bits.
    const auto apply = [](Rule rule, int region, int crossing, unsigned positions, unsigned digits,
                          std::initializer_list<std::pair<int, unsigned>> decided,
                          unsigned removed = 0) {
        RuleApplication applied{rule, 1, region, crossing, positions, digits};
        for (const auto& [position, digit] : decided) {
            applied.NoteDecided(position, digit);
        }
        applied.removals[0] = {80, removed};
        applied.removalCount = removed != 0 ? 1 : 0;
        return applied;
    };
    const Case cases[] = {
        {"a given spreads",
         apply(Rule::Internal, 9, -1, 0b1, 0b1, {{0, 0b1}}),
         {Kind::NakedSingle, 1, 0b1, 0b1},
         "naked single"},
        {"eight cells leave one digit",
         apply(Rule::Internal, 9, -1, 0x1FE, 0x1F7, {}),
         {Kind::HiddenSingle, 1, 0b1, 0b1000},
         "hidden single"},
        {"a hidden triple holding two givens",
         apply(Rule::Internal, 9, -1, 0x1F8, 0x1D3, {{0, 0b100}, {1, 0b100000}}),
         {Kind::HiddenSingle, 1, 0b100, 0b1000},
         "hidden single"},
        {"a naked quad with a decided cell",
         apply(Rule::Internal, 9, -1, 0b1111, 0x107, {{0, 0x100}}),
         {Kind::Naked, 3, 0b1110, 0b111},
         "naked triple"},
        {"a naked pair beside a decided cell whose digit it still holds",
         apply(Rule::Internal, 9, -1, 0b110, 0x30, {{0, 0x10}}, 0x10),
         {Kind::Naked, 2, 0b110, 0x30},
         "naked pair"},
        {"two cells decided in one examination, one still spreading",
         apply(Rule::Internal, 9, -1, 0b11, 0b11, {{0, 0b1}, {1, 0b10}}, 0b10),
         {Kind::NakedSingle, 1, 0b10, 0b10},
         "naked single"},
        {"five open cells are a hidden quad",
         apply(Rule::Internal, 9, -1, 0x1F0, 0x1F0, {}),
         {Kind::Hidden, 4, 0b1111, 0b1111},
         "hidden quad"},
        {"a given's digit leaves the row",
         apply(Rule::External, 0, 9, 0b1, 0b1, {{0, 0b1}}),
         {Kind::NakedSingle, 1, 0b1, 0b1},
         "naked single"},
        {"two open places point",
         apply(Rule::External, 0, 9, 0b11, 0b1, {}),
         {Kind::Pointing, 2, 0b11, 0b1},
         "pointing"},
        {"two open places claim",
         apply(Rule::External, 9, 0, 0b11, 0b1, {}),
         {Kind::Claiming, 2, 0b11, 0b1},
         "claiming"},
        {"one open place beside a decided one",
         apply(Rule::External, 9, 18, 0b11, 0b1, {{0, 0b10}}),
         {Kind::HiddenSingle, 1, 0b10, 0b1},
         "hidden single"},
    };
    for (const Case& c : cases) {
        const RuleNames::Subject subject = RuleNames::SubjectOf(c.applied);
        EXPECT_EQ(std::tuple(subject.kind, subject.size, subject.positions, subject.digits),
                  std::tuple(c.subject.kind, c.subject.size, c.subject.positions, c.subject.digits))
            << c.what;
        EXPECT_EQ(RuleNames::NameOf(subject), c.name) << c.what;
    }
}

// Without families the two rules run in their own order: the sample's counters and steps stay.
TEST(Ladder, TheRulesAloneKeepTheirOrder) {
    Grid_9x9 grid;
    TestSupport::LoadPuzzle(grid, TestSupport::kSamplePuzzle);
    LadderSolver rules(0);
    ASSERT_TRUE(rules.Solve(grid));
    EXPECT_EQ(rules.GetStatistics(), TestSupport::kSampleStatistics);
    EXPECT_EQ(rules.GetSteps(), 80);
}

constexpr std::string_view kHardest =
    "1....6.8.....8.2....9.7...1.....5...7...6.51..3...1..7.4.......5..6..87.........2";
constexpr std::string_view kHardestSolution =
    "123456789457189236689372451261735948794268513835941627346827195512693874978514362";

// With families the path takes the easiest step there is, and the rating follows the scale
// (ER/EP/ED in tenths, its step's technique as `hardest`). The level is what the puzzle needs:
// the lowest whose techniques solve it, which may be less than the path's hardest step uses.
TEST(Ladder, RatesTheEasiestPathAndLevelsByNeed) {
    struct Case {
        std::string_view puzzle;
        Level level;
        std::string_view hardest;
        int er, ep, ed;
    };
    const Case cases[] = {
        {"...45.7...5..891.......2...2...1...5..56.7.98.8..4......1.6...2...5.437.9..2.....",
         Level::SinglesOnly, "hidden single", 12, 12, 12},
        {".2.4.6.8.4...........2...5....5.8.6.83.7.41..97...1......61....5.2.....379.......",
         Level::SinglesOnly, "hidden single", 15, 12, 12},
        {".2.......45.189...68.......2.136..9.5......2..6.5...14...7...61...8.....8....59..",
         Level::LockedCandidates, "pointing", 17, 12, 12},
        // Singles solve it, though the scale's path takes a direct hidden pair first.
        {".2.4.6.....7.8.2..6.9.........9....3.....4.7.7.4.....8...2.1.9.8..6....19.2..54..",
         Level::SinglesOnly, "hidden pair", 20, 12, 12},
        {TestSupport::kSamplePuzzle, Level::Subsets, "claiming", 28, 12, 12},
        // It needs an X-wing, though a hidden pair is the path's hardest step.
        {".164.....2....9...4......62.7.23.1..1.......3..3.87.4.96......5...8....7.....682.",
         LevelOf(Family::Fish), "hidden pair", 34, 12, 12},
        // The path takes an XY-wing where single-digit patterns would do; the scale rates the
        // skyscraper it then needs as its forcing X-chain.
        {"1..4.....4...89.......2..15.7.89.3..53.....679....3.......6...87.4...5..8........",
         LevelOf(Family::SingleDigit), "forcing X-chain", 66, 12, 12},
        // Its last step places a digit by a forcing chain, which leaves nothing to spread. Its
        // published rating is 8.5.
        {"..3.........18...6.9.7.2....7.891.5.3............4.82...2.6.5..8...149..93.2.....",
         LevelOf(Family::Forcing), "region forcing chain", 85, 12, 12},
        // One of the three of top1465 that plain forcing chains leave open, and the first of
        // eleven's list of the hardest.
        {"7.8...3.....2.1...5.........4.....263...8.......1...93.9.6....4....7.5...........",
         LevelOf(Family::DynamicForcing), "dynamic contradiction chain", 95, 95, 26},
        // Among the hardest the scale nests its chain rules in one another, and a hint's
        // complexity counts the chains nested in it. These three are of eleven's list, which
        // publishes their ratings: 10.9/1.2/1.2, 10.7/10.7/2.6 and 10.6/10.1/9.4.
        {kHardest, LevelOf(Family::NestedForcing), "nested multiple forcing chain", 109, 12, 12},
        {"12....7....7....36....7....2....4..8.4.9.......6.2.3.....5.8.9.5..2.......2.3.1..",
         LevelOf(Family::NestedForcing), "nested forcing chain", 107, 107, 26},
        {"..3.....94.....2.....7...1..8..7..6....5.8.....96......6...5.7.5.2.1...39.....4..",
         LevelOf(Family::NestedForcing), "nested forcing chain", 106, 101, 94},
    };
    for (const Case& c : cases) {
        Grid_9x9 grid;
        TestSupport::LoadPuzzle(grid, c.puzzle);
        LadderSolver ladder;
        EXPECT_TRUE(ladder.Solve(grid)) << c.puzzle;
        const Rating& rating = ladder.GetRating();
        EXPECT_EQ(rating.level, c.level) << c.puzzle;
        EXPECT_EQ(rating.hardest, c.hardest) << c.puzzle;
        EXPECT_EQ(std::tuple(rating.er, rating.ep, rating.ed), std::tuple(c.er, c.ep, c.ed))
            << c.puzzle;
    }
}

// Sudoku Explainer's published ratings (SER) of random minimal puzzles, one or two for each of its
// chain rules: the rating follows its path, its choice of the least difficult hint and its count
// of a chain's complexity.
TEST(Ladder, RatesAsSudokuExplainerPublishes) {
    struct Case {
        std::string_view puzzle;
        std::string_view hardest;
        int er;
    };
    const Case cases[] = {
        {"1........457..92..8..3.2...2.4...5.851..4..7........43...9..8..6..7.8...7.5..4...",
         "forcing X-chain", 66},
        {"...45...945....23...9........6.91..3...7..9...18..2...38....5.......7.1...19..36.",
         "bidirectional Y-cycle", 68},
        {".....67.9.5.1....3.8..7.1.....9...415.....9.7.14...6..3...1.8.6....3....861.....2",
         "bidirectional cycle", 71},
        {"..........5..8.1.3....31..427.6.8..............95....7..2..5.7.8....7..29...1.45.",
         "forcing chain", 73},
        {"......7...5...91..78...2.64..........18.4.9...3.6..42...2..4..15....73.....5...9.",
         "aligned triplet exclusion", 75},
        {"...4.67.94...8.....89.3....2..1..3...15....7.6....5.2.......4..8....4.6..7.6.3..5",
         "Nishio forcing chain", 78},
        {"........9.571...3.68.2.........9.81..1..6..53.....7.....1....7.57.....92..2...5..",
         "cell forcing chain", 83},
        {"..3..6.8.4.7.....6.8.32....2..7..4...7.5..6..9.6..8..5..4....5.5...7.9.......5..1",
         "region forcing chain", 86},
        {".2.4...8.......1..7......46.15.73...6..1..32.......9...6..9...8.7.8..2.3..8..2.5.",
         "dynamic cell forcing chain", 90},
    };
    for (const Case& c : cases) {
        Grid_9x9 grid;
        TestSupport::LoadPuzzle(grid, c.puzzle);
        LadderSolver ladder;
        EXPECT_TRUE(ladder.Solve(grid)) << c.puzzle;
        EXPECT_EQ(ladder.GetRating().hardest, c.hardest) << c.puzzle;
        EXPECT_EQ(ladder.GetRating().er, c.er) << c.puzzle;
    }
}

// Uniqueness rests on the puzzle having one solution. This puzzle needs a unique rectangle;
// with a given taken away it has several, and the ladder never uses one, so every solution
// stays.
TEST(Ladder, UsesUniquenessOnlyWithOneSolution) {
    const std::string_view puzzle =
        ".2....7..4...8...37.91....42...6.3....7.....5..89..27.....91....4....93...2..465.";
    std::string several(puzzle);
    several[1] = '.';
    for (const std::string_view grid : {puzzle, std::string_view(several)}) {
        Grid_9x9 cells;
        TestSupport::LoadPuzzle(cells, grid);
        LadderSolver ladder;
        const bool solved = ladder.Solve(cells);
        const auto uses =
            ladder.GetApplications()[static_cast<std::size_t>(Technique::UniqueRectangle)];
        if (grid == puzzle) {
            EXPECT_TRUE(solved);
            EXPECT_GT(uses, 0U);
            EXPECT_EQ(ladder.GetRating().level, LevelOf(Family::Uniqueness));
        } else {
            EXPECT_FALSE(solved);
            EXPECT_EQ(uses, 0U);
            EXPECT_EQ(Search::CountSolutions(Search::CandidatesOf(cells)).solutions, 2);
        }
    }
}

// A grid the ladder leaves unsolved is beyond its techniques and not rated, whether a family it
// needs is left out, its givens clash (full or partial: a contradiction before any step, shown as
// the two rules show it), or it has several solutions.
TEST(Ladder, NeverCallsAGridSolvedThatIsNoSolution) {
    const std::string fives(GridGeometry::kCells, '5');
    std::string rows;
    for (int row = 0; row < GridGeometry::kSize; ++row) {
        rows += "123456789";
    }
    const std::string clash = "11" + std::string(GridGeometry::kCells - 2, '.');
    const std::string several = "12345678." + std::string(GridGeometry::kCells - 10, '.') + "1";
    struct Case {
        std::string_view puzzle;
        Families families;
    };
    const Case cases[] = {{TestSupport::kSeventeen, FamilyBit(Family::Fish)},
                          {fives, kAllFamilies},
                          {rows, kAllFamilies},
                          {clash, kAllFamilies},
                          {several, kAllFamilies}};
    for (const Case& c : cases) {
        Grid_9x9 ladderGrid;
        TestSupport::LoadPuzzle(ladderGrid, c.puzzle);
        LadderSolver ladder(c.families);
        EXPECT_FALSE(ladder.Solve(ladderGrid)) << c.puzzle;
        const Rating& rating = ladder.GetRating();
        EXPECT_EQ(rating.level, Level::Beyond) << c.puzzle;
        EXPECT_EQ(rating.hardest, "") << c.puzzle;
        EXPECT_EQ(std::tuple(rating.er, rating.ep, rating.ed),
                  std::tuple(Difficulty::kNotRated, Difficulty::kNotRated, Difficulty::kNotRated))
            << c.puzzle;
        if (c.puzzle.find_first_of('.') == std::string_view::npos) {
            Grid_9x9 rulesGrid;
            TestSupport::LoadPuzzle(rulesGrid, c.puzzle);
            SolverImplV1<Grid_9x9>().Solve(rulesGrid);
            EXPECT_EQ(PuzzleText::Format(ladderGrid), PuzzleText::Format(rulesGrid));
        }
    }
}

// A candidate whose assumption contradicts itself, even two levels deep, is in no solution: on
// a grid of several solutions (a given taken away) none of the one it shares with the puzzle
// goes, and the puzzle itself loses some at that depth. The first row's cells do, quickly.
TEST(Ladder, ContradictionsKeepEverySolution) {
    std::string several(kHardest);
    several[0] = '.';
    for (const std::string_view puzzle : {std::string_view(several), kHardest}) {
        Grid_9x9 grid;
        TestSupport::LoadPuzzle(grid, puzzle);
        const Board board(grid);
        int contradicted = 0;
        for (const int cell : board.Open() & kRegionCells[GridGeometry::kFirstRow]) {
            for (const int digit : Bits::Indices(board.Candidates(cell))) {
                Boards boards = Boards::Of(board);
                if (!Assume(boards, cell, digit, {true, 1})) {
                    EXPECT_NE(kHardestSolution[static_cast<std::size_t>(cell)], '1' + digit)
                        << puzzle << " r" << cell / 9 + 1 << "c" << cell % 9 + 1;
                    ++contradicted;
                }
            }
        }
        EXPECT_GT(contradicted, 0) << puzzle;
    }
}

// The candidates before the step of the technique in ladder-positions.txt.
Board PositionOf(std::string_view technique) {
    Grid_9x9 grid;
    for (const auto& [expected, candidates] : TechniquePositions()) {
        if (expected.find(std::string(technique) + ' ') != std::string::npos) {
            SetCandidates(grid, candidates);
            break;
        }
    }
    return Board(grid);
}

// Within a dynamic reach a branch follows the basic techniques too, each from the empty grid with
// a few candidates taken away: two cells of row 1 left with {1,2} take them from the rest of the
// row and of block 1; digits 1 and 2 left with the same two places in row 1 take those cells; 1
// left in block 1 only on row 1 leaves the rest of the row. Singles alone see none of it.
TEST(Ladder, DynamicBranchesFollowTheBasicTechniques) {
    struct Case {
        std::string_view what;
        std::vector<std::pair<int, unsigned>> taken;
        Candidate gone;
        Candidate kept;
    };
    const unsigned oneAndTwo = 0b11;
    const Case cases[] = {
        {"naked pair", {{0, ~oneAndTwo}, {1, ~oneAndTwo}}, {5, 0}, {5, 2}},
        {"naked pair in the block", {{0, ~oneAndTwo}, {1, ~oneAndTwo}}, {19, 1}, {27, 1}},
        {"hidden pair",
         {{2, oneAndTwo},
          {3, oneAndTwo},
          {4, oneAndTwo},
          {5, oneAndTwo},
          {6, oneAndTwo},
          {7, oneAndTwo},
          {8, oneAndTwo}},
         {0, 4},
         {9, 4}},
        {"pointing", {{9, 1}, {10, 1}, {11, 1}, {18, 1}, {19, 1}, {20, 1}}, {5, 0}, {27, 0}},
    };
    for (const Case& c : cases) {
        Grid_9x9 grid;
        for (const auto& [cell, digits] : c.taken) {
            grid.GetCell(cell)->GetCandidates() &= Grid_9x9::CellType::Candidates(~digits);
        }
        const Board board(grid);
        for (const bool basics : {false, true}) {
            Boards boards = Boards::Of(board);
            ASSERT_TRUE(Settle(boards, {basics, 0})) << c.what;
            EXPECT_EQ(boards.possible[c.gone.digit].Has(c.gone.cell), !basics) << c.what;
            EXPECT_TRUE(boards.possible[c.kept.digit].Has(c.kept.cell)) << c.what;
        }
    }
}

// An assumption goes as far as its reach and no further: the dynamic contradiction needs locked
// candidates, the nested one a contradiction inside, and with the budget spent nothing inside is
// followed, so nothing contradicts. The explanation finds what the fast search found: the nested
// branch ends in a contradiction, and so does each branch nested in it.
// Every implication, and the contradiction, follows from what the branch, or the one it is nested
// in, knew before it: the links the grid draws never point forward.
void ExpectReasonsKnown(const Branch& branch, std::vector<Candidate> known) {
    known.push_back(branch.assumption);
    const auto expectKnown = [&](const std::vector<Candidate>& reasons) {
        EXPECT_FALSE(reasons.empty());
        for (const Candidate& reason : reasons) {
            EXPECT_NE(std::find(known.begin(), known.end(), reason), known.end())
                << reason.cell << " " << reason.digit;
        }
    };
    for (const Branch::Implication& implication : branch.implications) {
        expectKnown(implication.because);
        for (const Branch& inner : implication.nested) {
            ExpectReasonsKnown(inner, known);
        }
        known.push_back(implication.candidate);
    }
    if (branch.contradiction) {
        expectKnown(branch.contradictionBecause);
    }
}

TEST(Ladder, AssumptionsGoAsFarAsTheirReach) {
    std::int64_t spent = 0;
    struct Case {
        std::string_view technique;
        Candidate assumption;
        Reach reach;
        bool contradicts;
    };
    const Case cases[] = {
        {"dynamic contradiction chain", {22, 3}, {}, false},
        {"dynamic contradiction chain", {22, 3}, {true, 0}, true},
        {"nested contradiction chain", {1, 7}, {true, 0}, false},
        {"nested contradiction chain", {1, 7}, {false, 1}, true},
        {"nested contradiction chain", {1, 7}, {false, 1, &spent}, false},
    };
    for (const Case& c : cases) {
        const Board board = PositionOf(c.technique);
        Boards boards = Boards::Of(board);
        EXPECT_EQ(!Assume(boards, c.assumption.cell, c.assumption.digit, c.reach), c.contradicts)
            << c.technique << " " << c.reach.basics << c.reach.depth;
    }
    const Branch branch =
        Propagation(PositionOf("nested contradiction chain"), {false, 1}).Explain({1, 7}, {});
    EXPECT_TRUE(branch.contradiction);
    int nested = 0;
    for (const Branch::Implication& implication : branch.implications) {
        for (const Branch& inner : implication.nested) {
            EXPECT_EQ(inner.assumption, implication.candidate);
            EXPECT_FALSE(implication.on);
            EXPECT_TRUE(inner.contradiction);
            ++nested;
        }
    }
    EXPECT_GT(nested, 0);
    ExpectReasonsKnown(branch, {});
}

// The scale's length bonus: a tenth for each ceiling passed, 4, 6, 8, 12, 16, 24, ...
TEST(Ladder, LongerChainsRateHigher) {
    const std::pair<int, int> bonuses[] = {{4, 0}, {5, 1},  {6, 1},  {7, 2},  {8, 2},
                                           {9, 3}, {12, 3}, {13, 4}, {17, 5}, {25, 6}};
    for (const auto& [length, bonus] : bonuses) {
        EXPECT_EQ(Difficulty::LengthBonus(length), bonus) << length;
    }
}

}  // namespace
}  // namespace Novem::Ladder
