#include "Difficulty.h"

#include <algorithm>
#include <numeric>

namespace Novem::Ladder::Difficulty {

namespace {

int LengthOf(const Step& step, Length length) {
    switch (length) {
        case Length::None:
            return 0;
        case Length::Nodes:
            return static_cast<int>(step.nodes.size());
        case Length::Cells: {
            // A fish's base lines count two places each, its fins one.
            std::size_t cells = step.colours[0].size() + step.colours[1].size() +
                                2 * step.base.size() + step.fins.size() + step.cellDigits.size();
            for (const std::vector<int>& set : step.sets) {
                cells += set.size();
            }
            return static_cast<int>(cells);
        }
        case Length::Implications:
            return std::accumulate(
                step.branches.begin(), step.branches.end(), 0,
                [](int sum, const Branch& branch) { return sum + Implications(branch); });
    }
    return 0;
}

}  // namespace

int Implications(const Branch& branch) {
    int implications = 0;
    for (const Branch::Implication& implication : branch.implications) {
        ++implications;
        for (const Branch& nested : implication.nested) {
            implications += Implications(nested);
        }
    }
    return implications;
}

int Of(const RuleNames::Subject& subject, int region, bool direct) {
    using RuleNames::Kind;
    switch (subject.kind) {
        case Kind::NakedSingle:
            return kNakedSingle;
        case Kind::HiddenSingle:
            return GridGeometry::KindOf(region) == GridGeometry::RegionKind::Block
                       ? kHiddenSingleInBlock
                       : kHiddenSingleInLine;
        case Kind::Pointing:
            return direct ? kDirectPointing : kPointing;
        case Kind::Claiming:
            return kClaiming;
        case Kind::Naked:
            return subject.size <= 2 ? kNakedPair : subject.size == 3 ? kNakedTriple : kNakedQuad;
        case Kind::Hidden:
            if (subject.size <= 2) {
                return direct ? kDirectHiddenPair : kHiddenPair;
            }
            if (subject.size == 3) {
                return direct ? kDirectHiddenTriple : kHiddenTriple;
            }
            return kHiddenQuad;
    }
    return 0;
}

int Of(const Step& step) {
    const TechniqueInfo& info = InfoOf(step.technique);
    int base = info.rating;
    // A loop of one digit is the scale's X-cycle, one of cells with two digits its Y-cycle; a
    // chain of one digit its X-chain.
    const bool oneDigit =
        !step.nodes.empty() &&
        std::all_of(step.nodes.begin(), step.nodes.end(),
                    [&](const Candidate& node) { return node.digit == step.nodes.front().digit; });
    if (step.technique == Technique::ContinuousNiceLoop && oneDigit) {
        base = kXCycle;
    } else if (step.technique == Technique::DiscontinuousNiceLoop && oneDigit) {
        base = kXChain;
    }
    return base + LengthBonus(LengthOf(step, info.length));
}

}  // namespace Novem::Ladder::Difficulty
