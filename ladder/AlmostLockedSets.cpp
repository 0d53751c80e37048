// Almost-locked sets. N cells of one region that hold N + 1 digits between them (an ALS; a cell
// with two digits is one) lose only one digit to become locked. Two ALS that share a digit x all
// of whose cells in one see all of whose cells in the other (a restricted common digit) can't
// both hold x; so one of them is locked without x, and holds each of its other digits. ALS-XZ:
// for another digit z of both, one of the two holds z, so a cell that sees every z of both can't
// be z. ALS-XY-wing: a third ALS, the pivot, shares a restricted digit x with one and another, y,
// with the other; the pivot can't hold both x and y, so one of the two is locked without its
// restricted digit, and z, common to both, again leaves every cell that sees all their z. Sets
// are taken in up to four cells, ordered by size, region and cells; ALS-XZ by its two sets in
// that order, ALS-XY-wing by pivot, then the two others.
#include <array>
#include <span>
#include <vector>

#include "Families.h"

namespace Novem::Ladder {

namespace {

constexpr int kLargest = 4;

struct Als {
    CellMask cells;
    unsigned digits = 0;
    // By digit: the set's cells with it, and the cells outside the set that see all of those.
    std::array<CellMask, GridGeometry::kSize> withDigit{};
    std::array<CellMask, GridGeometry::kSize> seeing{};
};

// Whether the cells, all in `region`, are also all in an earlier region, where the same set was
// taken already.
bool TakenBefore(const CellMask& cells, int region) {
    for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cells.First()]) {
        if (place.region < region && (cells - kRegionCells[place.region]).Empty()) {
            return true;
        }
    }
    return false;
}

std::vector<Als> AllSets(const Board& board) {
    std::vector<Als> sets;
    for (int size = 1; size <= kLargest; ++size) {
        for (int region = 0; region < GridGeometry::kRegions; ++region) {
            const auto& cells = GridGeometry::kCellsOfRegion[region];
            unsigned open = 0;
            for (int position = 0; position < GridGeometry::kSize; ++position) {
                open |= (board.Open().Has(cells[position]) ? 1U : 0U) << position;
            }
            Bits::ForEachSubsetOfSize(open, size, [&](unsigned positions) {
                CellMask setCells;
                unsigned digits = 0;
                for (const int position : Bits::Indices(positions)) {
                    setCells |= CellMask::Of(cells[position]);
                    digits |= board.Candidates(cells[position]);
                }
                if (Bits::Count(digits) != size + 1 || TakenBefore(setCells, region)) {
                    return false;
                }
                Als als;
                als.cells = setCells;
                als.digits = digits;
                for (const int digit : Bits::Indices(als.digits)) {
                    als.withDigit[digit] = als.cells & board.CellsOf(digit);
                    als.seeing[digit] = SeeingAll(als.withDigit[digit]);
                }
                sets.push_back(als);
                return false;
            });
        }
    }
    return sets;
}

// The restricted common digits of two sets that don't overlap: every cell of one with the digit
// sees every cell of the other with it.
unsigned Restricted(const Als& a, const Als& b) {
    if (!(a.cells & b.cells).Empty()) {
        return 0;
    }
    unsigned restricted = 0;
    for (const int digit : Bits::Indices(a.digits & b.digits)) {
        if ((b.withDigit[digit] - a.seeing[digit]).Empty()) {
            restricted |= 1U << digit;
        }
    }
    return restricted;
}

// What the digits `common` of two sets remove: each from every cell outside the sets `sets`
// that sees all of both sets' cells with it. Empty when nothing.
std::vector<CellRemoval> Removals(const Board& board, const Als& a, const Als& b, unsigned common,
                                  const CellMask& sets) {
    std::array<CellMask, GridGeometry::kSize> removed{};
    bool any = false;
    for (const int digit : Bits::Indices(common)) {
        removed[digit] = (a.seeing[digit] & b.seeing[digit] & board.CellsOf(digit)) - sets;
        any = any || !removed[digit].Empty();
    }
    std::vector<CellRemoval> removals;
    if (!any) {
        return removals;
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        unsigned digits = 0;
        for (const int digit : Bits::Indices(common)) {
            digits |= removed[digit].Has(cell) ? 1U << digit : 0U;
        }
        if (digits != 0) {
            removals.push_back({cell, digits});
        }
    }
    return removals;
}

