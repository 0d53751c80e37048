#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "Board.h"

// Chains of implications as Sudoku Explainer builds them for its rating scale: every candidate
// assumed true ("on") or false ("off"), its consequences found breadth first in the scale's own
// order, each with the implications it follows from, so that a chain's complexity (the distinct
// implications its conclusion rests on) is the scale's to the node. The scale's path takes the
// least complex of all the hints a chain rule finds, so the order decides the rating.
namespace Novem::Ladder::Implications {

// A candidate assumed on or off: (cell * 9 + digit) * 2, plus 1 for on.
using Potential = int;

inline constexpr int kPotentials = GridGeometry::kCells * GridGeometry::kSize * 2;

constexpr Potential PotentialOf(int cell, int digit, bool on) {
    return (cell * GridGeometry::kSize + digit) * 2 + (on ? 1 : 0);
}
// By potential, its digit: chain rules ask it millions of times a step, and a small table
// answers sooner than the division.
inline constexpr std::array<std::uint8_t, kPotentials> kDigitOf = [] {
    std::array<std::uint8_t, kPotentials> digits{};
    for (std::size_t potential = 0; potential < digits.size(); ++potential) {
        digits[potential] = static_cast<std::uint8_t>(potential / 2 % GridGeometry::kSize);
    }
    return digits;
}();

// Potentials are never negative: unsigned arithmetic spares the sign's corrections.
constexpr int CellOf(Potential potential) {
    return static_cast<int>(static_cast<unsigned>(potential) / (2 * GridGeometry::kSize));
}
constexpr int DigitOf(Potential potential) {
    return kDigitOf[static_cast<std::size_t>(potential)];
}
constexpr bool IsOn(Potential potential) {
    return (potential & 1) != 0;
}
constexpr Potential Opposite(Potential potential) {
    return potential ^ 1;
}

// By cell and kind of region (block, row, column), the positions of the cell's region of that
// kind that none of its regions of the kinds before holds: a peer is met once, through the first
// region the two share, as the scale lists them.
inline constexpr std::array<std::array<unsigned, 3>, GridGeometry::kCells> kFirstMet = [] {
    using GridGeometry::kCellsOfRegion;
    using GridGeometry::kPlacesOfCell;
    std::array<std::array<unsigned, 3>, GridGeometry::kCells> firstMet{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (std::size_t kind = 0; kind < 3; ++kind) {
            const int region = kPlacesOfCell[cell][kind].region;
            for (int position = 0; position < GridGeometry::kSize; ++position) {
                bool metBefore = false;
                for (std::size_t before = 0; before < kind; ++before) {
                    for (const int other : kCellsOfRegion[kPlacesOfCell[cell][before].region]) {
                        metBefore = metBefore || other == kCellsOfRegion[region][position];
                    }
                }
                firstMet[cell][kind] |= metBefore ? 0U : 1U << position;
            }
        }
    }
    return firstMet;
}();

// Why a potential follows from its first parent: the cell's other candidates (a naked single's
// link), or the digit's other places in a block, a row or a column; Assumed for an assumption;
// Advanced for what a rule applied inside a dynamic chain (+) removed.
enum class Cause : std::uint8_t { Assumed, Cell, Block, Row, Column, Advanced };

// The cause of a link through each of a cell's regions, in the order of its places.
inline constexpr std::array<Cause, 3> kRegionCauses = {Cause::Block, Cause::Row, Cause::Column};

// One derivation of a potential, in a pool: the potential, why, and its parents, the derivations
// it follows from (the first is the link it came by; in a dynamic chain the others are the
// candidates removed since the assumption that the link needs).
struct Node {
    Potential potential;
    Cause cause;
    int firstParent;
    int parentCount;
    // For an advanced node a chain rule found, that chain: an index the searching rule keeps.
    int nested;
    // The links from its assumption by first parents: the node rests on one potential more.
    int depth;
};

class Pool {
public:
    void Clear() {
        m_nodes.clear();
        m_parents.clear();
    }
    // Inline: a chain rule adds millions of nodes for one step.
    int Add(Potential potential, Cause cause, int parent) {
        const int depth = parent >= 0 ? At(parent).depth + 1 : 0;
        m_nodes.push_back({potential, cause, static_cast<int>(m_parents.size()), 0, -1, depth});
        const int node = static_cast<int>(m_nodes.size()) - 1;
        if (parent >= 0) {
            AddParent(node, parent);
        }
        return node;
    }
    // A node's parents are added right after it, before any other node takes parents.
    void AddParent(int node, int parent) {
        m_parents.push_back(parent);
        ++m_nodes[static_cast<std::size_t>(node)].parentCount;
    }
    void SetNested(int node, int nested) {
        m_nodes[static_cast<std::size_t>(node)].nested = nested;
    }
    const Node& At(int node) const { return m_nodes[static_cast<std::size_t>(node)]; }
    int Parent(int node, int k) const {
        return m_parents[static_cast<std::size_t>(At(node).firstParent + k)];
    }

private:
    std::vector<Node> m_nodes;
    std::vector<int> m_parents;
};

// The candidates as a chain sees them, by cell and by region: the grid of the step, or within a
// dynamic chain the grid less what its branch has turned off.
struct Grid {
    std::array<unsigned, GridGeometry::kCells> candidates{};
    // By region and digit, the positions that allow the digit.
    std::array<std::array<unsigned, GridGeometry::kSize>, GridGeometry::kRegions> positions{};

