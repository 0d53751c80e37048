#include "Implications.h"

#include <algorithm>

namespace Novem::Ladder::Implications {

namespace {

using GridGeometry::kCellsOfRegion;
using GridGeometry::kPlacesOfCell;

bool Listed(const Pool& pool, const Nodes& nodes, Potential potential) {
    return std::any_of(nodes.begin(), nodes.end(),
                       [&](int node) { return pool.At(node).potential == potential; });
}

}  // namespace

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
    const int cell = CellOf(on);
    const int digit = DigitOf(on);
    if (links.cell) {
        for (const int other : Bits::Indices(grid.candidates[cell] & ~(1U << digit))) {
            const Potential off = PotentialOf(cell, other, false);
            if (!known.Has(off)) {
                out.push_back(pool.Add(off, Cause::Cell, node));
            }
        }
    }
    if (!links.region) {
        return;
    }
    // A cell seen through two regions is listed once, as the first of them.
    for (std::size_t kind = 0; kind < kPlacesOfCell[cell].size(); ++kind) {
        const GridGeometry::Place& place = kPlacesOfCell[cell][kind];
        const unsigned others =
            grid.positions[place.region][digit] & ~(1U << place.position) & kFirstMet[cell][kind];
        for (const int position : Bits::Indices(others)) {
            const Potential off = PotentialOf(kCellsOfRegion[place.region][position], digit, false);
            if (!known.Has(off)) {
                out.push_back(pool.Add(off, kRegionCauses[kind], node));
            }
        }
    }
}

void OffToOn(const Grid& grid, const Grid& source, const Derived& off, const Derived& known,
             Pool& pool, int node, Links links, Nodes& out) {
    out.clear();
    const Potential potential = pool.At(node).potential;
    const int cell = CellOf(potential);
    const int digit = DigitOf(potential);
    if (links.cell && Bits::Two(grid.candidates[cell])) {
        const Potential last =
            PotentialOf(cell, Bits::Lowest(grid.candidates[cell] & ~(1U << digit)), true);
        if (!known.Has(last)) {
            const int on = pool.Add(last, Cause::Cell, node);
            for (const int gone : Bits::Indices(source.candidates[cell] & ~grid.candidates[cell])) {
                pool.AddParent(on, off.NodeOf(PotentialOf(cell, gone, false)));
            }
            out.push_back(on);
        }
    }
    if (!links.region) {
        return;
    }
    for (std::size_t kind = 0; kind < kPlacesOfCell[cell].size(); ++kind) {
        const GridGeometry::Place& place = kPlacesOfCell[cell][kind];
        const unsigned places = grid.positions[place.region][digit];
        if (!Bits::Two(places)) {
            continue;
        }
        const int position = Bits::Lowest(places & ~(1U << place.position));
        const Potential on = PotentialOf(kCellsOfRegion[place.region][position], digit, true);
        if (known.Has(on) || Listed(pool, out, on)) {
            continue;
        }
        const int added = pool.Add(on, kRegionCauses[kind], node);
        const unsigned gone = source.positions[place.region][digit] & ~places;
        for (const int at : Bits::Indices(gone)) {
            pool.AddParent(added,
                           off.NodeOf(PotentialOf(kCellsOfRegion[place.region][at], digit, false)));
        }
        out.push_back(added);
    }
}

}  // namespace Novem::Ladder::Implications
