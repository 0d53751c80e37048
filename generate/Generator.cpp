#include "Generator.h"

#include <algorithm>
#include <array>
#include <random>
#include <utility>

#include "Digging.h"

namespace Novem::Generate {

namespace {

using GridGeometry::kCells;

// The orbits of the symmetry whose cells are all givens, or all empty.
std::array<int, kCells> OrbitsWhere(const PuzzleText::Cells& puzzle, Symmetry symmetry, bool givens,
                                    int& count) {
    std::array<int, kCells> orbits{};
    count = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (OrbitOf(symmetry, cell)[0] == cell &&
            (puzzle[static_cast<std::size_t>(cell)] != '.') == givens) {
            orbits[static_cast<std::size_t>(count++)] = cell;
        }
    }
    return orbits;
}

void SetOrbit(PuzzleText::Cells& puzzle, Symmetry symmetry, int cell,
              const PuzzleText::Cells& digits) {
    for (const int image : OrbitOf(symmetry, cell)) {
        if (image != -1) {
            puzzle[static_cast<std::size_t>(image)] = digits[static_cast<std::size_t>(image)];
        }
    }
}

}  // namespace

std::uint64_t FreshSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

Generator::Generator(Target target)
    : m_target(std::move(target)), m_analyser({.techniques = Ladder::kAllFamilies}) {
    const auto upTo = [](Ladder::Level level) {
        Ladder::Families families = 0;
        for (int family = 0; family < Ladder::kFamilies; ++family) {
            if (Ladder::LevelOf(static_cast<Ladder::Family>(family)) <= level) {
                families |= Ladder::FamilyBit(static_cast<Ladder::Family>(family));
            }
        }
        return families;
    };
    m_quickReach = m_target.highestLevel;
    if (upTo(m_quickReach) == Ladder::kAllFamilies &&
        m_target.lowestLevel > Ladder::LevelOf(Ladder::Family::Fish)) {
        m_quickReach = static_cast<Ladder::Level>(static_cast<int>(m_target.lowestLevel) - 1);
    }
    const Ladder::Families quick = upTo(m_quickReach);
    if (quick != 0 && quick != Ladder::kAllFamilies) {
        m_quick = std::make_unique<Ladder::LadderSolver>(quick);
    }
}

std::optional<Made> Generator::Random(std::uint64_t seed) const {
    Generate::Random random(seed);
    Made made;
    made.symmetry =
        m_target.symmetry.value_or(static_cast<Symmetry>(random.Below(kSymmetryNames.size())));
    made.solution = FullGrid(random);
    const int stopAt = m_target.minimal ? 0 : m_target.mostGivens;
    made.puzzle = Dig(made.solution, made.symmetry, stopAt, random);
    if (!GivensAllowed(made.puzzle)) {
        return std::nullopt;
    }
    return made;
}

std::optional<Made> Generator::Near(const Made& parent, std::uint64_t seed) const {
    Generate::Random random(seed);
    int givens = 0;
    int empty = 0;
    std::array<int, kCells> given = OrbitsWhere(parent.puzzle, parent.symmetry, true, givens);
    std::array<int, kCells> open = OrbitsWhere(parent.puzzle, parent.symmetry, false, empty);
    const int swaps = std::min({1 + random.Below(2), givens, empty});
    PuzzleText::Cells blank;
    blank.fill('.');
    Made near = parent;
    for (int swap = 0; swap < swaps; ++swap) {
        std::swap(given[static_cast<std::size_t>(swap)],
                  given[static_cast<std::size_t>(swap + random.Below(givens - swap))]);
        std::swap(open[static_cast<std::size_t>(swap)],
                  open[static_cast<std::size_t>(swap + random.Below(empty - swap))]);
        SetOrbit(near.puzzle, near.symmetry, given[static_cast<std::size_t>(swap)], blank);
        SetOrbit(near.puzzle, near.symmetry, open[static_cast<std::size_t>(swap)], near.solution);
    }
    if (swaps == 0 || !Unique(near.puzzle)) {
        return std::nullopt;
    }
    near.puzzle =
        Dig(near.puzzle, near.symmetry, m_target.minimal ? 0 : m_target.mostGivens, random);
    if (near.puzzle == parent.puzzle || !GivensAllowed(near.puzzle)) {
        return std::nullopt;
    }
    return near;
}

bool Generator::MissesLevel(const PuzzleText::Cells& puzzle) {
    if (!m_quick) {
        return false;
    }
    PuzzleText::Load(puzzle, m_grid);
    if (!m_quick->Solve(m_grid)) {
        return m_quickReach >= m_target.highestLevel;
    }
    const Ladder::Level level = m_quick->GetRating().level;
    return level < m_target.lowestLevel || level > m_target.highestLevel;
}

const Analysis::PuzzleResult& Generator::Rate(const PuzzleText::Cells& puzzle) {
    return m_analyser.Analyse({puzzle, {}});
}

bool Generator::Meets(const Analysis::PuzzleResult& analysis) const {
    const Ladder::Rating& rating = *analysis.rating;
    return rating.level >= m_target.lowestLevel && rating.level <= m_target.highestLevel &&
           (m_target.hardest.empty() || rating.hardestExplained == m_target.hardest) &&
           rating.er >= m_target.lowestRating && rating.er <= m_target.highestRating;
}

bool Generator::GivensAllowed(const PuzzleText::Cells& puzzle) const {
    const int givens = Givens(puzzle);
    return givens >= m_target.fewestGivens && givens <= m_target.mostGivens;
}

}  // namespace Novem::Generate
