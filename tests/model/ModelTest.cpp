#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "model/Bits.h"
#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "support/Puzzles.h"

namespace Novem {
namespace {

using TestCell = Cell<9>;
using Candidates = TestCell::Candidates;
using RegionType = Grid_9x9::RegionType;

// A cell with several candidates, or none, leaves the caller's digit alone.
TEST(Cell, SetValueOutsideOneToNineThrowsTheBitsetMessageAndLeavesNoCandidate) {
    TestCell cell;
    cell.GetCandidates() = Candidates(0b0100'0010);
    int value = 7;
    EXPECT_FALSE(cell.GetValue(value));
    EXPECT_EQ(cell.ToString(), "{2,7}");
    for (const int digit : {0, 10, -1, -2147483647}) {
        try {
            cell.SetValue(digit);
            ADD_FAILURE() << "SetValue(" << digit << ") did not throw";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "invalid bitset<N> position");
        }
        EXPECT_FALSE(cell.GetValue(value));
        EXPECT_EQ(cell.ToString(), "{}");
        cell.SetValue(9);
    }
    EXPECT_EQ(value, 7);
}

// Sets pick, subtract and meet in grid order and unite candidates; only regions link back.
TEST(CellSets, PickCellsInGridOrderAndOnlyRegionsLinkBack) {
    Grid_9x9 m_grid;
    std::set<RegionType*> regions;
    m_grid.CollectRegions(regions);
    const auto At = [&](std::size_t index) -> const RegionType& {
        return **std::next(regions.begin(), index);
    };
    const auto CellsOf = [](const CellSet<9>& set) {
        return std::vector<const TestCell*>(set.begin(), set.end());
    };
    const auto Cell = [&](int row, int column) -> const TestCell* {
        return m_grid.GetCell(row, column);
    };
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

}  // namespace
// The subsets of a given size come in ascending order of their masks, each once, and none when
// the set is too small.
TEST(Bits, VisitsTheSubsetsOfASizeInAscendingOrder) {
    const std::tuple<unsigned, int, std::vector<unsigned>> cases[] = {
        {0b10110U, 2, {0b00110U, 0b10010U, 0b10100U}},
        {0b10110U, 3, {0b10110U}},
        {0b10110U, 4, {}},
        {0b1U, 1, {0b1U}},
        {0U, 1, {}},
    };
    for (const auto& [set, size, expected] : cases) {
        std::vector<unsigned> seen;
        Bits::ForEachSubsetOfSize(set, size, [&](unsigned subset) {
            seen.push_back(subset);
            return false;
        });
        EXPECT_EQ(seen, expected) << set << " " << size;
    }
    int visited = 0;
    EXPECT_TRUE(Bits::ForEachSubsetOfSize(0x1FFU, 4, [&](unsigned) { return ++visited == 5; }));
    EXPECT_EQ(visited, 5);
}

// Exactly two bits, wherever they are, in any width.
TEST(Bits, TellsExactlyTwoBits) {
    const std::pair<unsigned, bool> cases[] = {
        {0U, false},     {1U, false},         {0b11U, true},
        {0b101U, true},  {0b111U, false},     {0x100U | 1U, true},
        {0x1FFU, false}, {0x80000001U, true}, {0x80000000U, false},
    };
    for (const auto& [bits, two] : cases) {
        EXPECT_EQ(Bits::Two(bits), two) << bits;
    }
    EXPECT_TRUE(Bits::Two(std::uint64_t{1} << 63 | 1U));
}

// Counted by the table below 512 and by word operations above, in any width.
TEST(Bits, CountsTheBitsOfSmallAndLargeSets) {
    for (unsigned bits = 0; bits < 1024; ++bits) {
        EXPECT_EQ(Bits::Count(bits), std::popcount(bits)) << bits;
    }
    for (const std::uint64_t bits : {~std::uint64_t{0}, std::uint64_t{1} << 63 | 0x1FF,
                                     std::uint64_t{0x8000000000000000}, std::uint64_t{0x5555}}) {
        EXPECT_EQ(Bits::Count(bits), std::popcount(bits)) << bits;
    }
}

}  // namespace Novem
