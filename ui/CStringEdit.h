#pragma once

#include <QBrush>
#include <QColor>
#include <QString>

#include "EditControl.h"

// An edit box whose text only ever consists of allowed characters. An edit that brings in any
// other character is refused: a beep, the last valid text back and the caret where the refused
// edit left it. It paints black on white whatever the desktop's colours are.
class CStringEdit : public EditControl {
    Q_OBJECT

public:
    explicit CStringEdit(QWidget* parent = nullptr);

    // Empty allows every text. Rechecks the remembered and the shown text against the new set.
    void SetAllowedChars(const QString& chars);

    // True when every character of `text` is allowed; `text` is then remembered as the last valid
    // text. Otherwise `text` is replaced by the last valid text.
    bool ValidateText(QString& text);

protected:
    void OnUpdate() override;

private:
    // Answers the colour request once and for all: colours set on the widget itself outlast any
    // later change of the application's palette.
    void CtlColor();

    QString m_allowedChars;
    QString m_lastValidText;
    QColor m_textColor{0, 0, 0};
    QColor m_backColor{255, 255, 255};
    QBrush m_backBrush{m_backColor};
};
