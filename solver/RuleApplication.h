#pragma once

#include <cstdint>
#include <span>

namespace Novem {

// One candidate set reduced by a rule application: the cell (9 * row + column) and the digits it
// lost, bit k for digit k + 1.
struct CellRemoval {
    int cell;
    unsigned digits;
};

// What one effective rule application did: one subset of InternalRule, or one (crossing region,
// digit) pair of ExternalRule. Regions are numbered as in the grid: blocks 0-8, rows 9-17,
// columns 18-26; positions are bits of the examined region's cells in ascending cell order.
struct RuleApplication {
    enum class Rule { Internal, External };

    Rule rule;
    std::int32_t step;
    int region;
    // ExternalRule only: the region crossing the examined one; -1 for InternalRule.
    int crossing;
    // InternalRule: the subset's positions. ExternalRule: the positions shared with the crossing
    // region whose cells allow the digit.
    unsigned positions;
    // InternalRule: the digits the subset's cells allow. ExternalRule: the one digit.
    unsigned digits;
    // Every changed cell, in the order the candidates were removed. Valid during the call only.
    std::span<const CellRemoval> removals;
};

// Told of every effective rule application as it happens, before the grid update listeners hear
// of the rule as a whole. Costs the solver nothing while none is set.
class RuleApplicationListener {
public:
    virtual ~RuleApplicationListener() = default;

    virtual void OnRuleApplication(const RuleApplication& application) = 0;
};

}  // namespace Novem
