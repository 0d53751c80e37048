// novem-bench [BENCHMARK OPTION]... [FILE]...: the fixed benchmarks, and the search on each file
// of puzzles given, such as the public collections.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "SearchBenchmark.h"

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    RegisterSearchBenchmarks("guard", NOVEM_TEST_DATA "/guard-puzzles.txt");
    for (int argument = 1; argument < argc; ++argument) {
        RegisterSearchBenchmarks(std::filesystem::path(argv[argument]).stem().string(),
                                 argv[argument]);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
