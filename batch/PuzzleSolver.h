#pragma once

#include <memory>
#include <optional>
#include <string>

#include "PuzzleResult.h"
#include "model/PuzzleText.h"

namespace Novem::Batch {

// Solves puzzle after puzzle with the desktop program's solver on a grid of its own. It can write
// each run's log blocks, exactly as the desktop program's run log holds them, and keep what every
// rule application did.
class PuzzleSolver {
public:
    // What a solve finds out beyond the rules' result and counters.
    struct Wanted {
        bool explanation = false;
        // The largest subset the rules' applications needed.
        bool largestSubset = false;
        // How many solutions the grid has, by a search from what the rules left.
        bool solutions = false;
        // The ladder's families to climb where the rules stall; none for the rules alone.
        std::optional<Ladder::Families> techniques{};
    };

    explicit PuzzleSolver(Wanted wanted);
    PuzzleSolver(const PuzzleSolver&) = delete;
    PuzzleSolver& operator=(const PuzzleSolver&) = delete;
    ~PuzzleSolver();

    // Appends the run log to `log` when it is not null. The result stays until the next Solve.
    const PuzzleResult& Solve(const PuzzleText::Cells& cells, std::string* log);

private:
    // The engine is compiled here only, behind this.
    class Engine;
    std::unique_ptr<Engine> m_engine;
};

}  // namespace Novem::Batch
