#include <gtest/gtest.h>

#include <atomic>
#include <tuple>

#include "analysis/Analyser.h"
#include "generate/Generator.h"
#include "search/SolutionSearch.h"

namespace Novem::Generate {
namespace {

Generated Make(const Target& target, std::uint64_t seed) {
    Generator generator(target);
    const std::atomic<bool> stop = false;
    std::atomic<std::uint64_t> tries = 0;
    std::optional<Generated> generated = generator.Generate(seed, stop, tries);
    EXPECT_TRUE(generated.has_value());
    EXPECT_EQ(generated->tries, tries.load());
    return *generated;
}

int Solutions(const PuzzleText::Cells& puzzle) {
    return Search::CountSolutions(Search::CandidatesOf(puzzle)).solutions;
}

// The same seed gives the same puzzle, another seed another; each has one solution, and each of
// its givens is needed: without it there are several.
TEST(Generator, MakesMinimalPuzzlesOfOneSolutionBySeed) {
    const Target target;
    EXPECT_EQ(Make(target, 7).puzzle, Make(target, 7).puzzle);
    for (std::uint64_t seed = 0; seed < 4; ++seed) {
        const Generated generated = Make(target, seed);
        EXPECT_NE(generated.puzzle, Make(target, seed + 100).puzzle);
        EXPECT_EQ(generated.seed, seed);
        ASSERT_EQ(Solutions(generated.puzzle), 1);
        for (std::size_t cell = 0; cell < generated.puzzle.size(); ++cell) {
            if (generated.puzzle[cell] != '.') {
                PuzzleText::Cells without = generated.puzzle;
                without[cell] = '.';
                EXPECT_EQ(Solutions(without), 2) << seed << " cell " << cell;
            }
        }
    }
}

// Each symmetry's images of a cell, r1c2 and the centre: the centre is its own image, and a
// quarter turn takes r1c2 round the four sides.
TEST(Symmetry, MapsACellToItsImages) {
    const std::tuple<Symmetry, int, Orbit> cases[] = {
        {Symmetry::None, 1, {1, -1, -1, -1}},       {Symmetry::Rotate180, 1, {1, 79, -1, -1}},
        {Symmetry::Rotate90, 1, {1, 17, 63, 79}},   {Symmetry::Mirror, 1, {1, 7, -1, -1}},
        {Symmetry::Flip, 1, {1, 73, -1, -1}},       {Symmetry::Diagonal, 1, {1, 9, -1, -1}},
        {Symmetry::Rotate90, 40, {40, -1, -1, -1}},
    };
    for (const auto& [symmetry, cell, orbit] : cases) {
        EXPECT_EQ(OrbitOf(symmetry, cell), orbit) << kSymmetryNames[static_cast<int>(symmetry)];
    }
    EXPECT_EQ(SymmetryNamed("rotate90"), Symmetry::Rotate90);
    EXPECT_EQ(SymmetryNamed("spiral"), std::nullopt);
}

// Every symmetry holds: a cell and its images are given together or not at all.
TEST(Generator, KeepsTheSymmetryAskedFor) {
    for (std::size_t index = 0; index < kSymmetryNames.size(); ++index) {
        const auto symmetry = static_cast<Symmetry>(index);
        const Generated generated = Make({.symmetry = symmetry}, 11);
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const bool given = generated.puzzle[static_cast<std::size_t>(cell)] != '.';
            for (const int image : OrbitOf(symmetry, cell)) {
                if (image != -1) {
                    EXPECT_EQ(generated.puzzle[static_cast<std::size_t>(image)] != '.', given)
                        << kSymmetryNames[index] << " cell " << cell;
                }
            }
        }
    }
}

// A level, a technique, a rating band and a number of givens are held to: the puzzle's own
// analysis says so.
TEST(Generator, MeetsItsTarget) {
    const Target targets[] = {
        {.lowestLevel = Ladder::Level::LockedCandidates,
         .highestLevel = Ladder::Level::LockedCandidates},
        {.hardest = "XY-wing"},
        {.lowestRating = 42, .highestRating = 44},
        {.minimal = false, .fewestGivens = 30, .mostGivens = 32},
    };
    for (const Target& target : targets) {
        const Generated generated = Make(target, 3);
        Analysis::Analyser analyser({.techniques = Ladder::kAllFamilies});
        const Ladder::Rating rating = *analyser.Analyse({generated.puzzle, {}}).rating;
        EXPECT_GE(rating.level, target.lowestLevel);
        EXPECT_LE(rating.level, target.highestLevel);
        EXPECT_TRUE(target.hardest.empty() || rating.hardest == target.hardest) << rating.hardest;
        EXPECT_GE(rating.er, target.lowestRating);
        EXPECT_LE(rating.er, target.highestRating);
        const auto givens = std::count_if(generated.puzzle.begin(), generated.puzzle.end(),
                                          [](char cell) { return cell != '.'; });
        EXPECT_GE(givens, target.fewestGivens);
        EXPECT_LE(givens, target.mostGivens);
    }
}

}  // namespace
}  // namespace Novem::Generate
