#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "ladder/Board.h"
#include "ladder/Families.h"
#include "model/Grid_9x9.h"
#include "support/Positions.h"

namespace Novem::Ladder {
namespace {

bool SameStep(const std::optional<Step>& one, const std::optional<Step>& other) {
    return one.has_value() == other.has_value() &&
           (!one || (one->technique == other->technique && one->removals == other->removals &&
                     one->cellDigits == other->cellDigits && one->excluders == other->excluders));
}

// Takes one candidate from a cell of several, chosen at random: the cell may be left with one, and
// then it counts as placed.
void RemoveOne(Board& board, std::minstd_rand& random) {
    const int opens = board.Open().Count();
    auto skip = static_cast<int>(random() % static_cast<unsigned>(opens));
    for (const int cell : board.Open()) {
        if (skip-- == 0) {
            unsigned candidates = board.Candidates(cell);
            for (auto drop = random() % static_cast<unsigned>(Bits::Count(candidates)); drop > 0;
                 --drop) {
                candidates = Bits::WithoutLowest(candidates);
            }
            board.Remove(cell, Bits::LowestOnly(candidates));
            return;
        }
    }
}

// The remembering searches find exactly what fresh ones find. Each technique position loses its
// candidates one at a time, taking the steps found on the way, and the positions follow one
// another, so searches also come after candidates came back.
TEST(AlignedExclusionMemory, FindsWhatAFreshSearchFinds) {
    AlignedExclusionMemory memory;
    std::minstd_rand random(2026);
    int searches = 0;
    int found = 0;
    for (const auto& [expected, candidates] : TestSupport::TechniquePositions()) {
        Grid_9x9 cells;
        TestSupport::SetCandidates(cells, candidates);
        Board board(cells);
        while (!board.Open().Empty() && !board.Contradicted()) {
            std::optional<Step> step = memory.FindPair(board);
            ASSERT_TRUE(SameStep(step, FindAlignedPairExclusion(board))) << expected;
            if (!step) {
                step = memory.FindTriplet(board);
                ASSERT_TRUE(SameStep(step, FindAlignedTripletExclusion(board))) << expected;
            }
            ++searches;
            if (step) {
                ++found;
                for (const CellRemoval& removal : step->removals) {
                    board.Remove(removal.cell, removal.digits);
                }
            } else {
                RemoveOne(board, random);
            }
        }
    }
    EXPECT_GT(found, searches / 20);
}

}  // namespace
}  // namespace Novem::Ladder
