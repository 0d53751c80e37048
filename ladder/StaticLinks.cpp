#include "StaticLinks.h"

namespace Novem::Ladder {

using namespace Implications;

void StaticLinks::Build(const Implications::Grid& grid) {
    m_items.clear();
    // A potential whose candidate is gone has no links.
    m_cellBegin.fill(0);
    m_regionBegin.fill(0);
    m_end.fill(0);
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(grid.candidates[cell])) {
            AddOff(grid, cell, digit);
            AddOn(grid, cell, digit);
        }
    }
    for (std::size_t at = 0; at < m_leads.size(); ++at) {
        m_leads[at] =
            static_cast<std::uint8_t>((m_regionBegin[at] != m_cellBegin[at] ? kByCell : 0U) |
                                      (m_end[at] != m_regionBegin[at] ? kByRegion : 0U));
    }
}

void StaticLinks::AddOff(const Implications::Grid& grid, int cell, int digit) {
    const auto at = static_cast<std::size_t>(PotentialOf(cell, digit, false));
    const auto add = [&](Potential on, Cause cause, int = 0) { m_items.push_back({on, cause}); };
    m_cellBegin[at] = static_cast<int>(m_items.size());
    OffLinksByCell(grid, cell, digit, add);
    m_regionBegin[at] = static_cast<int>(m_items.size());
    OffLinksByRegion(grid, cell, digit, add);
    m_end[at] = static_cast<int>(m_items.size());
}

void StaticLinks::AddOn(const Implications::Grid& grid, int cell, int digit) {
    const auto at = static_cast<std::size_t>(PotentialOf(cell, digit, true));
    const auto add = [&](Potential off, Cause cause) { m_items.push_back({off, cause}); };
    m_cellBegin[at] = static_cast<int>(m_items.size());
    OnLinksByCell(grid, cell, digit, add);
    m_regionBegin[at] = static_cast<int>(m_items.size());
    OnLinksByRegion(grid, cell, digit, add);
    m_end[at] = static_cast<int>(m_items.size());
}

}  // namespace Novem::Ladder
