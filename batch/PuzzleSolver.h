#pragma once

#include <memory>
#include <string>

#include "analysis/Analyser.h"
#include "analysis/PuzzleResult.h"
#include "model/PuzzleText.h"

namespace Novem::Batch {

// Analyses puzzle after puzzle as the batch tool asks, and can write each run's log blocks,
// exactly as the desktop program's run log holds them.
class PuzzleSolver {
public:
    using Wanted = Analysis::Analyser::Wanted;

    explicit PuzzleSolver(Wanted wanted);
    PuzzleSolver(const PuzzleSolver&) = delete;
    PuzzleSolver& operator=(const PuzzleSolver&) = delete;
    ~PuzzleSolver();

    // Appends the run log to `log` when it is not null. The result stays until the next Solve.
    const Analysis::PuzzleResult& Solve(const PuzzleText::Puzzle& puzzle, std::string* log);

private:
    class LogWriter;
    Analysis::Analyser m_analyser;
    std::unique_ptr<LogWriter> m_logWriter;
};

}  // namespace Novem::Batch
