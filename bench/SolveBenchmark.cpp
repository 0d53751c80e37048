#include <benchmark/benchmark.h>

#include "model/Grid_9x9.h"
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

BENCHMARK(BM_SolveSample)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.2);
BENCHMARK(BM_SolveSampleWithDump)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.2);

}  // namespace

BENCHMARK_MAIN();
