// Forcing chains, the last resort of reasoning. A cell holds one of its digits, and a region
// holds a digit in one of its places; assume each in turn and follow the singles that come of
// it. What follows in every branch that does not end in a contradiction is true whichever holds:
// a candidate false in all of them goes, a digit placed in all of them is placed. Tried by the
// number of choices, two to four, and for each, cells in cell order before regions in region and
// digit order.
#include <algorithm>

#include "Families.h"
#include "Propagation.h"

namespace Novem::Ladder {

namespace {

constexpr int kMostChoices = 4;

// The outcome of each assumption, worked out when first asked for.
struct Outcomes {
    const Propagation& propagation;
    std::vector<std::optional<Propagation::Outcome>> known;

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

}  // namespace

std::optional<Step> FindForcingChain(const Board& board) {
    const Propagation propagation(board);
    Outcomes outcomes{propagation, std::vector<std::optional<Propagation::Outcome>>(
                                       GridGeometry::kCells * GridGeometry::kSize)};
    for (int choices = 2; choices <= kMostChoices; ++choices) {
        for (const int cell : board.Open()) {
            if (Bits::Count(board.Candidates(cell)) != choices) {
                continue;
            }
            std::vector<Candidate> branches;
            for (const int digit : Bits::Indices(board.Candidates(cell))) {
                branches.push_back({cell, digit});
            }
            if (std::optional<Step> step =
                    Try(board, outcomes, branches, Technique::CellForcingChain)) {
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
                if (std::optional<Step> step =
                        Try(board, outcomes, branches, Technique::RegionForcingChain)) {
                    step->forcingRegion = region;
                    step->digits = 1U << digit;
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
