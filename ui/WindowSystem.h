#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <functional>

class QDialog;
class QPlainTextEdit;
class QRegion;
class QWidget;

// The window-system operations the front end relies on, over Qt. Beeps and message boxes go
// through replaceable handlers so that tests can count and answer them.
namespace WindowSystem {

// Returns when the dialog ends; its result is of no interest to any caller.
void RunModal(QDialog& dialog);

// The next control after `control` in its window's tab order that takes the focus by Tab and is
// enabled, wrapping from the last to the first; `control` itself when there is none.
QWidget* NextTabStop(QWidget* control);

void SetFocus(QWidget* control);

// Multi-line text, given with CR LF or LF line ends.
void SetText(QPlainTextEdit& edit, const QString& text);

void Beep();

// Modal, owned by `owner`. The text comes with CR LF or LF line ends; the style is one of the
// MB_ values of the Solve command.
void MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned style);

// Labels and figures under a heading, as a result box shows them, and a paragraph after them if
// there is one. A row of two empty texts is a blank line. `text` tells the same in lines: what a
// copy of the box takes.
struct ResultTable {
    QString heading;
    QList<QPair<QString, QString>> rows;
    QString paragraph;
    QString text;
};

// A message box that shows a table.
void ResultBox(QWidget* owner, const ResultTable& table, const QString& caption, unsigned style);

// The table as a result box shows it: the heading, then a row per label with its figure aligned.
QString ToDisplayHtml(const ResultTable& table);

// The busy cursor over `window` and all it holds, until EndWaitCursor. Windows it opens meanwhile,
// message boxes among them, keep their own cursor.
void BeginWaitCursor(QWidget* window);
void EndWaitCursor(QWidget* window);

// Paints the region of the widget, with the children it covers, before returning.
void RepaintNow(QWidget* widget, const QRegion& region);

// Milliseconds of a monotonic clock, wrapping at 2^32.
std::uint32_t GetTickCount();

using BeepHandler = std::function<void()>;
using MessageBoxHandler = std::function<void(QWidget* owner, const QString& text,
                                             const QString& caption, unsigned style)>;
using ResultBoxHandler = std::function<void(QWidget* owner, const ResultTable& table,
                                            const QString& caption, unsigned style)>;
using ModalHandler = std::function<void(QDialog& dialog)>;

// An empty handler restores the real beep, box or modal run.
void SetBeepHandler(BeepHandler handler);
void SetMessageBoxHandler(MessageBoxHandler handler);
void SetResultBoxHandler(ResultBoxHandler handler);
void SetModalHandler(ModalHandler handler);

}  // namespace WindowSystem
