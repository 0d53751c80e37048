#pragma once

#include <array>
#include <string_view>

#include "Technique.h"
#include "model/Bits.h"
#include "model/GridGeometry.h"
#include "solver/RuleApplication.h"

// The two rules' applications as solvers name them, the first rungs of the ladder: InternalRule
// with N cells is a naked subset, or for N of 5 to 8 the hidden subset of the other 9 - N cells;
// ExternalRule is pointing (from a block), claiming (from a line into a block) or a hidden single
// (a row meeting a column).
namespace Novem::Ladder::RuleNames {

// What InternalRule with a subset of `cells` cells (1 to 8) is called.
constexpr std::string_view OfSubset(int cells) {
    constexpr std::array<std::string_view, GridGeometry::kSize> kSubsets = {"",
                                                                            "naked single",
                                                                            "naked pair",
                                                                            "naked triple",
                                                                            "naked quad",
                                                                            "hidden quad",
                                                                            "hidden triple",
                                                                            "hidden pair",
                                                                            "hidden single"};
    return kSubsets[cells];
}

constexpr std::string_view Of(const RuleApplication& application) {
    using GridGeometry::KindOf;
    using GridGeometry::RegionKind;
    if (application.rule == RuleApplication::Rule::Internal) {
        return OfSubset(Bits::Count(application.positions));
    }
    if (KindOf(application.region) == RegionKind::Block) {
        return "pointing";
    }
    return KindOf(application.crossing) == RegionKind::Block ? "claiming" : "hidden single";
}

// The difficulty the application stands for: singles, locked candidates or subsets.
constexpr Level LevelOf(const RuleApplication& application) {
    const std::string_view name = Of(application);
    if (name.ends_with("single")) {
        return Level::SinglesOnly;
    }
    return name == "pointing" || name == "claiming" ? Level::LockedCandidates : Level::Subsets;
}

}  // namespace Novem::Ladder::RuleNames
