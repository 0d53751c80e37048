#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "PuzzleResult.h"
#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"

namespace Novem::Analysis {

// The one home of a puzzle's analysis, for every program that shows one: it solves with the two
// rules or the ladder on a grid of its own, keeps what every application did, rates the path and
// counts the solutions, as asked. One analyser serves puzzle after puzzle.
class Analyser {
public:
    struct Wanted {
        bool explanation = false;
        // The largest subset the rules' applications needed.
        bool largestSubset = false;
        // How many solutions the grid has, by a search from what the solve left.
        bool solutions = false;
        // The ladder's families to climb; none for the two rules alone, in their order.
        std::optional<Ladder::Families> techniques{};
    };
    // Told of each application as it is made: a window shows the steps while the solve goes on,
    // and may end it by throwing, which leaves the analyser ready for the next puzzle.
    using OnApplication = std::function<void(const Application&)>;

    explicit Analyser(Wanted wanted);
    Analyser(const Analyser&) = delete;
    Analyser& operator=(const Analyser&) = delete;
    ~Analyser();

    // Also told of every grid update, after the analyser counts it: a run log. Null for none; not
    // owned, and must outlive the analyses it is set for.
    void SetUpdateListener(GridUpdateListener<Grid_9x9>* listener);
    void SetOnApplication(OnApplication onApplication);

    // From the puzzle's candidates: a position's own, or its givens'. The result stays until the
    // next Analyse.
    const PuzzleResult& Analyse(const PuzzleText::Puzzle& puzzle);

private:
    // The engine is compiled here only, behind this.
    class Engine;
    std::unique_ptr<Engine> m_engine;
};

}  // namespace Novem::Analysis
