#include "Families.h"

#include <array>

namespace Novem::Ladder {

std::optional<Step> Find(Family family, const Board& board) {
    using Finder = std::optional<Step> (*)(const Board&);
    // In the order of the families.
    static constexpr std::array<Finder, kFamilies> kFinders = {
        FindFish,
        [](const Board& grid) { return FindSingleDigitPattern(grid); },
        FindWing,
        FindUniqueness,
        FindColouring,
        FindChain,
        FindFinnedFish,
        FindAlmostLockedSets,
        FindAlignedExclusion,
        FindForcingChain,
        FindDynamicForcingChain,
        FindNestedForcingChain};
    return kFinders[static_cast<std::size_t>(family)](board);
}

}  // namespace Novem::Ladder
