#include "AppIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace {

const QColor kPaper(0xFA, 0xFA, 0xF5);
const QColor kInk(0x1E, 0x3A, 0x8A);
const QColor kLines(0x64, 0x74, 0x8B);

}  // namespace

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);

    // Whole pixels for the lines, so that they stay crisp at the small sizes.
    const int border = size >= 32 ? 2 : 1;
    const int inner = size - 2 * border;
    painter.fillRect(0, 0, size, size, kLines);
    painter.fillRect(border, border, inner, inner, kPaper);
    for (int line = 1; line < 3; ++line) {
        const int offset = border + line * inner / 3;
        painter.fillRect(offset, border, 1, inner, kLines);
        painter.fillRect(border, offset, inner, 1, kLines);
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(size * 13 / 16);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("9"));
    return image;
}

QIcon LoadAppIcon() {
    QIcon icon;
    for (const int size : kAppIconSizes) {
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    }
    return icon;
}
