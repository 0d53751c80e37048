#pragma once

#include <array>
#include <vector>

#include "Board.h"
#include "Consequences.h"
#include "Step.h"

namespace Novem::Ladder {

// What follows from assuming one candidate true, within a reach: a cell left with one digit takes
// it, a region left with one place for a digit takes it there, a digit placed leaves its cell's
// other candidates and its peers; within a dynamic reach locked candidates go too, and within a
// nested one each candidate whose own assumption contradicts itself. The forcing chains are made
// of these steps.
class Propagation {
public:
    struct Outcome {
        // By digit, the cells where the digit is still possible, and where it is placed.
        std::array<CellMask, GridGeometry::kSize> possible{};
        std::array<CellMask, GridGeometry::kSize> placed{};
        bool contradiction = false;
    };

    explicit Propagation(const Board& board, const Reach& reach = {});

    // The fixed point from the assumption, quickly.
    Outcome From(const Candidate& assumption) const;

    // The same again, one candidate at a time, keeping why each became true or false: the
    // implications that lead to the candidates `wanted` (as true when they are placed in the
    // outcome, as false otherwise), or to the contradiction, in the order they were found.
    Branch Explain(const Candidate& assumption, const std::vector<Candidate>& wanted) const;

    const Ladder::Reach& ReachOf() const { return m_reach; }

private:
    const Board& m_board;
    Ladder::Reach m_reach;
};

}  // namespace Novem::Ladder
