// libFuzzer target: arbitrary text through the puzzle-line parser, and every puzzle it accepts
// through Solve, with the engine's invariants checked after every rule application and at the end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "solver/SolverImplV1.h"

namespace {

using Novem::Grid_9x9;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

unsigned long CandidatesOf(const Grid_9x9& grid, int cell) {
    return grid.GetCell(cell / 9, cell % 9)->GetCandidates().to_ulong();
}

// Candidates only ever shrink: every notification sees a subset of what the one before saw.
class ShrinkChecker : public Novem::GridUpdateListener<Grid_9x9> {
public:
    explicit ShrinkChecker(const Grid_9x9& grid) {
        for (int cell = 0; cell < 81; ++cell) {
            m_last[cell] = CandidatesOf(grid, cell);
        }
    }

    void OnGridUpdate(const GridUpdateEvent& event) override {
        for (int cell = 0; cell < 81; ++cell) {
            const unsigned long now = CandidatesOf(*event.grid, cell);
            Require((now & ~m_last[cell]) == 0);
            m_last[cell] = now;
        }
    }

private:
    std::array<unsigned long, 81> m_last{};
};

// Every row, column and block holds each digit once.
bool IsValidSolution(const Grid_9x9& grid) {
    for (int unit = 0; unit < 9; ++unit) {
        unsigned long row = 0;
        unsigned long column = 0;
        unsigned long block = 0;
        for (int k = 0; k < 9; ++k) {
            row |= CandidatesOf(grid, 9 * unit + k);
            column |= CandidatesOf(grid, 9 * k + unit);
            block |= CandidatesOf(grid, 9 * (3 * (unit / 3) + k / 3) + 3 * (unit % 3) + k % 3);
        }
        if (row != 0x1FF || column != 0x1FF || block != 0x1FF) {
            return false;
        }
    }
    return true;
}

void SolveAndCheck(const Novem::PuzzleText::Cells& cells) {
    Grid_9x9 grid;
    Novem::PuzzleText::Load(cells, grid);
    ShrinkChecker checker(grid);
    Novem::SolverImplV1<Grid_9x9> solver;
    solver.AddListener(&checker);
    const bool solved = solver.Solve(grid);

    checker.OnGridUpdate({&grid, "final", solver.GetSteps()});
    Require(solver.GetSteps() >= 27);
    Require(solver.GetCellUpdates() <= 729);
    const auto& cards = solver.GetSingleCellRules();
    Require(std::accumulate(cards.begin(), cards.end(),
                            std::uint64_t{solver.GetDualCellsRules()}) <= 729);
    Require(solved == grid.IsSolved());
    Require(!solved || IsValidSolution(grid));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const Novem::PuzzleText::ParsedLine parsed = Novem::PuzzleText::ParseLine(line);
        if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Invalid) {
            Require(!parsed.error.empty());
        } else if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Puzzle) {
            SolveAndCheck(parsed.cells);
        }
    }
    return 0;
}
