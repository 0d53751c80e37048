#pragma once

#include <array>
#include <string_view>

#include "Technique.h"
#include "model/Bits.h"
#include "model/GridGeometry.h"
#include "solver/RuleApplication.h"

// The two rules' applications as solvers name them, the first rungs of the ladder, by what they do
// on the open cells: decided cells and their digits don't count. InternalRule with N cells is a
// naked subset of its open cells, or the hidden subset of the region's other open cells, whichever
// is smaller (naked on a tie); ExternalRule is pointing (from a block), claiming (from a line into
// a block), or a hidden single where the digit has one open place. Either is a naked single when
// only decided cells give its digits away.
namespace Novem::Ladder::RuleNames {

enum class Kind { NakedSingle, HiddenSingle, Naked, Hidden, Pointing, Claiming };

// What an application is about: its kind, its size (1 for singles, 2 to 4 for subsets, the
// places for locked candidates), the cells as positions of its region, and the digits.
struct Subject {
    Kind kind;
    int size;
    unsigned positions;
    unsigned digits;
};

constexpr Subject SubjectOf(const RuleApplication& applied) {
    const unsigned open = GridGeometry::kAllPositions & ~applied.decided;
    if (applied.rule == RuleApplication::Rule::External) {
        const unsigned places = applied.positions & open;
        const int count = Bits::Count(places);
        if (count == 0) {
            return {Kind::NakedSingle, 1, applied.positions, applied.digits};
        }
        if (count == 1) {
            return {Kind::HiddenSingle, 1, places, applied.digits};
        }
        const bool fromBlock =
            GridGeometry::KindOf(applied.region) == GridGeometry::RegionKind::Block;
        return {fromBlock ? Kind::Pointing : Kind::Claiming, count, places, applied.digits};
    }
    // Each view leaves out the digits of its own decided cells: the subset's, or the others'.
    unsigned subsetDecidedDigits = 0;
    unsigned otherDecidedDigits = 0;
    for (const int position : Bits::Indices(applied.decided)) {
        ((applied.positions >> position & 1U) != 0 ? subsetDecidedDigits : otherDecidedDigits) |=
            applied.DecidedDigit(position);
    }
    const unsigned naked = applied.positions & open;
    const unsigned hidden = ~applied.positions & open;
    const unsigned nakedDigits = applied.digits & ~subsetDecidedDigits;
    const unsigned hiddenDigits = GridGeometry::kAllDigits & ~applied.digits & ~otherDecidedDigits;
    const int nakedCount = Bits::Count(naked);
    const int hiddenCount = Bits::Count(hidden);
    if (hiddenCount == 1) {
        return {Kind::HiddenSingle, 1, hidden, hiddenDigits};
    }
    // Only decided cells in the subset: those whose digits the application removes spread them,
    // as naked singles (cells decided within the same examination join a subset with them);
    // several leave the open cells the digits still to place.
    if (nakedCount == 0 && (Bits::Count(applied.positions) == 1 || hiddenCount > 4)) {
        unsigned removed = 0;
        for (const CellRemoval& removal : applied.Removals()) {
            removed |= removal.digits;
        }
        unsigned spreading = 0;
        unsigned spread = 0;
        for (const int position : Bits::Indices(applied.positions)) {
            const unsigned digit = applied.DecidedDigit(position);
            if ((digit & removed) != 0) {
                spreading |= 1U << position;
                spread |= digit;
            }
        }
        if (spreading == 0 || Bits::Count(applied.positions) == 1) {
            return {Kind::NakedSingle, 1, applied.positions, applied.digits};
        }
        const int count = Bits::Count(spreading);
        return {count == 1 ? Kind::NakedSingle : Kind::Naked, count, spreading, spread};
    }
    if (nakedCount == 0) {
        return {Kind::Hidden, hiddenCount, hidden, hiddenDigits};
    }
    if (nakedCount <= hiddenCount || hiddenCount == 0) {
        return {Kind::Naked, nakedCount, naked, nakedDigits};
    }
    return {Kind::Hidden, hiddenCount, hidden, hiddenDigits};
}

constexpr std::string_view NameOf(const Subject& subject) {
    // The desktop shows them in the user's language.
    constexpr std::array<std::string_view, 5> kNaked = {
        "", Translatable("Technique", "naked single"), Translatable("Technique", "naked pair"),
        Translatable("Technique", "naked triple"), Translatable("Technique", "naked quad")};
    constexpr std::array<std::string_view, 5> kHidden = {
        "", Translatable("Technique", "hidden single"), Translatable("Technique", "hidden pair"),
        Translatable("Technique", "hidden triple"), Translatable("Technique", "hidden quad")};
    const auto size = static_cast<std::size_t>(subject.size);
    switch (subject.kind) {
        case Kind::NakedSingle:
            return kNaked[1];
        case Kind::HiddenSingle:
            return kHidden[1];
        case Kind::Naked:
            return size < kNaked.size() ? kNaked[size] : "naked subset";
        case Kind::Hidden:
            return size < kHidden.size() ? kHidden[size] : "hidden subset";
        case Kind::Pointing:
            return Translatable("Technique", "pointing");
        case Kind::Claiming:
            return Translatable("Technique", "claiming");
    }
    return {};
}

constexpr std::string_view Of(const RuleApplication& application) {
    return NameOf(SubjectOf(application));
}

// The difficulty the application stands for: singles, locked candidates or subsets.
constexpr Level LevelOf(const Subject& subject) {
    switch (subject.kind) {
        case Kind::NakedSingle:
        case Kind::HiddenSingle:
            return Level::SinglesOnly;
        case Kind::Pointing:
        case Kind::Claiming:
            return Level::LockedCandidates;
        case Kind::Naked:
        case Kind::Hidden:
            break;
    }
    return Level::Subsets;
}

}  // namespace Novem::Ladder::RuleNames
