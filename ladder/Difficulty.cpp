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
        case Length::Complexity:
        case Length::Loop:
            break;
    }
    return 0;
}

// A unique loop of 6 or 7 cells adds a tenth, of 8 or 9 two, of 10 or more five; a subset its
// extra candidates complete a tenth for each cell past the first pair. A grave's type 1 is the
// base; its types 2 to 4 add a tenth, and its subset as a loop's does.
int UniquenessRating(const Step& step, int base) {
    const auto length = step.loop.size();
    int rating = base + (length >= 10 ? 5 : length >= 8 ? 2 : length >= 6 ? 1 : 0);
    if (step.technique == Technique::BivalueUniversalGrave && step.type > 1) {
        ++rating;
    }
    if (step.type == 3) {
        const int cells = static_cast<int>(step.subset.size());
        rating += step.hiddenSubset ? cells - 1 : cells;
    }
    return rating;
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
            return direct ? kDirectClaiming : kClaiming;
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
    if (info.length == Length::Loop) {
        return UniquenessRating(step, base);
    }
    if (info.length == Length::Complexity) {
        return base + LengthBonus(step.complexity - 2);
    }
    return base + LengthBonus(LengthOf(step, info.length));
}

}  // namespace Novem::Ladder::Difficulty
