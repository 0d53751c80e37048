#pragma once

#include <array>
#include <optional>

#include "BasicMoves.h"
#include "Board.h"
#include "DigitPairs.h"
#include "OpenCells.h"
#include "Step.h"

// What a path's searches last found nothing in. A step changes a few candidates and leaves the
// rest of the grid as it was, and a search that found nothing there finds nothing there again; so
// each search looks again only where the candidates changed since. It finds what a search of the
// whole grid finds, in any grid, whichever grids came before.
namespace Novem::Ladder {

// For the searches whose patterns are of one digit each: by digit, its cells and which of them
// are open, as the last search that found nothing saw them.
class DigitMemory {
public:
    // Calls find(board, digits) with the digits whose cells changed since then, or all of them.
    template <typename Find>
    std::optional<Step> Search(const Board& board, Find find) {
        std::optional<Step> step = find(board, Changed(board));
        if (!step) {
            Keep(board);
        }
        return step;
    }

private:
    unsigned Changed(const Board& board) const;
    void Keep(const Board& board);

    struct Cells {
        CellMask all;
        CellMask open;
        bool operator==(const Cells&) const = default;
    };
    static Cells CellsOf(const Board& board, int digit);

    std::optional<std::array<Cells, GridGeometry::kSize>> m_fruitless;
};

// For aligned exclusion: the candidates of every open cell.
class CellMemory {
public:
    // Calls find(open, changed) with the cells whose candidates changed since then, or all.
    template <typename Find>
    std::optional<Step> Search(const Board& board, Find find) {
        OpenCells open(board);
        std::optional<Step> step = find(open, Changed(open));
        if (!step) {
            m_fruitless = open;
        }
        return step;
    }

private:
    CellMask Changed(const OpenCells& open) const;

    std::optional<OpenCells> m_fruitless;
};

// For unique loops: the candidates of every open cell, and the pairs of digits that made no loop
// there. A pair's loops pass only cells with both its digits and read only their candidates, so
// a pair none of whose such cells changed makes none again.
class LoopMemory {
public:
    std::optional<Step> Search(const Board& board);

private:
    struct Fruitless {
        OpenCells open;
        DigitPairs loopless;
    };
    std::optional<Fruitless> m_fruitless;
};

// For the subsets, whose every region's answer depends on its own cells alone: every cell's
// candidates, and which cells are placed.
class RegionMemory {
public:
    // Calls find(regions) with the regions where a cell changed since then, or all of them.
    template <typename Find>
    std::optional<BasicMove> Search(const BasicMoves& basic, Find find) {
        std::optional<BasicMove> move = find(Changed(basic));
        if (!move) {
            Keep(basic);
        }
        return move;
    }

private:
    GridGeometry::RegionMask Changed(const BasicMoves& basic) const;
    void Keep(const BasicMoves& basic);

    struct Cells {
        std::array<unsigned, GridGeometry::kCells> candidates;
        CellMask placed;
    };
    std::optional<Cells> m_fruitless;
};

// The searches of a path that remember.
class SearchMemory {
public:
    // Basic fish of 2, 3 or 4 lines.
    std::optional<Step> Fish(const Board& board, int size);
    std::optional<Step> FinnedFishUpToSwordfish(const Board& board);
    std::optional<Step> FinnedJellyfish(const Board& board);
    std::optional<Step> SingleDigitPattern(const Board& board);
    std::optional<Step> AlignedPairExclusion(const Board& board);
    std::optional<Step> AlignedTripletExclusion(const Board& board);
    std::optional<Step> UniqueLoop(const Board& board);
    // Of 2, 3 or 4 cells, or digits.
    std::optional<BasicMove> NakedSubset(const BasicMoves& basic, int size);
    std::optional<BasicMove> HiddenSubset(const BasicMoves& basic, int size, bool direct);

private:
    std::array<DigitMemory, 3> m_fish;
    DigitMemory m_finnedUpToSwordfish;
    DigitMemory m_finnedJellyfish;
    DigitMemory m_singleDigit;
    CellMemory m_alignedPairs;
    CellMemory m_alignedTriplets;
    LoopMemory m_uniqueLoops;
    std::array<RegionMemory, 3> m_nakedSubsets;
    // Not direct, then direct.
    std::array<std::array<RegionMemory, 3>, 2> m_hiddenSubsets;
};

}  // namespace Novem::Ladder
