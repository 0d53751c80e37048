#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
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

class CellSetValueOutOfRange : public testing::TestWithParam<int> {};

TEST_P(CellSetValueOutOfRange, ThrowsTheBitsetMessageAndLeavesNoCandidate) {
    TestCell cell;
    try {
        cell.SetValue(GetParam());
        FAIL() << "SetValue(" << GetParam() << ") did not throw";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid bitset<N> position");
    }
    int digit = 7;
    EXPECT_FALSE(cell.GetValue(digit));
    EXPECT_EQ(cell.ToString(), "{}");
}

INSTANTIATE_TEST_SUITE_P(Digits, CellSetValueOutOfRange, testing::Values(0, 10, -1, -2147483647));

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

}  // namespace
}  // namespace Novem
