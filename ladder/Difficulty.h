#pragma once

#include <string>

#include "RuleNames.h"
#include "Step.h"

// Ratings on Sudoku Explainer's scale, the one puzzle collections and forums rate by, in tenths:
// 12 stands for 1.2. A puzzle's rating is its hardest step's, on a path that always takes the
// easiest step there is.
namespace Novem::Ladder::Difficulty {

// The basic techniques, where the scale puts them. A hidden single that is its region's last
// empty cell is a full house. A "direct" pointing or claiming leaves its digit a single place in a
// region of its own kind, a direct hidden subset a digit it removes a single place in its region:
// the next step places it.
inline constexpr int kFullHouse = 10;
inline constexpr int kHiddenSingleInBlock = 12;
inline constexpr int kHiddenSingleInLine = 15;
inline constexpr int kDirectPointing = 17;
inline constexpr int kDirectClaiming = 19;
inline constexpr int kDirectHiddenPair = 20;
inline constexpr int kNakedSingle = 23;
inline constexpr int kDirectHiddenTriple = 25;
inline constexpr int kPointing = 26;
inline constexpr int kClaiming = 28;
inline constexpr int kNakedPair = 30;
inline constexpr int kHiddenPair = 34;
inline constexpr int kNakedTriple = 36;
inline constexpr int kHiddenTriple = 40;
inline constexpr int kNakedQuad = 50;
inline constexpr int kHiddenQuad = 54;
// Chains of one digit: closed into a loop, and open.
inline constexpr int kXCycle = 65;
inline constexpr int kXChain = 66;
// What the scale gives a grid its techniques leave unsolved: none of its numbers.
inline constexpr int kNotRated = 200;

// What a longer chain adds: a tenth for each of the lengths 4, 6, 8, 12, 16, 24, 32, ... it
// exceeds, each ceiling half or a third again the one before, alternately.
constexpr int LengthBonus(int length) {
    int bonus = 0;
    bool half = true;
    for (int ceiling = 4; length > ceiling; half = !half) {
        ++bonus;
        ceiling = half ? ceiling * 3 / 2 : ceiling * 4 / 3;
    }
    return bonus;
}

// As the scale writes it: "7.2".
inline std::string Text(int tenths) {
    return std::to_string(tenths / 10) + '.' + static_cast<char>('0' + tenths % 10);
}

// The implications of a branch, those of its nested branches included: what a forcing chain's
// length counts.
int Implications(const Branch& branch);

// A rule application by its name; `region` is the region it found its pattern in.
int Of(const RuleNames::Subject& subject, int region, bool direct);

// A step of the ladder's families: its technique's base and the bonus of its length.
int Of(const Step& step);

}  // namespace Novem::Ladder::Difficulty
