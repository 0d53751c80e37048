#include "CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "AppIcon.h"
#include "DialogUnits.h"
#include "Product.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    const DialogUnits units(fontMetrics());
    setFixedSize(units.X(235), units.Y(55));
    setWindowTitle(tr("About NovemSolver"));

    const QRect iconRect = units.Rect(11, 17, 20, 20);
    auto* icon = new QLabel(this);
    icon->setGeometry(iconRect);
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(LoadAppIcon().pixmap(std::min(iconRect.width(), iconRect.height())));

    auto* version = new QLabel(tr("NovemSolver Version 1.0"), this);
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(units.Rect(40, 10, 119, 8));
    version->setToolTip(QStringLiteral("%1 %2").arg(Product::kDescription, Product::kVersion));

    auto* notice = new QLabel(QString::fromUtf8(Product::kMakersNotice), this);
    notice->setTextFormat(Qt::PlainText);
    notice->setGeometry(units.Rect(40, 25, 119, 8));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(units.Rect(178, 7, 50, 16));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
