#include "LadderSolver.h"

#include <algorithm>
#include <variant>

#include "Difficulty.h"
#include "Families.h"

namespace Novem::Ladder {

namespace {

CellMask Decided(const Grid_9x9& grid) {
    CellMask decided;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        decided |=
            grid.GetCell(cell)->GetCandidates().count() == 1 ? CellMask::Of(cell) : CellMask();
    }
    return decided;
}

// The cell of a single: the one the application's subject is about.
int CellOf(const RuleApplication& application, const RuleNames::Subject& subject) {
    return GridGeometry::kCellsOfRegion[application.region][Bits::Lowest(subject.positions)];
}

using Move = std::variant<BasicMove, Step>;

bool Has(Families families, Family family) {
    return (families & FamilyBit(family)) != 0;
}

// The techniques the scale doesn't name, and the chains, are rated by their length, so the
// easiest of them is found by asking each family for its first and taking the lowest rated. Each
// is tried only while it could beat the best so far (its lowest possible rating first). Finned
// jellyfish, costly to look for and rarely the easiest, come only where none of these applies.
std::optional<Step> FindFinnedSwordfishAtMost(const Board& board) {
    return FindFinnedFishOfSizes(board, 2, 3);
}

// Its rung comes only where the smaller finned fish were looked for and found nothing.
std::optional<Step> FindFinnedJellyfish(const Board& board) {
    return FindFinnedFishOfSizes(board, 4, 4);
}

std::optional<Step> EasiestBeyondSubsets(const Board& board, Families families) {
    struct Finder {
        Family family;
        int lowest;
        std::optional<Step> (*find)(const Board&);
    };
    static constexpr std::array<Finder, 6> kFinders = {{
        {Family::SingleDigit, 66, FindSingleDigitPattern},
        {Family::Chains, 66, FindChain},
        {Family::FinnedFish, 67, FindFinnedSwordfishAtMost},
        {Family::Colouring, 66, FindColouring},
        {Family::Wings, 71, FindWWing},
        {Family::AlmostLockedSets, 80, FindAlmostLockedSets},
    }};
    std::optional<Step> best;
    int bestRating = 0;
    for (const Finder& finder : kFinders) {
        if (!Has(families, finder.family) || (best && bestRating <= finder.lowest)) {
            continue;
        }
        std::optional<Step> step = finder.find(board);
        if (step && (!best || Difficulty::Of(*step) < bestRating)) {
            bestRating = Difficulty::Of(*step);
            best = std::move(step);
        }
    }
    return best;
}

std::optional<Move> AsMove(std::optional<BasicMove> found) {
    if (found) {
        return Move(std::move(*found));
    }
    return std::nullopt;
}

std::optional<Move> AsMove(Families families, Family family,
                           std::optional<Step> (*find)(const Board&), const Board& board) {
    if (Has(families, family)) {
        if (std::optional<Step> step = find(board)) {
            return Move(std::move(*step));
        }
    }
    return std::nullopt;
}

template <int size>
std::optional<Step> FindFishOf(const Board& board) {
    return FindFishOfSize(board, size);
}

// The rungs of the path, in the scale's order, after the spreading of placed digits: hidden
// singles, the direct techniques, naked singles, locked candidates, then subsets and basic fish and
// wings by their ratings, then what EasiestBeyondSubsets finds, finned jellyfish, and forcing
// chains last: plain, dynamic, nested.
constexpr int kRungs = 24;

std::optional<Move> Rung(int rung, const BasicMoves& basic, const Board& board, Families families) {
    // clang-format off
    switch (rung) {
        case 0: return AsMove(basic.HiddenSingle(true));
        case 1: return AsMove(basic.HiddenSingle(false));
        case 2: return AsMove(basic.LockedCandidates(true, true));
        case 3: return AsMove(basic.HiddenSubset(2, true));
        case 4: return AsMove(basic.NakedSingle());
        case 5: return AsMove(basic.HiddenSubset(3, true));
        case 6: return AsMove(basic.LockedCandidates(true, false));
        case 7: return AsMove(basic.LockedCandidates(false, false));
        case 8: return AsMove(basic.NakedSubset(2));
        case 9: return AsMove(families, Family::Fish, FindFishOf<2>, board);
        case 10: return AsMove(basic.HiddenSubset(2, false));
        case 11: return AsMove(basic.NakedSubset(3));
        case 12: return AsMove(families, Family::Fish, FindFishOf<3>, board);
        case 13: return AsMove(basic.HiddenSubset(3, false));
        case 14: return AsMove(families, Family::Wings, FindXYWing, board);
        case 15: return AsMove(families, Family::Wings, FindXYZWing, board);
        case 16: return AsMove(basic.NakedSubset(4));
        case 17: return AsMove(families, Family::Fish, FindFishOf<4>, board);
        case 18: return AsMove(basic.HiddenSubset(4, false));
        case 19: {
            std::optional<Step> step = EasiestBeyondSubsets(board, families);
            return step ? std::optional<Move>(Move(std::move(*step))) : std::nullopt;
        }
        case 20: return AsMove(families, Family::FinnedFish, FindFinnedJellyfish, board);
        case 21: return AsMove(families, Family::Forcing, FindForcingChain, board);
        case 22: return AsMove(families, Family::DynamicForcing, FindDynamicForcingChain, board);
        default: return AsMove(families, Family::NestedForcing, FindNestedForcingChain, board);
    }
    // clang-format on
}

std::optional<Move> Easiest(const Board& board, const CellMask& free, const CellMask& unspread,
                            Families families) {
    const BasicMoves basic(board, free);
    if (std::optional<BasicMove> spread = basic.SpreadPlaced(unspread)) {
        return Move(std::move(*spread));
    }
    for (int rung = 0; rung < kRungs; ++rung) {
        if (std::optional<Move> found = Rung(rung, basic, board, families)) {
            return found;
        }
    }
    return std::nullopt;
}

}  // namespace