    static Grid Of(const Board& board);
    // The grid as the scale's chains see it: placed cells hold no candidates.
    static Grid OpenOf(const Board& board);
    void Remove(int cell, int digit) {
        candidates[cell] &= ~(1U << digit);
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            positions[place.region][digit] &= ~(1U << place.position);
        }
    }
};

// The implication steps of the grid, in the scale's order, each with its cause. Turning a
// candidate on turns off its cell's other digits, then its digit's other places in its block, row
// and column, each cell once.
template <typename Visit>
void OnLinksByCell(const Grid& grid, int cell, int digit, Visit visit) {
    for (const int other : Bits::Indices(grid.candidates[cell] & ~(1U << digit))) {
        visit(PotentialOf(cell, other, false), Cause::Cell);
    }
}
template <typename Visit>
void OnLinksByRegion(const Grid& grid, int cell, int digit, Visit visit) {
    for (std::size_t kind = 0; kind < GridGeometry::kPlacesOfCell[cell].size(); ++kind) {
        const GridGeometry::Place& place = GridGeometry::kPlacesOfCell[cell][kind];
        const unsigned others =
            grid.positions[place.region][digit] & ~(1U << place.position) & kFirstMet[cell][kind];
        for (const int position : Bits::Indices(others)) {
            visit(PotentialOf(GridGeometry::kCellsOfRegion[place.region][position], digit, false),
                  kRegionCauses[kind]);
        }
    }
}
// Turning one off turns on its cell's last candidate, then its digit's last place in each region
// where it has two, each cell once; `visit` is told that region.
template <typename Visit>
void OffLinksByCell(const Grid& grid, int cell, int digit, Visit visit) {
    const unsigned candidates = grid.candidates[cell];
    if (Bits::Two(candidates)) {
        visit(PotentialOf(cell, Bits::Lowest(candidates & ~(1U << digit)), true), Cause::Cell);
    }
}
template <typename Visit>
void OffLinksByRegion(const Grid& grid, int cell, int digit, Visit visit) {
    // Only a peer of the block is also in the row or the column: it is met there first.
    int blockPeer = -1;
    for (std::size_t kind = 0; kind < GridGeometry::kPlacesOfCell[cell].size(); ++kind) {
        const GridGeometry::Place& place = GridGeometry::kPlacesOfCell[cell][kind];
        const unsigned places = grid.positions[place.region][digit];
        if (!Bits::Two(places)) {
            continue;
        }
        const int peer =
            GridGeometry::kCellsOfRegion[place.region]
                                        [Bits::Lowest(places & ~(1U << place.position))];
        if (kind == 0) {
            blockPeer = peer;
        } else if (peer == blockPeer) {
            continue;
        }
        visit(PotentialOf(peer, digit, true), kRegionCauses[kind], place.region);
    }
}

