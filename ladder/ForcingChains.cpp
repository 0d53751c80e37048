// Forcing chains, the last resort of reasoning. A cell holds one of its digits, and a region
// holds a digit in one of its places; assume each in turn and follow what comes of it. What
// follows in every branch that does not end in a contradiction is true whichever holds: a
// candidate false in all of them goes, a digit placed in all of them is placed. And a candidate
// whose assumption alone ends in a contradiction goes.
//
// Three rungs, each tried only where the one before finds nothing, shallowest first:
// - forcing chains follow singles, through cells and regions of two to four choices;
// - dynamic ones follow the basic techniques too (pointing and claiming, naked and hidden pairs):
//   first a single assumption's contradiction, then cells and regions of any number of choices;
// - nested ones are contradictions whose branches may drop a candidate by a contradiction of its
//   own, on what the branch knows by then (depth 2): all by singles first, then with the basic
//   techniques, and where that is not enough, nested once more (depth 3, within a budget).
// Within a rung: contradictions by cell and digit, the first found (the shortest would take
// following every candidate to its end and explaining it, several times the work); forcing by the
// number of choices, and for each, cells in cell order before regions in region and digit order.
#include <algorithm>
#include <span>

#include "Families.h"
#include "Propagation.h"

namespace Novem::Ladder {

namespace {

constexpr Reach kSingles{false, 0};
constexpr Reach kDynamic{true, 0};

// The outcome of each assumption, worked out when first asked for.
struct Outcomes {
    explicit Outcomes(const Propagation& of) : propagation(of) {}

    const Propagation& propagation;
    std::vector<std::optional<Propagation::Outcome>> known =
        std::vector<std::optional<Propagation::Outcome>>(GridGeometry::kCells *
                                                         GridGeometry::kSize);

