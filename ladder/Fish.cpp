// Basic fish: X-wing, swordfish and jellyfish. When a digit's places in N rows (the base) all lie
// in N columns (the cover), the N rows take the digit N times, once in each of those columns, so
// no other cell of the cover columns can hold it. The same holds with columns as the base and rows
// as the cover. Tried by size (2, 3, 4), then digit, then rows as the base before columns, then
// the base lines in ascending order.
#include "Fish.h"

#include "Families.h"

namespace Novem::Ladder {

namespace {

constexpr Technique kBySize[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};

std::optional<Step> FindOf(const Board& board, int digit, int size, bool rowsAsBase) {
    const FishLines::Lines lines = FishLines::Of(board, digit, rowsAsBase);
    std::optional<Step> found;
    FishLines::ForEachBase(lines, size, size, [&](unsigned base) {
        unsigned cover = 0;
        for (const int line : Bits::Indices(base)) {
            cover |= lines.positions[line];
        }
        if (Bits::Count(cover) != size) {
            return false;
        }
        const CellMask removed = FishLines::CellsOfLines(lines.firstCover, cover) -
                                 FishLines::CellsOfLines(lines.firstBase, base);
        const CellMask cells = removed & board.CellsOf(digit);
        if (cells.Empty()) {
            return false;
        }
        found = FishLines::StepOf(kBySize[size - 2], digit, lines, base, cover, cells);
        return true;
    });
    return found;
}

}  // namespace

std::optional<Step> FindFishOfSize(const Board& board, int size) {
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        for (const bool rowsAsBase : {true, false}) {
            if (std::optional<Step> step = FindOf(board, digit, size, rowsAsBase)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> FindFish(const Board& board) {
    for (int size = 2; size <= 4; ++size) {
        if (std::optional<Step> step = FindFishOfSize(board, size)) {
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
