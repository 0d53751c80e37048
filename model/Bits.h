#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstdint>

// The bit idioms of candidate sets, position masks and region masks, named once. Bit k of a
// candidate set stands for digit k + 1, bit k of a position mask for the k-th cell of a region.
namespace Novem::Bits {

namespace Detail {
inline constexpr std::array<std::uint8_t, 512> kNineBitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (std::size_t bits = 1; bits < counts.size(); ++bits) {
        counts[bits] = static_cast<std::uint8_t>(counts[bits & (bits - 1)] + 1);
    }
    return counts;
}();
}  // namespace Detail

// The number of set bits. Most sets are of nine digits or places, counted by a table. The
// baseline x86-64 has no population count instruction, where the library's popcount is a call;
// larger sets are counted by these few word operations instead.
template <std::unsigned_integral T>
constexpr int Count(T bits) {
    if (bits < Detail::kNineBitCounts.size()) {
        return Detail::kNineBitCounts[bits];
    }
    std::uint64_t word = bits;
    word -= (word >> 1) & 0x5555555555555555ULL;
    word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((word * 0x0101010101010101ULL) >> 56);
}

// Whether exactly two bits are set, without counting them all: the test of a link's two ends.
template <std::unsigned_integral T>
constexpr bool Two(T bits) {
    const T rest = bits & (bits - 1);
    return rest != 0 && (rest & (rest - 1)) == 0;
}

// The index of the lowest set bit; `bits` must not be 0.
template <std::unsigned_integral T>
constexpr int Lowest(T bits) {
    return std::countr_zero(bits);
}

template <std::unsigned_integral T>
constexpr T WithoutLowest(T bits) {
    return bits & (bits - 1);
}

template <std::unsigned_integral T>
constexpr T LowestOnly(T bits) {
    return bits & (~bits + 1);
}

// The indices of the set bits, lowest first: for (const int digit : Bits::Indices(digits)).
template <std::unsigned_integral T>
class Indices {
public:
    struct End {};

    class Iterator {
    public:
        constexpr explicit Iterator(T bits) : m_bits(bits) {}
        constexpr int operator*() const { return Lowest(m_bits); }
        constexpr Iterator& operator++() {
            m_bits = WithoutLowest(m_bits);
            return *this;
        }
        constexpr bool operator==(End) const { return m_bits == 0; }

    private:
        T m_bits;
    };

    constexpr explicit Indices(T bits) : m_bits(bits) {}
    constexpr Iterator begin() const { return Iterator(m_bits); }
    constexpr End end() const { return {}; }

private:
    T m_bits;
};

// Calls visit(subset) for each subset of `set` with `size` members, in ascending order of the
// masks, until visit returns true; returns whether it did. The subsets are the combinations of
// the set's bit indices, made by the next-combination step on the first `size` of as many bits
// as the set has, each spread onto the set's own bits: a spread keeps the order.
template <std::unsigned_integral T, typename Visit>
constexpr bool ForEachSubsetOfSize(T set, int size, Visit visit) {
    const int count = Count(set);
    if (size <= 0 || size > count) {
        return false;
    }
    int indices[sizeof(T) * 8] = {};
    int at = 0;
    for (const int index : Indices<T>(set)) {
        indices[at++] = index;
    }
    const T last = T{1} << count;
    for (T combination = (T{1} << size) - 1; combination < last;) {
        T subset = 0;
        for (const int bit : Indices<T>(combination)) {
            subset |= T{1} << indices[bit];
        }
        if (visit(subset)) {
            return true;
        }
        const T lowest = combination & (~combination + 1);
        const T carried = combination + lowest;
        combination = carried | (((combination ^ carried) >> 2) / lowest);
    }
    return false;
}

}  // namespace Novem::Bits
