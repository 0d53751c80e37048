#include "Implications.h"

namespace Novem::Ladder::Implications {

using GridGeometry::kCellsOfRegion;

Grid Grid::Of(const Board& board) {
    Grid grid;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        grid.candidates[cell] = board.Candidates(cell);
    }
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            grid.positions[region][digit] = board.Positions(region, digit);
        }
    }
    return grid;
}

Grid Grid::OpenOf(const Board& board) {
    Grid grid = Of(board);
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (Bits::Count(grid.candidates[cell]) == 1) {
            grid.Remove(cell, Bits::Lowest(grid.candidates[cell]));
        }
    }
    return grid;
}

void OnToOff(const Grid& grid, const Derived& known, Pool& pool, int node, Links links,
             Nodes& out) {
    out.clear();
    const Potential on = pool.At(node).potential;
    const auto add = [&](Potential off, Cause cause) {
        if (!known.Has(off)) {
            out.push_back(pool.Add(off, cause, node));
        }
    };
    if (links.cell) {
        OnLinksByCell(grid, CellOf(on), DigitOf(on), add);
    }
    if (links.region) {
        OnLinksByRegion(grid, CellOf(on), DigitOf(on), add);
    }
}

void OffToOn(const Grid& grid, const Grid& source, const Derived& off, const Derived& known,
             Pool& pool, int node, Links links, Nodes& out) {
    out.clear();
    const Potential potential = pool.At(node).potential;
    const int cell = CellOf(potential);
    const int digit = DigitOf(potential);
    if (links.cell) {
        OffLinksByCell(grid, cell, digit, [&](Potential on, Cause cause) {
            if (known.Has(on)) {
                return;
            }
            const int added = pool.Add(on, cause, node);
            for (const int gone : Bits::Indices(source.candidates[cell] & ~grid.candidates[cell])) {
                pool.AddParent(added, off.NodeOf(PotentialOf(cell, gone, false)));
            }
            out.push_back(added);
        });
    }
    if (links.region) {
        OffLinksByRegion(grid, cell, digit, [&](Potential on, Cause cause, int region) {
            if (known.Has(on)) {
                return;
            }
            const int added = pool.Add(on, cause, node);
            const unsigned gone = source.positions[region][digit] & ~grid.positions[region][digit];
            for (const int at : Bits::Indices(gone)) {
                pool.AddParent(added,
                               off.NodeOf(PotentialOf(kCellsOfRegion[region][at], digit, false)));
            }
            out.push_back(added);
        });
    }
}

}  // namespace Novem::Ladder::Implications
