#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "support/Puzzles.h"

namespace Novem {
namespace {

using TestCell = Cell<9>;
using Candidates = TestCell::Candidates;
using RegionType = Grid_9x9::RegionType;

TEST(Cell, ShowsItsCandidatesAndItsDigit) {
    TestCell cell;
    int digit = 42;
    EXPECT_FALSE(cell.GetValue(digit));
    EXPECT_EQ(cell.ToString(), "{1,2,3,4,5,6,7,8,9}");

    cell.GetCandidates() = Candidates(0b0100'0010);
    EXPECT_FALSE(cell.GetValue(digit));
    EXPECT_EQ(digit, 42);
    EXPECT_EQ(cell.ToString(), "{2,7}");

    cell.SetValue(9);
    EXPECT_TRUE(cell.GetValue(digit));
    EXPECT_EQ(digit, 9);
    EXPECT_EQ(cell.GetCandidates().to_ulong(), 0x100U);
    EXPECT_EQ(cell.ToString(), "{9}");
}

TEST(Cell, SetValueOutsideOneToNineThrowsTheBitsetMessageAndLeavesNoCandidate) {
    for (const int digit : {0, 10, -1, -2147483647}) {
        TestCell cell;
        try {
            cell.SetValue(digit);
            ADD_FAILURE() << "SetValue(" << digit << ") did not throw";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "invalid bitset<N> position");
        }
        int value = 7;
        EXPECT_FALSE(cell.GetValue(value));
        EXPECT_EQ(cell.ToString(), "{}");
    }
}

class CellSets : public testing::Test {
protected:
    CellSets() { m_grid.CollectRegions(m_regions); }

    const RegionType& At(std::size_t index) const { return **std::next(m_regions.begin(), index); }
    std::vector<const TestCell*> CellsOf(const CellSet<9>& set) const {
        return {set.begin(), set.end()};
    }
    const TestCell* Cell(int row, int column) const { return m_grid.GetCell(row, column); }

