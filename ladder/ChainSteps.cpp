#include "ChainSteps.h"

#include <algorithm>

namespace Novem::Ladder {

namespace {

bool InChain(const ChainSearch::Chain& chain, const Candidate& candidate) {
    return std::find(chain.nodes.begin(), chain.nodes.end(), candidate) != chain.nodes.end();
}

// What a weak link of a continuous loop removes: the cell's other digits, or the digit from the
// other cells of every region the two cells share.
void RemoveAlongWeakLink(const Board& board, const Candidate& a, const Candidate& b,
                         std::array<unsigned, GridGeometry::kCells>& removed) {
    if (a.cell == b.cell) {
        removed[a.cell] |= board.Candidates(a.cell) & ~(1U << a.digit | 1U << b.digit);
        return;
    }
    const CellMask shared = kPeers[a.cell] & kPeers[b.cell] & board.CellsOf(a.digit);
    for (const int cell : shared) {
        removed[cell] |= 1U << a.digit;
    }
}

}  // namespace

Step StepOfChain(const Board& board, const ChainSearch& search, const ChainSearch::Chain& chain,
                 Technique technique) {
    Step step{technique};
    step.nodes = chain.nodes;
    step.links = chain.links;
    for (const Candidate& node : chain.nodes) {
        step.digits |= 1U << node.digit;
    }
    const Candidate& first = chain.nodes.front();
    const Candidate& last = chain.nodes.back();
    std::array<unsigned, GridGeometry::kCells> removed{};
    if (first == last) {
        step.technique = Technique::DiscontinuousNiceLoop;
        step.placements.push_back(first);
        removed[first.cell] = board.Candidates(first.cell) & ~(1U << first.digit);
    } else if (search.WeakLinked(last, first)) {
        step.technique = Technique::ContinuousNiceLoop;
        step.links.push_back(Link::Weak);
        for (std::size_t link = 0; link < step.links.size(); ++link) {
            if (step.links[link] == Link::Weak) {
                RemoveAlongWeakLink(board, chain.nodes[link],
                                    chain.nodes[(link + 1) % chain.nodes.size()], removed);
            }
        }
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(board.Candidates(cell))) {
            const Candidate candidate{cell, digit};
            if (!InChain(chain, candidate) && search.WeakLinked(candidate, first) &&
                search.WeakLinked(candidate, last)) {
                removed[cell] |= 1U << digit;
            }
        }
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (removed[cell] != 0) {
            step.removals.push_back({cell, removed[cell]});
        }
    }
    return step;
}

}  // namespace Novem::Ladder