    const Propagation::Outcome& Of(const Candidate& choice) {
        std::optional<Propagation::Outcome>& outcome =
            known[static_cast<std::size_t>(choice.cell * GridGeometry::kSize + choice.digit)];
        if (!outcome) {
            outcome = propagation.From(choice);
        }
        return *outcome;
    }
};

// What holds in every branch that does not end in a contradiction, as a step without its
// pattern, or nothing when that is nothing new. Each assumption's outcome is worked out once, and
// branches stop being followed as soon as nothing can be common to all of them.
std::optional<Step> Common(const Board& board, const std::vector<Candidate>& choices,
                           Outcomes& outcomes, Technique technique) {
    std::array<CellMask, GridGeometry::kSize> possible{};
    std::array<CellMask, GridGeometry::kSize> placed{};
    bool any = false;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        placed[digit] = board.Open();
    }
    for (const Candidate& choice : choices) {
        const Propagation::Outcome& outcome = outcomes.Of(choice);
        if (outcome.contradiction) {
            continue;
        }
        any = true;
        bool left = false;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            possible[digit] |= outcome.possible[digit];
            placed[digit] &= outcome.placed[digit];
            left =
                left || !(board.CellsOf(digit) - possible[digit]).Empty() || !placed[digit].Empty();
        }
        if (!left) {
            return std::nullopt;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    Step step{technique};
    std::array<unsigned, GridGeometry::kCells> removed{};
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        for (const int cell : board.CellsOf(digit) - possible[digit]) {
            removed[cell] |= 1U << digit;
        }
        for (const int cell : placed[digit]) {
            step.placements.push_back({cell, digit});
            removed[cell] |= board.Candidates(cell) & ~(1U << digit);
        }
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (removed[cell] != 0) {
            step.removals.push_back({cell, removed[cell]});
        }
    }
    if (step.removals.empty()) {
        return std::nullopt;
    }
    return step;
}

// The candidates a step concludes, as the branches explain them: placed ones true, removed ones
// false.
std::vector<Candidate> Conclusions(const Step& step) {
    std::vector<Candidate> conclusions = step.placements;
    for (const CellRemoval& removal : step.removals) {
        for (const int digit : Bits::Indices(removal.digits)) {
            const bool byPlacement =
                std::any_of(step.placements.begin(), step.placements.end(),
                            [&](const Candidate& placed) { return placed.cell == removal.cell; });
            if (!byPlacement) {
                conclusions.push_back({removal.cell, digit});
            }
        }
    }
    return conclusions;
}

std::optional<Step> Try(const Board& board, Outcomes& outcomes,
                        const std::vector<Candidate>& choices, Technique technique) {
    std::optional<Step> step = Common(board, choices, outcomes, technique);
    if (step) {
        const std::vector<Candidate> conclusions = Conclusions(*step);
        for (const Candidate& choice : choices) {
            step->branches.push_back(outcomes.propagation.Explain(choice, conclusions));
        }
    }
    return step;
}

// Cells, then regions, of `choices` choices each.
std::optional<Step> ForcingOf(const Board& board, Outcomes& outcomes, int choices,
                              Technique cellTechnique, Technique regionTechnique) {
    for (const int cell : board.Open()) {
        if (Bits::Count(board.Candidates(cell)) != choices) {
            continue;
        }
        std::vector<Candidate> branches;
        for (const int digit : Bits::Indices(board.Candidates(cell))) {
            branches.push_back({cell, digit});
        }
        if (std::optional<Step> step = Try(board, outcomes, branches, cellTechnique)) {
            step->forcingCell = cell;
            step->digits = board.Candidates(cell);
            return step;
        }
    }
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            const CellMask places = kRegionCells[region] & board.CellsOf(digit);
            if (places.Count() != choices || !(places - board.Open()).Empty()) {
                continue;
            }
            std::vector<Candidate> branches;
            for (const int cell : places) {
                branches.push_back({cell, digit});
            }
            if (std::optional<Step> step = Try(board, outcomes, branches, regionTechnique)) {
                step->forcingRegion = region;
                step->digits = 1U << digit;
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> Forcing(const Board& board, Outcomes& outcomes, int mostChoices,
                            Technique cellTechnique, Technique regionTechnique) {
    for (int choices = 2; choices <= mostChoices; ++choices) {
        if (std::optional<Step> step =
                ForcingOf(board, outcomes, choices, cellTechnique, regionTechnique)) {
            return step;
        }
    }
    return std::nullopt;
}

// The step that drops the candidate, its branch explained.
Step Dropping(const Board& board, const Reach& reach, const Candidate& candidate,
              Technique technique) {
    Step step{technique};
    step.digits = 1U << candidate.digit;
    step.branches.push_back(Propagation(board, reach).Explain(candidate, {}));
    step.removals.push_back({candidate.cell, 1U << candidate.digit});
    return step;
}

// The first candidate, by cell and digit, whose assumption ends in a contradiction. Those an
// assumption without contradiction placed are skipped, as they can't contradict either.
std::optional<Step> Contradiction(const Board& board, Outcomes& outcomes, Technique technique) {
    std::array<CellMask, GridGeometry::kSize> sound{};
    for (const int cell : board.Open()) {
        for (const int digit : Bits::Indices(board.Candidates(cell))) {
            if (sound[digit].Has(cell)) {
                continue;
            }
            const Propagation::Outcome& outcome = outcomes.Of({cell, digit});
            if (outcome.contradiction) {
                return Dropping(board, outcomes.propagation.ReachOf(), {cell, digit}, technique);
            }
            for (int placed = 0; placed < GridGeometry::kSize; ++placed) {
                sound[placed] |= outcome.placed[placed];
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> Nested(const Board& board, bool shallow) {
    // A few tenths of a second of assumptions. No puzzle with one solution is known to need
    // depth 3. A grid with several solutions or none, which may have nothing to find past the
    // first nesting and would pay for it at every step, is known for one beforehand.
    constexpr std::int64_t kDeepestBudget = 250'000;
    std::int64_t budget = kDeepestBudget;
    const std::array<std::pair<Reach, Technique>, 3> nestings = {{
        {{false, 1}, Technique::NestedContradictionChain},
        {{true, 1}, Technique::DynamicNestedContradictionChain},
        {{true, 2, &budget}, Technique::DynamicNestedContradictionChain},
    }};
    for (const auto& [reach, technique] : std::span(nestings).first(shallow ? 1 : 3)) {
        const Propagation propagation(board, reach);
        Outcomes outcomes(propagation);
        if (std::optional<Step> step = Contradiction(board, outcomes, technique)) {
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindForcingChain(const Board& board) {
    const Propagation propagation(board, kSingles);
    Outcomes outcomes(propagation);
    return Forcing(board, outcomes, 4, Technique::CellForcingChain, Technique::RegionForcingChain);
}

// The contradictions' outcomes serve the cells' and regions' branches.
std::optional<Step> FindDynamicForcingChain(const Board& board) {
    const Propagation propagation(board, kDynamic);
    Outcomes outcomes(propagation);
    if (std::optional<Step> step =
            Contradiction(board, outcomes, Technique::DynamicContradictionChain)) {
        return step;
    }
    return Forcing(board, outcomes, GridGeometry::kSize, Technique::DynamicCellForcingChain,
                   Technique::DynamicRegionForcingChain);
}

std::optional<Step> FindNestedForcingChain(const Board& board) {
    return Nested(board, false);
}

std::optional<Step> FindShallowNestedForcingChain(const Board& board) {
    return Nested(board, true);
}

}  // namespace Novem::Ladder
