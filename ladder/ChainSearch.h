#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "Board.h"
#include "Step.h"

namespace Novem::Ladder {

// Finds the shortest alternating chains that prove a candidate false. A chain starts with a
// candidate Z assumed true; Z's weak links make candidates false, their strong links make others
// true, and so on; when a candidate made true sees Z (a weak link back to Z), Z can't be true.
// The chain between the first candidate made false and the last made true is then an alternating
// inference chain whose two ends can't both be false: whatever sees both ends is false.
class ChainSearch {
public:
    // Which links a chain may use, and which digits its candidates may have.
    struct Rules {
        bool cellStrong = false;
        bool regionStrong = false;
        bool cellWeak = false;
        bool regionWeak = false;
        // Only candidates in cells with two: the chains of bivalue cells.
        bool bivalueOnly = false;
        unsigned digits = GridGeometry::kAllDigits;
        // The fewest and the most strong links a chain may have.
        int fewestStrong = 1;
        int mostStrong = 8;
    };

    // A chain from the first candidate made false to the last made true, with the links between
    // them, and the candidate it proves false.
    struct Chain {
        std::vector<Candidate> nodes;
        std::vector<Link> links;
        Candidate target;
    };

    ChainSearch(const Board& board, const Rules& rules);

    // The shortest chain, the first target in cell and digit order among the shortest, or none.
    std::optional<Chain> Find() const;

    // Whether the rules allow a weak link between the two candidates.
    bool WeakLinked(const Candidate& a, const Candidate& b) const;

private:
    using Candidates = std::array<CellMask, GridGeometry::kSize>;

    // The usable candidates, in cell and digit order, with their partners by index: weak, and
    // strong.
    struct Graph {
        std::vector<Candidate> nodes;
        std::vector<int> weak;
        std::vector<std::size_t> weakBegin;
        std::vector<int> strong;
        std::vector<std::size_t> strongBegin;

        std::span<const int> Weak(std::size_t node) const {
            return std::span(weak).subspan(weakBegin[node], weakBegin[node + 1] - weakBegin[node]);
        }
        std::span<const int> Strong(std::size_t node) const {
            return std::span(strong).subspan(strongBegin[node],
                                             strongBegin[node + 1] - strongBegin[node]);
        }
    };

    Graph LinkGraph() const;
    // The chain that proves the target, a node of the graph, false in so many layers.
    Chain Trace(const Graph& graph, int target, int layers) const;

    Rules m_rules;
    // The candidates the chains may use.
    Candidates m_usable{};
    // The strong links: by digit, the regions where it has two places; by cell, both digits
    // where the cell has two.
    std::array<GridGeometry::RegionMask, GridGeometry::kSize> m_strongRegions{};
    std::array<unsigned, GridGeometry::kCells> m_cellPartner{};
};

}  // namespace Novem::Ladder
