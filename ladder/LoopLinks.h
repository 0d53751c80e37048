#pragma once

#include <array>
#include <span>

#include "Implications.h"
#include "StaticLinks.h"

namespace Novem::Ladder {

// The links a loop of one kind follows, taken from a step's links as the step's loop searches
// first meet each potential: from an "on", the "offs" it leads to that turn something on again,
// and from an "off", what it turns on; each potential's by its cell and then by its regions, in
// their order. An "off" that turns nothing on can't lie on a loop, and the searches meet every
// "on" many times.
class LoopLinks {
public:
    // Forgets the links of before.
    void Start(const StaticLinks& links, Implications::Links kinds);

    // A potential of one of the grid's candidates. What a span holds stays until the next start.
    std::span<const Implications::Potential> From(Implications::Potential potential) {
        const auto at = static_cast<std::size_t>(potential);
        if (!m_taken.Has(potential)) {
            Take(potential);
        }
        return {m_items.data() + m_begin[at], static_cast<std::size_t>(m_end[at] - m_begin[at])};
    }

private:
    void Take(Implications::Potential potential);

    const StaticLinks* m_links = nullptr;
    Implications::Links m_kinds;
    Implications::Marks m_taken;
    // An "on" leads to at most its cell's eight other digits and its twenty peers, an "off" to
    // its cell's other digit and the other place of its three regions.
    static constexpr int kMostLinks = 28 + 4;
    std::array<Implications::Potential, GridGeometry::kCells * GridGeometry::kSize * kMostLinks>
        m_items{};
    int m_size = 0;
    std::array<int, Implications::kPotentials> m_begin{};
    std::array<int, Implications::kPotentials> m_end{};
};

}  // namespace Novem::Ladder
