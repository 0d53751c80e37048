// Finned and sashimi fish. A fish whose base lines hold the digit outside the cover lines as well,
// in cells of one block (the fins), no longer proves that the cover lines take the digit in the
// base: either the fish holds, or a fin holds the digit. Cells of a cover line that lie in the
// fins' block see every fin and are in a cover line outside the base, so they lose the digit in
// both cases. A fish is sashimi when a base line holds the digit in only one cover line: without
// its fins it would not be a fish at all. Tried by size (2, 3, 4), digit, rows as the base before
// columns, base lines in ascending order, then the fins' stack or band and the covers in
// ascending order.
#include "Families.h"
#include "Fish.h"

namespace Novem::Ladder {

namespace {

constexpr Technique kFinnedBySize[] = {Technique::FinnedXWing, Technique::FinnedSwordfish,
                                       Technique::FinnedJellyfish};
constexpr Technique kSashimiBySize[] = {Technique::SashimiXWing, Technique::SashimiSwordfish,
                                        Technique::SashimiJellyfish};

// The block of every cell, or -1 when they lie in several.
int BlockOfAll(const CellMask& cells) {
    if (cells.Empty()) {
        return -1;
    }
    const int first = cells.First();
    const int block =
        GridGeometry::BlockOf(GridGeometry::RowOf(first), GridGeometry::ColumnOf(first));
    return (cells - kRegionCells[block]).Empty() ? block : -1;
}

// A finned fish on `base` whose fins lie in the stack (or band) `group` of the cover kind, if any.
// `all`: the cover lines where the base holds the digit.
std::optional<Step> WithFinsIn(const Board& board, int digit, int size,
                               const FishLines::Lines& lines, unsigned base, unsigned all,
                               int group) {
    const unsigned groupLines = 7U << (3 * group);
    const unsigned required = all & ~groupLines;
    const int missing = size - Bits::Count(required);
    if (missing < 0) {
        return std::nullopt;
    }
    const unsigned optional = all & groupLines;
    const CellMask baseCells =
        FishLines::CellsOfLines(lines.firstBase, base) & board.CellsOf(digit);
    // Every subset of the optional lines but all of them, from the empty one up.
    for (unsigned extra = 0; extra != optional; extra = ((extra | ~optional) + 1) & optional) {
        if (Bits::Count(extra) != missing) {
            continue;
        }
        const unsigned cover = required | extra;
        const CellMask fins = baseCells - FishLines::CellsOfLines(lines.firstCover, cover);
        const int block = BlockOfAll(fins);
        if (block == -1) {
            continue;
        }
        bool sashimi = false;
        bool everyLine = true;
        for (const int line : Bits::Indices(base)) {
            const int inCover = Bits::Count(lines.positions[line] & cover);
            everyLine = everyLine && inCover > 0;
            sashimi = sashimi || inCover == 1;
        }
        const CellMask removed = (FishLines::CellsOfLines(lines.firstCover, cover) &
                                  kRegionCells[block] & board.CellsOf(digit)) -
                                 FishLines::CellsOfLines(lines.firstBase, base);
        if (!everyLine || removed.Empty()) {
            continue;
        }
        Step step = FishLines::StepOf(sashimi ? kSashimiBySize[size - 2] : kFinnedBySize[size - 2],
                                      digit, lines, base, cover, removed);
        for (const int cell : fins) {
            step.fins.push_back(cell);
        }
        return step;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindFinnedFishOfSizes(const Board& board, int smallest, int largest,
                                          unsigned digits) {
    for (int size = smallest; size <= largest; ++size) {
        for (const int digit : Bits::Indices(digits)) {
            for (const bool rowsAsBase : {true, false}) {
                const FishLines::Lines lines = FishLines::Of(board, digit, rowsAsBase);
                std::optional<Step> found;
                FishLines::ForEachBase(lines, size, size + 3, [&](unsigned base) {
                    unsigned all = 0;
                    for (const int line : Bits::Indices(base)) {
                        all |= lines.positions[line];
                    }
                    // Fins need lines beyond the cover, and lie in at most the three of one
                    // group.
                    const int spread = Bits::Count(all);
                    if (spread <= size || spread > size + 3) {
                        return false;
                    }
                    for (int group = 0; !found && group < 3; ++group) {
                        found = WithFinsIn(board, digit, size, lines, base, all, group);
                    }
                    return found.has_value();
                });
                if (found) {
                    return found;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> FindFinnedFish(const Board& board) {
    return FindFinnedFishOfSizes(board, 2, 4);
}

}  // namespace Novem::Ladder
