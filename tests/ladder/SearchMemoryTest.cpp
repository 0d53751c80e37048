#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "ladder/Board.h"
#include "ladder/Families.h"
#include "ladder/SearchMemory.h"
#include "model/Grid_9x9.h"
#include "support/Positions.h"

namespace Novem::Ladder {
namespace {

bool SameStep(const std::optional<Step>& one, const std::optional<Step>& other) {
    return one.has_value() == other.has_value() &&
           (!one || (one->technique == other->technique && one->removals == other->removals &&
                     one->cellDigits == other->cellDigits && one->excluders == other->excluders &&
                     one->base == other->base && one->cover == other->cover &&
                     one->fins == other->fins && one->nodes == other->nodes));
}

// Takes one candidate from a cell of several, chosen at random: the cell may be left with one, and
// then it counts as placed.
void RemoveOne(Board& board, std::minstd_rand& random) {
    auto skip = static_cast<int>(random() % static_cast<unsigned>(board.Open().Count()));
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

struct Search {
    const char* name;
    std::function<std::optional<Step>(SearchMemory&, const Board&)> remembering;
    std::function<std::optional<Step>(const Board&)> fresh;
};

// The remembering searches find exactly what fresh ones find. Each technique position loses its
// candidates one at a time, taking the steps found on the way, and then gets them back in reverse
// order; each search runs every so many steps, its own number, so that it sees small changes and
// large; and the positions follow one another.
TEST(SearchMemory, FindsWhatAFreshSearchFinds) {
    const std::vector<Search> searches = {
        {"fish 2", [](SearchMemory& m, const Board& b) { return m.Fish(b, 2); },
         [](const Board& b) { return FindFishOfSize(b, 2); }},
        {"fish 3", [](SearchMemory& m, const Board& b) { return m.Fish(b, 3); },
         [](const Board& b) { return FindFishOfSize(b, 3); }},
        {"fish 4", [](SearchMemory& m, const Board& b) { return m.Fish(b, 4); },
         [](const Board& b) { return FindFishOfSize(b, 4); }},
        {"finned 2-3", [](SearchMemory& m, const Board& b) { return m.FinnedFishUpToSwordfish(b); },
         [](const Board& b) { return FindFinnedFishOfSizes(b, 2, 3); }},
        {"finned 4", [](SearchMemory& m, const Board& b) { return m.FinnedJellyfish(b); },
         [](const Board& b) { return FindFinnedFishOfSizes(b, 4, 4); }},
        {"single digit", [](SearchMemory& m, const Board& b) { return m.SingleDigitPattern(b); },
         [](const Board& b) { return FindSingleDigitPattern(b); }},
        {"aligned pair", [](SearchMemory& m, const Board& b) { return m.AlignedPairExclusion(b); },
         FindAlignedPairExclusion},
        {"aligned triplet",
         [](SearchMemory& m, const Board& b) { return m.AlignedTripletExclusion(b); },
         FindAlignedTripletExclusion},
    };
    SearchMemory memory;
    std::minstd_rand random(2026);
    std::vector<int> found(searches.size());
    std::vector<int> ran(searches.size());
    int steps = 0;
    // The first found of those that ran.
    const auto searchAll = [&](const Board& board) {
        std::optional<Step> first;
        for (std::size_t k = 0; k < searches.size(); ++k) {
            if (steps % static_cast<int>(k + 1) != 0) {
                continue;
            }
            std::optional<Step> step = searches[k].remembering(memory, board);
            EXPECT_TRUE(SameStep(step, searches[k].fresh(board))) << searches[k].name;
            ++ran[k];
            found[k] += step ? 1 : 0;
            if (!first) {
                first = std::move(step);
            }
        }
        return first;
    };
    for (const auto& [expected, candidates] : TestSupport::TechniquePositions()) {
        Grid_9x9 cells;
        TestSupport::SetCandidates(cells, candidates);
        std::vector<Board> boards = {Board(cells)};
        for (; !boards.back().Open().Empty() && !boards.back().Contradicted(); ++steps) {
            Board board = boards.back();
            if (const std::optional<Step> taken = searchAll(board)) {
                for (const CellRemoval& removal : taken->removals) {
                    board.Remove(removal.cell, removal.digits);
                }
            } else {
                RemoveOne(board, random);
            }
            boards.push_back(board);
        }
        // And back the same way, each candidate coming back as it went.
        for (auto board = boards.rbegin(); board != boards.rend(); ++board, ++steps) {
            searchAll(*board);
        }
    }
    for (std::size_t k = 0; k < searches.size(); ++k) {
        EXPECT_GT(found[k], 0) << searches[k].name << " " << found[k] << "/" << ran[k];
    }
}

}  // namespace
}  // namespace Novem::Ladder
