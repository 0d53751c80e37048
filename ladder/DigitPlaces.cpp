#include "DigitPlaces.h"

namespace Novem::Ladder {

void DigitPlaces::Build(const Implications::Grid& grid) {
    std::array<CellMask, GridGeometry::kSize> holding{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(grid.candidates[cell])) {
            holding[digit] |= CellMask::Of(cell);
        }
    }
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        const auto at = static_cast<std::size_t>(digit);
        if (holding[at] == m_holding[at]) {
            continue;
        }
        m_holding[at] = holding[at];
        m_linking[at] = 0;
        for (int region = 0; region < GridGeometry::kRegions; ++region) {
            const bool linking = !(kRegionCells[region] & holding[at]).AtMostOne();
            m_linking[at] |= (linking ? std::uint32_t{1} : 0U) << region;
        }
        m_answers[0][at] = {};
        m_answers[1][at] = {};
    }
}

bool DigitPlaces::Contradicts(int cell, int digit, bool on) {
    Answers& answers = m_answers[on ? 1 : 0][static_cast<std::size_t>(digit)];
    if (!answers.answered.Has(cell)) {
        answers.answered |= CellMask::Of(cell);
        answers.contradicting |= Follow(cell, digit, on) ? CellMask::Of(cell) : CellMask();
    }
    return answers.contradicting.Has(cell);
}

bool DigitPlaces::Follow(int cell, int digit, bool on) const {
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
