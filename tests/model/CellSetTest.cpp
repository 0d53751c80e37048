#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/CellSet.h"
#include "model/Grid_9x9.h"
#include "model/Region.h"

namespace Novem {
namespace {

using TestCellSet = CellSet<9>;

std::vector<const Cell<9>*> CellsOf(const TestCellSet& set) {
    return {set.begin(), set.end()};
}

class CellSetOnGrid : public testing::Test {
protected:
    const Cell<9>* At(int row, int column) { return m_grid.GetCell(row, column); }

    TestCellSet Row(int row) {
        TestCellSet set;
        for (int column = 0; column < 9; ++column) {
            set.Add(m_grid.GetCell(row, column));
        }
        return set;
    }

    TestCellSet Column(int column) {
        TestCellSet set;
        for (int row = 0; row < 9; ++row) {
            set.Add(m_grid.GetCell(row, column));
        }
        return set;
    }

    TestCellSet Block(int firstRow, int firstColumn) {
        TestCellSet set;
        for (int index = 8; index >= 0; --index) {
            set.Add(m_grid.GetCell(firstRow + index / 3, firstColumn + index % 3));
        }
        return set;
    }

    Grid_9x9 m_grid;
};

TEST_F(CellSetOnGrid, SubsetPicksCellsInGridOrderByMaskBit) {
    const TestCellSet row = Row(0);
    EXPECT_TRUE(row.Subset(0).empty());
    EXPECT_EQ(CellsOf(row.Subset(1)), (std::vector{At(0, 0)}));
    EXPECT_EQ(CellsOf(row.Subset(5)), (std::vector{At(0, 0), At(0, 2)}));
    EXPECT_EQ(row.Subset(511).size(), 9U);
    EXPECT_EQ(CellsOf(row.Subset(0xFFFFFE00U | 4U)), (std::vector{At(0, 2)}));
    // Added in reverse, the block still iterates row by row.
    EXPECT_EQ(CellsOf(Block(0, 0).Subset(8)), (std::vector{At(1, 0)}));
}

TEST_F(CellSetOnGrid, DifferenceAndIntersection) {
    const TestCellSet top = Row(0);
    EXPECT_TRUE(top.Difference(top).empty());
    EXPECT_EQ(CellsOf(top.Difference(TestCellSet())), CellsOf(top));
    EXPECT_EQ(CellsOf(top.Difference(Block(0, 0))),
              (std::vector{At(0, 3), At(0, 4), At(0, 5), At(0, 6), At(0, 7), At(0, 8)}));

    EXPECT_EQ(CellsOf(top.Intersection(Block(0, 0))), (std::vector{At(0, 0), At(0, 1), At(0, 2)}));
    EXPECT_TRUE(top.Intersection(Block(3, 0)).empty());
    EXPECT_EQ(CellsOf(Row(4).Intersection(Column(7))), (std::vector{At(4, 7)}));
    EXPECT_EQ(top.size(), 9U);
}

TEST_F(CellSetOnGrid, CandidateUnion) {
    EXPECT_TRUE(TestCellSet().CandidateUnion().none());

    TestCellSet set;
    set.Add(m_grid.GetCell(0, 0));
    set.Add(m_grid.GetCell(0, 1));
    set.Add(m_grid.GetCell(0, 2));
    m_grid.GetCell(0, 0)->GetCandidates() = Cell<9>::Candidates(0b011);
    m_grid.GetCell(0, 1)->GetCandidates() = Cell<9>::Candidates(0b110);
    m_grid.GetCell(0, 2)->GetCandidates().reset();
    EXPECT_EQ(set.CandidateUnion().to_ulong(), 0b111U);
}

TEST_F(CellSetOnGrid, PlainSetsDoNotLinkBackAndCopiesArePlain) {
    TestCellSet set;
    Cell<9>* cell = m_grid.GetCell(2, 2);
    set.Add(cell);
    set.Add(cell);
    EXPECT_EQ(set.size(), 1U);
    EXPECT_EQ(cell->GetRegions().size(), 3U);

    Region<9> region;
    region.Add(cell);
    const TestCellSet copy(region);
    EXPECT_EQ(CellsOf(copy), (std::vector<const Cell<9>*>{cell}));
    EXPECT_EQ(cell->GetRegions().size(), 4U);
}

TEST(Region, LinksBothWaysOnceAndUnlinksOnDestruction) {
    std::array<Cell<9>, 2> cells;
    Region<9> keeper;
    keeper.Add(&cells[0]);
    {
        Region<9> region;
        region.Add(&cells[0]);
        region.Add(&cells[0]);
        region.Add(&cells[1]);
        EXPECT_EQ(region.size(), 2U);
        EXPECT_EQ(cells[0].GetRegions().size(), 2U);
        EXPECT_TRUE(cells[1].GetRegions().contains(&region));
    }
    EXPECT_EQ(cells[0].GetRegions(), (std::set<Region<9>*>{&keeper}));
    EXPECT_TRUE(cells[1].GetRegions().empty());
}

}  // namespace
}  // namespace Novem
