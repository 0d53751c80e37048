// Wings. XY-wing: a cell with two digits x and y (the pivot) sees two cells with xz and yz (the
// pincers); whichever digit the pivot takes, one pincer is z, so a cell that sees both pincers
// can't be z. XYZ-wing: the pivot holds x, y and z and sees both pincers, so z is in the pivot or
// a pincer, and a cell that sees all three can't be z. W-wing: two cells with the same two digits
// x and y that don't see each other, and a region whose only two places for x each see one of
// them: one of the two cells is y, so a cell that sees both can't be. Tried in that order; W-wings
// by their cells in cell order.
#include <algorithm>
#include <array>
#include <span>

#include "Families.h"
#include "OpenCells.h"

namespace Novem::Ladder {

namespace {

Step WingStep(const Board& board, Technique technique, int digit, int pivot,
              std::vector<int> pincers, const CellMask& removed) {
    Step step{technique};
    step.digits = 1U << digit;
    step.pivot = pivot;
    step.pincers = std::move(pincers);
    CellMask cells;
    for (const int cell : step.pincers) {
        cells |= CellMask::Of(cell);
    }
    cells |= pivot != -1 ? CellMask::Of(pivot) : CellMask();
    for (const int cell : cells) {
        step.cellDigits.push_back({cell, board.Candidates(cell)});
    }
    for (const int cell : removed) {
        step.removals.push_back({cell, 1U << digit});
    }
    return step;
}

}  // namespace

namespace {

// XY- and XYZ-wings as the rating scale finds them: pivots in cell order, each pincer among the
// pivot's peers in the scale's order of them.
std::optional<Step> FindWingOf(const Board& board, bool xyz) {
    const int pivotCount = xyz ? 3 : 2;
    for (const int pivot : board.Open()) {
        const unsigned a = board.Candidates(pivot);
        if (Bits::Count(a) != pivotCount) {
            continue;
        }
        // The pincers have two candidates each.
        std::array<int, 20> pincers{};
        std::size_t pincerCount = 0;
        const CellMask bivaluePeers = kPeers[pivot] & board.Bivalue();
        for (const int peer : kPeersInOrder[pivot]) {
            if (bivaluePeers.Has(peer)) {
                pincers[pincerCount++] = peer;
            }
        }
        const std::span<const int> bivalue = std::span(pincers).first(pincerCount);
        for (const int first : bivalue) {
            const unsigned b = board.Candidates(first);
            if (Bits::Count(a & ~b) != 1) {
                continue;
            }
            for (const int second : bivalue) {
                const unsigned c = board.Candidates(second);
                if (Bits::Count(a | b | c) != 3 || Bits::Count(a & b & c) != (xyz ? 1 : 0)) {
                    continue;
                }
                const int digit = Bits::Lowest(b & c);
                CellMask wing = CellMask::Of(first) | CellMask::Of(second);
                wing |= xyz ? CellMask::Of(pivot) : CellMask();
                const CellMask removed = (SeeingAll(wing) & board.CellsOf(digit)) -
                                         CellMask::Of(pivot) - CellMask::Of(first) -
                                         CellMask::Of(second);
                if (!removed.Empty()) {
                    return WingStep(board, xyz ? Technique::XYZWing : Technique::XYWing, digit,
                                    pivot, {std::min(first, second), std::max(first, second)},
                                    removed);
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindXYWing(const Board& board) {
    return FindWingOf(board, false);
}

std::optional<Step> FindXYZWing(const Board& board) {
    return FindWingOf(board, true);
}

std::optional<Step> FindWWing(const Board& board) {
    for (const int first : board.Bivalue()) {
        const unsigned xy = board.Candidates(first);
        for (const int second : board.Bivalue()) {
            if (second <= first || board.Candidates(second) != xy || SeeEachOther(first, second)) {
                continue;
            }
            for (const int link : Bits::Indices(xy)) {
                const int digit = Bits::Lowest(xy & ~(1U << link));
                const CellMask removed =
                    SeeingAll(CellMask::Of(first) | CellMask::Of(second)) & board.CellsOf(digit);
                if (removed.Empty()) {
                    continue;
                }
                for (int region = 0; region < GridGeometry::kRegions; ++region) {
                    const CellMask places = kRegionCells[region] & board.CellsOf(link);
                    if (places.Count() != 2 || places.Has(first) || places.Has(second)) {
                        continue;
                    }
                    const int near = places.First();
                    const int far = (places - CellMask::Of(near)).First();
                    if ((SeeEachOther(near, first) && SeeEachOther(far, second)) ||
                        (SeeEachOther(near, second) && SeeEachOther(far, first))) {
                        Step step =
                            WingStep(board, Technique::WWing, digit, -1, {first, second}, removed);
                        step.digits |= 1U << link;
                        step.nodes = {{near, link}, {far, link}};
                        step.links = {Link::Strong};
                        return step;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> FindWing(const Board& board) {
    if (std::optional<Step> step = FindXYWing(board)) {
        return step;
    }
    if (std::optional<Step> step = FindXYZWing(board)) {
        return step;
    }
    return FindWWing(board);
}

}  // namespace Novem::Ladder
