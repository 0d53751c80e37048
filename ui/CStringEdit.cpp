#include "CStringEdit.h"

#include <QPalette>
#include <algorithm>

#include "WindowSystem.h"

CStringEdit::CStringEdit(QWidget* parent) : EditControl(parent) {
    CtlColor();
}

void CStringEdit::SetAllowedChars(const QString& chars) {
    m_allowedChars = chars;
    QString remembered = m_lastValidText;
    if (!ValidateText(remembered)) {
        m_lastValidText.clear();
    }
    OnUpdate();
}

bool CStringEdit::ValidateText(QString& text) {
    const bool allowed =
        m_allowedChars.isEmpty() || std::all_of(text.begin(), text.end(), [this](QChar character) {
            return m_allowedChars.contains(character);
        });
    if (allowed) {
        m_lastValidText = text;
    } else {
        text = m_lastValidText;
    }
    return allowed;
}

void CStringEdit::OnUpdate() {
    QString text = GetText();
    const QString shown = text;
    int start = 0;
    int end = 0;
    GetSel(start, end);
    if (!ValidateText(text)) {
        WindowSystem::Beep();
    }
    if (text != shown) {
        SetText(text);
        SetSel(start, end);
    }
}

void CStringEdit::CtlColor() {
    QPalette colors = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Text, m_textColor);
        colors.setBrush(group, QPalette::Base, m_backBrush);
    }
    setPalette(colors);
}
