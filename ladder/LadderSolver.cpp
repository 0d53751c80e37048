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

// The techniques the scale doesn't name, and the chains, are rated by their length, so the
// easiest of them is found by asking each family for its first and taking the lowest rated. Each
// is tried only while it could beat the best so far (its lowest possible rating first). Finned
// jellyfish, costly to look for and rarely the easiest, come only where none of these applies:
// their rung comes only where the smaller finned fish were looked for and found nothing.
std::optional<Step> EasiestBeyondSubsets(const Board& board, Families families,
                                         SearchMemory& memory) {
    // Each either searches afresh or through the path's memory.
    struct Finder {
        Family family;
        int lowest;
        std::optional<Step> (*find)(const Board&);
        std::optional<Step> (SearchMemory::*remembering)(const Board&);
    };
    static constexpr std::array<Finder, 7> kFinders = {{
        {Family::SingleDigit, 66, nullptr, &SearchMemory::SingleDigitPattern},
        {Family::Chains, 66, FindChain, nullptr},
        {Family::FinnedFish, 67, nullptr, &SearchMemory::FinnedFishUpToSwordfish},
        {Family::Colouring, 66, FindColouring, nullptr},
        {Family::Wings, 71, FindWWing, nullptr},
        {Family::Exclusion, 75, nullptr, &SearchMemory::AlignedTripletExclusion},
        {Family::AlmostLockedSets, 80, FindAlmostLockedSets, nullptr},
    }};
    std::optional<Step> best;
    int bestRating = 0;
    for (const Finder& finder : kFinders) {
        if (!Has(families, finder.family) || (best && bestRating <= finder.lowest)) {
            continue;
        }
        std::optional<Step> step =
            finder.find != nullptr ? finder.find(board) : (memory.*finder.remembering)(board);
        if (step && (!best || Difficulty::Of(*step) < bestRating)) {
            bestRating = Difficulty::Of(*step);
            best = std::move(step);
        }
    }
    return best;
}

template <typename Find>
std::optional<Move> AsMove(Families families, Family family, Find find, const Board& board) {
    if (Has(families, family)) {
        if (std::optional<Step> step = find(board)) {
            return Move(std::move(*step));
        }
    }
    return std::nullopt;
}

// The ladder's rungs after those it shares with the scale: the lowest rated of the other
// families' first steps, finned jellyfish, and forcing chains last: plain, dynamic, nested.
constexpr int kRungs = kSharedRungs + 5;

std::optional<Move> OwnRung(int rung, const Board& board, Families families, UniqueSolution& unique,
                            SearchMemory& memory) {
    // clang-format off
    switch (rung - kSharedRungs) {
        case 0: {
            std::optional<Step> step = EasiestBeyondSubsets(board, families, memory);
            return step ? std::optional<Move>(Move(std::move(*step))) : std::nullopt;
        }
        case 1: return AsMove(families, Family::FinnedFish,
                              [&](const Board& grid) { return memory.FinnedJellyfish(grid); },
                              board);
        case 2: return AsMove(families, Family::Forcing, FindForcingChain, board);
        case 3: return AsMove(families, Family::DynamicForcing, FindDynamicForcingChain, board);
        default: return AsMove(families, Family::NestedForcing,
                               unique.Holds() ? FindNestedForcingChain
                                              : FindShallowNestedForcingChain, board);
    }
    // clang-format on
}

struct Found {
    Move move;
    // Its rung, or -1 for the spreading of placed digits.
    int rung;
};

std::optional<Found> Easiest(const Position& position, Families families, Level ceiling,
                             UniqueSolution& unique, SearchMemory& memory) {
    const BasicMoves basic(position.board, position.free);
    if (std::optional<BasicMove> spread = basic.SpreadPlaced(position.unspread)) {
        return Found{Move(std::move(*spread)), -1};
    }
    const Families within = Within(families, ceiling);
    for (int rung = 0; rung < kRungs; ++rung) {
        std::optional<Move> move =
            rung < kSharedRungs
                ? SharedRung(rung, basic, position.board, within, ceiling, unique, memory)
                : OwnRung(rung, position.board, within, unique, memory);
        if (move) {
            return Found{std::move(*move), rung};
        }
    }
    return std::nullopt;
}

}  // namespace

