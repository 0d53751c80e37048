#include "Symmetry.h"

#include <algorithm>

namespace Novem::Generate {

namespace {

using GridGeometry::CellAt;
using GridGeometry::ColumnOf;
using GridGeometry::RowOf;

constexpr int kLast = GridGeometry::kSize - 1;

bool Keeps(const PuzzleText::Cells& puzzle, Symmetry symmetry) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int image : OrbitOf(symmetry, cell)) {
            if (image != -1 && (puzzle[static_cast<std::size_t>(image)] == '.') !=
                                   (puzzle[static_cast<std::size_t>(cell)] == '.')) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<Symmetry> SymmetryNamed(std::string_view name) {
    const auto* found = std::find(kSymmetryNames.begin(), kSymmetryNames.end(), name);
    if (found == kSymmetryNames.end()) {
        return std::nullopt;
    }
    return static_cast<Symmetry>(found - kSymmetryNames.begin());
}

Orbit OrbitOf(Symmetry symmetry, int cell) {
    const int row = RowOf(cell);
    const int column = ColumnOf(cell);
    std::array<int, 4> images{cell, cell, cell, cell};
    switch (symmetry) {
        case Symmetry::None:
            break;
        case Symmetry::Rotate180:
            images[1] = CellAt(kLast - row, kLast - column);
            break;
        case Symmetry::Rotate90:
            images[1] = CellAt(column, kLast - row);
            images[2] = CellAt(kLast - row, kLast - column);
            images[3] = CellAt(kLast - column, row);
            break;
        case Symmetry::Mirror:
            images[1] = CellAt(row, kLast - column);
            break;
        case Symmetry::Flip:
            images[1] = CellAt(kLast - row, column);
            break;
        case Symmetry::Diagonal:
            images[1] = CellAt(column, row);
            break;
    }
    std::sort(images.begin(), images.end());
    Orbit orbit{-1, -1, -1, -1};
    std::unique_copy(images.begin(), images.end(), orbit.begin());
    return orbit;
}

std::optional<Symmetry> SymmetryToKeep(const PuzzleText::Cells& puzzle,
                                       std::optional<Symmetry> asked) {
    if (asked) {
        return Keeps(puzzle, *asked) ? asked : std::nullopt;
    }
    for (std::size_t index = kSymmetryNames.size() - 1; index > 0; --index) {
        if (Keeps(puzzle, static_cast<Symmetry>(index))) {
            return static_cast<Symmetry>(index);
        }
    }
    return Symmetry::None;
}

}  // namespace Novem::Generate
