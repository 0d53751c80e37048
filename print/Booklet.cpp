#include "Booklet.h"

#include <langinfo.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cstdint>

#include "GridDrawing.h"

namespace Booklet {

namespace {

// Parts of a page's height: the title's band, and a heading's band within a slot.
constexpr qreal kTitleBand = 0.06;
constexpr qreal kHeadingBand = 0.09;
constexpr int kSolutionsPerPage = 6;

void PaintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<PrintedGrid>& grids,
                int perPage, const QString& title, bool& first) {
    const QRectF page = PageRect(device);
    const std::vector<Slot> places = Slots(page, perPage, !title.isEmpty());
    for (std::size_t index = 0; index < grids.size(); ++index) {
        const std::size_t place = index % places.size();
        if (place == 0) {
            if (!first) {
                device.newPage();
            }
            first = false;
            if (!title.isEmpty()) {
                DrawHeading(
                    painter,
                    QRectF(page.left(), page.top(), page.width(), kTitleBand * page.height()),
                    title, true);
            }
        }
        const PrintedGrid& grid = grids[index];
        DrawHeading(painter, places[place].heading, grid.heading, false);
        if (!grid.headingOnly) {
            GridDrawing::Draw(painter, places[place].grid, grid);
        }
    }
}

}  // namespace

QPageSize::PageSizeId LocalePaper() {
    // The application has taken the locale from the environment; its paper is its width in
    // millimetres, 216 for US Letter and 210 for A4.
    constexpr long kLetterWidth = 216;
    const auto width = reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH));
    return width == kLetterWidth ? QPageSize::Letter : QPageSize::A4;
}

std::vector<Slot> Slots(const QRectF& page, int perPage, bool titled) {
    const int columns = perPage <= 2 ? 1 : 2;
    const int rows = std::max(1, perPage / columns);
    const qreal top = page.top() + (titled ? kTitleBand * page.height() : 0);
    const qreal width = page.width() / columns;
    const qreal height = (page.bottom() - top) / rows;
    std::vector<Slot> places;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QRectF box(page.left() + column * width, top + row * height, width, height);
            const qreal band = kHeadingBand * std::min(box.height(), box.width());
            const qreal side = 0.92 * std::min(box.width(), box.height() - band);
            // The heading and its grid, centred in their part of the page.
            const qreal top = box.top() + (box.height() - band - side) / 2;
            const QRectF grid(box.center().x() - side / 2, top + band, side, side);
            places.push_back({QRectF(grid.left(), top, side, band), grid});
        }
    }
    return places;
}

QRectF PageRect(const QPagedPaintDevice& device) {
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    return QRectF(0, 0, paint.width(), paint.height());
}

void DrawHeading(QPainter& painter, const QRectF& box, const QString& text, bool title) {
    QFont font = GridDrawing::PageFont();
    font.setBold(title);
    font.setPixelSize(std::max(1, qRound(box.height() * (title ? 0.55 : 0.45))));
    const qreal room = QFontMetricsF(font).horizontalAdvance(text);
    if (room > box.width()) {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * box.width() / room)));
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, (title ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, text);
    painter.restore();
}

bool Paint(QPagedPaintDevice& device, const std::vector<PrintedGrid>& puzzles,
           const std::vector<PrintedGrid>& solutions, const Layout& layout) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    bool first = true;
    PaintPages(painter, device, puzzles, layout.perPage, layout.title, first);
    PaintPages(painter, device, solutions, kSolutionsPerPage,
               QCoreApplication::translate("Booklet", "Solutions"), first);
    return painter.end();
}

}  // namespace Booklet
