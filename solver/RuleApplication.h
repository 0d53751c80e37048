#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "model/GridGeometry.h"

namespace Novem {

// One candidate set reduced by a rule application: the cell and the digits it lost, bit k for
// digit k + 1.
struct CellRemoval {
    int cell;
    unsigned digits;

    bool operator==(const CellRemoval&) const = default;
};

// What one effective rule application did: one subset of InternalRule, or one (crossing region,
// digit) pair of ExternalRule. Regions are numbered as in the grid: blocks 0-8, rows 9-17,
// columns 18-26; positions are bits of the examined region's cells in ascending cell order. A
// plain value: a listener may keep it.
struct RuleApplication {
    enum class Rule { Internal, External };

    // Both rules change only cells of one region other than the ones they reason about.
    static constexpr int kMaxRemovals = GridGeometry::kSize - 1;

    Rule rule = Rule::Internal;
    std::int32_t step = 0;
    int region = 0;
    // ExternalRule only: the region crossing the examined one; -1 for InternalRule.
    int crossing = -1;
    // InternalRule: the subset's positions. ExternalRule: the positions shared with the crossing
    // region whose cells allow the digit.
    unsigned positions = 0;
    // InternalRule: the digits the subset's cells allow. ExternalRule: the one digit.
    unsigned digits = 0;
    // The examined region's cells that were decided (one candidate) before the application, as
    // positions, and the digit of each, four bits a position from the lowest, 0 to 8 for 1 to 9:
    // what the application does is told by its open cells.
    unsigned decided = 0;
    std::uint64_t decidedDigitAt = 0;
    // Every changed cell, in the order the candidates were removed: the first removalCount.
    std::array<CellRemoval, kMaxRemovals> removals{};
    int removalCount = 0;

    std::span<const CellRemoval> Removals() const {
        return {removals.data(), static_cast<std::size_t>(removalCount)};
    }
    // Notes that the cell at `position` was decided with `digit` (bit d for digit d + 1).
    void NoteDecided(int position, unsigned digit) {
        decided |= 1U << position;
        decidedDigitAt |= static_cast<std::uint64_t>(std::countr_zero(digit)) << (4 * position);
    }
    // The digit of a decided cell, bit d for digit d + 1.
    constexpr unsigned DecidedDigit(int position) const {
        return 1U << ((decidedDigitAt >> (4 * position)) & 0xFU);
    }
};

// Told of every effective rule application as it happens, before the grid update listeners hear
// of the rule as a whole. Costs the solver nothing while none is set.
class RuleApplicationListener {
public:
    virtual ~RuleApplicationListener() = default;

    virtual void OnRuleApplication(const RuleApplication& application) = 0;
};

}  // namespace Novem
