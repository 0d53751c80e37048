#pragma once

#include <QRectF>
#include <vector>

#include "StepModel.h"

class QPainter;

// Draws a grid as the step window shows it and as its pictures are saved: the digits (givens in
// bold, digits found by logic in blue, the user's in purple, a wrong one in red), every open
// cell's candidates in a 3x3 pattern, and the step drawn on it: its pattern's cells tinted, a
// chain's links as lines (strong ones solid, weak ones dashed), a forcing chain's branch as
// arrows from what each of its candidates follows from, the candidates it removes struck out in
// red and a digit it places in green.
namespace GridPainter {

// The largest square grid centred in `area`.
QRectF GridRect(const QRectF& area);
QRectF CellRect(const QRectF& grid, int cell);
// Where a candidate's small digit stands in its cell, digit 0 to 8 for 1 to 9.
QRectF CandidateRect(const QRectF& cell, int digit);

// The cells a hint's second stage marks anew, its pattern's: those tinted otherwise than at the
// first, which tints only where the step looks.
std::vector<int> PatternCells(const Novem::Application& application,
                              const StepModel::Candidates& candidates);

// `focused` is drawn with a frame, -1 for none.
void Paint(QPainter& painter, const QRectF& area, const StepModel::View& view, int focused = -1);

}  // namespace GridPainter
