// Wings. XY-wing: a cell with two digits x and y (the pivot) sees two cells with xz and yz (the
// pincers); whichever digit the pivot takes, one pincer is z, so a cell that sees both pincers
// can't be z. XYZ-wing: the pivot holds x, y and z and sees both pincers, so z is in the pivot or
// a pincer, and a cell that sees all three can't be z. W-wing: two cells with the same two digits
// x and y that don't see each other, and a region whose only two places for x each see one of
// them: one of the two cells is y, so a cell that sees both can't be. Tried in that order, each by
// pivot (or first cell) and pincers in cell order.
#include "Families.h"

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

std::optional<Step> FindXYWing(const Board& board) {
    for (const int pivot : board.Bivalue()) {
        const unsigned xy = board.Candidates(pivot);
        const CellMask pincers = kPeers[pivot] & board.Bivalue();
        for (const int first : pincers) {
            const unsigned xz = board.Candidates(first);
            if (Bits::Count(xz & xy) != 1) {
                continue;
            }
            const unsigned z = xz & ~xy;
            const unsigned yz = (xy & ~xz) | z;
            for (const int second : pincers) {
                if (second <= first || board.Candidates(second) != yz) {
                    continue;
                }
                const int digit = Bits::Lowest(z);
                const CellMask removed =
                    (SeeingAll(CellMask::Of(first) | CellMask::Of(second)) & board.CellsOf(digit)) -
                    CellMask::Of(pivot);
                if (!removed.Empty()) {
                    return WingStep(board, Technique::XYWing, digit, pivot, {first, second},
                                    removed);
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> FindXYZWing(const Board& board) {
    for (const int pivot : board.Open()) {
        const unsigned xyz = board.Candidates(pivot);
        if (Bits::Count(xyz) != 3) {
            continue;
        }
        const CellMask pincers = kPeers[pivot] & board.Bivalue();
        for (const int first : pincers) {
            const unsigned xz = board.Candidates(first);
            for (const int second : pincers) {
                const unsigned yz = board.Candidates(second);
                if (second <= first || (xz & ~xyz) != 0 || (yz & ~xyz) != 0 || xz == yz) {
                    continue;
                }
                const unsigned z = xz & yz;
                const int digit = Bits::Lowest(z);
                const CellMask removed =
                    SeeingAll(CellMask::Of(pivot) | CellMask::Of(first) | CellMask::Of(second)) &
                    board.CellsOf(digit);
                if (!removed.Empty()) {
                    return WingStep(board, Technique::XYZWing, digit, pivot, {first, second},
                                    removed);
                }
            }
        }
    }
    return std::nullopt;
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
