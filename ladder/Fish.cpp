// Basic fish: X-wing, swordfish and jellyfish. When a digit's places in N rows (the base) all lie
// in N columns (the cover), the N rows take the digit N times, once in each of those columns, so
// no other cell of the cover columns can hold it. The same holds with columns as the base and rows
// as the cover. Tried as the rating scale tries them: columns as the base before rows, then the
// base lines in ascending order of their masks, then digits, each digit placed at most 9 - 2N
// times; every base line holds the digit in two places or more.
#include "Fish.h"

#include "Families.h"

namespace Novem::Ladder {

namespace {

constexpr Technique kBySize[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};

std::optional<Step> FindOf(const Board& board, const FishLines::Lines& lines, int digit, int size,
                           unsigned base) {
    unsigned cover = 0;
    for (const int line : Bits::Indices(base)) {
        if (Bits::Count(lines.positions[line]) < 2) {
            return std::nullopt;
        }
        cover |= lines.positions[line];
    }
    if (Bits::Count(cover) != size) {
        return std::nullopt;
    }
    const CellMask removed = FishLines::CellsOfLines(lines.firstCover, cover) -
                             FishLines::CellsOfLines(lines.firstBase, base);
    const CellMask cells = removed & board.CellsOf(digit);
    if (cells.Empty()) {
        return std::nullopt;
    }
    return FishLines::StepOf(kBySize[size - 2], digit, lines, base, cover, cells);
}

}  // namespace

std::optional<Step> FindFishOfSize(const Board& board, int size, unsigned digits) {
    for (const bool rowsAsBase : {false, true}) {
        std::array<FishLines::Lines, GridGeometry::kSize> lines{};
        // By digit, the lines that could be in its base: of two places up to `size`.
        std::array<unsigned, GridGeometry::kSize> usable{};
        unsigned anyUsable = 0;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            const auto at = static_cast<std::size_t>(digit);
            lines[at] = FishLines::Of(board, digit, rowsAsBase);
            const int placed = (board.CellsOf(digit) - board.Open()).Count();
            if ((digits >> digit & 1U) == 0 || placed + 2 * size > GridGeometry::kSize) {
                continue;
            }
            for (int line = 0; line < GridGeometry::kSize; ++line) {
                const int count = Bits::Count(lines[at].positions[line]);
                usable[at] |= (count >= 2 && count <= size ? 1U : 0U) << line;
            }
            anyUsable |= usable[at];
        }
        std::optional<Step> found;
        Bits::ForEachSubsetOfSize(anyUsable, size, [&](unsigned base) {
            for (int digit = 0; digit < GridGeometry::kSize && !found; ++digit) {
                const auto at = static_cast<std::size_t>(digit);
                if ((base & ~usable[at]) == 0) {
                    found = FindOf(board, lines[at], digit, size, base);
                }
            }
            return found.has_value();
        });
        if (found) {
            return found;
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
