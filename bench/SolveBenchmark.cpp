#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"

namespace {

using Novem::Grid_9x9;

// What the desktop program's listener costs at least: the full dump of every event.
class DumpingListener : public Novem::GridUpdateListener<Grid_9x9> {
public:
    void OnGridUpdate(const GridUpdateEvent& event) override {
        benchmark::DoNotOptimize(event.ToString());
    }
};

// Only Solve is timed: building and loading the grid is the caller's work.
void SolveSample(benchmark::State& state, Novem::GridUpdateListener<Grid_9x9>* listener) {
    for (auto _ : state) {
        state.PauseTiming();
        Grid_9x9 grid;
        Novem::TestSupport::LoadPuzzle(grid, Novem::TestSupport::kSamplePuzzle);
        Novem::SolverImplV1<Grid_9x9> solver;
        if (listener != nullptr) {
            solver.AddListener(listener);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(solver.Solve(grid));
    }
}

void BM_SolveSample(benchmark::State& state) {
    SolveSample(state, nullptr);
}

void BM_SolveSampleWithDump(benchmark::State& state) {
    DumpingListener listener;
    SolveSample(state, &listener);
}

// The guard puzzles, every difficulty and the contradictory ones: loading and solving each.
void BM_SolveGuardPuzzles(benchmark::State& state) {
    std::vector<Novem::PuzzleText::Cells> puzzles;
    std::ifstream file(NOVEM_TEST_DATA "/guard-puzzles.txt");
    for (std::string line; std::getline(file, line);) {
        const Novem::PuzzleText::ParsedLine parsed = Novem::PuzzleText::ParseLine(line);
        if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Puzzle) {
            puzzles.push_back(parsed.puzzle.givens);
        }
    }
    Grid_9x9 grid;
    Novem::SolverImplV1<Grid_9x9> solver;
    for (auto _ : state) {
        for (const Novem::PuzzleText::Cells& puzzle : puzzles) {
            Novem::PuzzleText::Load(puzzle, grid);
            benchmark::DoNotOptimize(solver.Solve(grid));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

BENCHMARK(BM_SolveSample)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.2);
BENCHMARK(BM_SolveSampleWithDump)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.2);
BENCHMARK(BM_SolveGuardPuzzles)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);

}  // namespace
