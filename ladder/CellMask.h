#pragma once

#include <array>
#include <cstdint>
#include <iterator>

#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem::Ladder {

// A set of cells, bit c for cell c, in two words: cells 0 to 63 in the first, the rest in the
// second. Sets of cells are what the techniques ask most about (where a digit can go, which cells
// see a cell), and two words answer with a few operations.
class CellMask {
public:
    constexpr CellMask() = default;
    constexpr CellMask(std::uint64_t low, std::uint64_t high) : m_low(low), m_high(high) {}

    static constexpr CellMask Of(int cell) {
        const std::uint64_t bit = std::uint64_t{1} << (cell & 63);
        return cell < 64 ? CellMask(bit, 0) : CellMask(0, bit);
    }

    constexpr bool Has(int cell) const {
        return (((cell < 64 ? m_low : m_high) >> (cell & 63)) & 1U) != 0;
    }
    constexpr bool Empty() const { return (m_low | m_high) == 0; }
    constexpr int Count() const { return Bits::Count(m_low) + Bits::Count(m_high); }
    // Exactly one cell, without counting.
    constexpr bool One() const {
        return (m_low == 0) != (m_high == 0) && (m_low & (m_low - 1)) == 0 &&
               (m_high & (m_high - 1)) == 0;
    }
    // No cell or one.
    constexpr bool AtMostOne() const {
        return (m_low & (m_low - 1)) == 0 && (m_high & (m_high - 1)) == 0 &&
               (m_low == 0 || m_high == 0);
    }
    // Exactly two cells.
    constexpr bool Two() const {
        if (m_low != 0 && m_high != 0) {
            return (m_low & (m_low - 1)) == 0 && (m_high & (m_high - 1)) == 0;
        }
        const std::uint64_t word = m_low | m_high;
        const std::uint64_t rest = word & (word - 1);
        return rest != 0 && (rest & (rest - 1)) == 0;
    }
    // The lowest cell; the set must not be empty.
    constexpr int First() const {
        return m_low != 0 ? Bits::Lowest(m_low) : 64 + Bits::Lowest(m_high);
    }

    constexpr CellMask operator|(const CellMask& other) const {
        return {m_low | other.m_low, m_high | other.m_high};
    }
    constexpr CellMask operator&(const CellMask& other) const {
        return {m_low & other.m_low, m_high & other.m_high};
    }
    // The cells of this set that are not in `other`.
    constexpr CellMask operator-(const CellMask& other) const {
        return {m_low & ~other.m_low, m_high & ~other.m_high};
    }
    constexpr CellMask& operator|=(const CellMask& other) { return *this = *this | other; }
    constexpr CellMask& operator&=(const CellMask& other) { return *this = *this & other; }
    constexpr CellMask& operator-=(const CellMask& other) { return *this = *this - other; }
    constexpr bool operator==(const CellMask&) const = default;

    // The cells in ascending order: for (const int cell : mask).
    class Iterator {
    public:
        constexpr Iterator(std::uint64_t low, std::uint64_t high) : m_low(low), m_high(high) {}
        constexpr int operator*() const {
            return m_low != 0 ? Bits::Lowest(m_low) : 64 + Bits::Lowest(m_high);
        }
        constexpr Iterator& operator++() {
            if (m_low != 0) {
                m_low = Bits::WithoutLowest(m_low);
            } else {
                m_high = Bits::WithoutLowest(m_high);
            }
            return *this;
        }
        constexpr bool operator==(std::default_sentinel_t) const { return (m_low | m_high) == 0; }

    private:
        std::uint64_t m_low;
        std::uint64_t m_high;
    };
    constexpr Iterator begin() const { return {m_low, m_high}; }
    constexpr std::default_sentinel_t end() const { return {}; }

private:
    std::uint64_t m_low = 0;
    std::uint64_t m_high = 0;
};

inline constexpr CellMask kAllCells(~std::uint64_t{0},
                                    (std::uint64_t{1} << (GridGeometry::kCells - 64)) - 1);

// The cells of each region.
inline constexpr std::array<CellMask, GridGeometry::kRegions> kRegionCells = [] {
    std::array<CellMask, GridGeometry::kRegions> cells{};
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        for (const int cell : GridGeometry::kCellsOfRegion[region]) {
            cells[region] |= CellMask::Of(cell);
        }
    }
    return cells;
}();

// The cells that share a row, a column or a block with each cell, the cell left out.
inline constexpr std::array<CellMask, GridGeometry::kCells> kPeers = [] {
    std::array<CellMask, GridGeometry::kCells> peers{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            peers[cell] |= kRegionCells[place.region];
        }
        peers[cell] -= CellMask::Of(cell);
    }
    return peers;
}();

// The cells that see every cell of `cells`, none of them included.
constexpr CellMask SeeingAll(const CellMask& cells) {
    CellMask seeing = kAllCells;
    for (const int cell : cells) {
        seeing &= kPeers[cell];
    }
    return seeing - cells;
}

constexpr bool SeeEachOther(int a, int b) {
    return kPeers[a].Has(b);
}

}  // namespace Novem::Ladder
