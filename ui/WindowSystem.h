#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "ResultBox.h"

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

// A message box that shows a table.
void ResultBox(QWidget* owner, const ResultTable& table, const QString& caption, unsigned style);

// The file the user picks to open or to save to, with the filters of QFileDialog; empty when
// the user cancels. The filter the name was picked with, if wanted, comes back in `chosen`.
QString AskFileToOpen(QWidget* owner, const QString& caption, const QString& filters);
QString AskFileToSave(QWidget* owner, const QString& caption, const QString& filters,
                      QString* chosen = nullptr);

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
// Told whether the file is to be saved; gives the file's name, empty for a cancel.
using FileHandler = std::function<QString(bool save, const QString& caption)>;

// An empty handler restores the real beep, box or modal run.
void SetBeepHandler(BeepHandler handler);
void SetMessageBoxHandler(MessageBoxHandler handler);
void SetResultBoxHandler(ResultBoxHandler handler);
void SetModalHandler(ModalHandler handler);
void SetFileHandler(FileHandler handler);

}  // namespace WindowSystem
