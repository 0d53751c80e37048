#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "BasicMoves.h"
#include "ExplainerPath.h"
#include "Path.h"
#include "Step.h"
#include "Technique.h"
#include "model/Grid_9x9.h"
#include "solver/ISolver.h"
#include "solver/RuleApplication.h"
#include "solver/SolverImplV1.h"

namespace Novem::Ladder {

// Told of every application of a technique of the ladder, before the grid update listeners.
class StepListener {
public:
    virtual ~StepListener() = default;

    virtual void OnStep(const Step& step) = 0;
};

// What a solve needed: its level, the lowest whose techniques with all below it solve the puzzle;
// and on the rating scale (in tenths) the hardest step of the path (ER, whose technique is
// `hardest`), the hardest up to the first placement (EP) and the first step (ED). No step rates
// 0; an unsolved grid is not rated (Difficulty::kNotRated) and its level is Beyond.
struct Rating {
    Level level = Level::SinglesOnly;
    std::string_view hardest;
    // The technique of the hardest step of the ladder's own path, the one explained.
    std::string_view hardestExplained;
    int er = 0;
    int ep = 0;
    int ed = 0;
};

// A second engine beside SolverImplV1. With no family (the rules alone), the two rules run
// exactly as they do alone. With families, it takes the easiest step there is, again and again, as
// a person would and as the rating scale assumes: the singles, locked candidates and subsets as
// applications of the two rules, found in the scale's order, and the families' techniques in
// between and after them (the order is in Path.h and Climb). It ends when the grid is solved, a
// cell is left without a candidate, or nothing applies. Each step takes a step number of its own
// (after the rules' region examinations when they run first), and its grid update event is named
// after its technique, so that a run log shows it as a block of its own.
//
// With every family, the rating is Sudoku Explainer's: where the ladder's path first takes a
// step the scale's path would not, the scale's own path (ExplainerPath) goes on from there, and
// its figures are the rating's. The uniqueness family is used only on a grid the exact search
// finds exactly one solution of.
class LadderSolver : public ISolver<Grid_9x9>,
                     private GridUpdateListener<Grid_9x9>,
                     private RuleApplicationListener {
public:
    using GridUpdateEvent = GridUpdateListener<Grid_9x9>::GridUpdateEvent;

    explicit LadderSolver(Families families = kAllFamilies);

    // Takes every decided cell of the grid for a given.
    bool Solve(Grid_9x9& grid) override;
    // A position from the middle of a solve: of its decided cells, only `givens` are placed; the
    // others are still to be, each a naked single.
    bool Solve(Grid_9x9& grid, const CellMask& givens);

    // The rules' statistics text, over the whole solve.
    std::string GetStatistics() const override { return StatisticsText(GetCounters()); }

    std::int32_t GetSteps() const { return m_steps; }
    RuleCounters GetCounters() const {
        return m_families == 0 ? m_rules.GetCounters() : m_counters;
    }
    // By technique, how often each was applied in the last Solve.
    const std::array<std::uint32_t, kTechniques>& GetApplications() const { return m_applications; }
    const Rating& GetRating() const { return m_rating; }

    // Null for none. Not owned; each must outlive every Solve it is set for.
    void SetRuleApplicationListener(RuleApplicationListener* listener) {
        m_ruleListener = listener;
    }
    void SetStepListener(StepListener* listener) { m_stepListener = listener; }

private:
    bool Rules(Grid_9x9& grid);
    bool Climb(Grid_9x9& grid);
    void KeepBeyond(Level level, const Board& board);
    bool SolvesWithin(Position position, Level ceiling);
    Level LowestLevel(Level reached);
    // Sudoku Explainer's figures, from where the ladder's path left the scale's.
    void RateAsTheScale();
    // Each removes what it removes from the grid and the board alike.
    void Take(const BasicMove& move, Grid_9x9& grid, Board& board);
    void Take(const Step& step, Grid_9x9& grid, Board& board);
    void Notify(std::string_view technique, Grid_9x9& grid);
    void OnGridUpdate(const GridUpdateEvent& event) override;
    void OnRuleApplication(const RuleApplication& application) override;
    void Rate(Level level, int rating, std::string_view name, bool places);

    Families m_families;
    SolverImplV1<Grid_9x9> m_rules;
    std::int32_t m_steps = 0;
    // The counters of the path's own rule applications, when it climbs.
    RuleCounters m_counters;
    std::array<std::uint32_t, kTechniques> m_applications{};
    Rating m_rating;
    PathRating m_path;
    // The decided cells whose digit spreads as part of the step that decided them: the givens,
    // and the digits that singles and forcing chains place.
    CellMask m_free;
    // Those of them whose digit may not have left their peers yet: the givens, and what forcing
    // chains place.
    CellMask m_unspread;
    // By level, where the path first went beyond it; and the highest level it has reached.
    std::array<std::optional<Position>, kLevels> m_beyond;
    Level m_reached = Level::SinglesOnly;
    std::optional<UniqueSolution> m_unique;
    SearchMemory m_memory;
    // Where the path first left the scale's, and its rating up to there.
    std::optional<Position> m_parted;
    PathRating m_partedRating;
    // Made when first needed: its chains keep a large working memory.
    std::unique_ptr<ExplainerPath> m_explainer;
    RuleApplicationListener* m_ruleListener = nullptr;
    StepListener* m_stepListener = nullptr;
    // Named after the technique of the step that sends it.
    GridUpdateEvent m_stepEvent{nullptr, {}, 0};
};

}  // namespace Novem::Ladder
