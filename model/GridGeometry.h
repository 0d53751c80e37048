#pragma once

#include <array>
#include <cstdint>

// The grid's sizes and masks, and where its cells and regions lie, as numbers: cell
// 9 * row + column, regions 0-8 the blocks (left to right, top to bottom), 9-17 the rows and
// 18-26 the columns. The grid wires itself from these, and the solver, the run log, the batch
// tool and the dialog read them; nothing else spells them out.
namespace Novem::GridGeometry {

// The number of digits, and of cells in a row, a column or a block.
inline constexpr int kSize = 9;
// A block is kBlockSize cells wide and high.
inline constexpr int kBlockSize = 3;
inline constexpr int kCells = kSize * kSize;
inline constexpr int kRegions = 3 * kSize;
inline constexpr int kFirstRow = kSize;
inline constexpr int kFirstColumn = 2 * kSize;

// Every digit of a candidate set, bit k for digit k + 1.
inline constexpr unsigned kAllDigits = (1U << kSize) - 1;
// Every cell of a region, bit k for the k-th cell in ascending cell order.
inline constexpr unsigned kAllPositions = (1U << kSize) - 1;

// One bit per region, bit r for region r.
using RegionMask = std::uint32_t;

enum class RegionKind { Block, Row, Column };

constexpr int CellAt(int row, int column) {
    return kSize * row + column;
}

constexpr int RowOf(int cell) {
    return cell / kSize;
}

constexpr int ColumnOf(int cell) {
    return cell % kSize;
}

constexpr int BlockOf(int row, int column) {
    return kBlockSize * (row / kBlockSize) + column / kBlockSize;
}

constexpr RegionKind KindOf(int region) {
    return region < kFirstRow      ? RegionKind::Block
           : region < kFirstColumn ? RegionKind::Row
                                   : RegionKind::Column;
}

// The block, row or column number within its kind, from 0.
constexpr int NumberOf(int region) {
    return region % kSize;
}

// The cell at position k of the region, in ascending cell order: a block's cells row by row.
constexpr int CellOf(int region, int position) {
    const int number = NumberOf(region);
    switch (KindOf(region)) {
        case RegionKind::Block:
            return CellAt(kBlockSize * (number / kBlockSize) + position / kBlockSize,
                          kBlockSize * (number % kBlockSize) + position % kBlockSize);
        case RegionKind::Row:
            return CellAt(number, position);
        case RegionKind::Column:
            return CellAt(position, number);
    }
    return 0;
}

// The cells of every region, by position.
inline constexpr std::array<std::array<int, kSize>, kRegions> kCellsOfRegion = [] {
    std::array<std::array<int, kSize>, kRegions> cells{};
    for (int region = 0; region < kRegions; ++region) {
        for (int position = 0; position < kSize; ++position) {
            cells[region][position] = CellOf(region, position);
        }
    }
    return cells;
}();

// Where a cell lies: its block, row and column, and its position in each.
struct Place {
    int region;
    int position;
};

inline constexpr std::array<std::array<Place, 3>, kCells> kPlacesOfCell = [] {
    std::array<std::array<Place, 3>, kCells> places{};
    for (int cell = 0; cell < kCells; ++cell) {
        const int row = RowOf(cell);
        const int column = ColumnOf(cell);
        places[cell] = {
            {{BlockOf(row, column), kBlockSize * (row % kBlockSize) + column % kBlockSize},
             {kFirstRow + row, column},
             {kFirstColumn + column, row}}};
    }
    return places;
}();

// The regions that hold each cell: its block, its row and its column.
inline constexpr std::array<RegionMask, kCells> kRegionsOfCell = [] {
    std::array<RegionMask, kCells> regions{};
    for (int cell = 0; cell < kCells; ++cell) {
        const int row = RowOf(cell);
        const int column = ColumnOf(cell);
        regions[cell] = RegionMask{1} << BlockOf(row, column) | RegionMask{1} << (kFirstRow + row) |
                        RegionMask{1} << (kFirstColumn + column);
    }
    return regions;
}();

}  // namespace Novem::GridGeometry
