#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "ladder/BasicMoves.h"
#include "ladder/Board.h"
#include "ladder/Families.h"
#include "ladder/SearchMemory.h"
#include "model/Grid_9x9.h"
#include "support/Positions.h"

namespace Novem::Ladder {
namespace {

// What a search found, as compared here: its technique (or a basic move's rating), and what it
// removes.
struct Found {
    int kind;
    std::vector<CellRemoval> removals;
    bool operator==(const Found&) const = default;
};

std::optional<Found> Of(const std::optional<Step>& step) {
    if (!step) {
        return std::nullopt;
    }
    return Found{static_cast<int>(step->technique), step->removals};
}

std::optional<Found> Of(const std::optional<BasicMove>& move) {
    if (!move) {
        return std::nullopt;
    }
    Found found{move->rating, {}};
    for (const RuleApplication& application : move->applications) {
        for (const CellRemoval& removal : application.Removals()) {
            found.removals.push_back(removal);
        }
    }
    return found;
}

constexpr CellMask kOddCells(0xAAAAAAAAAAAAAAAAULL, 0xAAAAAAAAAAAAAAAAULL);

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
    std::function<std::optional<Found>(SearchMemory&, const BasicMoves&)> remembering;
    std::function<std::optional<Found>(const BasicMoves&)> fresh;
};

// The remembering searches find exactly what fresh ones find. Each technique position loses its
// candidates one at a time, taking the steps found on the way, and then gets them back in reverse
// order; each search runs every so many steps, its own number, so that it sees small changes and
// large; and the positions follow one another. Every other step, decided cells in odd places count
// as placed, so that cells are placed and not without their candidates changing.
TEST(SearchMemory, FindsWhatAFreshSearchFinds) {
    using M = SearchMemory;
    using B = const BasicMoves&;
    const std::vector<Search> searches = {
        {"fish 2", [](M& m, B b) { return Of(m.Fish(b.Candidates(), 2)); },
         [](B b) { return Of(FindFishOfSize(b.Candidates(), 2)); }},
        {"fish 3", [](M& m, B b) { return Of(m.Fish(b.Candidates(), 3)); },
         [](B b) { return Of(FindFishOfSize(b.Candidates(), 3)); }},
        {"fish 4", [](M& m, B b) { return Of(m.Fish(b.Candidates(), 4)); },
         [](B b) { return Of(FindFishOfSize(b.Candidates(), 4)); }},
        {"finned 2-3", [](M& m, B b) { return Of(m.FinnedFishUpToSwordfish(b.Candidates())); },
         [](B b) { return Of(FindFinnedFishOfSizes(b.Candidates(), 2, 3)); }},
        {"finned 4", [](M& m, B b) { return Of(m.FinnedJellyfish(b.Candidates())); },
         [](B b) { return Of(FindFinnedFishOfSizes(b.Candidates(), 4, 4)); }},
        {"single digit", [](M& m, B b) { return Of(m.SingleDigitPattern(b.Candidates())); },
         [](B b) { return Of(FindSingleDigitPattern(b.Candidates())); }},
        {"aligned pair", [](M& m, B b) { return Of(m.AlignedPairExclusion(b.Candidates())); },
         [](B b) { return Of(FindAlignedPairExclusion(b.Candidates())); }},
        {"aligned triplet", [](M& m, B b) { return Of(m.AlignedTripletExclusion(b.Candidates())); },
         [](B b) { return Of(FindAlignedTripletExclusion(b.Candidates())); }},
        {"unique loop", [](M& m, B b) { return Of(m.UniqueLoop(b.Candidates())); },
         [](B b) { return Of(FindUniqueLoop(b.Candidates())); }},
        {"naked pair", [](M& m, B b) { return Of(m.NakedSubset(b, 2)); },
         [](B b) { return Of(b.NakedSubset(2)); }},
        {"naked quad", [](M& m, B b) { return Of(m.NakedSubset(b, 4)); },
         [](B b) { return Of(b.NakedSubset(4)); }},
        {"hidden triple", [](M& m, B b) { return Of(m.HiddenSubset(b, 3, false)); },
         [](B b) { return Of(b.HiddenSubset(3, false)); }},
        {"direct hidden pair", [](M& m, B b) { return Of(m.HiddenSubset(b, 2, true)); },
         [](B b) { return Of(b.HiddenSubset(2, true)); }},
    };
    SearchMemory memory;
    std::minstd_rand random(2026);
    std::vector<int> found(searches.size());
    std::vector<int> ran(searches.size());
    int steps = 0;
    // The first found of those that ran.
    const auto searchAll = [&](const Board& board) {
        const CellMask decided = kAllCells - board.Open();
        const CellMask placed = steps % 2 == 0 ? decided : decided & kOddCells;
        const BasicMoves basic(board, placed);
        std::optional<Found> first;
        for (std::size_t k = 0; k < searches.size(); ++k) {
            if (steps % static_cast<int>(k + 1) != 0) {
                continue;
            }
            std::optional<Found> step = searches[k].remembering(memory, basic);
            EXPECT_EQ(step, searches[k].fresh(basic)) << searches[k].name;
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
            if (const std::optional<Found> taken = searchAll(board)) {
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

// A unique loop of 1 and 2 (r1c1, r1c4, r2c4, r2c1, three of them with an extra 3) is not grown
// while r1c2, which the loop's first cell meets first, adds a fourth digit to the extras; once
// r1c2 loses the 1, it is no cell of the loop's pair any more, and the loop gives its step.
TEST(SearchMemory, SearchesAPairAgainWhereACellLeftIt) {
    const auto board = [](const char* second) {
        std::string candidates;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const bool extra = cell == 3 || cell == 9 || cell == 12;
            candidates += cell == 0 ? "12 " : cell == 1 ? second : extra ? "123 " : "3456789 ";
        }
        Grid_9x9 cells;
        TestSupport::SetCandidates(cells, candidates);
        return Board(cells);
    };
    const Board blocked = board("124 ");
    const Board open = board("24 ");
    ASSERT_FALSE(FindUniqueLoop(blocked));
    ASSERT_TRUE(FindUniqueLoop(open));
    SearchMemory memory;
    EXPECT_FALSE(memory.UniqueLoop(blocked));
    EXPECT_EQ(Of(memory.UniqueLoop(open)), Of(FindUniqueLoop(open)));
}

}  // namespace
}  // namespace Novem::Ladder
