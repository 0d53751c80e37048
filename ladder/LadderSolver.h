#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

// The hardest thing a solve needed: the level, and the technique's name.
struct Rating {
    Level level = Level::SinglesOnly;
    std::string_view hardest;
};

// A second engine beside SolverImplV1: the two rules run exactly as they do alone, and where
// they stall the ladder tries its families of techniques, easiest first, and the first that
// applies removes candidates; the rules then go on from the regions it changed. It ends when
// the grid is solved, a cell is left without a candidate, or nothing applies. Each technique takes
// a step number of its own after the rules' region examinations, and its grid update event is
// named after it, so that a run log shows it as a block of its own.
class LadderSolver : public ISolver<Grid_9x9>,
                     private GridUpdateListener<Grid_9x9>,
                     private RuleApplicationListener {
public:
    using GridUpdateEvent = GridUpdateListener<Grid_9x9>::GridUpdateEvent;

    explicit LadderSolver(Families families = kAllFamilies);

    bool Solve(Grid_9x9& grid) override;

    // The rules' statistics text, over the whole solve.
    std::string GetStatistics() const override { return m_rules.GetStatistics(); }

    std::int32_t GetSteps() const { return m_steps; }
    RuleCounters GetCounters() const { return m_rules.GetCounters(); }
    // By technique, how often each was applied in the last Solve.
    const std::array<std::uint32_t, kTechniques>& GetApplications() const { return m_applications; }
    const Rating& GetRating() const { return m_rating; }

    // Null for none. Not owned; each must outlive every Solve it is set for.
    void SetRuleApplicationListener(RuleApplicationListener* listener) {
        m_ruleListener = listener;
    }
    void SetStepListener(StepListener* listener) { m_stepListener = listener; }

private:
    void OnGridUpdate(const GridUpdateEvent& event) override;
    void OnRuleApplication(const RuleApplication& application) override;
    // Removes what the step removes; the regions of the cells it changed.
    static GridGeometry::RegionMask Apply(const Step& step, Grid_9x9& grid);
    void Rate(Level level, int order, std::string_view name);

    Families m_families;
    SolverImplV1<Grid_9x9> m_rules;
    std::int32_t m_steps = 0;
    std::array<std::uint32_t, kTechniques> m_applications{};
    Rating m_rating;
    int m_ratingOrder = 0;
    RuleApplicationListener* m_ruleListener = nullptr;
    StepListener* m_stepListener = nullptr;
    // Named after the technique of the step that sends it.
    GridUpdateEvent m_stepEvent{nullptr, {}, 0};
};

}  // namespace Novem::Ladder
