#include "SearchBenchmark.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/Grid_9x9.h"
#include "model/PuzzleText.h"
#include "search/SolutionSearch.h"
#include "solver/SolverImplV1.h"

namespace {

using Novem::Grid_9x9;

std::vector<Novem::PuzzleText::Cells> ReadPuzzles(const std::string& file) {
    std::vector<Novem::PuzzleText::Cells> puzzles;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const Novem::PuzzleText::ParsedLine parsed = Novem::PuzzleText::ParseLine(line);
        if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Puzzle) {
            puzzles.push_back(parsed.puzzle.givens);
        }
    }
    return puzzles;
}

// Counting up to two solutions from the givens alone: the search doing all the work.
void SearchFromGivens(benchmark::State& state,
                      const std::vector<Novem::PuzzleText::Cells>& puzzles) {
    for (auto _ : state) {
        for (const Novem::PuzzleText::Cells& puzzle : puzzles) {
            benchmark::DoNotOptimize(
                Novem::Search::CountSolutions(Novem::Search::CandidatesOf(puzzle)));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

// What novem-batch --solutions adds: the search from what the rules left. The rules run outside
// the timing.
void SearchAfterRules(benchmark::State& state,
                      const std::vector<Novem::PuzzleText::Cells>& puzzles) {
    std::vector<Novem::Search::Candidates> left;
    Grid_9x9 grid;
    Novem::SolverImplV1<Grid_9x9> solver;
    for (const Novem::PuzzleText::Cells& puzzle : puzzles) {
        Novem::PuzzleText::Load(puzzle, grid);
        solver.Solve(grid);
        left.push_back(Novem::Search::CandidatesOf(grid));
    }
    for (auto _ : state) {
        for (const Novem::Search::Candidates& candidates : left) {
            benchmark::DoNotOptimize(Novem::Search::CountSolutions(candidates));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(left.size()));
}

}  // namespace

void RegisterSearchBenchmarks(const std::string& name, const std::string& file) {
    const auto puzzles = ReadPuzzles(file);
    benchmark::RegisterBenchmark(("BM_SearchFromGivens/" + name).c_str(), SearchFromGivens, puzzles)
        ->Unit(benchmark::kMillisecond)
        ->MinWarmUpTime(0.2);
    benchmark::RegisterBenchmark(("BM_SearchAfterRules/" + name).c_str(), SearchAfterRules, puzzles)
        ->Unit(benchmark::kMillisecond)
        ->MinWarmUpTime(0.2);
}
