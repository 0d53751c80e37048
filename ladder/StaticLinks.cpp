#include "StaticLinks.h"

#include "CellMask.h"

namespace Novem::Ladder {

using namespace Implications;
using GridGeometry::kCellsOfRegion;
using GridGeometry::kPlacesOfCell;

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
    const unsigned candidates = grid.candidates[cell];
    const auto at = static_cast<std::size_t>(PotentialOf(cell, digit, false));
    m_cellBegin[at] = static_cast<int>(m_items.size());
    if (Bits::Two(candidates)) {
        m_items.push_back(
            {PotentialOf(cell, Bits::Lowest(candidates & ~(1U << digit)), true), Cause::Cell});
    }
    m_regionBegin[at] = static_cast<int>(m_items.size());
    // The other place of each region with two, each place once.
    CellMask listed;
    for (std::size_t kind = 0; kind < kPlacesOfCell[cell].size(); ++kind) {
        const GridGeometry::Place& place = kPlacesOfCell[cell][kind];
        const unsigned places = grid.positions[place.region][digit];
        if (!Bits::Two(places)) {
            continue;
        }
        const int peer =
            kCellsOfRegion[place.region][Bits::Lowest(places & ~(1U << place.position))];
        if (!listed.Has(peer)) {
            listed |= CellMask::Of(peer);
            m_items.push_back({PotentialOf(peer, digit, true), kRegionCauses[kind]});
        }
    }
    m_end[at] = static_cast<int>(m_items.size());
}

void StaticLinks::AddOn(const Implications::Grid& grid, int cell, int digit) {
    const unsigned candidates = grid.candidates[cell];
    const auto at = static_cast<std::size_t>(PotentialOf(cell, digit, true));
    m_cellBegin[at] = static_cast<int>(m_items.size());
    for (const int other : Bits::Indices(candidates & ~(1U << digit))) {
        m_items.push_back({PotentialOf(cell, other, false), Cause::Cell});
    }
    m_regionBegin[at] = static_cast<int>(m_items.size());
    for (std::size_t kind = 0; kind < kPlacesOfCell[cell].size(); ++kind) {
        const GridGeometry::Place& place = kPlacesOfCell[cell][kind];
        const unsigned others =
            grid.positions[place.region][digit] & ~(1U << place.position) & kFirstMet[cell][kind];
        for (const int position : Bits::Indices(others)) {
            m_items.push_back({PotentialOf(kCellsOfRegion[place.region][position], digit, false),
                               kRegionCauses[kind]});
        }
    }
    m_end[at] = static_cast<int>(m_items.size());
}

}  // namespace Novem::Ladder
