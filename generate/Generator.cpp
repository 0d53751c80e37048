#include "Generator.h"

#include <array>
#include <random>
#include <utility>

#include "search/SolutionSearch.h"

namespace Novem::Generate {

namespace {

using GridGeometry::kCells;
using GridGeometry::kSize;

// A small, fast generator that every platform runs alike (the standard's distributions and
// shuffles are the library's own), seeded through splitmix64 so that seeds next to each other
// give unrelated streams.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 to `count` - 1.
    int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }

    template <typename Array>
    void Shuffle(Array& items) {
        for (int index = static_cast<int>(items.size()) - 1; index > 0; --index) {
            std::swap(items[static_cast<std::size_t>(index)],
                      items[static_cast<std::size_t>(Below(index + 1))]);
        }
    }

private:
    std::uint64_t m_state;
};

// A full grid: a few random givens that don't clash, completed by the search. Eleven of them
// leave a solution almost always; a grid without one is simply tried again.
PuzzleText::Cells FullGrid(Random& random) {
    constexpr int kSeeds = 11;
    for (;;) {
        Search::Candidates candidates;
        candidates.fill(GridGeometry::kAllDigits);
        std::array<int, kCells> cells{};
        for (int cell = 0; cell < kCells; ++cell) {
            cells[static_cast<std::size_t>(cell)] = cell;
        }
        random.Shuffle(cells);
        for (int index = 0; index < kSeeds; ++index) {
            const int cell = cells[static_cast<std::size_t>(index)];
            const unsigned allowed = candidates[static_cast<std::size_t>(cell)];
            if (allowed == 0) {
                break;
            }
            int pick = random.Below(Bits::Count(allowed));
            int digit = 0;
            for (const int candidate : Bits::Indices(allowed)) {
                if (pick-- == 0) {
                    digit = candidate;
                    break;
                }
            }
            candidates[static_cast<std::size_t>(cell)] = 1U << digit;
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                for (const int peer : GridGeometry::kCellsOfRegion[place.region]) {
                    if (peer != cell) {
                        candidates[static_cast<std::size_t>(peer)] &= ~(1U << digit);
                    }
                }
            }
        }
        const Search::Outcome outcome = Search::CountSolutions(candidates, 1);
        if (outcome.solutions == 1) {
            return outcome.solution;
        }
    }
}

bool Unique(const PuzzleText::Cells& puzzle) {
    return Search::CountSolutions(Search::CandidatesOf(puzzle)).solutions == 1;
}

// Takes givens away in random order, an orbit at a time, as long as the solution stays unique,
// down to `stopAt` givens unless every orbit is to be tried. Trying each orbit once leaves a
// minimal puzzle: a given that could not go once can't go later either, when fewer remain.
PuzzleText::Cells Dig(const PuzzleText::Cells& solution, Symmetry symmetry, int stopAt,
                      Random& random) {
    std::array<Orbit, kCells> orbits{};
    int count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const Orbit orbit = OrbitOf(symmetry, cell);
        if (orbit[0] == cell) {
            orbits[static_cast<std::size_t>(count++)] = orbit;
        }
    }
    for (int index = count - 1; index > 0; --index) {
        std::swap(orbits[static_cast<std::size_t>(index)],
                  orbits[static_cast<std::size_t>(random.Below(index + 1))]);
    }
    PuzzleText::Cells puzzle = solution;
    int givens = kCells;
    for (int index = 0; index < count && givens > stopAt; ++index) {
        const Orbit& orbit = orbits[static_cast<std::size_t>(index)];
        PuzzleText::Cells without = puzzle;
        int taken = 0;
        for (const int cell : orbit) {
            if (cell != -1) {
                without[static_cast<std::size_t>(cell)] = '.';
                ++taken;
            }
        }
        if (Unique(without)) {
            puzzle = without;
            givens -= taken;
        }
    }
    return puzzle;
}

int Givens(const PuzzleText::Cells& puzzle) {
    int givens = 0;
    for (const char cell : puzzle) {
        givens += cell != '.' ? 1 : 0;
    }
    return givens;
}

}  // namespace

std::uint64_t FreshSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

Generator::Generator(Target target)
    : m_target(std::move(target)), m_analyser({.techniques = Ladder::kAllFamilies}) {}

std::optional<Generated> Generator::Generate(std::uint64_t seed, const std::atomic<bool>& stop,
                                             std::atomic<std::uint64_t>& tries) {
    Random random(seed);
    for (std::uint64_t tried = 1; !stop.load(std::memory_order_relaxed); ++tried) {
        tries.fetch_add(1, std::memory_order_relaxed);
        const Symmetry symmetry =
            m_target.symmetry.value_or(static_cast<Symmetry>(random.Below(kSymmetryNames.size())));
        const PuzzleText::Cells solution = FullGrid(random);
        const int stopAt = m_target.minimal ? 0 : m_target.mostGivens;
        const PuzzleText::Cells puzzle = Dig(solution, symmetry, stopAt, random);
        const int givens = Givens(puzzle);
        if (givens < m_target.fewestGivens || givens > m_target.mostGivens) {
            continue;
        }
        const Analysis::PuzzleResult& analysis = m_analyser.Analyse({puzzle, {}});
        if (Meets(analysis)) {
            return Generated{puzzle, analysis, seed, tried};
        }
    }
    return std::nullopt;
}

bool Generator::Meets(const Analysis::PuzzleResult& analysis) const {
    const Ladder::Rating& rating = *analysis.rating;
    return rating.level >= m_target.lowestLevel && rating.level <= m_target.highestLevel &&
           (m_target.hardest.empty() || rating.hardestExplained == m_target.hardest) &&
           rating.er >= m_target.lowestRating && rating.er <= m_target.highestRating;
}

}  // namespace Novem::Generate
