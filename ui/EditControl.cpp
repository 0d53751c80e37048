#include "EditControl.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

EditControl::EditControl(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &EditControl::Notify);
}

void EditControl::SetText(const QString& text) {
    {
        // Qt would stay silent for an unchanged text; the notifications are sent below instead.
        const QSignalBlocker blocker(this);
        setText(text);
    }
    Notify();
}

void EditControl::GetSel(int& start, int& end) const {
    if (hasSelectedText()) {
        start = selectionStart();
        end = selectionEnd();
    } else {
        start = end = cursorPosition();
    }
}

void EditControl::SetSel(int start, int end) {
    const int length = static_cast<int>(text().size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start == end) {
        setCursorPosition(start);
    } else {
        setSelection(start, end - start);
    }
}

void EditControl::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool isCommand = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (m_digitsOnly && !isCommand && typed.size() == 1 && typed.front().isPrint() &&
        (typed.front() < u'0' || typed.front() > u'9')) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditControl::Notify() {
    OnUpdate();
    emit Changed();
}
