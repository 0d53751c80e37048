#pragma once

#include "ChainSearch.h"
#include "Step.h"

namespace Novem::Ladder {

// The step a chain gives: its candidates and links, and the candidates that see both its ends,
// which it removes. A chain whose ends see each other closes into a continuous loop, which
// removes along every weak link as well; one whose ends are the same candidate proves it true.
Step StepOfChain(const Board& board, const ChainSearch& search, const ChainSearch::Chain& chain,
                 Technique technique);

}  // namespace Novem::Ladder
