#include "ChainSearch.h"

#include <algorithm>

namespace Novem::Ladder {

ChainSearch::ChainSearch(const Board& board, const Rules& rules) : m_board(board), m_rules(rules) {
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        if ((rules.digits >> digit & 1U) != 0) {
            m_usable[digit] = board.CellsOf(digit) & board.Open();
            m_usable[digit] &= rules.bivalueOnly ? board.Bivalue() : m_usable[digit];
        }
    }
    for (int digit = 0; rules.regionStrong && digit < GridGeometry::kSize; ++digit) {
        for (int region = 0; region < GridGeometry::kRegions; ++region) {
            const CellMask places = kRegionCells[region] & board.CellsOf(digit);
            if (places.Two() && (places - m_usable[digit]).Empty()) {
                for (const int cell : places) {
                    m_regionPartners[digit][cell] |= places - CellMask::Of(cell);
                }
                m_linked[digit] |= places;
            }
        }
    }
    for (const int cell : rules.cellStrong ? board.Bivalue() : CellMask()) {
        const unsigned digits = board.Candidates(cell);
        const int low = Bits::Lowest(digits);
        const int high = Bits::Lowest(Bits::WithoutLowest(digits));
        if (m_usable[low].Has(cell) && m_usable[high].Has(cell)) {
            m_cellPartner[cell] = digits;
            m_linked[low] |= CellMask::Of(cell);
            m_linked[high] |= CellMask::Of(cell);
        }
    }
}

bool ChainSearch::Usable(const Candidate& candidate) const {
    return m_usable[candidate.digit].Has(candidate.cell);
}

bool ChainSearch::WeakLinked(const Candidate& a, const Candidate& b) const {
    if (a.cell == b.cell) {
        return m_rules.cellWeak && a.digit != b.digit;
    }
    return m_rules.regionWeak && a.digit == b.digit && SeeEachOther(a.cell, b.cell);
}

ChainSearch::Candidates ChainSearch::WeakOf(const Candidates& on) const {
    Candidates off{};
    CellMask anyOn;
    CellMask severalOn;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        if (m_rules.regionWeak) {
            for (const int cell : on[digit]) {
                off[digit] |= kPeers[cell];
            }
        }
        severalOn |= anyOn & on[digit];
        anyOn |= on[digit];
    }
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        if (m_rules.cellWeak) {
            // The cells where another digit is true.
            off[digit] |= (anyOn - on[digit]) | severalOn;
        }
        off[digit] &= m_usable[digit];
    }
    return off;
}

ChainSearch::Candidates ChainSearch::StrongOf(const Candidates& off) const {
    Candidates on{};
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        for (const int cell : off[digit] & m_linked[digit]) {
            on[digit] |= m_regionPartners[digit][cell];
            const unsigned partner = m_cellPartner[cell] & ~(1U << digit);
            if (partner != 0) {
                on[Bits::Lowest(partner)] |= CellMask::Of(cell);
            }
        }
    }
    return on;
}

std::optional<int> ChainSearch::Layers(const Candidate& target, int most) const {
    Candidates on{};
    Candidates off{};
    on[target.digit] = CellMask::Of(target.cell);
    Candidates frontier = on;
    Candidates seesTarget{};
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        const bool sameDigit = digit == target.digit;
        seesTarget[digit] =
            m_usable[digit] & (sameDigit && m_rules.regionWeak  ? kPeers[target.cell]
                               : !sameDigit && m_rules.cellWeak ? CellMask::Of(target.cell)
                                                                : CellMask());
    }
    for (int layer = 1; layer <= most; ++layer) {
        Candidates newOff = WeakOf(frontier);
        Candidates newOn{};
        bool grew = false;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            newOff[digit] -= off[digit];
            off[digit] |= newOff[digit];
        }
        // The target stays out of its own chain.
        off[target.digit] |= CellMask::Of(target.cell);
        const Candidates reached = StrongOf(newOff);
        bool found = false;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            newOn[digit] = reached[digit] - on[digit];
            on[digit] |= newOn[digit];
            grew = grew || !newOn[digit].Empty();
            found = found || !(newOn[digit] & seesTarget[digit]).Empty();
        }
        if (found && layer >= m_rules.fewestStrong) {
            return layer;
        }
        if (!grew) {
            return std::nullopt;
        }
        frontier = newOn;
    }
    return std::nullopt;
}

// The same search, one candidate at a time, keeping where each came from.
ChainSearch::Chain ChainSearch::Trace(const Candidate& target, int layers) const {
    constexpr int kNodes = GridGeometry::kCells * GridGeometry::kSize;
    const auto index = [](const Candidate& candidate) {
        return candidate.cell * GridGeometry::kSize + candidate.digit;
    };
    // By node: the node before it in the chain, as made false and as made true.
    std::vector<int> offFrom(kNodes, -1);
    std::vector<int> onFrom(kNodes, -1);
    std::vector<Candidate> frontier{target};
    onFrom[index(target)] = index(target);
    offFrom[index(target)] = index(target);
    const auto candidateOf = [](int node) {
        return Candidate{node / GridGeometry::kSize, node % GridGeometry::kSize};
    };
    for (int layer = 1; layer <= layers; ++layer) {
        std::vector<Candidate> madeOff;
        for (const Candidate& from : frontier) {
            for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
                for (const int cell : m_usable[digit]) {
                    const Candidate to{cell, digit};
                    if (offFrom[index(to)] == -1 && WeakLinked(from, to)) {
                        offFrom[index(to)] = index(from);
                        madeOff.push_back(to);
                    }
                }
            }
        }
        std::sort(madeOff.begin(), madeOff.end(),
                  [&](const Candidate& a, const Candidate& b) { return index(a) < index(b); });
        std::vector<Candidate> madeOn;
        for (const Candidate& from : madeOff) {
            Candidates single{};
            single[from.digit] = CellMask::Of(from.cell);
            const Candidates reached = StrongOf(single);
            for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
                for (const int cell : reached[digit]) {
                    const Candidate to{cell, digit};
                    if (onFrom[index(to)] != -1) {
                        continue;
                    }
                    onFrom[index(to)] = index(from);
                    madeOn.push_back(to);
                    if (layer < m_rules.fewestStrong || !WeakLinked(to, target)) {
                        continue;
                    }
                    Chain chain{{}, {}, target};
                    for (int node = index(to);;) {
                        chain.nodes.push_back(candidateOf(node));
                        const int before = onFrom[node];
                        chain.nodes.push_back(candidateOf(before));
                        chain.links.push_back(Link::Strong);
                        if (offFrom[before] == index(target)) {
                            break;
                        }
                        chain.links.push_back(Link::Weak);
                        node = offFrom[before];
                    }
                    std::reverse(chain.nodes.begin(), chain.nodes.end());
                    std::reverse(chain.links.begin(), chain.links.end());
                    return chain;
                }
            }
        }
        frontier = madeOn;
    }
    return {{}, {}, target};
}

std::optional<ChainSearch::Chain> ChainSearch::Find() const {
    std::optional<Candidate> best;
    int bestLayers = m_rules.mostStrong + 1;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            const Candidate target{cell, digit};
            if (!Usable(target)) {
                continue;
            }
            if (const std::optional<int> layers = Layers(target, bestLayers - 1)) {
                best = target;
                bestLayers = *layers;
            }
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return Trace(*best, bestLayers);
}

}  // namespace Novem::Ladder
