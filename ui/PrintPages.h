#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// The pages of a window, printed through Qt's print dialog, seen in its print preview first, or
// written to a PDF file, on the locale's paper unless the user picks another.
namespace PrintPages {

// Paints every page on the device it is given, calling newPage() between pages.
using Painter = std::function<void(QPagedPaintDevice& device)>;

void Print(QWidget* owner, const Painter& paint);
void Preview(QWidget* owner, const Painter& paint);
// Asks for the file; what to tell the user, empty when the user cancelled.
QString ExportPdf(QWidget* owner, const Painter& paint);

// "Print Puzzles": asks for the puzzles of a booklet, makes them, and shows its pages in the
// print preview.
void PrintPuzzles(QWidget* owner);

}  // namespace PrintPages
