#include "AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>

namespace {

QSvgRenderer& Drawing() {
    static QSvgRenderer drawing(QStringLiteral(":/icons/novem-solver.svg"));
    return drawing;
}

// Draws the icon afresh for every size a window or a panel asks for.
class AppIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        Drawing().render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(DrawAppIcon(std::min(size.width(), size.height())));
    }

    QIconEngine* clone() const override { return new AppIconEngine; }
};

}  // namespace

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Drawing().render(&painter);
    return image;
}

QIcon LoadAppIcon() {
    return QIcon(new AppIconEngine);
}
