#include <gtest/gtest.h>

#include <stdexcept>

#include "model/Cell.h"

namespace Novem {
namespace {

using TestCell = Cell<9>;

TEST(Cell, StartsWithAllNineCandidatesUndecided) {
    const TestCell cell;
    int digit = 42;
    EXPECT_EQ(cell.GetCandidates().to_ulong(), 0x1FFU);
    EXPECT_FALSE(cell.GetValue(digit));
    EXPECT_EQ(digit, 42);
    EXPECT_EQ(cell.ToString(), "{1,2,3,4,5,6,7,8,9}");
    EXPECT_TRUE(cell.GetRegions().empty());
}

TEST(Cell, SetValueKeepsOnlyThatDigit) {
    TestCell cell;
    cell.SetValue(5);
    int digit = 0;
    EXPECT_TRUE(cell.GetValue(digit));
    EXPECT_EQ(digit, 5);
    EXPECT_EQ(cell.ToString(), "{5}");

    cell.SetValue(1);
    EXPECT_EQ(cell.GetCandidates().to_ulong(), 0x001U);
    cell.SetValue(9);
    EXPECT_EQ(cell.GetCandidates().to_ulong(), 0x100U);
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
    EXPECT_EQ(digit, 7);
    EXPECT_EQ(cell.ToString(), "{}");
}

INSTANTIATE_TEST_SUITE_P(Digits, CellSetValueOutOfRange, testing::Values(0, 10, -1, -2147483647));

TEST(Cell, SeveralCandidatesAreNoValue) {
    TestCell cell;
    cell.GetCandidates() = TestCell::Candidates(0b0100'0010);
    int digit = 3;
    EXPECT_FALSE(cell.GetValue(digit));
    EXPECT_EQ(digit, 3);
    EXPECT_EQ(cell.ToString(), "{2,7}");
}

TEST(Cell, RemovingCandidatesStaysWithinNineBits) {
    TestCell cell;
    cell.GetCandidates() = TestCell::Candidates(0b1'0000'0110);
    cell.GetCandidates() &= ~TestCell::Candidates(0b0'0011'1000);
    EXPECT_EQ(cell.ToString(), "{2,3,9}");
    cell.GetCandidates() &= ~TestCell::Candidates(0b1'0000'0110);
    EXPECT_EQ(cell.ToString(), "{}");
    EXPECT_EQ(cell.GetCandidates().to_ulong(), 0U);
    EXPECT_LE((~cell.GetCandidates()).to_ulong(), 0x1FFU);
}

}  // namespace
}  // namespace Novem
