#include "WindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegion>
#include <QStringList>
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
    QMessageBox box(IconOf(style), caption, ToDisplayHtml(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

QString ToDisplayHtml(const QString& text) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    const QStringList lines = QString(text).remove(u'\r').split(u'\n');
    for (const QString& line : lines) {
        const qsizetype firstTab = line.indexOf(u'\t');
        if (firstTab < 0) {
            html += QStringLiteral("<tr><td colspan=\"2\">%1&nbsp;</td></tr>")
                        .arg(line.toHtmlEscaped());
        } else {
            const QString label = line.left(firstTab);
            const QString value = line.mid(line.lastIndexOf(u'\t') + 1);
            html += QStringLiteral("<tr><td>%1&nbsp;&nbsp;&nbsp;</td><td>%2</td></tr>")
                        .arg(label.toHtmlEscaped(), value.toHtmlEscaped());
        }
    }
    return html + QStringLiteral("</table>");
}

void BeginWaitCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWaitCursor() {
    QApplication::restoreOverrideCursor();
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

}  // namespace WindowSystem
