#include "GridDrawing.h"

#include <QPainter>

#include "model/Bits.h"

namespace GridDrawing {

namespace {

using Novem::GridGeometry::kBlockSize;
using Novem::GridGeometry::kSize;

// The digits a person writes into a printed grid are drawn apart from the givens: regular and
// in a blue that prints as a mid grey in black and white.
const QColor kOtherDigits(0x1F, 0x4E, 0x9A);

void DrawLines(QPainter& painter, const QRectF& square) {
    const qreal cell = square.width() / kSize;
    const qreal thin = square.width() / 600;
    for (int line = 0; line <= kSize; ++line) {
        const bool thick = line % kBlockSize == 0;
        painter.setPen(QPen(Qt::black, thick ? 4 * thin : thin, Qt::SolidLine, Qt::SquareCap));
        const qreal at = line * cell;
        painter.drawLine(QPointF(square.left() + at, square.top()),
                         QPointF(square.left() + at, square.bottom()));
        painter.drawLine(QPointF(square.left(), square.top() + at),
                         QPointF(square.right(), square.top() + at));
    }
}

QFont Sized(QFont font, qreal height, bool bold) {
    font.setPixelSize(std::max(1, qRound(height)));
    font.setBold(bold);
    return font;
}

}  // namespace

QFont PageFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void Draw(QPainter& painter, const QRectF& square, const PrintedGrid& grid) {
    painter.save();
    const qreal cell = square.width() / kSize;
    const QFont given = Sized(PageFont(), 0.62 * cell, true);
    const QFont other = Sized(PageFont(), 0.62 * cell, false);
    const QFont marks = Sized(PageFont(), 0.24 * cell, false);
    for (int index = 0; index < Novem::GridGeometry::kCells; ++index) {
        const unsigned candidates = grid.candidates[index];
        const QRectF box(square.left() + Novem::GridGeometry::ColumnOf(index) * cell,
                         square.top() + Novem::GridGeometry::RowOf(index) * cell, cell, cell);
        if (Novem::Bits::Count(candidates) == 1) {
            painter.setFont(grid.given[index] ? given : other);
            painter.setPen(grid.given[index] ? QColor(Qt::black) : kOtherDigits);
            painter.drawText(box, Qt::AlignCenter,
                             QString::number(Novem::Bits::Lowest(candidates) + 1));
        } else if (grid.pencilMarks) {
            painter.setFont(marks);
            painter.setPen(Qt::darkGray);
            for (const int digit : Novem::Bits::Indices(candidates)) {
                const QRectF place(box.left() + (digit % kBlockSize) * cell / kBlockSize,
                                   box.top() + (digit / kBlockSize) * cell / kBlockSize,
                                   cell / kBlockSize, cell / kBlockSize);
                painter.drawText(place, Qt::AlignCenter, QString::number(digit + 1));
            }
        }
    }
    DrawLines(painter, square);
    painter.restore();
}

}  // namespace GridDrawing
