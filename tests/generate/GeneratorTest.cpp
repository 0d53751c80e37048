#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/Analyser.h"
#include "batch/Messages.h"
#include "generate/Generator.h"
#include "generate/HardSeeds.h"
#include "generate/LikePuzzles.h"
#include "generate/PoolSearch.h"
#include "search/SolutionSearch.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace Novem::Generate {
namespace {

std::vector<Generated> MakeSome(const Target& target, std::uint64_t seed, int count,
                                unsigned workers = 1, std::vector<Made> like = {}) {
    PoolSearch search(target, seed, workers, std::move(like));
    const std::atomic<bool> stop = false;
    std::vector<Generated> made;
    for (int index = 0; index < count; ++index) {
        std::optional<Generated> generated = search.Next(stop);
        EXPECT_TRUE(generated.has_value());
        made.push_back(*generated);
    }
    EXPECT_GE(search.Tries(), made.size());
    return made;
}

Generated Make(const Target& target, std::uint64_t seed) {
    return MakeSome(target, seed, 1).front();
}

int Solutions(const PuzzleText::Cells& puzzle) {
    return Search::CountSolutions(Search::CandidatesOf(puzzle)).solutions;
}

void ExpectMinimalWithOneSolution(const PuzzleText::Cells& puzzle) {
    ASSERT_EQ(Solutions(puzzle), 1);
    for (std::size_t cell = 0; cell < puzzle.size(); ++cell) {
        if (puzzle[cell] != '.') {
            PuzzleText::Cells without = puzzle;
            without[cell] = '.';
            EXPECT_EQ(Solutions(without), 2)
                << std::string(puzzle.begin(), puzzle.end()) << " cell " << cell;
        }
    }
}

Ladder::Level LevelOf(const PuzzleText::Cells& puzzle) {
    Analysis::Analyser analyser({.techniques = Ladder::kAllFamilies});
    return analyser.Analyse({puzzle, {}}).rating->level;
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
        ExpectMinimalWithOneSolution(generated.puzzle);
    }
}

// A fish is the hardest need of about one random puzzle in 450, so the search soon makes puzzles
// near those that have one: each is new, minimal, of the level, has no seed of its own, and the
// run is the same for one worker and two.
TEST(PoolSearch, MakesPuzzlesNearThoseThatMeetARareTarget) {
    const Target target{.lowestLevel = Ladder::Level{3}, .highestLevel = Ladder::Level{3}};
    const std::vector<Generated> one = MakeSome(target, 11, 6);
    const std::vector<Generated> two = MakeSome(target, 11, 6, 2);
    std::set<PuzzleText::Cells> seen;
    int near = 0;
    for (std::size_t index = 0; index < one.size(); ++index) {
        EXPECT_EQ(one[index].puzzle, two[index].puzzle) << index;
        EXPECT_TRUE(seen.insert(one[index].puzzle).second) << index;
        EXPECT_EQ(LevelOf(one[index].puzzle), target.lowestLevel);
        ExpectMinimalWithOneSolution(one[index].puzzle);
        near += one[index].seed ? 0 : 1;
    }
    EXPECT_GT(near, 2);
}

// Random puzzles never need dynamic forcing chains, so the search starts near the hard puzzles it
// carries; it never gives one of them.
TEST(PoolSearch, ReachesTheHardestLevelsFromItsSeeds) {
    const Target target{.lowestLevel = Ladder::Level{13}, .highestLevel = Ladder::Level{13}};
    ASSERT_TRUE(NeedsHardSeeds(target));
    EXPECT_FALSE(NeedsHardSeeds({.lowestLevel = Ladder::Level{12}}));
    EXPECT_TRUE(NeedsHardSeeds({.hardest = "nested contradiction chain"}));
    EXPECT_TRUE(NeedsHardSeeds({.lowestRating = 95}));
    const std::vector<Made> seeds = HardSeeds(target);
    ASSERT_FALSE(seeds.empty());
    EXPECT_TRUE(HardSeeds({.symmetry = Symmetry::Rotate90}).empty());
    const Generated generated = Make(target, 2);
    EXPECT_EQ(LevelOf(generated.puzzle), target.lowestLevel);
    EXPECT_TRUE(std::none_of(seeds.begin(), seeds.end(),
                             [&](const Made& seed) { return seed.puzzle == generated.puzzle; }));
}

// Given puzzles to start from, every new one is made near them or near those made since: never one
// of them, at their levels unless told otherwise, keeping a symmetry they keep, and refused when
// they can't serve.
using LikePuzzles = TestSupport::InTempDirectory;

