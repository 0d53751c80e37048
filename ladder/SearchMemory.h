#pragma once

#include <array>
#include <optional>

#include "Board.h"
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

private:
    std::array<DigitMemory, 3> m_fish;
    DigitMemory m_finnedUpToSwordfish;
    DigitMemory m_finnedJellyfish;
    DigitMemory m_singleDigit;
    CellMemory m_alignedPairs;
    CellMemory m_alignedTriplets;
};

}  // namespace Novem::Ladder
