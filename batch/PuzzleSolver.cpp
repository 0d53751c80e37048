#include "PuzzleSolver.h"

#include <algorithm>

#include "run/RunLog.h"

namespace Novem::Batch {

PuzzleSolver::PuzzleSolver(bool explain) {
    m_solver.AddListener(this);
    if (explain) {
        m_solver.SetRuleApplicationListener(this);
    }
}

const PuzzleResult& PuzzleSolver::Solve(const PuzzleText::Cells& cells, std::string* log) {
    PuzzleText::Load(cells, m_grid);
    m_log = log;
    m_result.notifications = 0;
    m_result.explanation.clear();
    m_result.solved = m_solver.Solve(m_grid);
    m_result.steps = m_solver.GetSteps();
    m_result.cellUpdates = m_solver.GetCellUpdates();
    m_result.singleCell = m_solver.GetSingleCellRules();
    m_result.dualCells = m_solver.GetDualCellsRules();
    m_result.result = PuzzleText::Format(m_grid);
    return m_result;
}

void PuzzleSolver::OnGridUpdate(const GridUpdateEvent& event) {
    ++m_result.notifications;
    if (m_log != nullptr) {
        m_logBlocks.Append(*m_log, event);
    }
}

AppliedRule::AppliedRule(const RuleApplication& application)
    : rule(application.rule),
      step(application.step),
      region(application.region),
      crossing(application.crossing),
      positions(application.positions),
      digits(application.digits),
      removals(),
      removalCount(static_cast<int>(application.removals.size())) {
    std::copy(application.removals.begin(), application.removals.end(), removals.begin());
}

void PuzzleSolver::OnRuleApplication(const RuleApplication& application) {
    m_result.explanation.emplace_back(application);
}

}  // namespace Novem::Batch
