#include "ChainBaseSet.h"

#include <algorithm>

namespace Novem::Ladder::Implications {

namespace {

using GridGeometry::kCellsOfRegion;
using GridGeometry::kFirstColumn;
using GridGeometry::kFirstRow;
using GridGeometry::kSize;

constexpr int kBlocks = 0;

int OpenCount(int region, const Decided& decided) {
    return kSize - (kRegionCells[region] & decided.cells).Count();
}

// The candidates of `digit` at `positions` of the region that the chain has removed.
void Removed(const Grid& grid, const Grid& source, int region, int digit, unsigned positions,
             std::vector<Potential>& parents) {
    const unsigned gone = source.positions[region][digit] & ~grid.positions[region][digit];
    for (const int position : Bits::Indices(gone & positions)) {
        parents.push_back(PotentialOf(kCellsOfRegion[region][position], digit, false));
    }
}

void Offer(RuleHint& hint, std::vector<RuleHint>& out) {
    if (!hint.removals.empty()) {
        out.push_back(std::move(hint));
    }
    hint = RuleHint();
}

// The positions, within a region, of its crossing with another.
constexpr auto kCrossingPositions = [] {
    std::array<std::array<unsigned, GridGeometry::kRegions>, GridGeometry::kRegions> crossing{};
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        for (int other = 0; other < GridGeometry::kRegions; ++other) {
            for (int position = 0; position < kSize; ++position) {
                if (kRegionCells[other].Has(kCellsOfRegion[region][position])) {
                    crossing[region][other] |= 1U << position;
                }
            }
        }
    }
    return crossing;
}();

// A digit confined within a region to its crossing with another goes from the rest of that one.
// A chain takes in only what rests on its removals, so a confinement it did not bring about is
// passed over.
void Locking(const Grid& grid, const Grid& source, const Changes& changes,
             std::vector<RuleHint>& out) {
    constexpr std::array<std::pair<int, int>, 4> kPasses = {{{kBlocks, kFirstColumn},
                                                             {kBlocks, kFirstRow},
                                                             {kFirstColumn, kBlocks},
                                                             {kFirstRow, kBlocks}}};
    RuleHint hint;
    for (const auto& [firstKind, secondKind] : kPasses) {
        for (int first = firstKind; first < firstKind + kSize; ++first) {
            const unsigned changed = changes[static_cast<std::size_t>(first)];
            for (int second = secondKind; second < secondKind + kSize && changed != 0; ++second) {
                const unsigned crossing = kCrossingPositions[first][second];
                if (crossing == 0) {
                    continue;
                }
                for (const int digit : Bits::Indices(changed)) {
                    const unsigned positions = grid.positions[first][digit];
                    const unsigned gone = source.positions[first][digit] & ~positions & ~crossing;
                    if (gone == 0 || Bits::Count(positions) < 2 || (positions & ~crossing) != 0) {
                        continue;
                    }
                    for (const int position : Bits::Indices(grid.positions[second][digit])) {
                        const int cell = kCellsOfRegion[second][position];
                        if (!kRegionCells[first].Has(cell)) {
                            hint.removals.push_back(PotentialOf(cell, digit, false));
                        }
                    }
                    if (!hint.removals.empty()) {
                        Removed(grid, source, first, digit, ~crossing, hint.parents);
                    }
                    Offer(hint, out);
                }
            }
        }
    }
}

// Blocks, then columns, then rows, as the scale's subset rules take them.
constexpr std::array<int, 3> kSubsetKinds = {kBlocks, kFirstColumn, kFirstRow};

void HiddenPairs(const Grid& grid, const Grid& source, const Changes& changes,
                 const Decided& decided, std::vector<RuleHint>& out) {
    RuleHint hint;
    for (const int kind : kSubsetKinds) {
        for (int region = kind; region < kind + kSize; ++region) {
            const unsigned changed = changes[static_cast<std::size_t>(region)];
            if (changed == 0 || OpenCount(region, decided) <= 4) {
                continue;
            }
            const auto& places = grid.positions[region];
            // Two digits with two places each, the same two: the only pairs there are.
            unsigned twice = 0;
            for (int digit = 0; digit < kSize; ++digit) {
                twice |= Bits::Two(places[digit]) ? 1U << digit : 0U;
            }
            for (const int high : Bits::Indices(twice)) {
                for (const int low : Bits::Indices(twice & ((1U << high) - 1))) {
                    const unsigned pairPlaces = places[low] | places[high];
                    const auto& before = source.positions[region];
                    if (places[low] != places[high] ||
                        ((changed >> low | changed >> high) & 1U) == 0 ||
                        ((before[low] | before[high]) & ~pairPlaces) == 0) {
                        continue;
                    }
                    const unsigned pair = 1U << low | 1U << high;
                    for (const int position : Bits::Indices(places[low] | places[high])) {
                        const int cell = kCellsOfRegion[region][position];
                        for (const int digit : Bits::Indices(grid.candidates[cell] & ~pair)) {
                            hint.removals.push_back(PotentialOf(cell, digit, false));
                        }
                    }
                    if (!hint.removals.empty()) {
                        const unsigned others =
                            GridGeometry::kAllPositions & ~(places[low] | places[high]);
                        for (int position = 0; position < kSize; ++position) {
                            if ((others >> position & 1U) == 0) {
                                continue;
                            }
                            const int cell = kCellsOfRegion[region][position];
                            for (const int digit : {low, high}) {
                                if ((source.candidates[cell] >> digit & 1U) != 0) {
                                    hint.parents.push_back(PotentialOf(cell, digit, false));
                                }
                            }
                        }
                    }
                    Offer(hint, out);
                }
            }
        }
    }
}

void NakedPairs(const Grid& grid, const Grid& source, const Changes& changes,
                const Decided& decided, std::vector<RuleHint>& out) {
    RuleHint hint;
    for (const int kind : kSubsetKinds) {
        for (int region = kind; region < kind + kSize; ++region) {
            if (changes[static_cast<std::size_t>(region)] == 0 || OpenCount(region, decided) < 4) {
                continue;
            }
            const auto& cells = kCellsOfRegion[region];
            // Two cells of two candidates each, the same two: the only pairs there are.
            unsigned bivalue = 0;
            for (int position = 0; position < kSize; ++position) {
                bivalue |= Bits::Two(grid.candidates[cells[position]]) ? 1U << position : 0U;
            }
            for (const int high : Bits::Indices(bivalue)) {
                for (const int low : Bits::Indices(bivalue & ((1U << high) - 1))) {
                    const unsigned a = grid.candidates[cells[low]];
                    const unsigned b = grid.candidates[cells[high]];
                    if (a != b || (source.candidates[cells[low]] == a &&
                                   source.candidates[cells[high]] == b)) {
                        continue;
                    }
                    for (int position = 0; position < kSize; ++position) {
                        if (position == low || position == high) {
                            continue;
                        }
                        for (const int digit :
                             Bits::Indices(grid.candidates[cells[position]] & (a | b))) {
                            hint.removals.push_back(PotentialOf(cells[position], digit, false));
                        }
                    }
                    if (!hint.removals.empty()) {
                        for (const int cell : {cells[low], cells[high]}) {
                            for (const int digit :
                                 Bits::Indices(source.candidates[cell] & ~(a | b))) {
                                hint.parents.push_back(PotentialOf(cell, digit, false));
                            }
                        }
                    }
                    Offer(hint, out);
                }
            }
        }
    }
}

// Columns as the base lines first, then rows.
void XWings(const Grid& grid, const Grid& source, const Changes& changes, const Decided& decided,
            std::vector<RuleHint>& out) {
    RuleHint hint;
    for (const auto& [baseKind, coverKind] :
         {std::pair(kFirstColumn, kFirstRow), std::pair(kFirstRow, kFirstColumn)}) {
        // By line, the digits with two places there: the only X-wings there are join two such.
        std::array<unsigned, kSize> twice{};
        for (int line = 0; line < kSize; ++line) {
            for (int digit = 0; digit < kSize; ++digit) {
                twice[static_cast<std::size_t>(line)] |=
                    Bits::Two(grid.positions[baseKind + line][digit]) ? 1U << digit : 0U;
            }
        }
        for (int high = 1; high < kSize; ++high) {
            for (int low = 0; low < high; ++low) {
                const int lowBase = baseKind + low;
                const int highBase = baseKind + high;
                const unsigned changed = changes[static_cast<std::size_t>(lowBase)] |
                                         changes[static_cast<std::size_t>(highBase)];
                for (const int digit :
                     Bits::Indices(changed & twice[static_cast<std::size_t>(low)] &
                                   twice[static_cast<std::size_t>(high)])) {
                    const unsigned a = grid.positions[lowBase][digit];
                    const unsigned b = grid.positions[highBase][digit];
                    const unsigned goneOutside = ((source.positions[lowBase][digit] & ~a) |
                                                  (source.positions[highBase][digit] & ~b)) &
                                                 ~(a | b);
                    if (a != b || goneOutside == 0 ||
                        decided.digitCount[static_cast<std::size_t>(digit)] + 4 > kSize) {
                        continue;
                    }
                    const unsigned bases = 1U << low | 1U << high;
                    for (const int cover : Bits::Indices(a | b)) {
                        const unsigned outside = grid.positions[coverKind + cover][digit] & ~bases;
                        for (const int position : Bits::Indices(outside)) {
                            hint.removals.push_back(PotentialOf(
                                kCellsOfRegion[coverKind + cover][position], digit, false));
                        }
                    }
                    if (!hint.removals.empty()) {
                        Removed(grid, source, lowBase, digit,
                                GridGeometry::kAllPositions & ~(a | b), hint.parents);
                        Removed(grid, source, highBase, digit,
                                GridGeometry::kAllPositions & ~(a | b), hint.parents);
                    }
                    Offer(hint, out);
                }
            }
        }
    }
}

}  // namespace

Changes ChangesOf(const Grid& grid, const Grid& source) {
    Changes changes{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const unsigned gone = source.candidates[cell] & ~grid.candidates[cell];
        if (gone != 0) {
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                changes[static_cast<std::size_t>(place.region)] |= gone;
            }
        }
    }
    return changes;
}

void BaseRuleHints(BaseRule rule, const Grid& grid, const Grid& source, const Changes& changes,
                   const Decided& decided, std::vector<RuleHint>& out) {
    switch (rule) {
        case BaseRule::Locking:
            Locking(grid, source, changes, out);
            return;
        case BaseRule::HiddenPair:
            HiddenPairs(grid, source, changes, decided, out);
            return;
        case BaseRule::NakedPair:
            NakedPairs(grid, source, changes, decided, out);
            return;
        case BaseRule::XWing:
            XWings(grid, source, changes, decided, out);
            return;
    }
}

}  // namespace Novem::Ladder::Implications
