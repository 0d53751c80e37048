#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "Implications.h"
#include "StaticLinks.h"

// Where each potential can lead on a step's links of one kind, for all of them at once: the
// links' strongly connected components, and for each the potentials it reaches as a bit set,
// built from the components it leads into. A chain search from every candidate then looks only
// where its chain can end as it must; one that can't is known for a few word operations.
namespace Novem::Ladder {

class StaticReach {
public:
    // With `digits`, only the potentials of those digits, for links that never leave a digit.
    void Build(const Implications::Grid& grid, const StaticLinks& links, Implications::Links kinds,
               unsigned digits = GridGeometry::kAllDigits);

    // Whether a chain of one link or more leads from one potential to the other.
    bool Leads(Implications::Potential from, Implications::Potential to) const;

    // How many potentials lie on cycles with this one, itself included: those it leads to and
    // that lead back to it.
    int CycleSize(Implications::Potential potential) const;
    // Whether the two lie on a cycle together, one leading to the other and back.
    bool OnACycle(Implications::Potential a, Implications::Potential b) const {
        const int component = CycleOf(a);
        return component >= 0 && component == CycleOf(b);
    }

    // Whether the potentials that every one of `sources` leads to, itself included, have one in
    // common, or whether one of them leads to a candidate both on and off. The sources are
    // candidates' potentials.
    bool MayMeet(std::span<const Implications::Potential> sources) const;

private:
    void Connect(int node);
    std::span<std::uint64_t> ReachOf(int component) {
        return std::span(m_reach).subspan(static_cast<std::size_t>(component) * m_words, m_words);
    }
    std::span<const std::uint64_t> ReachOf(int component) const {
        return std::span(m_reach).subspan(static_cast<std::size_t>(component) * m_words, m_words);
    }
    // The component of a potential with links out, or -1: one without lies on no cycle.
    int CycleOf(Implications::Potential potential) const {
        const int node = m_node[static_cast<std::size_t>(potential)];
        return node < 0 || m_sink[static_cast<std::size_t>(node)] != 0
                   ? -1
                   : m_component[static_cast<std::size_t>(node)];
    }
    int ComponentOf(Implications::Potential potential) const {
        return m_component[static_cast<std::size_t>(m_node[static_cast<std::size_t>(potential)])];
    }

    const StaticLinks* m_links = nullptr;
    Implications::Links m_kinds;
    // The potentials of the grid's candidates, numbered; -1 for the others.
    std::array<int, Implications::kPotentials> m_node{};
    std::vector<Implications::Potential> m_potential;
    // Whether each node leads nowhere: it is a component of its own, reached only by itself,
    // kept as its bit in the reach of those that lead to it rather than with a reach of its own.
    std::vector<std::uint8_t> m_sink;
    // Tarjan's walk: each node's visit number, lowest reachable visit number, component.
    std::vector<int> m_visit;
    std::vector<int> m_low;
    std::vector<int> m_component;
    std::vector<int> m_stack;
    std::vector<int> m_merged;
    int m_visits = 0;
    int m_components = 0;
    // How many potentials each component has: with more than one, a chain can come back.
    std::vector<int> m_size;
    // Whether each component leads to a candidate both on and off.
    std::vector<std::uint8_t> m_absurd;
    std::size_t m_words = 0;
    std::vector<std::uint64_t> m_reach;
};

}  // namespace Novem::Ladder
