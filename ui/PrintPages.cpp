#include "PrintPages.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include "NewPuzzleDialog.h"
#include "WindowSystem.h"
#include "print/Booklet.h"

namespace PrintPages {

namespace {

constexpr qreal kMargin = 15;

void SetUp(QPagedPaintDevice& device) {
    device.setPageSize(QPageSize(Booklet::LocalePaper()));
    device.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter);
}

}  // namespace

void Print(QWidget* owner, const Painter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer);
    QPrintDialog dialog(&printer, owner);
    WindowSystem::RunModal(dialog);
    if (dialog.result() == QDialog::Accepted) {
        paint(printer);
    }
}

void Preview(QWidget* owner, const Painter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer);
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    WindowSystem::RunModal(dialog);
}

QString ExportPdf(QWidget* owner, const Painter& paint) {
    const QString name =
        WindowSystem::AskFileToSave(owner, QCoreApplication::translate("PrintPages", "Export PDF"),
                                    QCoreApplication::translate("PrintPages", "PDF files (*.pdf)"));
    if (name.isEmpty()) {
        return {};
    }
    // Written whole or not at all: a failed export leaves the file that was there.
    QSaveFile file(name);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        {
            QPdfWriter writer(&file);
            SetUp(writer);
            constexpr int kDotsPerInch = 600;
            writer.setResolution(kDotsPerInch);
            writer.setCreator(QStringLiteral("Novem Solver"));
            paint(writer);
        }
        saved = file.commit();
    }
    return saved ? QCoreApplication::translate("PrintPages", "Saved to %1.").arg(name)
                 : QCoreApplication::translate("PrintPages", "Could not save to %1: %2")
                       .arg(name, file.errorString());
}

void PrintPuzzles(QWidget* owner) {
    if (const auto booklet = NewPuzzleDialog::AskBooklet(owner)) {
        Preview(owner, [&booklet](QPagedPaintDevice& device) {
            Booklet::Paint(
                device, booklet->grids.puzzles,
                booklet->solutions ? booklet->grids.solutions : std::vector<PrintedGrid>(),
                booklet->layout);
        });
    }
}

}  // namespace PrintPages
