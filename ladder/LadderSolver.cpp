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

// The families whose level is at most `ceiling`.
Families Within(Families families, Level ceiling) {
    Families within = 0;
    for (int family = 0; family < kFamilies; ++family) {
        within |= LevelOf(static_cast<Family>(family)) <= ceiling
                      ? FamilyBit(static_cast<Family>(family))
                      : 0U;
    }
    return families & within;
}

// The rungs of the path, in the scale's order, after the spreading of placed digits: hidden
// singles, the direct techniques, naked singles, locked candidates, then subsets and basic fish and
// wings by their ratings, then what EasiestBeyondSubsets finds, finned jellyfish, and forcing
// chains last: plain, dynamic, nested. The two rules' rungs above `ceiling` are left out; the
// families are already.
constexpr int kRungs = 24;

std::optional<Move> Rung(int rung, const BasicMoves& basic, const Board& board, Families families,
                         Level ceiling) {
    constexpr Level kSingles = Level::SinglesOnly;
    constexpr Level kLocked = Level::LockedCandidates;
    constexpr Level kSubsets = Level::Subsets;
    const auto upTo = [&](Level level, auto find) -> std::optional<Move> {
        return level <= ceiling ? AsMove(find()) : std::nullopt;
    };
    // clang-format off
    switch (rung) {
        case 0: return upTo(kSingles, [&] { return basic.HiddenSingle(true); });
        case 1: return upTo(kSingles, [&] { return basic.HiddenSingle(false); });
        case 2: return upTo(kLocked, [&] { return basic.LockedCandidates(true, true); });
        case 3: return upTo(kSubsets, [&] { return basic.HiddenSubset(2, true); });
        case 4: return upTo(kSingles, [&] { return basic.NakedSingle(); });
        case 5: return upTo(kSubsets, [&] { return basic.HiddenSubset(3, true); });
        case 6: return upTo(kLocked, [&] { return basic.LockedCandidates(true, false); });
        case 7: return upTo(kLocked, [&] { return basic.LockedCandidates(false, false); });
        case 8: return upTo(kSubsets, [&] { return basic.NakedSubset(2); });
        case 9: return AsMove(families, Family::Fish, FindFishOf<2>, board);
        case 10: return upTo(kSubsets, [&] { return basic.HiddenSubset(2, false); });
        case 11: return upTo(kSubsets, [&] { return basic.NakedSubset(3); });
        case 12: return AsMove(families, Family::Fish, FindFishOf<3>, board);
        case 13: return upTo(kSubsets, [&] { return basic.HiddenSubset(3, false); });
        case 14: return AsMove(families, Family::Wings, FindXYWing, board);
        case 15: return AsMove(families, Family::Wings, FindXYZWing, board);
        case 16: return upTo(kSubsets, [&] { return basic.NakedSubset(4); });
        case 17: return AsMove(families, Family::Fish, FindFishOf<4>, board);
        case 18: return upTo(kSubsets, [&] { return basic.HiddenSubset(4, false); });
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
                            Families families, Level ceiling = Level::Beyond) {
    const BasicMoves basic(board, free);
    if (std::optional<BasicMove> spread = basic.SpreadPlaced(unspread)) {
        return Move(std::move(*spread));
    }
    const Families within = Within(families, ceiling);
    for (int rung = 0; rung < kRungs; ++rung) {
        if (std::optional<Move> found = Rung(rung, basic, board, within, ceiling)) {
            return found;
        }
    }
    return std::nullopt;
}

Level LevelOf(const Move& move) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        return RuleNames::LevelOf(basic->subject);
    }
    return LevelOf(InfoOf(std::get<Step>(move).technique).family);
}

// The cells a move decides whose digit spreads as part of it, and those of them whose digit
// has not spread yet.
struct Decisions {
    CellMask free;
    CellMask unspread;
};

Decisions DecidedBy(const BasicMove& move) {
    Decisions decided;
    for (const RuleApplication& application : move.applications) {
        const RuleNames::Subject subject = RuleNames::SubjectOf(application);
        if (subject.kind == RuleNames::Kind::HiddenSingle ||
            subject.kind == RuleNames::Kind::NakedSingle) {
            decided.free |= CellMask::Of(CellOf(application, subject));
        }
    }
    return decided;
}

Decisions DecidedBy(const Step& step) {
    Decisions decided;
    for (const Candidate& placement : step.placements) {
        decided.free |= CellMask::Of(placement.cell);
    }
    decided.unspread = decided.free;
    return decided;
}

void Remove(const Move& move, Board& board) {
    if (const auto* basic = std::get_if<BasicMove>(&move)) {
        for (const RuleApplication& application : basic->applications) {
            for (const CellRemoval& removal : application.Removals()) {
                board.Remove(removal.cell, removal.digits);
            }
        }
        return;
    }
    for (const CellRemoval& removal : std::get<Step>(move).removals) {
        board.Remove(removal.cell, removal.digits);
    }
}

// Solved: every cell decided, every digit placed in every region, and nothing left to spread.
bool Settled(const Board& board, const CellMask& unspread) {
    return board.Open().Empty() && unspread.Empty() && board.EveryDigitPlaceable() &&
           !board.Contradicted();
}

}  // namespace

// Whether the techniques up to `ceiling` solve the position, taking the easiest step of those
// at every step.
bool LadderSolver::SolvesWithin(Position position, Level ceiling) const {
    while (!position.board.Contradicted() && !Settled(position.board, position.unspread)) {
        const std::optional<Move> move =
            Easiest(position.board, position.free, position.unspread, m_families, ceiling);
        position.unspread = CellMask();
        if (!move) {
            break;
        }
        Remove(*move, position.board);
        const Decisions decided =
            std::visit([](const auto& found) { return DecidedBy(found); }, *move);
        position.free |= decided.free;
        position.unspread |= decided.unspread;
    }
    return Settled(position.board, position.unspread);
}

// The path's hardest level bounds the puzzle's from above; each lower level is tried from where
// the path first went beyond it, since up to there the lower level's own path is the same.
Level LadderSolver::LowestLevel(Level reached) const {
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
    m_applications.fill(0);
    m_rating = {};
    m_placed = false;
    m_free = Decided(grid);
    m_unspread = m_free;
    m_beyond.fill(std::nullopt);
    m_reached = Level::SinglesOnly;
    const Position start{Board(grid), m_free, m_unspread};
    const bool solved = m_families == 0 ? Rules(grid) : Climb(grid);
    if (!solved) {
        m_rating.level = Level::Beyond;
        m_rating.er = m_rating.ep = m_rating.ed = Difficulty::kNotRated;
        m_rating.hardest = {};
        return false;
    }
    // The rules' own order keeps no positions: every lower level starts from the givens.
    if (m_families == 0) {
        for (int level = 0; level < static_cast<int>(m_rating.level); ++level) {
            m_beyond[static_cast<std::size_t>(level)] = start;
        }
    }
    m_rating.level = LowestLevel(m_rating.level);
    return true;
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
        std::optional<Move> move = Easiest(board, m_free, m_unspread, m_families);
        if (move) {
            KeepBeyond(LevelOf(*move), board);
        }
        // The first rung spread them all, or found nothing left to spread.
        m_unspread = CellMask();
        if (!move) {
            break;
        }
        ++m_steps;
        std::visit([&](const auto& found) { Take(found, grid, board); }, *move);
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