    Grid_9x9 m_grid;
    std::set<RegionType*> m_regions;
};

TEST_F(CellSets, PickCellsInGridOrder) {
    const RegionType& topRow = At(9);
    EXPECT_TRUE(topRow.Subset(0).empty());
    EXPECT_EQ(CellsOf(topRow.Subset(5)), (std::vector{Cell(0, 0), Cell(0, 2)}));
    EXPECT_EQ(CellsOf(topRow.Subset(0xFFFFFE00U | 4U)), (std::vector{Cell(0, 2)}));
    EXPECT_EQ(topRow.Subset(511).size(), 9U);
    EXPECT_EQ(CellsOf(At(0).Subset(8)), (std::vector{Cell(1, 0)}));

    EXPECT_TRUE(topRow.Difference(topRow).empty());
    EXPECT_EQ(CellsOf(topRow.Difference(CellSet<9>())), CellsOf(topRow));
    EXPECT_EQ(CellsOf(topRow.Intersection(At(0))),
              (std::vector{Cell(0, 0), Cell(0, 1), Cell(0, 2)}));
    EXPECT_TRUE(topRow.Intersection(At(3)).empty());
    EXPECT_EQ(CellsOf(At(13).Intersection(At(25))), (std::vector{Cell(4, 7)}));
}

TEST_F(CellSets, UniteCandidatesAndOnlyRegionsLinkBack) {
    EXPECT_TRUE(CellSet<9>().CandidateUnion().none());
    m_grid.GetCell(0, 0)->GetCandidates() = Candidates(0b011);
    m_grid.GetCell(0, 1)->GetCandidates() = Candidates(0b110);
    m_grid.GetCell(0, 2)->GetCandidates().reset();
    EXPECT_EQ(At(9).Subset(7).CandidateUnion().to_ulong(), 0b111U);

    CellSet<9> plain;
    plain.Add(m_grid.GetCell(2, 2));
    plain.Add(m_grid.GetCell(2, 2));
    EXPECT_EQ(plain.size(), 1U);
    EXPECT_EQ(Cell(2, 2)->GetRegions().size(), 3U);
    {
        RegionType extra;
        extra.Add(m_grid.GetCell(2, 2));
        extra.Add(m_grid.GetCell(2, 2));
        EXPECT_EQ(extra.size(), 1U);
        EXPECT_EQ(Cell(2, 2)->GetRegions().size(), 4U);
    }
    EXPECT_EQ(Cell(2, 2)->GetRegions().size(), 3U);
}

TEST_F(CellSets, GridWiresEachCellToItsBlockRowAndColumn) {
    ASSERT_EQ(m_regions.size(), 27U);
    const auto& linked = Cell(4, 7)->GetRegions();
    EXPECT_EQ(std::vector<const RegionType*>(linked.begin(), linked.end()),
              (std::vector<const RegionType*>{&At(5), &At(13), &At(25)}));
    EXPECT_EQ(CellsOf(At(4).Subset(0b100'000'001)), (std::vector{Cell(3, 3), Cell(5, 5)}));

    Grid_9x9 other;
    std::set<RegionType*> regions;
    other.CollectRegions(regions);
    m_grid.CollectRegions(regions);
    EXPECT_EQ(regions, m_regions);
}

const std::string kSample(TestSupport::kSamplePuzzle);

struct LineCase {
    const char* name;
    std::string line;
    PuzzleText::ParsedLine::Kind kind;
    std::string expected;  // the cells, or the error
};

void PrintTo(const LineCase& line, std::ostream* out) {
    *out << line.name;
}

class PuzzleLine : public testing::TestWithParam<LineCase> {};

TEST_P(PuzzleLine, ReadsCellsOrSaysWhatIsWrong) {
    const PuzzleText::ParsedLine parsed = PuzzleText::ParseLine(GetParam().line);
    EXPECT_EQ(parsed.kind, GetParam().kind);
    if (parsed.kind == PuzzleText::ParsedLine::Kind::Puzzle) {
        EXPECT_EQ(std::string(parsed.cells.begin(), parsed.cells.end()), GetParam().expected);
    } else if (parsed.kind == PuzzleText::ParsedLine::Kind::Invalid) {
        EXPECT_EQ(parsed.error, GetParam().expected);
    }
}

using Kind = PuzzleText::ParsedLine::Kind;
// What every error about a character ends with.
std::string BadCell(std::string start) {
    return start + " (cells are 1 to 9, 0 or .)";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PuzzleLine,
    testing::Values(
        LineCase{"Blank", " \t\r", Kind::Skipped, ""},
        LineCase{"Comment", "  # a comment", Kind::Skipped, ""},
        LineCase{"ZerosAndWhiteSpaceAround", std::string("\t") + std::string(80, '0') + "7 \r", Kind::Puzzle,
                 std::string(80, '.') + "7"},
        LineCase{"RatingAfterBlanks", kSample + "  11.9/1.2/1.2", Kind::Puzzle, kSample},
        LineCase{"NameAfterSemicolon", kSample + ";name;x", Kind::Puzzle, kSample},
        LineCase{"CommentRightAfter", kSample + "#from a forum", Kind::Puzzle, kSample},
        LineCase{"CommaAndBar", kSample + ",1|2", Kind::Puzzle, kSample},
        LineCase{"Short", "123", Kind::Invalid, "expected 81 cells, found 3"},
        LineCase{"ShortBeforeAField", "1 2" + std::string(78, '.'), Kind::Invalid,
                 "expected 81 cells, found 1"},
        LineCase{"EightySecondCell", kSample + "1 x", Kind::Invalid, "expected 81 cells, found 82"},
        LineCase{"LetterCountedFromTheLineStart", "  12x" + std::string(78, '.'), Kind::Invalid,
                 BadCell("invalid character 'x' at column 5")},
        LineCase{"LetterAfterTheCells", kSample + "x", Kind::Invalid,
                 BadCell("invalid character 'x' at column 82")},
        LineCase{"ControlByte", std::string(5, '.') + '\x01', Kind::Invalid,
                 BadCell("invalid character \\x01 at column 6")},
        LineCase{"Delete", std::string(5, '.') + '\x7F', Kind::Invalid,
                 BadCell("invalid character \\x7F at column 6")},
        LineCase{"Tilde", "~", Kind::Invalid, BadCell("invalid character '~' at column 1")}),
    [](const auto& info) { return info.param.name; });

TEST(PuzzleText, ReadsPastedTextAsOneLineOrNineLinesOfNine) {
    std::string nineLines = "\r\n";
    for (int row = 0; row < 9; ++row) {
        nineLines += ' ';
        nineLines += kSample.substr(9 * row, 9) + (row == 4 ? "\r\n\r\n" : "\n");
    }
    for (const std::string& text : {kSample + " # comment\n", nineLines}) {
        PuzzleText::Cells cells{};
        ASSERT_TRUE(PuzzleText::ParseText(text, cells)) << text;
        EXPECT_EQ(std::string(cells.begin(), cells.end()), kSample);
    }
    const std::string wrongRow = nineLines.substr(0, nineLines.size() - 2) + "x\n";
    for (const std::string& text : {std::string("5"), std::string(), kSample + "x", wrongRow,
                                    nineLines.substr(12), kSample + "\n" + kSample}) {
        PuzzleText::Cells cells{};
        cells.fill('?');
        EXPECT_FALSE(PuzzleText::ParseText(text, cells)) << text;
        EXPECT_EQ(cells[0], '?');
    }
}

TEST(PuzzleText, LoadsGivensOverAnyCandidatesAndFormatsTheResult) {
    Grid_9x9 grid;
    grid.GetCell(0, 1)->GetCandidates().reset();
    grid.GetCell(0, 2)->GetCandidates() = Candidates(0b110);
    PuzzleText::Load(TestSupport::ToCells(kSample), grid);
    EXPECT_EQ(PuzzleText::Format(grid), kSample);
    EXPECT_EQ(grid.GetCell(0, 3)->GetCandidates().count(), 9U);
    grid.GetCell(0, 3)->GetCandidates().reset();
    EXPECT_EQ(PuzzleText::Format(grid).substr(0, 4), "895x");
}

}  // namespace
}  // namespace Novem
