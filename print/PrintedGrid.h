#pragma once

#include <QString>
#include <array>

#include "model/GridGeometry.h"
#include "model/PuzzleText.h"

// One grid on paper: the heading above it and what its cells show.
struct PrintedGrid {
    QString heading;
    // Every cell's candidates: a cell with one shows its digit; a cell with several shows
    // nothing, or its candidates small with `pencilMarks`.
    Novem::PuzzleText::Candidates candidates{};
    // The givens, drawn bold; the other digits are drawn apart from them.
    std::array<bool, Novem::GridGeometry::kCells> given{};
    bool pencilMarks = false;
    // No grid under the heading: a puzzle without exactly one solution has none to show.
    bool headingOnly = false;
};