LadderSolver::LadderSolver(Families families) : m_families(families) {
    m_rules.AddListener(this);
    m_rules.SetRuleApplicationListener(this);
}

bool LadderSolver::Solve(Grid_9x9& grid) {
    m_applications.fill(0);
    m_rating = {};
    m_placed = false;
    m_free = Decided(grid);
    m_unspread = m_free;
    const bool solved = m_families == 0 ? Rules(grid) : Climb(grid);
    if (!solved) {
        m_rating.level = Level::Beyond;
    }
    return solved;
}

bool LadderSolver::Rules(Grid_9x9& grid) {
    const bool solved = m_rules.Solve(grid);
    m_steps = m_rules.GetSteps();
    return solved;
}

bool LadderSolver::Climb(Grid_9x9& grid) {
    m_steps = 0;
    m_counters = {};
    Board board(grid);
    while (!board.Open().Empty() && !board.Contradicted()) {
        std::optional<Move> move = Easiest(board, m_free, m_unspread, m_families);
        // The first rung spread them all, or found nothing left to spread.
        m_unspread = CellMask();
        if (!move) {
            return false;
        }
        ++m_steps;
        std::visit([&](const auto& found) { Take(found, grid, board); }, *move);
    }
    return grid.IsSolved();
}

void LadderSolver::Take(const BasicMove& move, Grid_9x9& grid, Board& board) {
    for (RuleApplication application : move.applications) {
        application.step = m_steps;
        for (const CellRemoval& removal : application.Removals()) {
            grid.GetCell(removal.cell)->GetCandidates() &=
                Grid_9x9::CellType::Candidates(~removal.digits);
            board.Remove(removal.cell, removal.digits);
        }
        m_counters.cellUpdates += static_cast<std::uint32_t>(application.removalCount);
        if (application.rule == RuleApplication::Rule::Internal) {
            ++m_counters
                  .singleCellRules[static_cast<std::size_t>(Bits::Count(application.positions))];
        } else {
            ++m_counters.dualCellsRules;
        }
        const RuleNames::Subject subject = RuleNames::SubjectOf(application);
        if (subject.kind == RuleNames::Kind::HiddenSingle ||
            subject.kind == RuleNames::Kind::NakedSingle) {
            m_free |= CellMask::Of(CellOf(application, subject));
        }
        if (m_ruleListener != nullptr) {
            m_ruleListener->OnRuleApplication(application);
        }
        Notify(RuleNames::Of(application), grid);
    }
    Rate(RuleNames::LevelOf(move.subject), move.rating, RuleNames::NameOf(move.subject),
         move.places);
}

void LadderSolver::Take(const Step& found, Grid_9x9& grid, Board& board) {
    Step step = found;
    step.step = m_steps;
    ++m_applications[static_cast<std::size_t>(step.technique)];
    const TechniqueInfo& info = InfoOf(step.technique);
    Rate(LevelOf(info.family), Difficulty::Of(step), info.name, !step.placements.empty());
    for (const CellRemoval& removal : step.removals) {
        grid.GetCell(removal.cell)->GetCandidates() &=
            Grid_9x9::CellType::Candidates(~removal.digits);
        board.Remove(removal.cell, removal.digits);
    }
    for (const Candidate& placement : step.placements) {
        m_free |= CellMask::Of(placement.cell);
        m_unspread |= CellMask::Of(placement.cell);
    }
    if (m_stepListener != nullptr) {
        m_stepListener->OnStep(step);
    }
    Notify(info.name, grid);
}

void LadderSolver::Notify(std::string_view technique, Grid_9x9& grid) {
    m_stepEvent.grid = &grid;
    m_stepEvent.ruleName = technique;
    m_stepEvent.step = m_steps;
    NotifyListeners(m_stepEvent);
}

void LadderSolver::OnGridUpdate(const GridUpdateEvent& event) {
    NotifyListeners(event);
}

// The rules' own order rates what they happened to do: a naked single counts where its cell was
// decided by neither a given nor a single.
void LadderSolver::OnRuleApplication(const RuleApplication& application) {
    const RuleNames::Subject subject = RuleNames::SubjectOf(application);
    int rating = Difficulty::Of(subject, application.region, false);
    bool places = false;
    if (subject.kind == RuleNames::Kind::NakedSingle ||
        (subject.kind == RuleNames::Kind::HiddenSingle &&
         application.rule == RuleApplication::Rule::Internal)) {
        const int cell = CellOf(application, subject);
        rating = m_free.Has(cell) && subject.kind == RuleNames::Kind::NakedSingle ? 0 : rating;
        places = true;
        m_free |= CellMask::Of(cell);
    }
    Rate(RuleNames::LevelOf(subject), rating, RuleNames::NameOf(subject), places);
    if (m_ruleListener != nullptr) {
        m_ruleListener->OnRuleApplication(application);
    }
}

// Among steps of equal rating the first stands.
void LadderSolver::Rate(Level level, int rating, std::string_view name, bool places) {
    if (rating == 0) {
        return;
    }
    m_rating.level = std::max(m_rating.level, level);
    if (rating > m_rating.er) {
        m_rating.er = rating;
        m_rating.hardest = name;
    }
    m_rating.ed = m_rating.ed == 0 ? rating : m_rating.ed;
    if (!m_placed) {
        m_rating.ep = std::max(m_rating.ep, rating);
        m_placed = places;
    }
}

}  // namespace Novem::Ladder
