#pragma once

#include <optional>

#include "Board.h"
#include "Step.h"

// The families of techniques, one finder each. A finder looks at the candidates and returns the
// first application of its techniques in its own fixed order, one that removes at least one
// candidate, or nothing. It never changes the board.
namespace Novem::Ladder {

std::optional<Step> FindFish(const Board& board);
std::optional<Step> FindSingleDigitPattern(const Board& board);
std::optional<Step> FindWing(const Board& board);
std::optional<Step> FindColouring(const Board& board);
std::optional<Step> FindChain(const Board& board);
std::optional<Step> FindFinnedFish(const Board& board);
std::optional<Step> FindAlmostLockedSets(const Board& board);
std::optional<Step> FindForcingChain(const Board& board);

// The finder of the family.
std::optional<Step> Find(Family family, const Board& board);

}  // namespace Novem::Ladder