std::vector<int> CellsOf(const CellMask& cells) {
    std::vector<int> list;
    for (const int cell : cells) {
        list.push_back(cell);
    }
    return list;
}

Step AlsStep(const Board& board, Technique technique, std::initializer_list<const Als*> sets,
             std::vector<int> restricted, std::vector<CellRemoval> removals) {
    Step step{technique};
    CellMask cells;
    for (const Als* als : sets) {
        step.sets.push_back(CellsOf(als->cells));
        cells |= als->cells;
    }
    for (const int cell : cells) {
        step.cellDigits.push_back({cell, board.Candidates(cell)});
    }
    for (const int digit : restricted) {
        step.digits |= 1U << digit;
    }
    for (const CellRemoval& removal : removals) {
        step.digits |= removal.digits;
    }
    step.restricted = std::move(restricted);
    step.removals = std::move(removals);
    return step;
}

}  // namespace

std::optional<Step> FindAlmostLockedSets(const Board& board) {
    const std::vector<Als> sets = AllSets(board);
    // Each set's cells apart, for a quick look at every pair: most overlap.
    std::vector<CellMask> cellsOf;
    for (const Als& als : sets) {
        cellsOf.push_back(als.cells);
    }
    // The pairs of sets that share restricted digits, and the digits, by first set and then
    // second.
    struct Link {
        std::size_t first;
        std::size_t second;
        unsigned restricted;
    };
    std::vector<Link> links;
    for (std::size_t first = 0; first < sets.size(); ++first) {
        for (std::size_t second = first + 1; second < sets.size(); ++second) {
            if (!(cellsOf[second] & cellsOf[first]).Empty()) {
                continue;
            }
            if (const unsigned restricted = Restricted(sets[first], sets[second])) {
                links.push_back({first, second, restricted});
            }
        }
    }
    for (const auto& [first, second, restricted] : links) {
        const Als& a = sets[first];
        const Als& b = sets[second];
        for (const int x : Bits::Indices(restricted)) {
            std::vector<CellRemoval> removals =
                Removals(board, a, b, a.digits & b.digits & ~(1U << x), a.cells | b.cells);
            if (!removals.empty()) {
                return AlsStep(board, Technique::AlsXz, {&a, &b}, {x}, std::move(removals));
            }
        }
    }
    // Links go both ways: each set's, in the order of the other set, in one store. Taken in the
    // links' order, a set's links to earlier sets come before those to later ones, each part in
    // order.
    std::vector<std::size_t> aroundBegin(sets.size() + 1, 0);
    for (const Link& link : links) {
        ++aroundBegin[link.first + 1];
        ++aroundBegin[link.second + 1];
    }
    for (std::size_t set = 0; set < sets.size(); ++set) {
        aroundBegin[set + 1] += aroundBegin[set];
    }
    std::vector<std::pair<std::size_t, unsigned>> around(aroundBegin.back());
    std::vector<std::size_t> aroundEnd(aroundBegin.begin(), aroundBegin.end() - 1);
    for (const auto& [first, second, restricted] : links) {
        around[aroundEnd[first]++] = {second, restricted};
        around[aroundEnd[second]++] = {first, restricted};
    }
    for (std::size_t pivot = 0; pivot < sets.size(); ++pivot) {
        const std::span<const std::pair<std::size_t, unsigned>> pivotLinks =
            std::span(around).subspan(aroundBegin[pivot], aroundEnd[pivot] - aroundBegin[pivot]);
        for (const auto& [first, toA] : pivotLinks) {
            for (const auto& [second, toB] : pivotLinks) {
                const Als& a = sets[first];
                const Als& b = sets[second];
                if (second <= first || !(a.cells & b.cells).Empty()) {
                    continue;
                }
                for (const int x : Bits::Indices(toA)) {
                    for (const int y : Bits::Indices(toB & ~(1U << x))) {
                        std::vector<CellRemoval> removals =
                            Removals(board, a, b, a.digits & b.digits & ~(1U << x | 1U << y),
                                     a.cells | b.cells | sets[pivot].cells);
                        if (!removals.empty()) {
                            return AlsStep(board, Technique::AlsXyWing, {&a, &b, &sets[pivot]},
                                           {x, y}, std::move(removals));
                        }
                    }
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
