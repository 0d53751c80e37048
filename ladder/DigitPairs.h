#pragma once

#include <array>
#include <cstdint>

#include "model/GridGeometry.h"

// The 36 pairs of digits as the bits of one word: unique loops are searched pair by pair, and a
// search that remembers asks which pairs a change touched.
namespace Novem::Ladder {

using DigitPairs = std::uint64_t;

constexpr int PairNumber(int low, int high) {
    return high * (high - 1) / 2 + low;
}

inline constexpr DigitPairs kAllDigitPairs = (DigitPairs{1} << 36) - 1;

// By set of digits, the pairs it holds.
inline constexpr std::array<DigitPairs, GridGeometry::kAllDigits + 1> kDigitPairsOf = [] {
    std::array<DigitPairs, GridGeometry::kAllDigits + 1> pairs{};
    for (unsigned digits = 0; digits < pairs.size(); ++digits) {
        for (int high = 1; high < GridGeometry::kSize; ++high) {
            for (int low = 0; low < high; ++low) {
                const bool both = (digits >> low & 1U) != 0 && (digits >> high & 1U) != 0;
                pairs[digits] |= both ? DigitPairs{1} << PairNumber(low, high) : 0;
            }
        }
    }
    return pairs;
}();

}  // namespace Novem::Ladder
