#pragma once

#include <array>
#include <cstdint>

#include "model/Bits.h"
#include "model/GridGeometry.h"

// Judges all 512 subsets of a region's nine cells at once. A subset, given as a mask of cell
// positions, is effective when its cells allow exactly as many digits as they number and one of
// those digits is also possible outside it: removing its digits from the other cells then
// changes something. The 512 answers are the bits of one 512-bit vector, mask m at bit m % 64 of
// word m / 64, and each digit's share is read from tables, so the judgement takes a few hundred
// word operations instead of a walk over the masks.
namespace Novem::SubsetSearch {

// Bit k stands for the k-th cell of the region.
using Positions = unsigned;
// For each digit, the positions of the cells that allow it.
using DigitPositions = std::array<Positions, GridGeometry::kSize>;

namespace Detail {

// The layout below splits a mask of nine positions into six and three.
static_assert(GridGeometry::kSize == 9);
constexpr unsigned kMasks = 1U << GridGeometry::kSize;

using Word = std::uint64_t;
constexpr int kWords = kMasks / 64;
// One bit per mask. The compiler spreads the operations over whatever vector registers the
// target has.
using Masks = Word __attribute__((vector_size(kWords * sizeof(Word))));

// A mask splits into a low part, its positions 0 to 5, which picks the bit of a word, and a high
// part, positions 6 to 8, which picks the word.
struct Tables {
    // For each set p of low positions, the low parts that share none of p, and that hold all of it.
    std::array<Word, 64> lowAvoiding{};
    std::array<Word, 64> lowCovering{};
    // The same for each set of high positions: whole words.
    std::array<Masks, kWords> highAvoiding{};
    std::array<Masks, kWords> highCovering{};
    // The four bit planes of 9 - |m|: how many digits a locked mask leaves out.
    std::array<Masks, 4> leftOut{};
    // The masks from m upwards, for each m in 0 to 63 of the first word it starts in.
    std::array<Word, 64> from{};
};

// Vector elements can't be assigned one by one in a constant expression, so words come first.
constexpr void Assign(Masks& masks, const std::array<Word, kWords>& words) {
    masks = Masks{words[0], words[1], words[2], words[3], words[4], words[5], words[6], words[7]};
}

inline constexpr Tables kTables = [] {
    Tables tables;
    for (unsigned p = 0; p < 64; ++p) {
        for (unsigned low = 0; low < 64; ++low) {
            tables.lowAvoiding[p] |= Word{(low & p) == 0} << low;
            tables.lowCovering[p] |= Word{(low & p) == p} << low;
        }
        tables.from[p] = ~Word{0} << p;
    }
    for (unsigned p = 0; p < kWords; ++p) {
        std::array<Word, kWords> avoiding{};
        std::array<Word, kWords> covering{};
        for (unsigned high = 0; high < kWords; ++high) {
            avoiding[high] = (high & p) == 0 ? ~Word{0} : 0;
            covering[high] = (high & p) == p ? ~Word{0} : 0;
        }
        Assign(tables.highAvoiding[p], avoiding);
        Assign(tables.highCovering[p], covering);
    }
    std::array<std::array<Word, kWords>, 4> leftOut{};
    for (unsigned mask = 0; mask < kMasks; ++mask) {
        const unsigned count = GridGeometry::kSize - static_cast<unsigned>(Bits::Count(mask));
        for (unsigned plane = 0; plane < 4; ++plane) {
            leftOut[plane][mask / 64] |= Word{(count >> plane & 1U) != 0} << (mask % 64);
        }
    }
    for (unsigned plane = 0; plane < 4; ++plane) {
        Assign(tables.leftOut[plane], leftOut[plane]);
    }
    return tables;
}();

// sum + 2 * carry = a + b + c, bit by bit.
inline void AddThree(const Masks& a, const Masks& b, const Masks& c, Masks& sum, Masks& carry) {
    const Masks ab = a ^ b;
    sum = ab ^ c;
    carry = (a & b) | (ab & c);
}

}  // namespace Detail

// Wider vector registers halve the work where the processor has them; the choice is made once,
// when the program is loaded.
#if defined(__x86_64__)
#define NOVEM_WIDEST_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define NOVEM_WIDEST_VECTORS
#endif

// The lowest effective subset whose mask is `from` (1 or more) or above, or 0 when there is
// none. Mask 0 and the full region are never effective.
NOVEM_WIDEST_VECTORS inline Positions FirstEffective(const DigitPositions& positionsOfDigit,
                                                     Positions from) {
    using namespace Detail;
    const Tables& t = kTables;
    // Per mask: whether it avoids each digit, and whether some digit leaks out of it, touched by
    // the mask without all its cells inside.
    std::array<Masks, GridGeometry::kSize> avoids;
    Masks leaks{};
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        const Positions positions = positionsOfDigit[digit];
        avoids[digit] = t.highAvoiding[positions >> 6] & t.lowAvoiding[positions & 63U];
        leaks |=
            ~(avoids[digit] | (t.highCovering[positions >> 6] & t.lowCovering[positions & 63U]));
    }
    // Count the avoided digits in four bit planes with carry-save adders.
    Masks sum0, sum1, sum2, carry0, carry1, carry2;
    AddThree(avoids[0], avoids[1], avoids[2], sum0, carry0);
    AddThree(avoids[3], avoids[4], avoids[5], sum1, carry1);
    AddThree(avoids[6], avoids[7], avoids[8], sum2, carry2);
    Masks bit0, twos, twosOfTwos, fours;
    AddThree(sum0, sum1, sum2, bit0, twos);
    AddThree(carry0, carry1, carry2, twosOfTwos, fours);
    const Masks bit1 = twosOfTwos ^ twos;
    const Masks foursToo = twosOfTwos & twos;
    const Masks bit2 = fours ^ foursToo;
    const Masks bit3 = fours & foursToo;
    // Locked: the digits a mask leaves out are as many as its cells leave out.
    const Masks effective = ~((bit0 ^ t.leftOut[0]) | (bit1 ^ t.leftOut[1]) |
                              (bit2 ^ t.leftOut[2]) | (bit3 ^ t.leftOut[3])) &
                            leaks;
    const int first = static_cast<int>(from / 64);
    Word word = effective[first] & t.from[from % 64];
    for (int index = first;; word = effective[++index]) {
        if (word != 0) {
            return static_cast<Positions>(64 * index + Bits::Lowest(word));
        }
        if (index == kWords - 1) {
            return 0;
        }
    }
}

}  // namespace Novem::SubsetSearch
