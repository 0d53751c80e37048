#include "Digging.h"

#include <array>

#include "search/SolutionSearch.h"

namespace Novem::Generate {

using GridGeometry::kCells;

// A few random givens that don't clash, completed by the search. Eleven of them leave a solution
// almost always; a grid without one is simply tried again.
PuzzleText::Cells FullGrid(Random& random) {
    constexpr int kSeeds = 11;
    for (;;) {
        Search::Candidates candidates;
        candidates.fill(GridGeometry::kAllDigits);
        std::array<int, kCells> cells{};
        for (int cell = 0; cell < kCells; ++cell) {
            cells[static_cast<std::size_t>(cell)] = cell;
        }
        random.Shuffle(cells);
        for (int index = 0; index < kSeeds; ++index) {
            const int cell = cells[static_cast<std::size_t>(index)];
            const unsigned allowed = candidates[static_cast<std::size_t>(cell)];
            if (allowed == 0) {
                break;
            }
            int pick = random.Below(Bits::Count(allowed));
            int digit = 0;
            for (const int candidate : Bits::Indices(allowed)) {
                if (pick-- == 0) {
                    digit = candidate;
                    break;
                }
            }
            candidates[static_cast<std::size_t>(cell)] = 1U << digit;
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                for (const int peer : GridGeometry::kCellsOfRegion[place.region]) {
                    if (peer != cell) {
                        candidates[static_cast<std::size_t>(peer)] &= ~(1U << digit);
                    }
                }
            }
        }
        const Search::Outcome outcome = Search::CountSolutions(candidates, 1);
        if (outcome.solutions == 1) {
            return outcome.solution;
        }
    }
}

bool Unique(const PuzzleText::Cells& puzzle) {
    return Search::CountSolutions(Search::CandidatesOf(puzzle)).solutions == 1;
}

PuzzleText::Cells Dig(const PuzzleText::Cells& puzzle, Symmetry symmetry, int stopAt,
                      Random& random) {
    std::array<Orbit, kCells> orbits{};
    int count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const Orbit orbit = OrbitOf(symmetry, cell);
        if (orbit[0] == cell) {
            orbits[static_cast<std::size_t>(count++)] = orbit;
        }
    }
    for (int index = count - 1; index > 0; --index) {
        std::swap(orbits[static_cast<std::size_t>(index)],
                  orbits[static_cast<std::size_t>(random.Below(index + 1))]);
    }
    PuzzleText::Cells dug = puzzle;
    int givens = Givens(puzzle);
    for (int index = 0; index < count && givens > stopAt; ++index) {
        const Orbit& orbit = orbits[static_cast<std::size_t>(index)];
        PuzzleText::Cells without = dug;
        int taken = 0;
        for (const int cell : orbit) {
            if (cell != -1 && without[static_cast<std::size_t>(cell)] != '.') {
                without[static_cast<std::size_t>(cell)] = '.';
                ++taken;
            }
        }
        if (taken > 0 && Unique(without)) {
            dug = without;
            givens -= taken;
        }
    }
    return dug;
}

int Givens(const PuzzleText::Cells& puzzle) {
    int givens = 0;
    for (const char cell : puzzle) {
        givens += cell != '.' ? 1 : 0;
    }
    return givens;
}

}  // namespace Novem::Generate
