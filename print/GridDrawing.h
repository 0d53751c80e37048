#pragma once

#include <QFont>
#include <QRectF>

#include "PrintedGrid.h"

class QPainter;

// A grid drawn for paper, in lines and text only, so that a PDF keeps it sharp at any size and
// a text reader finds its digits row by row.
namespace GridDrawing {

// The font of the printed pages: one that every Debian system has, which a PDF embeds.
QFont PageFont();

// The grid filling `square`: thin lines between cells, thick ones around the blocks, the givens
// bold, the other digits regular in dark blue, and with pencil marks each open cell's candidates
// small in their places of a 3x3 pattern.
void Draw(QPainter& painter, const QRectF& square, const PrintedGrid& grid);

}  // namespace GridDrawing
