#include "ExplainerPath.h"

#include "Difficulty.h"
#include "Families.h"

namespace Novem::Ladder {

bool ExplainerPath::Continue(Position position, PathRating& rating, UniqueSolution& unique) {
    while (!position.board.Contradicted() && !Settled(position.board, position.unspread)) {
        std::optional<Found> found = Next(position, unique);
        position.unspread = CellMask();
        if (!found) {
            break;
        }
        rating.Rate(found->rating, NameOf(found->move), Places(found->move));
        Advance(position, found->move);
    }
    return Settled(position.board, position.unspread);
}

std::optional<ExplainerPath::Found> ExplainerPath::Next(const Position& position,
                                                        UniqueSolution& unique) {
    const BasicMoves basic(position.board, position.free);
    if (std::optional<BasicMove> spread = basic.SpreadPlaced(position.unspread)) {
        return Found{Move(std::move(*spread)), 0};
    }
    for (int rung = 0; rung < kSharedRungs; ++rung) {
        if (std::optional<Move> move = SharedRung(rung, basic, position.board, kAllFamilies,
                                                  Level::Beyond, unique, m_memory)) {
            const int rating = RatingOf(*move);
            return Found{std::move(*move), rating};
        }
    }
    const auto chain = [&](ChainRule rule) -> std::optional<Found> {
        if (std::optional<ChainHint> hint = m_chains.Find(position.board, rule)) {
            return Found{Move(std::move(hint->step)), hint->rating};
        }
        return std::nullopt;
    };
    const auto rated = [](std::optional<Step> found) -> std::optional<Found> {
        if (found) {
            const int rating = Difficulty::Of(*found);
            return Found{Move(std::move(*found)), rating};
        }
        return std::nullopt;
    };
    if (std::optional<Found> found = chain(ChainRule::CyclesAndForcingChains)) {
        return found;
    }
    if (std::optional<Found> found = rated(m_memory.AlignedTripletExclusion(position.board))) {
        return found;
    }
    for (const ChainRule rule :
         {ChainRule::Nishio, ChainRule::MultipleForcingChains, ChainRule::DynamicForcingChains,
          ChainRule::DynamicForcingChainsPlus, ChainRule::NestedForcingChains,
          ChainRule::NestedMultipleForcingChains, ChainRule::NestedDynamicForcingChains,
          ChainRule::NestedDynamicForcingChainsPlus}) {
        if (std::optional<Found> found = chain(rule)) {
            return found;
        }
    }
    if (std::optional<Found> found = rated(FindDynamicForcingChain(position.board))) {
        return found;
    }
    return rated(FindNestedForcingChain(position.board));
}

}  // namespace Novem::Ladder
