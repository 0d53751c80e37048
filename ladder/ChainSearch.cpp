#include "ChainSearch.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>

namespace Novem::Ladder {

namespace {

// For each candidate of a link graph, a set of targets, as bits in target order.
struct TargetSets {
    explicit TargetSets(std::size_t count) : words((count + 63) / 64), bits(count * words) {}

    std::span<std::uint64_t> Of(std::size_t node) { return {bits.data() + node * words, words}; }
    std::span<const std::uint64_t> Of(std::size_t node) const {
        return {bits.data() + node * words, words};
    }
    bool Any(std::size_t node) const {
        return std::any_of(Of(node).begin(), Of(node).end(),
                           [](std::uint64_t word) { return word != 0; });
    }
    bool Has(std::size_t node, std::size_t target) const {
        return (Of(node)[target / 64] >> (target % 64) & 1U) != 0;
    }
    void Add(std::size_t node, std::size_t target) {
        Of(node)[target / 64] |= std::uint64_t{1} << (target % 64);
    }
    void Empty(std::size_t node) {
        std::fill_n(bits.begin() + static_cast<std::ptrdiff_t>(node * words), words, 0);
    }
    // This node's targets gain those of `other`'s node `from`.
    void Join(std::size_t node, const TargetSets& other, std::size_t from) {
        const std::span<std::uint64_t> mine = Of(node);
        const std::span<const std::uint64_t> theirs = other.Of(from);
        for (std::size_t word = 0; word < words; ++word) {
            mine[word] |= theirs[word];
        }
    }
    // This node keeps only the targets `seen` hasn't for it, and `seen` gains them; whether
    // there are any.
    bool KeepNew(std::size_t node, TargetSets& seen) {
        const std::span<std::uint64_t> mine = Of(node);
        const std::span<std::uint64_t> theirs = seen.Of(node);
        std::uint64_t any = 0;
        for (std::size_t word = 0; word < words; ++word) {
            mine[word] &= ~theirs[word];
            theirs[word] |= mine[word];
            any |= mine[word];
        }
        return any != 0;
    }

    std::size_t words;
    std::vector<std::uint64_t> bits;
};

}  // namespace

ChainSearch::ChainSearch(const Board& board, const Rules& rules) : m_rules(rules) {
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
                m_strongRegions[digit] |= GridGeometry::RegionMask{1} << region;
            }
        }
    }
    for (const int cell : rules.cellStrong ? board.Bivalue() : CellMask()) {
        const unsigned digits = board.Candidates(cell);
        const int low = Bits::Lowest(digits);
        const int high = Bits::Lowest(Bits::WithoutLowest(digits));
        if (m_usable[low].Has(cell) && m_usable[high].Has(cell)) {
            m_cellPartner[cell] = digits;
        }
    }
}

bool ChainSearch::WeakLinked(const Candidate& a, const Candidate& b) const {
    if (a.cell == b.cell) {
        return m_rules.cellWeak && a.digit != b.digit;
    }
    return m_rules.regionWeak && a.digit == b.digit && SeeEachOther(a.cell, b.cell);
}

// The search for one target again, one candidate at a time, keeping where each came from.
ChainSearch::Chain ChainSearch::Trace(const Graph& graph, int target, int layers) const {
    // By node: the node before it in the chain, as made false and as made true.
    std::vector<int> offFrom(graph.nodes.size(), -1);
    std::vector<int> onFrom(graph.nodes.size(), -1);
    std::vector<int> frontier{target};
    onFrom[static_cast<std::size_t>(target)] = target;
    offFrom[static_cast<std::size_t>(target)] = target;
    const auto sees = [&](int node) {
        const std::span<const int> weak = graph.Weak(static_cast<std::size_t>(target));
        return std::find(weak.begin(), weak.end(), node) != weak.end();
    };
    std::vector<int> madeOff;
    std::vector<int> madeOn;
    for (int layer = 1; layer <= layers; ++layer) {
        madeOff.clear();
        for (const int from : frontier) {
            for (const int to : graph.Weak(static_cast<std::size_t>(from))) {
                if (offFrom[static_cast<std::size_t>(to)] == -1) {
                    offFrom[static_cast<std::size_t>(to)] = from;
                    madeOff.push_back(to);
                }
            }
        }
        std::sort(madeOff.begin(), madeOff.end());
        madeOn.clear();
        for (const int from : madeOff) {
            for (const int to : graph.Strong(static_cast<std::size_t>(from))) {
                if (onFrom[static_cast<std::size_t>(to)] != -1) {
                    continue;
                }
                onFrom[static_cast<std::size_t>(to)] = from;
                madeOn.push_back(to);
                if (layer < m_rules.fewestStrong || !sees(to)) {
                    continue;
                }
                Chain chain{{}, {}, graph.nodes[static_cast<std::size_t>(target)]};
                for (int node = to;;) {
                    const int before = onFrom[static_cast<std::size_t>(node)];
                    chain.nodes.push_back(graph.nodes[static_cast<std::size_t>(node)]);
                    chain.nodes.push_back(graph.nodes[static_cast<std::size_t>(before)]);
                    chain.links.push_back(Link::Strong);
                    if (offFrom[static_cast<std::size_t>(before)] == target) {
                        break;
                    }
                    chain.links.push_back(Link::Weak);
                    node = offFrom[static_cast<std::size_t>(before)];
                }
                std::reverse(chain.nodes.begin(), chain.nodes.end());
                std::reverse(chain.links.begin(), chain.links.end());
                return chain;
            }
        }
        std::swap(frontier, madeOn);
    }
    return {{}, {}, graph.nodes[static_cast<std::size_t>(target)]};
}

