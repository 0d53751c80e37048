#include "WindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegion>
#include <QWindow>
#include <chrono>

#include "run/SolveWindow.h"

namespace WindowSystem {

namespace {

BeepHandler& CurrentBeepHandler() {
    static BeepHandler handler;
    return handler;
}

MessageBoxHandler& CurrentMessageBoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

ResultBoxHandler& CurrentResultBoxHandler() {
    static ResultBoxHandler handler;
    return handler;
}

FileHandler& CurrentFileHandler() {
    static FileHandler handler;
    return handler;
}

ModalHandler& CurrentModalHandler() {
    static ModalHandler handler;
    return handler;
}

constexpr const char* kWaitCover = "waitCover";

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & 0xF0U) {
        case Novem::MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case Novem::MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void RunModal(QDialog& dialog) {
    if (CurrentModalHandler()) {
        CurrentModalHandler()(dialog);
        return;
    }
    dialog.exec();
}

QWidget* NextTabStop(QWidget* control) {
    for (QWidget* next = control->nextInFocusChain(); next != control;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled() &&
            next->window() == control->window() && next->isVisibleTo(control->window())) {
            return next;
        }
    }
    return control;
}

void SetFocus(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
}

void SetText(QPlainTextEdit& edit, const QString& text) {
    edit.setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Beep() {
    if (CurrentBeepHandler()) {
        CurrentBeepHandler()();
    } else {
        QApplication::beep();
    }
}

void MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned style) {
    if (CurrentMessageBoxHandler()) {
        CurrentMessageBoxHandler()(owner, text, caption, style);
        return;
    }
    QMessageBox box(IconOf(style), caption, QString(text).remove(u'\r'), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void ResultBox(QWidget* owner, const ResultTable& table, const QString& caption, unsigned style) {
    if (CurrentResultBoxHandler()) {
        CurrentResultBoxHandler()(owner, table, caption, style);
        return;
    }
    ::ResultBox box(owner, table, caption, style);
    box.exec();
}

QString AskFileToOpen(QWidget* owner, const QString& caption, const QString& filters) {
    if (CurrentFileHandler()) {
        return CurrentFileHandler()(false, caption);
    }
    return QFileDialog::getOpenFileName(owner, caption, QString(), filters);
}

QString AskFileToSave(QWidget* owner, const QString& caption, const QString& filters,
                      QString* chosen) {
    if (CurrentFileHandler()) {
        return CurrentFileHandler()(true, caption);
    }
    return QFileDialog::getSaveFileName(owner, caption, QString(), filters, chosen);
}

// An invisible child over the whole window carries the busy cursor: a cursor set on the window
// itself would not show over its edit boxes, which have one of their own.
void BeginWaitCursor(QWidget* window) {
    auto* cover = new QWidget(window);
    cover->setObjectName(QString::fromLatin1(kWaitCover));
    cover->setCursor(Qt::WaitCursor);
    cover->setGeometry(window->rect());
    cover->show();
    // Nothing runs the event loop during a solve, so the window takes the cursor at once.
    if (window->windowHandle() != nullptr) {
        window->windowHandle()->setCursor(Qt::WaitCursor);
    }
}

void EndWaitCursor(QWidget* window) {
    delete window->findChild<QWidget*>(QString::fromLatin1(kWaitCover), Qt::FindDirectChildrenOnly);
    if (window->windowHandle() != nullptr) {
        window->windowHandle()->unsetCursor();
    }
}

void RepaintNow(QWidget* widget, const QRegion& region) {
    if (!region.isEmpty()) {
        widget->repaint(region);
    }
}

std::uint32_t GetTickCount() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SetBeepHandler(BeepHandler handler) {
    CurrentBeepHandler() = std::move(handler);
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    CurrentMessageBoxHandler() = std::move(handler);
}

void SetResultBoxHandler(ResultBoxHandler handler) {
    CurrentResultBoxHandler() = std::move(handler);
}

void SetFileHandler(FileHandler handler) {
    CurrentFileHandler() = std::move(handler);
}

void SetModalHandler(ModalHandler handler) {
    CurrentModalHandler() = std::move(handler);
}

}  // namespace WindowSystem
