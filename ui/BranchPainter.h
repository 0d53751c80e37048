#pragma once

#include <QColor>
#include <QRectF>

#include "ladder/Step.h"

class QPainter;

// A forcing chain's branch on the grid, as the path from its assumption (ringed twice) to what it
// proves: each candidate on the way ringed, with an arrow from the one that decided it (solid to
// one made true, dashed to one made false), and where it contradicts itself ringed in red.
namespace BranchPainter {

// The colour branch `branch` is drawn in, for a list of them to match.
QColor Colour(int branch);

// Draws the step's branch `chosen` on the grid drawn in `grid`.
void Draw(QPainter& painter, const QRectF& grid, const Novem::Ladder::Step& step, int chosen);

}  // namespace BranchPainter
