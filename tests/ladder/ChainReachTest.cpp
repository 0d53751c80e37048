#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <deque>
#include <numeric>
#include <random>
#include <span>
#include <vector>

#include "ladder/Board.h"
#include "ladder/DigitPlaces.h"
#include "ladder/Implications.h"
#include "ladder/LoopLinks.h"
#include "ladder/StaticLinks.h"
#include "ladder/StaticReach.h"
#include "model/Grid_9x9.h"
#include "support/Positions.h"

namespace Novem::Ladder {
namespace {

using namespace Implications;
using Potentials = std::bitset<kPotentials>;

// The technique positions as the rating's chains see them: placed cells hold no candidates.
std::vector<Grid> OpenGrids() {
    std::vector<Grid> grids;
    for (const auto& [expected, candidates] : TestSupport::TechniquePositions()) {
        Grid_9x9 cells;
        TestSupport::SetCandidates(cells, candidates);
        grids.push_back(Grid::OpenOf(Board(cells)));
    }
    return grids;
}

bool Holds(const Grid& grid, Potential potential) {
    return (grid.candidates[CellOf(potential)] >> DigitOf(potential) & 1U) != 0;
}

// What one link or more lead to from the source, one potential at a time.
Potentials Reached(const StaticLinks& links, Links kinds, Potential source) {
    Potentials reached;
    std::vector<Potential> pending = {source};
    while (!pending.empty()) {
        const Potential at = pending.back();
        pending.pop_back();
        for (const bool byCell : {true, false}) {
            if (byCell ? !kinds.cell : !kinds.region) {
                continue;
            }
            for (const StaticLinks::Next& next : byCell ? links.ByCell(at) : links.ByRegion(at)) {
                if (!reached[static_cast<std::size_t>(next.potential)]) {
                    reached.set(static_cast<std::size_t>(next.potential));
                    pending.push_back(next.potential);
                }
            }
        }
    }
    return reached;
}

bool Absurd(const Potentials& potentials) {
    for (Potential off = 0; off < kPotentials; off += 2) {
        if (potentials[static_cast<std::size_t>(off)] &&
            potentials[static_cast<std::size_t>(off + 1)]) {
            return true;
        }
    }
    return false;
}

// Every leads-to answer and every cell's meeting answer, against the links walked one by one,
// for the region links alone and for both kinds.
TEST(StaticReach, AnswersAsTheLinksWalkedOneByOne) {
    StaticLinks links;
    StaticReach reach;
    int wrong = 0;
    int leads = 0;
    int meetings = 0;
    for (const Grid& grid : OpenGrids()) {
        links.Build(grid);
        for (const Links kinds : {Links{false, true}, Links{true, true}}) {
            // Built for some digits alone, region links give what they gave those digits.
            constexpr unsigned kOdd = 0x155;
            StaticReach some;
            if (!kinds.cell) {
                some.Build(grid, links, kinds, kOdd);
            }
            reach.Build(grid, links, kinds);
            std::array<Potentials, kPotentials> closures{};
            for (Potential from = 0; from < kPotentials; ++from) {
                if (!Holds(grid, from)) {
                    continue;
                }
                const Potentials reached = Reached(links, kinds, from);
                closures[static_cast<std::size_t>(from)] = reached;
                closures[static_cast<std::size_t>(from)].set(static_cast<std::size_t>(from));
                for (Potential to = 0; to < kPotentials; ++to) {
                    if (Holds(grid, to)) {
                        leads += reached[static_cast<std::size_t>(to)] ? 1 : 0;
                        wrong += reach.Leads(from, to) != reached[static_cast<std::size_t>(to)];
                        const bool within = !kinds.cell && (kOdd >> DigitOf(from) & 1U) != 0;
                        wrong += within && some.Leads(from, to) != reach.Leads(from, to);
                    }
                }
            }
            // Two potentials lie on a cycle together when each leads to the other.
            for (Potential one = 0; one < kPotentials; ++one) {
                int cycle = 1;
                for (Potential other = 0; other < kPotentials && Holds(grid, one); ++other) {
                    const bool together = one != other && Holds(grid, other) &&
                                          closures[static_cast<std::size_t>(one)][other] &&
                                          closures[static_cast<std::size_t>(other)][one];
                    cycle += together ? 1 : 0;
                    wrong += one != other && reach.OnACycle(one, other) != together;
                }
                wrong += Holds(grid, one) && reach.CycleSize(one) != cycle;
            }
            for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
                std::vector<Potential> sources;
                Potentials common;
                common.set();
                bool absurd = false;
                for (const int digit : Bits::Indices(grid.candidates[cell])) {
                    const Potential on = PotentialOf(cell, digit, true);
                    sources.push_back(on);
                    common &= closures[static_cast<std::size_t>(on)];
                    absurd = absurd || Absurd(closures[static_cast<std::size_t>(on)]);
                }
                if (!sources.empty()) {
                    const bool meet = absurd || common.any();
                    meetings += meet ? 1 : 0;
                    wrong += reach.MayMeet(sources) != meet;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    // The positions have chains to find: the answers are not all "no".
    EXPECT_GT(leads, 0);
    EXPECT_GT(meetings, 0);
}

// A loop's links are the step's links of its kind, less the "offs" that turn nothing on; an "on"
// turns off its peers' digit in every kind. Asked in a shuffled order, after a search of another
// kind, so that what one search took can't stand in for the next.
TEST(LoopLinks, AreTheLinksOfTheKindThatCanComeBack) {
    StaticLinks links;
    LoopLinks loops;
    int wrong = 0;
    int listed = 0;
    for (const Grid& grid : OpenGrids()) {
        links.Build(grid);
        for (const Links kinds : {Links{true, true}, Links{false, true}, Links{true, false}}) {
            loops.Start(links, kinds);
            for (Potential at = 0; at < kPotentials; ++at) {
                const Potential potential = (at * 37) % kPotentials;
                if (!Holds(grid, potential)) {
                    continue;
                }
                std::vector<Potential> expected;
                for (const bool byCell : {true, false}) {
                    const bool follows = byCell ? kinds.cell : kinds.region || IsOn(potential);
                    for (const StaticLinks::Next& next :
                         follows ? (byCell ? links.ByCell(potential) : links.ByRegion(potential))
                                 : std::span<const StaticLinks::Next>()) {
                        const bool onward =
                            (kinds.cell && !links.ByCell(next.potential).empty()) ||
                            (kinds.region && !links.ByRegion(next.potential).empty());
                        if (!IsOn(potential) || onward) {
                            expected.push_back(next.potential);
                        }
                    }
                }
                const std::span<const Potential> from = loops.From(potential);
                wrong += !std::equal(from.begin(), from.end(), expected.begin(), expected.end());
                listed += static_cast<int>(from.size());
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(listed, 0);
}

// Whether a chain through the digit's regions, followed as the rating follows it (each "off"
// taken off the grid once its consequences are known), meets a candidate both on and off.
bool ChainContradicts(const Grid& grid, Potential source) {
    const Links regions{false, true};
    Grid work = grid;
    Pool pool;
    Derived on;
    Derived off;
    Nodes out;
    std::deque<int> pendingOn;
    std::deque<int> pendingOff;
    const int seed = pool.Add(source, Cause::Assumed, -1);
    (IsOn(source) ? on : off).Add(source, seed);
    (IsOn(source) ? pendingOn : pendingOff).push_back(seed);
    while (!pendingOn.empty() || !pendingOff.empty()) {
        const bool turningOff = !pendingOn.empty();
        std::deque<int>& pending = turningOff ? pendingOn : pendingOff;
        const int node = pending.front();
        pending.pop_front();
        const Potential potential = pool.At(node).potential;
        if (turningOff) {
            OnToOff(work, off, pool, node, regions, out);
        } else {
            OffToOn(work, grid, off, on, pool, node, regions, out);
            work.Remove(CellOf(potential), DigitOf(potential));
        }
        Derived& made = turningOff ? off : on;
        const Derived& opposite = turningOff ? on : off;
        for (const int next : out) {
            const Potential reached = pool.At(next).potential;
            if (opposite.Has(Opposite(reached))) {
                return true;
            }
            if (!made.Has(reached)) {
                made.Add(reached, next);
                (turningOff ? pendingOff : pendingOn).push_back(next);
            }
        }
    }
    return false;
}

// A chain lists each peer of a cell once, through the first of the cell's block, row and column
// that holds it: every peer in exactly one region's positions, and no other cell.
TEST(Implications, MeetsEachPeerThroughTheFirstRegionItShares) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        std::array<int, GridGeometry::kCells> metThrough{};
        metThrough.fill(-1);
        for (std::size_t kind = 0; kind < 3; ++kind) {
            const int region = GridGeometry::kPlacesOfCell[cell][kind].region;
            for (const int position : Bits::Indices(kFirstMet[cell][kind])) {
                const int peer = GridGeometry::kCellsOfRegion[region][position];
                if (peer != cell) {
                    EXPECT_EQ(metThrough[peer], -1) << "cell " << cell << " peer " << peer;
                    metThrough[peer] = static_cast<int>(kind);
                }
            }
        }
        for (int other = 0; other < GridGeometry::kCells; ++other) {
            int first = -1;
            for (std::size_t kind = 0; kind < 3 && first < 0 && other != cell; ++kind) {
                const int region = GridGeometry::kPlacesOfCell[cell][kind].region;
                first = kRegionCells[region].Has(other) ? static_cast<int>(kind) : -1;
            }
            EXPECT_EQ(metThrough[other], first) << "cell " << cell << " other " << other;
        }
    }
}

// The links worked out once for a step are those a chain takes one potential at a time, in the
// same order and for the same reasons; a candidate the grid lacks has none.
TEST(StaticLinks, AreTheImplicationStepsOfTheGrid) {
    StaticLinks links;
    Pool pool;
    const Derived none;
    Nodes out;
    for (const Grid& grid : OpenGrids()) {
        links.Build(grid);
        for (Potential potential = 0; potential < kPotentials; ++potential) {
            std::vector<std::pair<Potential, Cause>> stepped;
            if (Holds(grid, potential)) {
                pool.Clear();
                const int node = pool.Add(potential, Cause::Assumed, -1);
                if (IsOn(potential)) {
                    OnToOff(grid, none, pool, node, {}, out);
                } else {
                    OffToOn(grid, grid, none, none, pool, node, {}, out);
                }
                for (const int next : out) {
                    stepped.emplace_back(pool.At(next).potential, pool.At(next).cause);
                }
            }
            std::vector<std::pair<Potential, Cause>> built;
            for (const auto nexts : {links.ByCell(potential), links.ByRegion(potential)}) {
                for (const StaticLinks::Next& next : nexts) {
                    built.emplace_back(next.potential, next.cause);
                }
            }
            ASSERT_EQ(built, stepped) << potential;
        }
    }
}

// A kept set answers as the set it was made from, of every size, and forgets the one kept
// before it.
TEST(KeptDerived, AnswersAsTheSetItKeeps) {
    std::mt19937 random(11);
    std::vector<Potential> all(kPotentials);
    std::iota(all.begin(), all.end(), 0);
    KeptDerived kept;
    for (const std::size_t size : {std::size_t{300}, std::size_t{0}, all.size(), std::size_t{5}}) {
        std::shuffle(all.begin(), all.end(), random);
        Derived derived;
        for (const Potential potential : std::span(all).first(size)) {
            derived.Add(potential, static_cast<int>(random() % 100000));
        }
        kept.Keep(derived);
        EXPECT_TRUE(std::ranges::equal(kept.Order(), derived.Order())) << size;
        for (Potential potential = 0; potential < kPotentials; ++potential) {
            const auto at = static_cast<std::size_t>(potential);
            const bool bit = (kept.AsBits()[at / 64] >> (at % 64) & 1U) != 0;
            ASSERT_EQ(bit, derived.Has(potential)) << size << " " << potential;
            if (derived.Has(potential)) {
                ASSERT_EQ(kept.NodeOf(potential), derived.NodeOf(potential)) << potential;
            }
        }
    }
}

TEST(DigitPlaces, ContradictsWhereTheChainDoes) {
    DigitPlaces places;
    int wrong = 0;
    int contradictions = 0;
    for (const Grid& grid : OpenGrids()) {
        places.Build(grid);
        for (Potential source = 0; source < kPotentials; ++source) {
            if (!Holds(grid, source)) {
                continue;
            }
            const bool expected = ChainContradicts(grid, source);
            contradictions += expected ? 1 : 0;
            wrong += places.Contradicts(CellOf(source), DigitOf(source), IsOn(source)) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(contradictions, 0);
}

}  // namespace
}  // namespace Novem::Ladder
