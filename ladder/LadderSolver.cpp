#include "LadderSolver.h"

#include <utility>

#include "Families.h"
#include "RuleNames.h"

namespace Novem::Ladder {

namespace {

bool Contradicted(const Grid_9x9& grid) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (grid.GetCell(cell)->GetCandidates().none()) {
            return true;
        }
    }
    return false;
}

}  // namespace

LadderSolver::LadderSolver(Families families) : m_families(families) {
    m_rules.AddListener(this);
    m_rules.SetRuleApplicationListener(this);
}

bool LadderSolver::Solve(Grid_9x9& grid) {
    m_applications.fill(0);
    m_rating = {};
    m_ratingOrder = 0;
    bool solved = m_rules.Solve(grid);
    m_steps = m_rules.GetSteps();
    while (!solved && !Contradicted(grid)) {
        const Board board(grid);
        std::optional<Step> step;
        for (int family = 0; !step && family < kFamilies; ++family) {
            if ((m_families >> family & 1U) != 0) {
                step = Find(static_cast<Family>(family), board);
            }
        }
        if (!step) {
            break;
        }
        step->step = ++m_steps;
        ++m_applications[static_cast<std::size_t>(step->technique)];
        const TechniqueInfo& info = InfoOf(step->technique);
        Rate(LevelOf(info.family), static_cast<int>(step->technique), info.name);
        const GridGeometry::RegionMask changed = Apply(*step, grid);
        if (m_stepListener != nullptr) {
            m_stepListener->OnStep(*step);
        }
        m_stepEvent.grid = &grid;
        m_stepEvent.ruleName = info.name;
        m_stepEvent.step = m_steps;
        NotifyListeners(m_stepEvent);
        solved = m_rules.Continue(grid, changed, m_steps);
        m_steps = m_rules.GetSteps();
    }
    if (!solved) {
        m_rating.level = Level::Beyond;
    }
    return solved;
}

void LadderSolver::OnGridUpdate(const GridUpdateEvent& event) {
    NotifyListeners(event);
}

void LadderSolver::OnRuleApplication(const RuleApplication& application) {
    Rate(RuleNames::LevelOf(application), 0, RuleNames::Of(application));
    if (m_ruleListener != nullptr) {
        m_ruleListener->OnRuleApplication(application);
    }
}

GridGeometry::RegionMask LadderSolver::Apply(const Step& step, Grid_9x9& grid) {
    GridGeometry::RegionMask changed = 0;
    for (const CellRemoval& removal : step.removals) {
        auto& candidates = grid.GetCell(removal.cell)->GetCandidates();
        candidates &= Grid_9x9::CellType::Candidates(~removal.digits);
        changed |= GridGeometry::kRegionsOfCell[removal.cell];
    }
    return changed;
}

// Within a level, a technique later in the ladder counts as harder; among the rules' names the
// first met stands.
void LadderSolver::Rate(Level level, int order, std::string_view name) {
    if (m_rating.hardest.empty() ||
        std::pair(level, order) > std::pair(m_rating.level, m_ratingOrder)) {
        m_rating = {level, name};
        m_ratingOrder = order;
    }
}

}  // namespace Novem::Ladder