TEST_F(LikePuzzles, AreWhereTheSearchStarts) {
    Batch::Messages::SetProgram("novem-generate");
    WriteFile(
        "like.txt",
        ".1......9....2568..3..79.1...6.....2..3....7..4...73...7..1..5......6..75....812.\n"
        "1.7........9....8..4...9..567.....32..34..1......6........26.4..5..1.3..8.2....9.\n");
    Target target{.symmetry = std::nullopt};
    std::vector<Made> starts;
    ASSERT_EQ(ReadLikePuzzles("like.txt", false, target, starts), "");
    ASSERT_EQ(starts.size(), 2U);
    EXPECT_EQ(target.lowestLevel, LevelOf(starts[0].puzzle));
    EXPECT_EQ(target.highestLevel, LevelOf(starts[1].puzzle));
    const std::vector<Generated> made = MakeSome(target, 3, 6, 2, starts);
    for (const Generated& generated : made) {
        EXPECT_NE(generated.puzzle, starts[0].puzzle);
        EXPECT_NE(generated.puzzle, starts[1].puzzle);
        EXPECT_EQ(generated.seed, std::nullopt);
        const Ladder::Level level = LevelOf(generated.puzzle);
        EXPECT_GE(level, target.lowestLevel);
        EXPECT_LE(level, target.highestLevel);
    }

    const std::pair<std::string, std::string> refused[] = {
        {"1.......2\n", ":1: expected 81 cells, found 9"},
        {std::string(81, '.') + "\n", ":1: not a puzzle of one solution"},
        {"\n", ": no puzzle to start from"},
    };
    for (const auto& [text, message] : refused) {
        WriteFile("refused.txt", text);
        std::vector<Made> none;
        EXPECT_EQ(ReadLikePuzzles("refused.txt", true, target, none),
                  "novem-generate: refused.txt" + message + "\n");
    }
    Target rotated{.symmetry = Symmetry::Rotate180};
    std::vector<Made> none;
    EXPECT_EQ(ReadLikePuzzles("like.txt", true, rotated, none),
              "novem-generate: like.txt:1: not symmetric as --symmetry asks\n");
    EXPECT_EQ(ReadLikePuzzles("missing.txt", true, target, none),
              "novem-generate: missing.txt: No such file or directory\n");
    EXPECT_EQ(ReadLikePuzzles(".", true, target, none), "novem-generate: .: Is a directory\n");
}

// A target's bounds are its own: a level or a rating on a bound meets it, one past it does not, nor
// another hardest technique.
TEST(Generator, HoldsEveryBoundOfItsTarget) {
    const Generator generator({.lowestLevel = Ladder::Level{4},
                               .highestLevel = Ladder::Level{5},
                               .hardest = "XY-wing",
                               .lowestRating = 42,
                               .highestRating = 44});
    const std::tuple<int, int, std::string_view, bool> cases[] = {
        {4, 42, "XY-wing", true},   {5, 44, "XY-wing", true},  {3, 42, "XY-wing", false},
        {6, 44, "XY-wing", false},  {4, 41, "XY-wing", false}, {5, 45, "XY-wing", false},
        {4, 42, "XYZ-wing", false},
    };
    for (const auto& [level, er, hardest, meets] : cases) {
        Analysis::PuzzleResult analysis;
        analysis.rating = Ladder::Rating{};
        analysis.rating->level = Ladder::Level{level};
        analysis.rating->hardestExplained = hardest;
        analysis.rating->er = er;
        EXPECT_EQ(generator.Meets(analysis), meets) << level << " " << er << " " << hardest;
    }
}

// The quick climb tells a level outside the target without the full rating: a puzzle that a
// dynamic forcing chain cracks is never taken for one that needs nested chains, nor one that
// singles solve for a fish.
TEST(Generator, TellsALevelOutsideTheTargetQuickly) {
    constexpr std::string_view kSingles =
        "......8.....2374....5.....7.......39.2.....1...8.1..4..1...3.8.9..15......469.5..";
    constexpr std::string_view kDynamic =
        ".2...6..94......3.....3.........765..7.5..9......28..7.9...2..5...8..1..8.1.4....";
    constexpr std::string_view kNested =
        "..34....9.5...92....9.7.4......3..6.8..........5..7..2..47....5.9...46...1...2.9.";
    const auto level = [](Ladder::Level lowest, Ladder::Level highest) {
        return Target{.lowestLevel = lowest, .highestLevel = highest};
    };
    const std::tuple<Target, std::string_view, bool> cases[] = {
        {level(Ladder::Level{14}, Ladder::Level{14}), kDynamic, true},
        {level(Ladder::Level{14}, Ladder::Level{14}), kNested, false},
        {level(Ladder::Level{13}, Ladder::Level{13}), kDynamic, false},
        {level(Ladder::Level{3}, Ladder::Level{3}), kSingles, true},
        {level(Ladder::Level{3}, Ladder::Level{3}), kDynamic, true},
        {level(Ladder::Level{0}, Ladder::Level{15}), kSingles, false},
    };
    for (const auto& [target, puzzle, misses] : cases) {
        Generator generator(target);
        EXPECT_EQ(generator.MissesLevel(TestSupport::ToCells(puzzle)), misses)
            << puzzle << " " << static_cast<int>(target.lowestLevel);
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
