#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "Implications.h"

namespace Novem::Ladder {

// The links of a step's grid, worked out once for all the unary searches of the step: what
// each potential turns on or off through its cell and through its regions, in the scale's order.
class StaticLinks {
public:
    struct Next {
        Implications::Potential potential;
        Implications::Cause cause;
    };

    void Build(const Implications::Grid& grid);

    std::span<const Next> ByCell(Implications::Potential potential) const {
        const auto at = static_cast<std::size_t>(potential);
        return {m_items.data() + m_cellBegin[at],
                static_cast<std::size_t>(m_regionBegin[at] - m_cellBegin[at])};
    }
    std::span<const Next> ByRegion(Implications::Potential potential) const {
        const auto at = static_cast<std::size_t>(potential);
        return {m_items.data() + m_regionBegin[at],
                static_cast<std::size_t>(m_end[at] - m_regionBegin[at])};
    }

    // Whether an "off" turns something on through the links of `kinds`.
    bool TurnsOn(Implications::Potential off, Implications::Links kinds) const {
        const unsigned wanted = (kinds.cell ? kByCell : 0U) | (kinds.region ? kByRegion : 0U);
        return (m_leads[static_cast<std::size_t>(off)] & wanted) != 0;
    }

private:
    // The links of a candidate's two potentials, off first: a potential's come after those of
    // the potentials before it.
    void AddOff(const Implications::Grid& grid, int cell, int digit);
    void AddOn(const Implications::Grid& grid, int cell, int digit);

    static constexpr unsigned kByCell = 1;
    static constexpr unsigned kByRegion = 2;

    std::vector<Next> m_items;
    // By potential, whether it has links through its cell and through its regions: one small
    // table for the searches that ask of every potential they meet.
    std::array<std::uint8_t, Implications::kPotentials> m_leads{};
    std::array<int, Implications::kPotentials> m_cellBegin{};
    std::array<int, Implications::kPotentials> m_regionBegin{};
    std::array<int, Implications::kPotentials> m_end{};
};

}  // namespace Novem::Ladder
