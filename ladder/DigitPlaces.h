#pragma once

#include <array>
#include <cstdint>

#include "CellMask.h"
#include "Implications.h"

// A step's places of each digit as sets of cells, for chains that follow one digit through its
// regions only (Nishio's). What such a chain reaches from an assumption doesn't depend on the
// order it is followed in: the cells seen by a place turned on are off, and a region's last place
// left by the "off"s is on. So whether it ends in a contradiction is found a whole set at a time.
namespace Novem::Ladder {

class DigitPlaces {
public:
    void Build(const Implications::Grid& grid);

    // Whether assuming the digit on (or off) in the cell leads to a place both on and off. The
    // cell must hold the digit. The answers of a digit are kept until its places change: a step
    // changes the places of few digits.
    bool Contradicts(int cell, int digit, bool on);

private:
    bool Follow(int cell, int digit, bool on) const;

    std::array<CellMask, GridGeometry::kSize> m_holding{};
    // For each digit, the regions with two places or more: a region with one links nothing.
    std::array<std::uint32_t, GridGeometry::kSize> m_linking{};
    // By assumption, off or on, and by digit: the cells answered, and those that contradict.
    struct Answers {
        CellMask answered;
        CellMask contradicting;
    };
    std::array<std::array<Answers, GridGeometry::kSize>, 2> m_answers{};
};

}  // namespace Novem::Ladder
