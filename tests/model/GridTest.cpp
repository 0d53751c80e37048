#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "support/Puzzles.h"

namespace Novem {
namespace {

using RegionSet = std::set<Grid_9x9::RegionType*>;

std::vector<Grid_9x9::RegionType*> AllRegions(Grid_9x9& grid) {
    RegionSet regions;
    grid.CollectRegions(regions);
    return {regions.begin(), regions.end()};
}

TEST(Grid, WiresEveryCellToItsBlockRowAndColumnInThatOrder) {
    Grid_9x9 grid;
    const auto regions = AllRegions(grid);
    ASSERT_EQ(regions.size(), 27U);
    for (const auto* region : regions) {
        EXPECT_EQ(region->size(), 9U);
    }
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const auto& linked = grid.GetCell(row, column)->GetRegions();
            const std::vector<Grid_9x9::RegionType*> expected{
                regions[3 * (row / 3) + column / 3], regions[9 + row], regions[18 + column]};
            EXPECT_EQ(std::vector(linked.begin(), linked.end()), expected) << row << "," << column;
        }
    }
    EXPECT_EQ(grid.GetCell(8, 8) - grid.GetCell(0, 0), 80);
    const auto* block4 = regions[4];
    EXPECT_EQ(*block4->begin(), grid.GetCell(3, 3));
    EXPECT_EQ(*std::prev(block4->end()), grid.GetCell(5, 5));
}

TEST(Grid, CollectRegionsReplacesWhatTheSetHeld) {
    Grid_9x9 grid;
    Grid_9x9 other;
    RegionSet regions;
    other.CollectRegions(regions);
    grid.CollectRegions(regions);
    EXPECT_EQ(std::vector(regions.begin(), regions.end()), AllRegions(grid));
    EXPECT_FALSE(regions.contains(*other.GetCell(0, 0)->GetRegions().begin()));
}

TEST(Grid, IsSolvedCountsCandidatesOnly) {
    Grid_9x9 grid;
    EXPECT_FALSE(grid.IsSolved());

    TestSupport::LoadPuzzle(grid, std::string(81, '7'));
    EXPECT_TRUE(grid.IsSolved());

    grid.GetCell(4, 4)->GetCandidates().reset();
    EXPECT_FALSE(grid.IsSolved());
}

TEST(GridUpdateEvent, DumpsHeaderAndNineTabSeparatedRows) {
    Grid_9x9 grid;
    std::string row;
    for (int column = 0; column < 9; ++column) {
        row += (column > 0 ? "\t" : "") + std::string("{1,2,3,4,5,6,7,8,9}");
    }
    std::string expected = "************ SolverImplV1::ExternalRule[27] ************\n";
    for (int line = 0; line < 9; ++line) {
        expected += row + "\n";
    }
    const GridUpdateListener<Grid_9x9>::GridUpdateEvent event{&grid, "SolverImplV1::ExternalRule",
                                                              27};
    EXPECT_EQ(event.ToString(), expected);

    grid.GetCell(8, 8)->SetValue(3);
    grid.GetCell(8, 7)->GetCandidates().reset();
    const std::string dump = event.ToString();
    EXPECT_EQ(dump.substr(dump.size() - 8), "\t{}\t{3}\n");
}

}  // namespace
}  // namespace Novem
