#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/Translatable.h"

namespace Novem::Ladder {

// The families of techniques the ladder climbs, easiest first: it tries them in this order.
enum class Family {
    Fish,
    SingleDigit,
    Wings,
    Uniqueness,
    Colouring,
    Chains,
    FinnedFish,
    AlmostLockedSets,
    Exclusion,
    Forcing,
    DynamicForcing,
    NestedForcing,
};

inline constexpr int kFamilies = 12;

// Families as a set, bit f for family f.
using Families = unsigned;
inline constexpr Families kAllFamilies = (1U << kFamilies) - 1;

constexpr Families FamilyBit(Family family) {
    return 1U << static_cast<unsigned>(family);
}

enum class Technique {
    XWing,
    Swordfish,
    Jellyfish,
    Skyscraper,
    TwoStringKite,
    TurbotFish,
    XYWing,
    XYZWing,
    WWing,
    ColourTrap,
    ColourWrap,
    XChain,
    XYChain,
    AlternatingInferenceChain,
    ContinuousNiceLoop,
    DiscontinuousNiceLoop,
    FinnedXWing,
    FinnedSwordfish,
    FinnedJellyfish,
    SashimiXWing,
    SashimiSwordfish,
    SashimiJellyfish,
    AlsXz,
    AlsXyWing,
    CellForcingChain,
    RegionForcingChain,
    DynamicContradictionChain,
    DynamicCellForcingChain,
    DynamicRegionForcingChain,
    NestedContradictionChain,
    DynamicNestedContradictionChain,
    UniqueRectangle,
    UniqueLoop,
    BivalueUniversalGrave,
    AlignedPairExclusion,
    AlignedTripletExclusion,
    BidirectionalXCycle,
    BidirectionalYCycle,
    BidirectionalCycle,
    ForcingXChain,
    ForcingChain,
    NishioForcingChain,
    DynamicDoubleForcingChain,
    DynamicForcingChainPlus,
    NestedForcingChain,
    NestedMultipleForcingChain,
    NestedDynamicForcingChain,
    NestedDynamicForcingChainPlus,
};

inline constexpr int kTechniques = 48;

// What a technique's rating grows with, beyond its base: nothing, the candidates of its chain, the
// cells of its pattern, the implications of all its branches, the complexity the scale counts for
// its own chains, or a uniqueness pattern's loop and subset.
enum class Length { None, Nodes, Cells, Implications, Complexity, Loop };

struct TechniqueInfo {
    // As solvers call it; the desktop shows it in the user's language.
    std::string_view name;
    Family family;
    // On the rating scale, in tenths: the base, and what the length bonus counts.
    int rating;
    Length length;
};

inline constexpr std::array<TechniqueInfo, kTechniques> kTechniqueInfo = {{
    {Translatable("Technique", "X-wing"), Family::Fish, 32, Length::None},
    {Translatable("Technique", "swordfish"), Family::Fish, 38, Length::None},
    {Translatable("Technique", "jellyfish"), Family::Fish, 52, Length::None},
    {Translatable("Technique", "skyscraper"), Family::SingleDigit, 66, Length::Nodes},
    {Translatable("Technique", "two-string kite"), Family::SingleDigit, 66, Length::Nodes},
    {Translatable("Technique", "turbot fish"), Family::SingleDigit, 66, Length::Nodes},
    {Translatable("Technique", "XY-wing"), Family::Wings, 42, Length::None},
    {Translatable("Technique", "XYZ-wing"), Family::Wings, 44, Length::None},
    {Translatable("Technique", "W-wing"), Family::Wings, 70, Length::Nodes},
    {Translatable("Technique", "colour trap"), Family::Colouring, 66, Length::Cells},
    {Translatable("Technique", "colour wrap"), Family::Colouring, 66, Length::Cells},
    {Translatable("Technique", "X-chain"), Family::Chains, 66, Length::Nodes},
    {Translatable("Technique", "XY-chain"), Family::Chains, 70, Length::Nodes},
    {Translatable("Technique", "alternating inference chain"), Family::Chains, 70, Length::Nodes},
    {Translatable("Technique", "continuous nice loop"), Family::Chains, 70, Length::Nodes},
    {Translatable("Technique", "discontinuous nice loop"), Family::Chains, 70, Length::Nodes},
    {Translatable("Technique", "finned X-wing"), Family::FinnedFish, 66, Length::Cells},
    {Translatable("Technique", "finned swordfish"), Family::FinnedFish, 66, Length::Cells},
    {Translatable("Technique", "finned jellyfish"), Family::FinnedFish, 66, Length::Cells},
    {Translatable("Technique", "sashimi X-wing"), Family::FinnedFish, 66, Length::Cells},
    {Translatable("Technique", "sashimi swordfish"), Family::FinnedFish, 66, Length::Cells},
    {Translatable("Technique", "sashimi jellyfish"), Family::FinnedFish, 66, Length::Cells},
    {Translatable("Technique", "ALS-XZ"), Family::AlmostLockedSets, 80, Length::Cells},
    {Translatable("Technique", "ALS-XY-wing"), Family::AlmostLockedSets, 80, Length::Cells},
    {Translatable("Technique", "cell forcing chain"), Family::Forcing, 80, Length::Implications},
    {Translatable("Technique", "region forcing chain"), Family::Forcing, 80, Length::Implications},
    {Translatable("Technique", "dynamic contradiction chain"), Family::DynamicForcing, 85,
     Length::Implications},
    {Translatable("Technique", "dynamic cell forcing chain"), Family::DynamicForcing, 85,
     Length::Implications},
    {Translatable("Technique", "dynamic region forcing chain"), Family::DynamicForcing, 85,
     Length::Implications},
    {Translatable("Technique", "nested contradiction chain"), Family::NestedForcing, 95,
     Length::Implications},
    {Translatable("Technique", "dynamic nested contradiction chain"), Family::NestedForcing, 100,
     Length::Implications},
    {Translatable("Technique", "unique rectangle"), Family::Uniqueness, 45, Length::Loop},
    {Translatable("Technique", "unique loop"), Family::Uniqueness, 45, Length::Loop},
    {Translatable("Technique", "bivalue universal grave"), Family::Uniqueness, 56, Length::Loop},
    {Translatable("Technique", "aligned pair exclusion"), Family::Exclusion, 62, Length::None},
    {Translatable("Technique", "aligned triplet exclusion"), Family::Exclusion, 75, Length::None},
    {Translatable("Technique", "bidirectional X-cycle"), Family::Chains, 65, Length::Complexity},
    {Translatable("Technique", "bidirectional Y-cycle"), Family::Chains, 65, Length::Complexity},
    {Translatable("Technique", "bidirectional cycle"), Family::Chains, 70, Length::Complexity},
    {Translatable("Technique", "forcing X-chain"), Family::Chains, 66, Length::Complexity},
    {Translatable("Technique", "forcing chain"), Family::Chains, 70, Length::Complexity},
    {Translatable("Technique", "Nishio forcing chain"), Family::Forcing, 75, Length::Complexity},
    {Translatable("Technique", "dynamic double forcing chain"), Family::DynamicForcing, 85,
     Length::Complexity},
    {Translatable("Technique", "dynamic forcing chain plus"), Family::DynamicForcing, 90,
     Length::Complexity},
    {Translatable("Technique", "nested forcing chain"), Family::NestedForcing, 95,
     Length::Complexity},
    {Translatable("Technique", "nested multiple forcing chain"), Family::NestedForcing, 100,
     Length::Complexity},
    {Translatable("Technique", "nested dynamic forcing chain"), Family::NestedForcing, 105,
     Length::Complexity},
    {Translatable("Technique", "nested dynamic forcing chain plus"), Family::NestedForcing, 110,
     Length::Complexity},
}};

// The rating scale's own chains, which only its path takes: the ladder's own path finds the same
// deductions with its friendlier techniques.
constexpr bool ScaleOnly(Technique technique) {
    return technique >= Technique::BidirectionalXCycle;
}

constexpr const TechniqueInfo& InfoOf(Technique technique) {
    return kTechniqueInfo[static_cast<std::size_t>(technique)];
}

// The names of the families, as a list of them is written: "fish,wings".
inline constexpr std::array<std::string_view, kFamilies> kFamilyNames = {
    "fish",        "single-digit", "wings",     "uniqueness", "colouring",       "chains",
    "finned-fish", "als",          "exclusion", "forcing",    "dynamic-forcing", "nested-forcing"};

// A puzzle's difficulty: the hardest thing its solution needed, in the ladder's order. The two
// rules make the first three levels: singles, pointing and claiming, and subsets; each family
// then makes one (LevelOf), and the last is for puzzles the ladder leaves open.
enum class Level {
    SinglesOnly,
    LockedCandidates,
    Subsets,
    Beyond = Subsets + kFamilies + 1,
};

inline constexpr int kLevels = static_cast<int>(Level::Beyond) + 1;

// The desktop shows them in the user's language.
inline constexpr std::array<std::string_view, kLevels> kLevelNames = {
    Translatable("Ladder", "singles only"),
    Translatable("Ladder", "needs locked candidates"),
    Translatable("Ladder", "needs subsets"),
    Translatable("Ladder", "needs fish"),
    Translatable("Ladder", "needs single-digit patterns"),
    Translatable("Ladder", "needs wings"),
    Translatable("Ladder", "needs uniqueness"),
    Translatable("Ladder", "needs colouring"),
    Translatable("Ladder", "needs chains"),
    Translatable("Ladder", "needs finned fish"),
    Translatable("Ladder", "needs almost-locked sets"),
    Translatable("Ladder", "needs aligned exclusion"),
    Translatable("Ladder", "needs forcing chains"),
    Translatable("Ladder", "needs dynamic forcing chains"),
    Translatable("Ladder", "needs nested forcing chains"),
    Translatable("Ladder", "beyond these techniques")};

constexpr Level LevelOf(Family family) {
    return static_cast<Level>(static_cast<int>(Level::Subsets) + 1 + static_cast<int>(family));
}

}  // namespace Novem::Ladder
