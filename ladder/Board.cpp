#include "Board.h"

namespace Novem::Ladder {

Board::Board(const Grid_9x9& grid) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const auto candidates =
            static_cast<unsigned>(grid.GetCell(cell)->GetCandidates().to_ulong());
        m_candidates[cell] = candidates;
        for (const int digit : Bits::Indices(candidates)) {
            m_cells[digit] |= CellMask::Of(cell);
        }
        const int count = Bits::Count(candidates);
        m_open |= count > 1 ? CellMask::Of(cell) : CellMask();
        m_bivalue |= count == 2 ? CellMask::Of(cell) : CellMask();
    }
}

unsigned Board::Positions(int region, int digit) const {
    unsigned positions = 0;
    for (int position = 0; position < GridGeometry::kSize; ++position) {
        positions |= (m_candidates[GridGeometry::kCellsOfRegion[region][position]] >> digit & 1U)
                     << position;
    }
    return positions;
}

}  // namespace Novem::Ladder
