#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/CandidateText.h"
#include "model/PuzzleText.h"
#include "support/TempDirectory.h"

namespace Novem::PuzzleText {
namespace {

using Kind = TextProblem::Kind;

std::string Fixture(const std::string& name) {
    return TestSupport::ReadFile(NOVEM_TEST_DATA "/positions/" + name);
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string GivensOf(const Puzzle& puzzle) {
    return {puzzle.givens.begin(), puzzle.givens.end()};
}

// One position of the sample puzzle, a third of its wrong candidates gone and five open cells
// down to one candidate, as each program writes it: every form reads as the same candidates, and
// the givens are the cells with one candidate that no peer allows.
TEST(Positions, ReadInEveryFormAsTheSameCandidatesAndGivens) {
    const std::string expected = FirstLine(Fixture("expected.txt"));
    const std::string givens = FirstLine(Fixture("expected-givens.txt"));
    for (const char* name : {"expected.txt", "scrambled.txt", "hodoku.txt", "simple-sudoku.txt",
                             "sukaku.txt", "library.txt", "s9b.txt", "sudokuwiki-link.txt"}) {
        Puzzle puzzle;
        ASSERT_EQ(ParseText(Fixture(name), puzzle).kind, Kind::None) << name;
        ASSERT_TRUE(puzzle.marks) << name;
        EXPECT_EQ(PlacesLine(*puzzle.marks), expected) << name;
        EXPECT_EQ(GivensOf(puzzle), givens) << name;
    }
    const ParsedLine line = ParseLine(Fixture("scrambled.txt"));
    ASSERT_EQ(line.kind, ParsedLine::Kind::Puzzle);
    EXPECT_EQ(PlacesLine(*line.puzzle.marks), expected);
}

// What is written in HoDoKu's layout is HoDoKu's grid, and reads back as it was.
TEST(Positions, WritesTheGridOfCandidatesAsHoDoKuDoes) {
    Puzzle puzzle;
    ASSERT_EQ(ParseText(Fixture("expected.txt"), puzzle).kind, Kind::None);
    const std::string grid = CandidateGrid(*puzzle.marks);
    EXPECT_EQ(grid, Fixture("hodoku.txt"));
    Puzzle again;
    ASSERT_EQ(ParseText(grid, again).kind, Kind::None);
    EXPECT_EQ(*again.marks, *puzzle.marks);
}

// A cell down to one candidate is a given only where no peer allows its digit; a puzzle written
// as its bare candidates keeps its givens and its empty cells.
TEST(Positions, ACellWithOneCandidateIsAGivenWhereNoPeerAllowsIt) {
    Candidates candidates{};
    candidates.fill(GridGeometry::kAllDigits);
    candidates[0] = 1U << 4;
    EXPECT_EQ(PositionOf(candidates).givens[0], '.');
    for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[0]) {
        for (const int peer : GridGeometry::kCellsOfRegion[place.region]) {
            candidates[peer] &= peer == 0 ? ~0U : ~(1U << 4);
        }
    }
    const Puzzle position = PositionOf(candidates);
    EXPECT_EQ(position.givens[0], '5');
    EXPECT_EQ(GivensOf(position).find_first_not_of('.', 1), std::string::npos);
    candidates[1] = 0;
    EXPECT_EQ(PositionOf(candidates).givens[1], '.');
}

// A text that means a position but isn't one says what is wrong with it, and a file of lines
// that holds it tells that rather than a fault on every line.
TEST(Positions, ABrokenPositionSaysWhatIsWrong) {
    const std::string hodoku = Fixture("hodoku.txt");
    const std::string places = FirstLine(Fixture("expected.txt"));
    std::string rowShort = hodoku;
    rowShort.replace(rowShort.find("| 36  26"), 8, "| 26    ");
    const std::string code = FirstLine(Fixture("s9b.txt"));
    struct Case {
        const char* name;
        std::string text;
        Kind kind;
        std::size_t count;
        std::size_t line;
    };
    const Case cases[] = {
        {"728 places", places.substr(1), Kind::CellCount, 728, 0},
        {"730 places", places + "1", Kind::CellCount, 730, 0},
        {"a row left out",
         hodoku.substr(0, hodoku.find("| 4 ")) + hodoku.substr(hodoku.find("| 23 ")),
         Kind::GridRows, 8, 0},
        {"a row of 8 cells", rowShort, Kind::GridRowLength, 8, 2},
        {"a short code", code.substr(0, code.size() - 2), Kind::CodeLength, 160, 162},
        {"a library line of 80 cells", ":0000:x:" + std::string(80, '.') + ":::", Kind::CellCount,
         80, 0},
    };
    for (const Case& test : cases) {
        Puzzle puzzle;
        const TextProblem problem = ParseText(test.text, puzzle);
        EXPECT_EQ(problem.kind, test.kind) << test.name;
        EXPECT_EQ(problem.count, test.count) << test.name;
        EXPECT_EQ(problem.line, test.line) << test.name;
        EXPECT_FALSE(puzzle.marks) << test.name;
    }
    const Puzzles read = ParsePuzzles(rowShort);
    EXPECT_TRUE(read.puzzles.empty());
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.position.kind, Kind::GridRowLength);
    EXPECT_EQ(ParseLine(places.substr(1)).error,
              "expected 729 cells for a grid of candidates, found 728");
}

}  // namespace
}  // namespace Novem::PuzzleText
