#pragma once

#include <QPageSize>
#include <QRectF>
#include <QString>
#include <vector>

#include "PrintedGrid.h"

class QPagedPaintDevice;
class QPainter;

// Puzzles on the pages of a printer or a PDF, as a puzzle book sets them: one, two, four or six a
// page, each under its heading, and their solutions on pages of their own at the back.
namespace Booklet {

// The paper of the locale's LC_PAPER: US Letter where it is letter-wide, A4 elsewhere.
QPageSize::PageSizeId LocalePaper();

struct Layout {
    // 1, 2, 4 or 6.
    int perPage = 1;
    // Above every page of puzzles; none when empty.
    QString title;
};

// Where a page's grids go, in reading order, on a page whose printable part is `page`: one
// column for one or two a page, two for four or six. Each has its heading above its grid.
struct Slot {
    QRectF heading;
    QRectF grid;
};
std::vector<Slot> Slots(const QRectF& page, int perPage, bool titled);

// The printable part of the device's page, where a painter on it draws.
QRectF PageRect(const QPagedPaintDevice& device);

// A heading or a title, in the page font, centred in `box` and as tall as it allows.
void DrawHeading(QPainter& painter, const QRectF& box, const QString& text, bool title);

// Paints the puzzles `layout.perPage` to a page, then the solutions six to a page under
// "Solutions". False when the device can't be painted on.
bool Paint(QPagedPaintDevice& device, const std::vector<PrintedGrid>& puzzles,
           const std::vector<PrintedGrid>& solutions, const Layout& layout);

}  // namespace Booklet
