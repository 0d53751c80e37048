#include "SearchMemory.h"

#include "Families.h"

namespace Novem::Ladder {

DigitMemory::Cells DigitMemory::CellsOf(const Board& board, int digit) {
    return {board.CellsOf(digit), board.CellsOf(digit) & board.Open()};
}

unsigned DigitMemory::Changed(const Board& board) const {
    if (!m_fruitless) {
        return GridGeometry::kAllDigits;
    }
    unsigned changed = 0;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        const bool same = CellsOf(board, digit) == (*m_fruitless)[static_cast<std::size_t>(digit)];
        changed |= same ? 0U : 1U << digit;
    }
    return changed;
}

void DigitMemory::Keep(const Board& board) {
    m_fruitless.emplace();
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        (*m_fruitless)[static_cast<std::size_t>(digit)] = CellsOf(board, digit);
    }
}

CellMask CellMemory::Changed(const OpenCells& open) const {
    if (!m_fruitless) {
        return kAllCells;
    }
    CellMask changed;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        changed |= open.candidates[cell] != m_fruitless->candidates[cell] ? CellMask::Of(cell)
                                                                          : CellMask();
    }
    return changed;
}

std::optional<Step> LoopMemory::Search(const Board& board) {
    const OpenCells open(board);
    DigitPairs pairs = kAllDigitPairs;
    if (m_fruitless) {
        DigitPairs touched = 0;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const unsigned was = m_fruitless->open.candidates[cell];
            const unsigned is = open.candidates[cell];
            touched |= was != is ? kDigitPairsOf[was] | kDigitPairsOf[is] : 0;
        }
        pairs = touched | (kAllDigitPairs & ~m_fruitless->loopless);
    }
    DigitPairs looped = 0;
    std::optional<Step> step = FindUniqueLoopOfPairs(open, pairs, looped);
    if (!step) {
        m_fruitless = Fruitless{open, kAllDigitPairs & ~looped};
    }
    return step;
}

GridGeometry::RegionMask RegionMemory::Changed(const BasicMoves& basic) const {
    if (!m_fruitless) {
        return BasicMoves::kEveryRegion;
    }
    const CellMask placed =
        (basic.Placed() - m_fruitless->placed) | (m_fruitless->placed - basic.Placed());
    GridGeometry::RegionMask changed = 0;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const bool same = basic.Candidates().Candidates(cell) == m_fruitless->candidates[cell] &&
                          !placed.Has(cell);
        changed |= same ? 0U : GridGeometry::kRegionsOfCell[cell];
    }
    return changed;
}

void RegionMemory::Keep(const BasicMoves& basic) {
    Cells& cells = m_fruitless.emplace();
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        cells.candidates[cell] = basic.Candidates().Candidates(cell);
    }
    cells.placed = basic.Placed();
}

std::optional<Step> SearchMemory::Fish(const Board& board, int size) {
    return m_fish[static_cast<std::size_t>(size - 2)].Search(
        board,
        [&](const Board& grid, unsigned digits) { return FindFishOfSize(grid, size, digits); });
}

std::optional<Step> SearchMemory::FinnedFishUpToSwordfish(const Board& board) {
    return m_finnedUpToSwordfish.Search(board, [](const Board& grid, unsigned digits) {
        return FindFinnedFishOfSizes(grid, 2, 3, digits);
    });
}

std::optional<Step> SearchMemory::FinnedJellyfish(const Board& board) {
    return m_finnedJellyfish.Search(board, [](const Board& grid, unsigned digits) {
        return FindFinnedFishOfSizes(grid, 4, 4, digits);
    });
}

std::optional<Step> SearchMemory::SingleDigitPattern(const Board& board) {
    return m_singleDigit.Search(board, FindSingleDigitPattern);
}

std::optional<Step> SearchMemory::AlignedPairExclusion(const Board& board) {
    return m_alignedPairs.Search(board, [](const OpenCells& open, const CellMask& changed) {
        return FindAlignedExclusionNear(open, 2, changed);
    });
}

std::optional<Step> SearchMemory::AlignedTripletExclusion(const Board& board) {
    return m_alignedTriplets.Search(board, [](const OpenCells& open, const CellMask& changed) {
        return FindAlignedExclusionNear(open, 3, changed);
    });
}

std::optional<Step> SearchMemory::UniqueLoop(const Board& board) {
    return m_uniqueLoops.Search(board);
}

std::optional<BasicMove> SearchMemory::NakedSubset(const BasicMoves& basic, int size) {
    return m_nakedSubsets[static_cast<std::size_t>(size - 2)].Search(
        basic, [&](GridGeometry::RegionMask regions) { return basic.NakedSubset(size, regions); });
}

std::optional<BasicMove> SearchMemory::HiddenSubset(const BasicMoves& basic, int size,
                                                    bool direct) {
    return m_hiddenSubsets[direct ? 1 : 0][static_cast<std::size_t>(size - 2)].Search(
        basic, [&](GridGeometry::RegionMask regions) {
            return basic.HiddenSubset(size, direct, regions);
        });
}

}  // namespace Novem::Ladder