// Every target's search at once, layer by layer: a chain from the target makes candidates false
// by weak links and true by strong ones, never passing the target itself, and proves the target
// false when a candidate made true sees it. Each candidate keeps, as bits in target order, the
// targets whose searches have made it false and true so far. The first layer that proves some
// target false is the shortest chain, and its first target is the one taken.
std::optional<ChainSearch::Chain> ChainSearch::Find() const {
    const Graph graph = LinkGraph();
    const std::size_t count = graph.nodes.size();
    if (count == 0) {
        return std::nullopt;
    }
    TargetSets off(count);
    TargetSets on(count);
    TargetSets frontier(count);
    TargetSets madeOff(count);
    TargetSets madeOn(count);
    for (std::size_t node = 0; node < count; ++node) {
        off.Add(node, node);
        on.Add(node, node);
        frontier.Add(node, node);
    }
    std::vector<std::uint64_t> proved(off.words);
    // Each layer empties what it reads: the frontier into what it makes false, that into what it
    // makes true, which is the next frontier.
    for (int layer = 1; layer <= m_rules.mostStrong; ++layer) {
        for (std::size_t from = 0; from < count; ++from) {
            if (frontier.Any(from)) {
                for (const int to : graph.Weak(from)) {
                    madeOff.Join(static_cast<std::size_t>(to), frontier, from);
                }
                frontier.Empty(from);
            }
        }
        for (std::size_t node = 0; node < count; ++node) {
            madeOff.KeepNew(node, off);
        }
        for (std::size_t from = 0; from < count; ++from) {
            if (madeOff.Any(from)) {
                for (const int to : graph.Strong(from)) {
                    madeOn.Join(static_cast<std::size_t>(to), madeOff, from);
                }
                madeOff.Empty(from);
            }
        }
        bool grew = false;
        std::fill(proved.begin(), proved.end(), 0);
        for (std::size_t node = 0; node < count; ++node) {
            if (!madeOn.KeepNew(node, on)) {
                continue;
            }
            grew = true;
            // The targets this candidate sees are its weak partners.
            for (const int target : graph.Weak(node)) {
                if (madeOn.Has(node, static_cast<std::size_t>(target))) {
                    proved[static_cast<std::size_t>(target) / 64] |= std::uint64_t{1}
                                                                     << (target % 64);
                }
            }
        }
        if (layer >= m_rules.fewestStrong) {
            for (std::size_t word = 0; word < proved.size(); ++word) {
                if (proved[word] != 0) {
                    const int first = static_cast<int>(word) * 64 + std::countr_zero(proved[word]);
                    return Trace(graph, first, layer);
                }
            }
        }
        if (!grew) {
            return std::nullopt;
        }
        std::swap(frontier, madeOn);
    }
    return std::nullopt;
}

// The usable candidates in cell and digit order, each with its weak and its strong partners.
ChainSearch::Graph ChainSearch::LinkGraph() const {
    std::array<unsigned, GridGeometry::kCells> digitsOf{};
    std::size_t count = 0;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        for (const int cell : m_usable[digit]) {
            digitsOf[cell] |= 1U << digit;
            ++count;
        }
    }
    Graph graph;
    graph.nodes.reserve(count);
    graph.weakBegin.reserve(count + 1);
    graph.strongBegin.reserve(count + 1);
    std::array<int, GridGeometry::kCells * GridGeometry::kSize> index{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(digitsOf[cell])) {
            index[static_cast<std::size_t>(cell * GridGeometry::kSize + digit)] =
                static_cast<int>(graph.nodes.size());
            graph.nodes.push_back({cell, digit});
        }
    }
    const auto indexOf = [&](int cell, int digit) {
        return index[static_cast<std::size_t>(cell * GridGeometry::kSize + digit)];
    };
    graph.weakBegin.push_back(0);
    graph.strongBegin.push_back(0);
    for (const Candidate& node : graph.nodes) {
        for (const int digit :
             Bits::Indices(m_rules.cellWeak ? digitsOf[node.cell] & ~(1U << node.digit) : 0U)) {
            graph.weak.push_back(indexOf(node.cell, digit));
        }
        for (const int peer :
             m_rules.regionWeak ? kPeers[node.cell] & m_usable[node.digit] : CellMask()) {
            graph.weak.push_back(indexOf(peer, node.digit));
        }
        graph.weakBegin.push_back(graph.weak.size());
        // In digit order, then cell order, as a chain is traced.
        const unsigned partner = m_cellPartner[node.cell] & ~(1U << node.digit);
        const int other = partner != 0 ? Bits::Lowest(partner) : GridGeometry::kSize;
        if (other < node.digit) {
            graph.strong.push_back(indexOf(node.cell, other));
        }
        CellMask partners;
        for (const int region :
             Bits::Indices(m_strongRegions[node.digit] & GridGeometry::kRegionsOfCell[node.cell])) {
            partners |= kRegionCells[region] & m_usable[node.digit];
        }
        for (const int cell : partners - CellMask::Of(node.cell)) {
            graph.strong.push_back(indexOf(cell, node.digit));
        }
        if (other > node.digit && other < GridGeometry::kSize) {
            graph.strong.push_back(indexOf(node.cell, other));
        }
        graph.strongBegin.push_back(graph.strong.size());
    }
    return graph;
}

}  // namespace Novem::Ladder
