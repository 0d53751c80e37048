#include <gtest/gtest.h>

#include <string_view>

#include "ladder/Board.h"
#include "ladder/CellMask.h"
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

}  // namespace
}  // namespace Novem::Ladder
