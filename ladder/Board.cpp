#include "Board.h"

namespace Novem::Ladder {

Board::Board(const Grid_9x9& grid) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const auto candidates =
            static_cast<unsigned>(grid.GetCell(cell)->GetCandidates().to_ulong());
        m_candidates[cell] = candidates;
        for (const int digit : Bits::Indices(candidates)) {
            m_cells[digit] |= CellMask::Of(cell);
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                m_positions[place.region][digit] |= 1U << place.position;
            }
        }
        const int count = Bits::Count(candidates);
        m_open |= count > 1 ? CellMask::Of(cell) : CellMask();
        m_bivalue |= count == 2 ? CellMask::Of(cell) : CellMask();
    }
}

void Board::Remove(int cell, unsigned digits) {
    const CellMask only = CellMask::Of(cell);
    for (const int digit : Bits::Indices(digits & m_candidates[cell])) {
        m_cells[digit] -= only;
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            m_positions[place.region][digit] &= ~(1U << place.position);
        }
    }
    m_candidates[cell] &= ~digits;
    const int count = Bits::Count(m_candidates[cell]);
    m_open = count > 1 ? m_open : m_open - only;
    m_bivalue = count == 2 ? m_bivalue | only : m_bivalue - only;
}

bool Board::Contradicted() const {
    CellMask allowing;
    for (const CellMask& cells : m_cells) {
        allowing |= cells;
    }
    return allowing != kAllCells;
}

bool Board::EveryDigitPlaceable() const {
    for (const auto& digits : m_positions) {
        for (const unsigned positions : digits) {
            if (positions == 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace Novem::Ladder
