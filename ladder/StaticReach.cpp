#include "StaticReach.h"

#include <algorithm>
#include <iterator>

namespace Novem::Ladder {

using namespace Implications;

void StaticReach::Build(const Grid& grid, const StaticLinks& links, Links kinds, unsigned digits) {
    m_links = &links;
    m_kinds = kinds;
    m_potential.clear();
    m_node.fill(-1);
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(grid.candidates[cell] & digits)) {
            for (const bool on : {false, true}) {
                const Potential potential = PotentialOf(cell, digit, on);
                m_node[static_cast<std::size_t>(potential)] = static_cast<int>(m_potential.size());
                m_potential.push_back(potential);
            }
        }
    }
    const std::size_t nodes = m_potential.size();
    m_words = (nodes + 63) / 64;
    m_visit.assign(nodes, -1);
    m_low.assign(nodes, 0);
    m_component.assign(nodes, -1);
    m_merged.assign(nodes, -1);
    // Every component sets its own flags and its reach when it is complete.
    m_size.resize(nodes);
    m_absurd.resize(nodes);
    m_reach.resize(nodes * m_words);
    m_stack.clear();
    m_visits = 0;
    m_components = 0;
    m_sink.assign(nodes, 0);
    for (std::size_t node = 0; node < nodes; ++node) {
        const Potential potential = m_potential[node];
        const bool leadsNowhere = (!kinds.cell || links.ByCell(potential).empty()) &&
                                  (!kinds.region || links.ByRegion(potential).empty());
        m_sink[node] = leadsNowhere ? 1 : 0;
    }
    for (int node = 0; node < static_cast<int>(nodes); ++node) {
        if (m_visit[static_cast<std::size_t>(node)] < 0 &&
            m_sink[static_cast<std::size_t>(node)] == 0) {
            Connect(node);
        }
    }
}

// Tarjan's algorithm: a component is complete only after every component it leads into, so its
// reach is theirs and its own potentials. The depth is at most the number of candidates.
void StaticReach::Connect(int node) {
    const auto at = static_cast<std::size_t>(node);
    m_visit[at] = m_low[at] = m_visits++;
    m_stack.push_back(node);
    const Potential potential = m_potential[at];
    const auto visit = [&](std::span<const StaticLinks::Next> nexts) {
        for (const StaticLinks::Next& next : nexts) {
            const int to = m_node[static_cast<std::size_t>(next.potential)];
            const auto toAt = static_cast<std::size_t>(to);
            if (m_sink[toAt] != 0) {
                continue;
            }
            if (m_visit[toAt] < 0) {
                Connect(to);
                m_low[at] = std::min(m_low[at], m_low[toAt]);
            } else if (m_component[toAt] < 0) {
                m_low[at] = std::min(m_low[at], m_visit[toAt]);
            }
        }
    };
    if (m_kinds.cell) {
        visit(m_links->ByCell(potential));
    }
    if (m_kinds.region) {
        visit(m_links->ByRegion(potential));
    }
    if (m_low[at] != m_visit[at]) {
        return;
    }
    const int component = m_components++;
    const auto first = std::prev(std::find(m_stack.rbegin(), m_stack.rend(), node).base());
    const std::span<std::uint64_t> reach = ReachOf(component);
    std::fill(reach.begin(), reach.end(), 0);
    for (auto member = first; member != m_stack.end(); ++member) {
        m_component[static_cast<std::size_t>(*member)] = component;
        reach[static_cast<std::size_t>(*member) / 64] |= std::uint64_t{1} << (*member % 64);
    }
    m_size[static_cast<std::size_t>(component)] = static_cast<int>(m_stack.end() - first);
    const auto merge = [&](std::span<const StaticLinks::Next> nexts) {
        for (const StaticLinks::Next& next : nexts) {
            const auto to =
                static_cast<std::size_t>(m_node[static_cast<std::size_t>(next.potential)]);
            if (m_sink[to] != 0) {
                reach[to / 64] |= std::uint64_t{1} << (to % 64);
                continue;
            }
            const int into = m_component[to];
            if (into != component && m_merged[static_cast<std::size_t>(into)] != component) {
                m_merged[static_cast<std::size_t>(into)] = component;
                const std::span<const std::uint64_t> theirs = ReachOf(into);
                for (std::size_t word = 0; word < m_words; ++word) {
                    reach[word] |= theirs[word];
                }
            }
        }
    };
    for (auto member = first; member != m_stack.end(); ++member) {
        const Potential memberPotential = m_potential[static_cast<std::size_t>(*member)];
        if (m_kinds.cell) {
            merge(m_links->ByCell(memberPotential));
        }
        if (m_kinds.region) {
            merge(m_links->ByRegion(memberPotential));
        }
    }
    // A candidate's two potentials are neighbours, off first, so a pair never straddles words.
    constexpr std::uint64_t kOffs = 0x5555555555555555ULL;
    m_absurd[static_cast<std::size_t>(component)] =
        std::any_of(reach.begin(), reach.end(),
                    [&](std::uint64_t word) { return (word & word >> 1 & kOffs) != 0; });
    m_stack.erase(first, m_stack.end());
}

bool StaticReach::MayMeet(std::span<const Potential> sources) const {
    std::array<std::uint64_t, (kPotentials + 63) / 64> common;
    std::fill_n(common.begin(), m_words, ~std::uint64_t{0});
    for (const Potential source : sources) {
        const auto node = static_cast<std::size_t>(m_node[static_cast<std::size_t>(source)]);
        if (m_sink[node] != 0) {
            for (std::size_t word = 0; word < m_words; ++word) {
                common[word] &= word == node / 64 ? std::uint64_t{1} << (node % 64) : 0;
            }
            continue;
        }
        const int component = m_component[node];
        if (m_absurd[static_cast<std::size_t>(component)]) {
            return true;
        }
        const std::span<const std::uint64_t> reach = ReachOf(component);
        for (std::size_t word = 0; word < m_words; ++word) {
            common[word] &= reach[word];
        }
    }
    return std::any_of(common.begin(), common.begin() + static_cast<std::ptrdiff_t>(m_words),
                       [](std::uint64_t word) { return word != 0; });
}

int StaticReach::CycleSize(Potential potential) const {
    const int component = CycleOf(potential);
    return component < 0 ? 1 : m_size[static_cast<std::size_t>(component)];
}

bool StaticReach::Leads(Potential from, Potential to) const {
    const int fromNode = m_node[static_cast<std::size_t>(from)];
    const int toNode = m_node[static_cast<std::size_t>(to)];
    if (fromNode < 0 || toNode < 0 || m_sink[static_cast<std::size_t>(fromNode)] != 0) {
        return false;
    }
    const int component = ComponentOf(from);
    if (fromNode == toNode) {
        return m_size[static_cast<std::size_t>(component)] > 1;
    }
    const std::uint64_t word = m_reach[static_cast<std::size_t>(component) * m_words +
                                       static_cast<std::size_t>(toNode) / 64];
    return (word >> (toNode % 64) & 1U) != 0;
}

}  // namespace Novem::Ladder
