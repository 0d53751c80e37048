#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "ladder/Board.h"
#include "ladder/ExplainerChains.h"
#include "ladder/Families.h"
#include "ladder/LadderSolver.h"
#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "support/Positions.h"

namespace {

using Novem::Grid_9x9;
using Novem::Ladder::Board;

// The positions of the technique tests, one for each technique, as grids of candidates: each
// family meets its own patterns there and everyone else's.
const std::vector<Board>& Positions() {
    static const std::vector<Board> positions = [] {
        std::vector<Board> boards;
        for (const auto& [expected, candidates] : Novem::TestSupport::TechniquePositions()) {
            Grid_9x9 grid;
            Novem::TestSupport::SetCandidates(grid, candidates);
            boards.emplace_back(grid);
        }
        return boards;
    }();
    return positions;
}

// One family's search over every position, as the ladder makes it at each step.
void BM_Family(benchmark::State& state) {
    const auto family = static_cast<Novem::Ladder::Family>(state.range(0));
    const std::vector<Board>& boards = Positions();
    for (auto _ : state) {
        for (const Board& board : boards) {
            benchmark::DoNotOptimize(Novem::Ladder::Find(family, board));
        }
    }
    state.SetLabel(std::string(Novem::Ladder::kFamilyNames[static_cast<std::size_t>(family)]));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(boards.size()));
}

// The rating's chain rules, each exhaustive as the scale's path runs them, up to dynamic forcing
// chains plus, over every position.
void BM_RatingChainRule(benchmark::State& state) {
    const auto rule = static_cast<Novem::Ladder::ChainRule>(state.range(0));
    const std::vector<Board>& boards = Positions();
    Novem::Ladder::ExplainerChains chains;
    for (auto _ : state) {
        for (const Board& board : boards) {
            benchmark::DoNotOptimize(chains.Find(board, rule));
        }
    }
    constexpr std::array<const char*, 5> kNames = {"cycles and forcing chains", "nishio",
                                                   "multiple forcing chains",
                                                   "dynamic forcing chains", "plus"};
    state.SetLabel(kNames[static_cast<std::size_t>(state.range(0))]);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(boards.size()));
}

// The whole ladder on a grid with several solutions (one of eleven's hardest less a given),
// which never gets solved and so goes up to the nested rung at every stall.
void BM_LadderOnSeveralSolutions(benchmark::State& state) {
    const Novem::PuzzleText::ParsedLine parsed = Novem::PuzzleText::ParseLine(
        ".....678.4.......6.8....41..1...7..8...3..5..9...2....3..5..8...7...8..48...9....");
    for (auto _ : state) {
        Grid_9x9 grid;
        Novem::PuzzleText::Load(parsed.puzzle, grid);
        Novem::Ladder::LadderSolver solver;
        benchmark::DoNotOptimize(solver.Solve(grid));
    }
}

BENCHMARK(BM_Family)->DenseRange(0, Novem::Ladder::kFamilies - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RatingChainRule)
    ->DenseRange(0, static_cast<int>(Novem::Ladder::ChainRule::DynamicForcingChainsPlus))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LadderOnSeveralSolutions)->Unit(benchmark::kMillisecond);

}  // namespace
