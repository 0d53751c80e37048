#pragma once

#include <optional>

#include "Board.h"
#include "DigitPairs.h"
#include "OpenCells.h"
#include "Step.h"

// The families of techniques, one finder each. A finder looks at the candidates and returns the
// first application of its techniques in its own fixed order, one that removes at least one
// candidate, or nothing. It never changes the board. Finders of one-digit patterns can be given
// the digits to look at: they find the first of those digits' patterns.
namespace Novem::Ladder {

std::optional<Step> FindFish(const Board& board);
// One size of fish: 2 for X-wings, 3 for swordfish, 4 for jellyfish.
std::optional<Step> FindFishOfSize(const Board& board, int size,
                                   unsigned digits = GridGeometry::kAllDigits);
std::optional<Step> FindSingleDigitPattern(const Board& board,
                                           unsigned digits = GridGeometry::kAllDigits);
std::optional<Step> FindWing(const Board& board);
std::optional<Step> FindXYWing(const Board& board);
std::optional<Step> FindXYZWing(const Board& board);
std::optional<Step> FindWWing(const Board& board);
// Unique rectangles and loops, then the bivalue universal grave: only for a grid of exactly one
// solution.
std::optional<Step> FindUniqueness(const Board& board);
std::optional<Step> FindUniqueLoop(const Board& board);
// Unique loops of the pairs of digits in `pairs` alone; `looped` is set to those of them that
// make a valid loop, whatever its hints.
std::optional<Step> FindUniqueLoopOfPairs(const OpenCells& open, DigitPairs pairs,
                                          DigitPairs& looped);
std::optional<Step> FindBivalueUniversalGrave(const Board& board);
std::optional<Step> FindColouring(const Board& board);
std::optional<Step> FindChain(const Board& board);
std::optional<Step> FindFinnedFish(const Board& board);
// Finned fish of `smallest` to `largest` lines in the base: 2 for X-wings, 3 swordfish, 4
// jellyfish.
std::optional<Step> FindFinnedFishOfSizes(const Board& board, int smallest, int largest,
                                          unsigned digits = GridGeometry::kAllDigits);
std::optional<Step> FindAlmostLockedSets(const Board& board);
// Aligned pair exclusion, then aligned triplet exclusion.
std::optional<Step> FindAlignedExclusion(const Board& board);
std::optional<Step> FindAlignedPairExclusion(const Board& board);
std::optional<Step> FindAlignedTripletExclusion(const Board& board);
// Aligned pair (degree 2) or triplet (3) exclusion where something changed: only base cells
// among `changed`, or with an excluder among them, are tested.
std::optional<Step> FindAlignedExclusionNear(const OpenCells& open, int degree,
                                             const CellMask& changed);
std::optional<Step> FindForcingChain(const Board& board);
std::optional<Step> FindDynamicForcingChain(const Board& board);
// Nested to depth 2, without and with the basic techniques inside, then to depth 3 within a
// budget. The shallow one stops after depth 2 without them, for a grid without exactly one
// solution: such a grid gains little further for the time it takes there.
std::optional<Step> FindNestedForcingChain(const Board& board);
std::optional<Step> FindShallowNestedForcingChain(const Board& board);

// The finder of the family.
std::optional<Step> Find(Family family, const Board& board);

}  // namespace Novem::Ladder
