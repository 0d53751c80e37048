#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "BasicMoves.h"
#include "SearchMemory.h"
#include "Step.h"
#include "Technique.h"
#include "search/SolutionSearch.h"

// What the ladder's paths share: a move, the position a path has reached, its rating on the
// scale, and the rungs both its own order and Sudoku Explainer's take alike.
namespace Novem::Ladder {

// One step of a path: applications of the two rules' techniques, or a family's step.
using Move = std::variant<BasicMove, Step>;

// Where a path stands: the candidates; the decided cells whose digit spreads as part of the step
// that decided them (the givens, and the digits singles and forcing chains place); and those of
// them whose digit may not have left their peers yet.
struct Position {
    Board board;
    CellMask free;
    CellMask unspread;
};

// A path's figures on the rating scale, in tenths, as the scale keeps them: the hardest step
// (ER) and its technique, the hardest up to the first step that places a digit (EP), and the
// first step (ED). Among steps of equal rating the first stands.
struct PathRating {
    int er = 0;
    int ep = 0;
    int ed = 0;
    std::string_view hardest;
    bool placed = false;

    void Rate(int rating, std::string_view name, bool places);
};

Level LevelOf(const Move& move);
// The move's rating, its technique's name, and whether it places a digit.
int RatingOf(const Move& move);
std::string_view NameOf(const Move& move);
bool Places(const Move& move);

// The cells a move decides whose digit spreads as part of it, and those of them whose digit has
// not spread yet.
struct Decisions {
    CellMask free;
    CellMask unspread;
};
Decisions DecidedBy(const BasicMove& move);
Decisions DecidedBy(const Step& step);

// Takes the move's removals and decisions, without telling anyone.
void Advance(Position& position, const Move& move);

// Solved: every cell decided, every digit placed in every region, and nothing left to spread.
bool Settled(const Board& board, const CellMask& unspread);

bool Has(Families families, Family family);
// The families whose level is at most `ceiling`.
Families Within(Families families, Level ceiling);

// Whether the grid a path started from has exactly one solution: asked of the exact search the
// first time a uniqueness technique is about to be tried, and remembered.
class UniqueSolution {
public:
    explicit UniqueSolution(const Board& start);
    bool Holds();

private:
    Search::Candidates m_candidates{};
    std::optional<bool> m_holds;
};

// The first rungs of both orders, which are the scale's: the spreading of placed digits, full
// houses, hidden singles, the direct techniques, naked singles, locked candidates, then subsets,
// basic fish, wings, unique loops and the grave, and aligned pair exclusion by their ratings.
// The two rules' rungs above `ceiling` are left out; the families left out are already. The
// fish and aligned pairs are searched through the path's `memory`.
inline constexpr int kSharedRungs = 22;
std::optional<Move> SharedRung(int rung, const BasicMoves& basic, const Board& board,
                               Families families, Level ceiling, UniqueSolution& unique,
                               SearchMemory& memory);

}  // namespace Novem::Ladder
