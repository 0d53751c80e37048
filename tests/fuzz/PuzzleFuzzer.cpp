// libFuzzer target: arbitrary text through the puzzle-line parser and the paste parser, and every
// puzzle or position they accept through Solve, with the engine's invariants checked after every
// rule application and at the end; a position written as 729 places reads back as it was.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

#include "model/CandidateText.h"
#include "model/GridGeometry.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "solver/SolverImplV1.h"

namespace {

using Novem::Grid_9x9;
namespace Geometry = Novem::GridGeometry;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

unsigned long CandidatesOf(const Grid_9x9& grid, int cell) {
    return grid.GetCell(cell)->GetCandidates().to_ulong();
}

// Candidates only ever shrink: every notification sees a subset of what the one before saw.
class ShrinkChecker : public Novem::GridUpdateListener<Grid_9x9> {
public:
    explicit ShrinkChecker(const Grid_9x9& grid) {
        m_last.fill(~0UL);
        Check(grid);
    }

    void OnGridUpdate(const GridUpdateEvent& event) override { Check(*event.grid); }

    void Check(const Grid_9x9& grid) {
        for (int cell = 0; cell < Geometry::kCells; ++cell) {
            Require((CandidatesOf(grid, cell) & ~m_last[cell]) == 0);
            m_last[cell] = CandidatesOf(grid, cell);
        }
    }

private:
    std::array<unsigned long, Geometry::kCells> m_last;
};

void SolveAndCheck(const Novem::PuzzleText::Puzzle& puzzle) {
    if (puzzle.marks) {
        const Novem::PuzzleText::ParsedLine again =
            Novem::PuzzleText::ParseLine(Novem::PuzzleText::PlacesLine(*puzzle.marks));
        Require(again.puzzle.marks && *again.puzzle.marks == *puzzle.marks &&
                again.puzzle.givens == puzzle.givens);
    }
    Grid_9x9 grid;
    Novem::PuzzleText::Load(puzzle, grid);
    ShrinkChecker checker(grid);
    Novem::SolverImplV1<Grid_9x9> solver;
    solver.AddListener(&checker);
    const bool solved = solver.Solve(grid);

    checker.Check(grid);
    const Novem::RuleCounters counters = solver.GetCounters();
    Require(solver.GetSteps() >= 27 && counters.cellUpdates <= 729);
    const auto& cards = counters.singleCellRules;
    Require(std::accumulate(cards.begin(), cards.end(), counters.dualCellsRules) <= 729);
    Require(solved == grid.IsSolved());
    // A solved grid holds every digit once in every row, column and block.
    for (int region = 0; solved && region < Geometry::kRegions; ++region) {
        unsigned long digits = 0;
        for (const int cell : Geometry::kCellsOfRegion[region]) {
            digits |= CandidatesOf(grid, cell);
        }
        Require(digits == Geometry::kAllDigits);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Novem::PuzzleText::Puzzle pasted;
    if (Novem::PuzzleText::ParseText(text, pasted).kind ==
        Novem::PuzzleText::TextProblem::Kind::None) {
        SolveAndCheck(pasted);
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const Novem::PuzzleText::ParsedLine parsed =
            Novem::PuzzleText::ParseLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        Require(parsed.kind != Novem::PuzzleText::ParsedLine::Kind::Invalid ||
                !parsed.error.empty());
        if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Puzzle) {
            SolveAndCheck(parsed.puzzle);
        }
    }
    return 0;
}
