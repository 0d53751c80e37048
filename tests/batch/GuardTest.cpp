#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/Guard.h"

namespace Novem {
namespace {

// Hundreds of puzzles, solved, unsolved and contradictory, with the results, counters and run
// logs that the rules gave before any speed work: every change to the engine must keep them.
TEST(Guard, EngineKeepsItsRecordedResultsAndLogs) {
    std::ifstream puzzles(NOVEM_TEST_DATA "/guard-puzzles.txt");
    std::ifstream expected(NOVEM_TEST_DATA "/guard-expected.txt");
    ASSERT_TRUE(puzzles && expected);
    std::string line;
    std::string expectedLine;
    int compared = 0;
    for (std::uint64_t number = 1; std::getline(puzzles, line); ++number) {
        const std::string actual = TestSupport::GuardLine(number, line);
        if (actual.empty()) {
            continue;
        }
        ASSERT_TRUE(std::getline(expected, expectedLine)) << "no expectation for line " << number;
        EXPECT_EQ(actual, expectedLine) << "line " << number;
        ++compared;
    }
    EXPECT_FALSE(std::getline(expected, expectedLine)) << "more expectations than puzzles";
    EXPECT_GT(compared, 300);
}

}  // namespace
}  // namespace Novem
