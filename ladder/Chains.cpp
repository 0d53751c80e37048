// Chains: X-chains, XY-chains and alternating inference chains, the last also closing into
// continuous and discontinuous nice loops. Candidates are linked strongly when at least one of
// them is true (the two digits of a cell with two, the two places of a digit in a region) and
// weakly when not both are (two digits of a cell, a digit twice in a region). A chain that
// alternates strong and weak links and starts and ends with a strong one has at least one true
// end, so a candidate that sees both ends is false. The shortest chain is taken (the fewest
// strong links), then the first candidate it removes in cell and digit order, and named by what
// it keeps to: one digit and its regions, an X-chain; cells with two digits linked by the digits
// they share, an XY-chain; anything else, an alternating inference chain.
#include <algorithm>

#include "ChainSteps.h"
#include "Families.h"

namespace Novem::Ladder {

namespace {

Technique Name(const Board& board, const ChainSearch::Chain& chain) {
    const Candidate& first = chain.nodes.front();
    const bool oneDigit =
        std::all_of(chain.nodes.begin(), chain.nodes.end(),
                    [&](const Candidate& node) { return node.digit == first.digit; });
    if (oneDigit) {
        return Technique::XChain;
    }
    bool bivalueCells = true;
    for (std::size_t link = 0; link < chain.links.size(); ++link) {
        const bool inCell = chain.nodes[link].cell == chain.nodes[link + 1].cell;
        bivalueCells = bivalueCells && inCell == (chain.links[link] == Link::Strong) &&
                       board.Bivalue().Has(chain.nodes[link].cell);
    }
    return bivalueCells ? Technique::XYChain : Technique::AlternatingInferenceChain;
}

}  // namespace

std::optional<Step> FindChain(const Board& board) {
    const ChainSearch search(
        board, {.cellStrong = true, .regionStrong = true, .cellWeak = true, .regionWeak = true});
    if (const auto chain = search.Find()) {
        return StepOfChain(board, search, *chain, Name(board, *chain));
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
