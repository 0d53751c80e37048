#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "batch/BatchRun.h"
#include "model/Grid_9x9.h"
#include "run/RunLog.h"
#include "solver/SolverImplV1.h"
#include "support/Puzzles.h"

namespace {

using Novem::Grid_9x9;

// Keeps the run log's bytes of every update, as novem-batch --log does.
class LogWriter : public Novem::GridUpdateListener<Grid_9x9> {
public:
    void OnGridUpdate(const GridUpdateEvent& event) override { m_blocks.Append(m_log, event); }

    std::string m_log;

private:
    Novem::RunLogBlocks m_blocks;
};

// What the run log adds to a solve of the sample: its 61 blocks.
void BM_SolveSampleWithRunLog(benchmark::State& state) {
    LogWriter writer;
    for (auto _ : state) {
        Grid_9x9 grid;
        Novem::TestSupport::LoadPuzzle(grid, Novem::TestSupport::kSamplePuzzle);
        Novem::SolverImplV1<Grid_9x9> solver;
        solver.AddListener(&writer);
        writer.m_log.clear();
        benchmark::DoNotOptimize(solver.Solve(grid));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(writer.m_log.size()));
}

// novem-batch's whole way on one worker, reading, solving, formatting and writing, for the guard
// puzzles, with and without the run log; the output goes to the null device.
void BM_BatchGuardPuzzles(benchmark::State& state) {
    const Novem::Batch::BatchOptions options{
        .stats = true,
        .jobs = 1,
        .logFile = state.range(0) != 0 ? "/dev/null" : "",
        .files = {NOVEM_TEST_DATA "/guard-puzzles.txt"},
    };
    const int null = open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Novem::Batch::RunBatch(options, {0, null, null}));
    }
    close(null);
}

BENCHMARK(BM_SolveSampleWithRunLog)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.2);
BENCHMARK(BM_BatchGuardPuzzles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);

}  // namespace