// Whether the techniques up to `ceiling` solve the position, taking the easiest step of those
// at every step.
bool LadderSolver::SolvesWithin(Position position, Level ceiling) {
    while (!position.board.Contradicted() && !Settled(position.board, position.unspread)) {
        const std::optional<Found> found =
            Easiest(position, m_families, ceiling, *m_unique, m_memory);
        position.unspread = CellMask();
        if (!found) {
            break;
        }
        Advance(position, found->move);
    }
    return Settled(position.board, position.unspread);
}

// The path's hardest level bounds the puzzle's from above; each lower level is tried from where
// the path first went beyond it, since up to there the lower level's own path is the same.
Level LadderSolver::LowestLevel(Level reached) {
    Level lowest = reached;
    for (int level = static_cast<int>(reached) - 1; level >= 0; --level) {
        const auto ceiling = static_cast<Level>(level);
        if (!SolvesWithin(*m_beyond[static_cast<std::size_t>(level)], ceiling)) {
            break;
        }
        lowest = ceiling;
    }
    return lowest;
}

LadderSolver::LadderSolver(Families families) : m_families(families) {
    m_rules.AddListener(this);
    m_rules.SetRuleApplicationListener(this);
}

bool LadderSolver::Solve(Grid_9x9& grid) {
    return Solve(grid, Decided(grid));
}

bool LadderSolver::Solve(Grid_9x9& grid, const CellMask& givens) {
    m_applications.fill(0);
    m_rating = {};
    m_path = {};
    m_free = givens;
    m_unspread = m_free;
    m_beyond.fill(std::nullopt);
    m_reached = Level::SinglesOnly;
    m_parted.reset();
    const Position start{Board(grid), m_free, m_unspread};
    m_unique.emplace(start.board);
    const bool solved = m_families == 0 ? Rules(grid) : Climb(grid);
    if (!solved) {
        m_rating.level = Level::Beyond;
        m_rating.er = m_rating.ep = m_rating.ed = Difficulty::kNotRated;
        return false;
    }
    // The rules' own order keeps no positions: every lower level starts from the givens.
    if (m_families == 0) {
        for (int level = 0; level < static_cast<int>(m_rating.level); ++level) {
            m_beyond[static_cast<std::size_t>(level)] = start;
        }
    }
    m_rating.level = LowestLevel(m_rating.level);
    RateAsTheScale();
    return true;
}

void LadderSolver::RateAsTheScale() {
    m_rating.hardestExplained = m_path.hardest;
    if (m_parted) {
        if (!m_explainer) {
            m_explainer = std::make_unique<ExplainerPath>();
        }
        PathRating rating = m_partedRating;
        if (m_explainer->Continue(*m_parted, rating, *m_unique)) {
            m_path = rating;
        }
    }
    m_rating.er = m_path.er;
    m_rating.ep = m_path.ep;
    m_rating.ed = m_path.ed;
    m_rating.hardest = m_path.hardest;
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
    while (!board.Contradicted() && !Settled(board, m_unspread)) {
        const Position position{board, m_free, m_unspread};
        std::optional<Found> found =
            Easiest(position, m_families, Level::Beyond, *m_unique, m_memory);
        if (found) {
            KeepBeyond(LevelOf(found->move), board);
            if (found->rung >= kSharedRungs && !m_parted && m_families == kAllFamilies) {
                m_parted = position;
                m_partedRating = m_path;
            }
        }
        // The first rung spread them all, or found nothing left to spread.
        m_unspread = CellMask();
        if (!found) {
            break;
        }
        ++m_steps;
        std::visit([&](const auto& move) { Take(move, grid, board); }, found->move);
    }
    return Settled(board, m_unspread);
}

// Where the path first goes beyond a level, the lower level's own path parts from it.
void LadderSolver::KeepBeyond(Level level, const Board& board) {
    for (; m_reached < level; m_reached = static_cast<Level>(static_cast<int>(m_reached) + 1)) {
        m_beyond[static_cast<std::size_t>(m_reached)] = Position{board, m_free, m_unspread};
    }
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
        if (m_ruleListener != nullptr) {
            m_ruleListener->OnRuleApplication(application);
        }
        Notify(RuleNames::Of(application), grid);
    }
    m_free |= DecidedBy(move).free;
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
    const Decisions decided = DecidedBy(step);
    m_free |= decided.free;
    m_unspread |= decided.unspread;
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

void LadderSolver::Rate(Level level, int rating, std::string_view name, bool places) {
    if (rating != 0) {
        m_rating.level = std::max(m_rating.level, level);
    }
    m_path.Rate(rating, name, places);
}

}  // namespace Novem::Ladder
