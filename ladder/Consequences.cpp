#include "Consequences.h"

namespace Novem::Ladder {

namespace {

// Naked and hidden singles to their fixed point; false on a contradiction. A digit's regions are
// looked at again only when its board changed.
bool Singles(Boards& boards) {
    std::array<CellMask, GridGeometry::kSize>& looked = boards.looked.singles;
    for (bool changed = true; changed;) {
        changed = false;
        CellMask once;
        CellMask twice;
        for (const CellMask& cells : boards.possible) {
            twice |= once & cells;
            once |= cells;
        }
        if (once != kAllCells) {
            return false;
        }
        const CellMask singles = once - twice - boards.settled;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            for (const int cell : (singles & boards.possible[digit])) {
                // An earlier single of this digit may have taken it from the cell.
                if (boards.possible[digit].Has(cell)) {
                    boards.Place(cell, digit);
                    changed = true;
                }
            }
        }
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            if (boards.possible[digit] == looked[digit]) {
                continue;
            }
            // Before looking: what this look changes is looked at again.
            looked[digit] = boards.possible[digit];
            for (const CellMask& region : kRegionCells) {
                const CellMask places = region & boards.possible[digit];
                // Most regions have two places or more: one test says so.
                if (!places.AtMostOne()) {
                    continue;
                }
                if (places.Empty()) {
                    return false;
                }
                if ((places & boards.settled).Empty()) {
                    boards.Place(places.First(), digit);
                    changed = true;
                }
            }
        }
    }
    return true;
}

// Pointing and claiming: a digit of a block confined to one of its lines leaves the rest of the
// line, and one of a line confined to a block the rest of the block. Whether any went. As with
// singles, a digit is looked at again only when its board changed.
bool LockedCandidates(Boards& boards) {
    bool removed = false;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        CellMask& cells = boards.possible[digit];
        if (cells == boards.looked.locked[digit]) {
            continue;
        }
        boards.looked.locked[digit] = cells;
        for (const auto& [block, line] : kCrossings) {
            const CellMask inBlock = block & cells;
            const CellMask inLine = line & cells;
            if ((inBlock & line).Empty()) {
                continue;
            }
            if ((inBlock - line).Empty() && !(inLine - block).Empty()) {
                cells -= line - block;
                removed = true;
            } else if ((inLine - block).Empty() && !(inBlock - line).Empty()) {
                cells -= block - line;
                removed = true;
            }
        }
    }
    return removed;
}

// Naked and hidden pairs: two cells of a region left with the same two digits take them from the
// rest of the region, and two digits left with the same two places in a region take those cells
// from the other digits. Whether any went. Looked at only when some board changed.
bool Pairs(Boards& boards) {
    if (boards.possible == boards.looked.pairs) {
        return false;
    }
    boards.looked.pairs = boards.possible;
    std::array<CellMask, GridGeometry::kSize>& possible = boards.possible;
    bool removed = false;
    const CellMask bivalue = Bivalue(possible);
    for (int a = 0; a < GridGeometry::kSize; ++a) {
        for (int b = a + 1; b < GridGeometry::kSize && !(possible[a] & bivalue).Empty(); ++b) {
            const CellMask pairs = possible[a] & possible[b] & bivalue;
            if (pairs.AtMostOne()) {
                continue;
            }
            for (const CellMask& region : kRegionCells) {
                const CellMask cells = pairs & region;
                const CellMask rest = region - cells;
                if (!cells.AtMostOne() && !((possible[a] | possible[b]) & rest).Empty()) {
                    possible[a] -= rest;
                    possible[b] -= rest;
                    removed = true;
                }
            }
        }
    }
    for (const CellMask& region : kRegionCells) {
        for (int a = 0; a < GridGeometry::kSize; ++a) {
            const CellMask places = region & possible[a];
            if (!places.Two()) {
                continue;
            }
            for (int b = a + 1; b < GridGeometry::kSize; ++b) {
                if ((region & possible[b]) != places) {
                    continue;
                }
                for (int other = 0; other < GridGeometry::kSize; ++other) {
                    if (other != a && other != b && !(possible[other] & places).Empty()) {
                        possible[other] -= places;
                        removed = true;
                    }
                }
            }
        }
    }
    return removed;
}

enum class Found { Nothing, Removals, Contradiction };

// Each candidate whose assumption, followed to the inner reach, contradicts itself goes, cell by
// cell and digit by digit; what is left is settled within the outer reach but without its depth
// after each, so that the later trials start from more. A candidate that an assumption without
// contradiction placed can't contradict either, as what follows from it follows from that
// assumption too: it is skipped until the boards change.
Found RemoveContradicting(Boards& boards, const Reach& reach) {
    const Reach inner = reach.Inner();
    Found found = Found::Nothing;
    std::array<CellMask, GridGeometry::kSize> sound{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (int digit = 0; digit < GridGeometry::kSize && !boards.settled.Has(cell); ++digit) {
            if (!boards.possible[digit].Has(cell) || sound[digit].Has(cell)) {
                continue;
            }
            Boards trial = boards;
            if (Assume(trial, cell, digit, inner)) {
                for (int placed = 0; placed < GridGeometry::kSize; ++placed) {
                    sound[placed] |= trial.Placed(placed);
                }
                continue;
            }
            sound = {};
            boards.possible[digit] -= CellMask::Of(cell);
            found = Found::Removals;
            if (!Settle(boards, {reach.basics, 0})) {
                return Found::Contradiction;
            }
        }
    }
    return found;
}

}  // namespace

CellMask Bivalue(const std::array<CellMask, GridGeometry::kSize>& possible) {
    CellMask once;
    CellMask twice;
    CellMask thrice;
    for (const CellMask& cells : possible) {
        thrice |= twice & cells;
        twice |= once & cells;
        once |= cells;
    }
    return twice - thrice;
}

Boards Boards::Of(const Board& board) {
    Boards boards;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        boards.possible[digit] = board.CellsOf(digit);
    }
    boards.settled = kAllCells - board.Open();
    return boards;
}

void Boards::Place(int cell, int digit) {
    const CellMask only = CellMask::Of(cell);
    for (CellMask& cells : possible) {
        cells -= only;
    }
    possible[digit] = (possible[digit] - kPeers[cell]) | only;
    settled |= only;
}

bool Settle(Boards& boards, const Reach& reach) {
    for (;;) {
        if (!Singles(boards)) {
            return false;
        }
        if (reach.basics && (LockedCandidates(boards) || Pairs(boards))) {
            continue;
        }
        if (reach.depth == 0) {
            return true;
        }
        switch (RemoveContradicting(boards, reach)) {
            case Found::Nothing:
                return true;
            case Found::Contradiction:
                return false;
            case Found::Removals:
                break;
        }
    }
}

bool Assume(Boards& boards, int cell, int digit, const Reach& reach) {
    if (reach.budget != nullptr && --*reach.budget < 0) {
        return true;
    }
    boards.Place(cell, digit);
    return Settle(boards, reach);
}

}  // namespace Novem::Ladder
