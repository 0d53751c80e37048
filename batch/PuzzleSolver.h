#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "run/RunLog.h"
#include "solver/RuleApplication.h"
#include "solver/SolverImplV1.h"

namespace Novem::Batch {

// One effective rule application, kept beyond the solver's call.
struct AppliedRule {
    explicit AppliedRule(const RuleApplication& application);

    RuleApplication::Rule rule;
    std::int32_t step;
    int region;
    int crossing;
    unsigned positions;
    unsigned digits;
    std::array<CellRemoval, 8> removals;
    int removalCount;
};

struct PuzzleResult {
    // The digit of every cell left with one candidate, '.' for several, 'x' for none.
    std::string result;
    bool solved = false;
    std::int32_t steps = 0;
    std::uint32_t notifications = 0;
    std::uint32_t cellUpdates = 0;
    std::array<std::uint32_t, 10> singleCell{};
    std::uint32_t dualCells = 0;
    // Filled only when the solver explains.
    std::vector<AppliedRule> explanation;
};

// Solves puzzle after puzzle with the desktop program's solver on a grid of its own. It can write
// each run's log blocks, exactly as the desktop program's run log holds them, and keep what every
// rule application did.
class PuzzleSolver : private GridUpdateListener<Grid_9x9>, private RuleApplicationListener {
public:
    explicit PuzzleSolver(bool explain);
    PuzzleSolver(const PuzzleSolver&) = delete;
    PuzzleSolver& operator=(const PuzzleSolver&) = delete;

    // Appends the run log to `log` when it is not null. The result stays until the next Solve.
    const PuzzleResult& Solve(const PuzzleText::Cells& cells, std::string* log);

    // The statistics text of the last Solve.
    std::string GetStatistics() const { return m_solver.GetStatistics(); }

private:
    void OnGridUpdate(const GridUpdateEvent& event) override;
    void OnRuleApplication(const RuleApplication& application) override;

    // One grid serves every puzzle: refilling the candidates is the same as building it anew.
    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_solver;
    PuzzleResult m_result;
    std::string* m_log = nullptr;
    RunLogBlocks m_logBlocks;
};

}  // namespace Novem::Batch
