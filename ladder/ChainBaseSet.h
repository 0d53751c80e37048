#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Implications.h"

// The rules a dynamic chain (+) applies inside itself when its singles stall, as the rating scale
// runs them there: pointing and claiming, hidden pairs, naked pairs and X-wings, each on the
// chain's grid, each deduction with the candidates it rests on that the chain has removed.
namespace Novem::Ladder::Implications {

// A potential a chain rule's hint passes by a single, and the single's cell or region.
struct Single {
    Potential potential;
    Cause cause;
};

// A deduction a chain takes in from a rule applied inside it: the "off" potentials it concludes,
// and those, removed since the chain's assumption, that it rests on (none when the rule holds on
// the grid the chain started from, which the chain then has no use for). A chain rule's hint
// gives instead the singles its chains pass, whose cells and regions say which they are.
struct RuleHint {
    std::vector<Potential> removals;
    std::vector<Potential> parents;
    std::vector<Single> singles;
    // When a chain rule found it, that chain: what tells it from another, and its complexity.
    std::uint64_t chainKey = 0;
    int chainComplexity = 0;
};

enum class BaseRule { Locking, HiddenPair, NakedPair, XWing };

inline constexpr std::array<BaseRule, 4> kBaseRules = {BaseRule::Locking, BaseRule::HiddenPair,
                                                       BaseRule::NakedPair, BaseRule::XWing};

// What the chain's grid holds beyond its candidates: the cells decided before the step, which
// the rules count apart from open ones, and how often each digit is decided.
struct Decided {
    CellMask cells;
    std::array<int, GridGeometry::kSize> digitCount{};
};

// By region, the digits of which the chain has removed a candidate there: the only ones its
// rules can find anything new for.
using Changes = std::array<unsigned, GridGeometry::kRegions>;

Changes ChangesOf(const Grid& grid, const Grid& source);

// Appends the rule's hints on `grid` that rest on something the chain removed, in the scale's
// order; `source` is the grid at the chain's assumption, `changes` what separates them.
void BaseRuleHints(BaseRule rule, const Grid& grid, const Grid& source, const Changes& changes,
                   const Decided& decided, std::vector<RuleHint>& out);

}  // namespace Novem::Ladder::Implications
