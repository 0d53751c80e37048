#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

#include "ladder/Board.h"
#include "ladder/CellMask.h"
#include "ladder/ChainBaseSet.h"
#include "ladder/ExplainerChains.h"
#include "model/Grid_9x9.h"

namespace Novem::Ladder {
namespace {

// One of eleven's list of the hardest with eight more of its digits, each open cell holding the
// digits no given sees.
constexpr std::string_view kPuzzle =
    "12....78...7..9.36...37....23...4..8.4.9..5....6.2.3....15.8.9.5..2...7...2.371..";
constexpr std::string_view kSolution =
    "123456789457189236689372415235714968748963521916825347371548692564291873892637154";

// Each rule with rules inside finds its least difficult hint at its own base: a deduction true
// of the solution, named for the level, rated on the level's base plus what its complexity adds.
TEST(ExplainerChains, EachNestingLevelRatesFromItsBase) {
    struct Case {
        ChainRule rule;
        Technique technique;
        int base;
    };
    const Case cases[] = {
        {ChainRule::DynamicForcingChainsPlus, Technique::DynamicForcingChainPlus, 90},
        {ChainRule::NestedForcingChains, Technique::NestedForcingChain, 95},
        {ChainRule::NestedMultipleForcingChains, Technique::NestedMultipleForcingChain, 100},
        {ChainRule::NestedDynamicForcingChains, Technique::NestedDynamicForcingChain, 105},
        {ChainRule::NestedDynamicForcingChainsPlus, Technique::NestedDynamicForcingChainPlus, 110},
    };
    Grid_9x9 grid;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        auto& candidates = grid.GetCell(cell)->GetCandidates();
        const char given = kPuzzle[static_cast<std::size_t>(cell)];
        for (int peer = 0; peer < GridGeometry::kCells && given == '.'; ++peer) {
            const char seen = kPuzzle[static_cast<std::size_t>(peer)];
            if (seen != '.' && SeeEachOther(cell, peer)) {
                candidates.reset(static_cast<std::size_t>(seen - '1'));
            }
        }
        if (given != '.') {
            candidates.reset();
            candidates.set(static_cast<std::size_t>(given - '1'));
        }
    }
    const Board board(grid);
    ExplainerChains chains;
    for (const Case& c : cases) {
        const std::optional<ChainHint> hint = chains.Find(board, c.rule);
        ASSERT_TRUE(hint.has_value()) << c.base;
        EXPECT_EQ(hint->step.technique, c.technique);
        EXPECT_GE(hint->rating, c.base);
        EXPECT_LT(hint->rating, c.base + 20);
        for (const auto& [cell, digits] : hint->step.removals) {
            EXPECT_EQ(digits >> (kSolution[static_cast<std::size_t>(cell)] - '1') & 1U, 0U)
                << c.base << " removes the solution's digit from cell " << cell;
        }
    }
}

// Inside a branch, each rule of the base set finds what the branch's removals made possible, and
// rests it on those removals: the candidates of 1 gone from rows 2 and 3 of block 1 confine it
// to row 1 there; 1 and 2 gone from the rest of row 1 make a hidden pair; cells r1c1 and r1c2
// left with 1 and 2 make a naked pair, in the block and then in the row; 1 gone from columns 1
// and 2 below row 2 makes an X-wing. A pattern the branch found already made (an empty grid's
// own) is no deduction of the branch's.
TEST(ExplainerChains, BaseRulesRestOnWhatTheBranchRemoved) {
    using namespace Implications;
    using Potentials = std::set<Potential>;
    struct Case {
        BaseRule rule;
        // Cells and digits (0 for 1) the branch removed.
        std::vector<std::pair<std::vector<int>, std::vector<int>>> removed;
        std::vector<std::pair<Potentials, Potentials>> hints;
    };
    const auto offs = [](const std::vector<int>& cells, const std::vector<int>& digits) {
        Potentials potentials;
        for (const int cell : cells) {
            for (const int digit : digits) {
                potentials.insert(PotentialOf(cell, digit, false));
            }
        }
        return potentials;
    };
    std::vector<int> belowRow2;
    for (int row = 2; row < 9; ++row) {
        belowRow2.insert(belowRow2.end(), {9 * row, 9 * row + 1});
    }
    const std::vector<int> restOfRow1 = {2, 3, 4, 5, 6, 7, 8};
    const std::vector<int> restOfBlock1 = {2, 9, 10, 11, 18, 19, 20};
    const std::vector<int> otherDigits = {2, 3, 4, 5, 6, 7, 8};
    const Case cases[] = {
        {BaseRule::Locking,
         {{{9, 10, 11, 18, 19, 20}, {0}}},
         {{offs({3, 4, 5, 6, 7, 8}, {0}), offs({9, 10, 11, 18, 19, 20}, {0})}}},
        {BaseRule::HiddenPair,
         {{restOfRow1, {0, 1}}},
         {{offs({0, 1}, otherDigits), offs(restOfRow1, {0, 1})}}},
        {BaseRule::NakedPair,
         {{{0, 1}, otherDigits}},
         {{offs(restOfBlock1, {0, 1}), offs({0, 1}, otherDigits)},
          {offs(restOfRow1, {0, 1}), offs({0, 1}, otherDigits)}}},
        {BaseRule::XWing,
         {{belowRow2, {0}}},
         {{offs({2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 17}, {0}), offs(belowRow2, {0})}}},
    };
    Grid open;
    open.candidates.fill(GridGeometry::kAllDigits);
    for (auto& digits : open.positions) {
        digits.fill(GridGeometry::kAllPositions);
    }
    for (const Case& c : cases) {
        Grid grid = open;
        for (const auto& [cells, digits] : c.removed) {
            for (const int cell : cells) {
                for (const int digit : digits) {
                    grid.Remove(cell, digit);
                }
            }
        }
        std::vector<RuleHint> found;
        BaseRuleHints(c.rule, grid, open, ChangesOf(grid, open), {}, found);
        ASSERT_EQ(found.size(), c.hints.size()) << static_cast<int>(c.rule);
        for (std::size_t k = 0; k < found.size(); ++k) {
            EXPECT_EQ(Potentials(found[k].removals.begin(), found[k].removals.end()),
                      c.hints[k].first)
                << static_cast<int>(c.rule);
            EXPECT_EQ(Potentials(found[k].parents.begin(), found[k].parents.end()),
                      c.hints[k].second)
                << static_cast<int>(c.rule);
        }
        std::vector<RuleHint> already;
        BaseRuleHints(c.rule, grid, grid, ChangesOf(grid, grid), {}, already);
        EXPECT_TRUE(already.empty()) << static_cast<int>(c.rule);
    }
}

}  // namespace
}  // namespace Novem::Ladder
