#pragma once

#include <memory>
#include <optional>

#include "Board.h"
#include "Step.h"

// Sudoku Explainer's chain rules, each as its rating scale runs it: every hint the rule can build
// from every candidate, on and off, and of them the least difficult, then the least complex, then
// the first of the kinds in the scale's order (double forcing, X, Y, XY, cell, region,
// contradiction), then the first found.
namespace Novem::Ladder {

enum class ChainRule {
    // Bidirectional X-, Y- and XY-cycles, forcing X-chains and forcing chains: 6.5 to 7.0 and up.
    CyclesAndForcingChains,
    // The contradictions of one digit's assumptions, followed dynamically: 7.5 and up.
    Nishio,
    // Cell and region forcing chains: 8.0 and up.
    MultipleForcingChains,
    // Contradiction, double, cell and region forcing chains, followed dynamically: 8.5 and up.
    DynamicForcingChains,
    // The same, with pointing, claiming, hidden and naked pairs and X-wings applied inside each
    // branch where its singles stall: 9.0 and up.
    DynamicForcingChainsPlus,
    // The same, with further chain rules inside: cycles and forcing chains (9.5 and up); those
    // and cell and region forcing chains (10.0); dynamic forcing chains (10.5); those and this
    // rule's first level, nested (11.0).
    NestedForcingChains,
    NestedMultipleForcingChains,
    NestedDynamicForcingChains,
    NestedDynamicForcingChainsPlus,
};

// A rule's chosen hint: its step (technique, complexity, removals and the digit it places) and
// its value on the scale in tenths.
struct ChainHint {
    Step step;
    int rating;
};

// Keeps the working memory of the rules between steps; one per thread.
class ExplainerChains {
public:
    ExplainerChains();
    ~ExplainerChains();
    ExplainerChains(const ExplainerChains&) = delete;
    ExplainerChains& operator=(const ExplainerChains&) = delete;

    // The cells of the board with one candidate are placed: no chain passes through them.
    std::optional<ChainHint> Find(const Board& board, ChainRule rule);

private:
    class Search;
    std::unique_ptr<Search> m_search;
};

}  // namespace Novem::Ladder