// A set of potentials, each with the node that derived it, in the order they came. Cleared at
// once: a chain rule fills thousands of them for one step.
class Derived {
public:
    void Clear() {
        ++m_generation;
        m_count = 0;
    }
    bool Has(Potential potential) const {
        return m_stamp[static_cast<std::size_t>(potential)] == m_generation;
    }
    int NodeOf(Potential potential) const {
        return Has(potential) ? m_node[static_cast<std::size_t>(potential)] : -1;
    }
    void Add(Potential potential, int node) {
        if (!Has(potential)) {
            AddNew(potential, node);
        }
    }
    // A potential known to be new, as when a set is filled again from a copy.
    void AddNew(Potential potential, int node) {
        m_stamp[static_cast<std::size_t>(potential)] = m_generation;
        m_node[static_cast<std::size_t>(potential)] = node;
        m_order[m_count++] = potential;
    }
    std::span<const Potential> Order() const { return std::span(m_order).first(m_count); }

private:
    std::array<int, kPotentials> m_node{};
    std::array<std::uint32_t, kPotentials> m_stamp{};
    std::uint32_t m_generation = 1;
    std::array<Potential, kPotentials> m_order{};
    std::size_t m_count = 0;
};

// A derived set kept to be read again, compact: its potentials in order, as bits for sets
// compared whole, and the node of each by its rank among the bits.
class KeptDerived {
public:
    using Words = std::array<std::uint64_t, (kPotentials + 63) / 64>;

    void Keep(const Derived& derived) {
        m_order.assign(derived.Order().begin(), derived.Order().end());
        m_bits = {};
        for (const Potential potential : m_order) {
            const auto at = static_cast<std::size_t>(potential);
            m_bits[at / 64] |= std::uint64_t{1} << (at % 64);
        }
        m_nodes.resize(m_order.size());
        std::size_t rank = 0;
        for (std::size_t word = 0; word < m_bits.size(); ++word) {
            m_ranks[word] = static_cast<std::uint16_t>(rank);
            for (const int bit : Bits::Indices(m_bits[word])) {
                m_nodes[rank++] = derived.NodeOf(static_cast<Potential>(word * 64) + bit);
            }
        }
    }
    std::span<const Potential> Order() const { return m_order; }
    const Words& AsBits() const { return m_bits; }
    // Of a potential the set has.
    int NodeOf(Potential potential) const {
        const auto at = static_cast<std::size_t>(potential);
        const std::uint64_t below = m_bits[at / 64] & ((std::uint64_t{1} << (at % 64)) - 1);
        return m_nodes[m_ranks[at / 64] + static_cast<std::size_t>(std::popcount(below))];
    }

private:
    std::vector<Potential> m_order;
    Words m_bits{};
    std::array<std::uint16_t, std::tuple_size_v<Words>> m_ranks{};
    std::vector<int> m_nodes;
};

// A set of potentials without their order or nodes, for a search that only asks whether it met
// one. Cleared in constant time.
class Marks {
public:
    void Clear() { ++m_generation; }
    bool Has(Potential potential) const {
        return m_stamp[static_cast<std::size_t>(potential)] == m_generation;
    }
    void Add(Potential potential) { m_stamp[static_cast<std::size_t>(potential)] = m_generation; }

private:
    std::array<std::uint32_t, kPotentials> m_stamp{};
    std::uint32_t m_generation = 1;
};

// Which links a chain follows from an "on" potential and from an "off" one: cell links (the
// other candidates of a cell go; a cell's last but one candidate going leaves the last on) and
// region links (the same for a digit's places in a region).
struct Links {
    bool cell = true;
    bool region = true;

    bool operator==(const Links&) const = default;
};

// The nodes one potential leads to: at most its cell's eight other digits and its twenty peers.
class Nodes {
public:
    void clear() { m_size = 0; }
    void push_back(int node) { m_items[m_size++] = node; }
    const int* begin() const { return m_items.data(); }
    const int* end() const { return m_items.data() + m_size; }

private:
    std::array<int, 28> m_items{};
    std::size_t m_size = 0;
};

// What turning a potential on turns off, and turning one off turns on, as new nodes of the pool
// with the potential's node as first parent, in the scale's order: the cell's other digits, then
// the digit's other places in the block, the row and the column. Those `known` has already are
// left out: a chain takes each potential the first way it comes. `source` is the grid before the
// chain: in a dynamic chain, where `grid` has lost candidates, an "on" also rests on every
// candidate of its cell (or of its digit in its region) that went since, found in `off`.
void OnToOff(const Grid& grid, const Derived& known, Pool& pool, int node, Links links, Nodes& out);
void OffToOn(const Grid& grid, const Grid& source, const Derived& off, const Derived& known,
             Pool& pool, int node, Links links, Nodes& out);

}  // namespace Novem::Ladder::Implications
