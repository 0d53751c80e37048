#include "DigitPlaces.h"

namespace Novem::Ladder {

void DigitPlaces::Build(const Implications::Grid& grid) {
    m_holding = {};
    m_linking = {};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(grid.candidates[cell])) {
            m_holding[digit] |= CellMask::Of(cell);
        }
    }
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            if (Bits::Count(grid.positions[region][digit]) >= 2) {
                m_linking[digit] |= std::uint32_t{1} << region;
            }
        }
    }
}

bool DigitPlaces::Contradicts(int cell, int digit, bool on) const {
    const CellMask holding = m_holding[digit];
    CellMask onPlaces = on ? CellMask::Of(cell) : CellMask();
    CellMask offPlaces = on ? CellMask() : CellMask::Of(cell);
    CellMask fresh = onPlaces;
    for (;;) {
        for (const int place : fresh) {
            offPlaces |= kPeers[place] & holding;
        }
        if (!(onPlaces & offPlaces).Empty()) {
            return true;
        }
        CellMask turnedOn;
        for (const int region : Bits::Indices(m_linking[digit])) {
            const CellMask left = (kRegionCells[region] & holding) - offPlaces;
            // A region whose every place is off turned its last one on before that one went.
            if (left.Empty()) {
                return true;
            }
            if (left.One()) {
                turnedOn |= left - onPlaces;
            }
        }
        if (turnedOn.Empty()) {
            return false;
        }
        onPlaces |= turnedOn;
        fresh = turnedOn;
    }
}

}  // namespace Novem::Ladder
