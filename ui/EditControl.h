#pragma once

#include <QLineEdit>
#include <QString>

class QKeyEvent;

// A one-line edit box that notifies as the dialog code expects: after every change of its text,
// typed or set by the program, it first runs its own OnUpdate and then emits Changed for the
// dialog. SetText notifies even when the new text equals the old one.
class EditControl : public QLineEdit {
    Q_OBJECT

public:
    explicit EditControl(QWidget* parent = nullptr);

    QString GetText() const { return text(); }
    void SetText(const QString& text);

    void LimitText(int characters) { setMaxLength(characters); }

    // Positions from 0; an end beyond the text means its end, so (0, 0xFFFF) selects all. The
    // line edit keeps its caret in view by itself.
    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end);

    // Typed characters other than 0 to 9 are dropped without a change; pasted text is not.
    void SetDigitsOnly(bool digitsOnly) { m_digitsOnly = digitsOnly; }

signals:
    void Changed();

protected:
    virtual void OnUpdate() {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Notify();

    bool m_digitsOnly = false;
};
