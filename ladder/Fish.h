#pragma once

#include <array>

#include "Board.h"
#include "Step.h"
#include "model/GridGeometry.h"

// What the fish of both families share: a digit's positions in the lines of one kind, rows or
// columns, that serve as the base, the combinations of such lines, and the step a fish makes.
namespace Novem::Ladder::FishLines {

struct Lines {
    // The first region of the base lines' kind, and of the cover lines' kind.
    int firstBase;
    int firstCover;
    // For each base line, bit k for the line's k-th cell: the k-th cover line.
    std::array<unsigned, GridGeometry::kSize> positions;
};

inline Lines Of(const Board& board, int digit, bool rowsAsBase) {
    Lines lines{rowsAsBase ? GridGeometry::kFirstRow : GridGeometry::kFirstColumn,
                rowsAsBase ? GridGeometry::kFirstColumn : GridGeometry::kFirstRow,
                {}};
    for (int line = 0; line < GridGeometry::kSize; ++line) {
        lines.positions[line] = board.Positions(lines.firstBase + line, digit);
    }
    return lines;
}

// Calls visit(lines) for each set of `size` base lines, as a mask, in ascending order of the
// masks, among the lines where the digit has at least two places and at most `most`.
template <typename Visit>
bool ForEachBase(const Lines& lines, int size, int most, Visit visit) {
    unsigned usable = 0;
    for (int line = 0; line < GridGeometry::kSize; ++line) {
        const int count = Bits::Count(lines.positions[line]);
        usable |= (count >= 2 && count <= most ? 1U : 0U) << line;
    }
    return Bits::ForEachSubsetOfSize(usable, size, visit);
}

// The cells where base and cover lines meet, and the cells of cover lines outside the base.
inline CellMask CellsOfLines(int first, unsigned lines) {
    CellMask cells;
    for (const int line : Bits::Indices(lines)) {
        cells |= kRegionCells[first + line];
    }
    return cells;
}

// A fish's step: its digit, its base and cover lines in ascending order, and the digit removed
// from `removed`.
inline Step StepOf(Technique technique, int digit, const Lines& lines, unsigned base,
                   unsigned cover, const CellMask& removed) {
    Step step{technique};
    step.digits = 1U << digit;
    CellMask baseCells;
    for (const int line : Bits::Indices(base)) {
        step.base.push_back(lines.firstBase + line);
        for (const int position : Bits::Indices(lines.positions[line])) {
            baseCells |=
                CellMask::Of(GridGeometry::kCellsOfRegion[lines.firstBase + line][position]);
        }
    }
    for (const int cell : baseCells) {
        step.baseCells.push_back(cell);
    }
    for (const int line : Bits::Indices(cover)) {
        step.cover.push_back(lines.firstCover + line);
    }
    for (const int cell : removed) {
        step.removals.push_back({cell, 1U << digit});
    }
    return step;
}

}  // namespace Novem::Ladder::FishLines
