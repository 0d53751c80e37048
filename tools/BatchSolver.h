#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "run/TextFile.h"
#include "solver/SolverImplV1.h"

namespace Novem::Batch {

struct BatchResult {
    // The digit of every cell left with one candidate, '.' for several, 'x' for none.
    std::string result;
    bool solved = false;
    std::int32_t steps = 0;
    std::uint32_t notifications = 0;
    std::uint32_t cellUpdates = 0;
    std::array<std::uint32_t, 10> singleCell{};
    std::uint32_t dualCells = 0;
};

// Solves puzzle after puzzle with the desktop program's solver, writing each run's log blocks to
// the log file when one is given, exactly as the desktop program's run log holds them.
class BatchSolver : private GridUpdateListener<Grid_9x9> {
public:
    // The log, when not null, must be open and outlive the solver.
    explicit BatchSolver(TextFile* log);

    // `cells` as ParsePuzzleLine gives them: 81 characters, '1' to '9' or '.'.
    BatchResult Solve(std::string_view cells);

    // The statistics text of the last Solve.
    std::string GetStatistics() const { return m_solver.GetStatistics(); }

private:
    void OnGridUpdate(const GridUpdateEvent& event) override;

    // One grid serves every puzzle: refilling the candidates is the same as building it anew.
    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_solver;
    TextFile* m_log;
    std::uint32_t m_notifications = 0;
};

std::string FormatPlain(const BatchResult& result);

// One JSON object on one line, with its LF.
std::string FormatJson(int line, std::string_view cells, const BatchResult& result);

}  // namespace Novem::Batch
