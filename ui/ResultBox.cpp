#include "ResultBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QTextTable>
#include <QVBoxLayout>

#include "run/SolveWindow.h"

namespace {

QStyle::StandardPixmap IconOf(unsigned style) {
    switch (style & 0xF0U) {
        case Novem::MB_ICONEXCLAMATION:
            return QStyle::SP_MessageBoxWarning;
        case Novem::MB_ICONINFORMATION:
            return QStyle::SP_MessageBoxInformation;
        default:
            return QStyle::SP_CustomBase;
    }
}

// The table, whose copies are lines of its text.
class TableView : public QTextBrowser {
public:
    TableView(const ResultTable& table, QWidget* parent)
        : QTextBrowser(parent), m_lines(QString(table.text).remove(u'\r').split(u'\n')) {
        setHtml(ToDisplayHtml(table));
        setFrameShape(QFrame::NoFrame);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        viewport()->setAutoFillBackground(false);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(0);
        document()->setTextWidth(document()->idealWidth());
        setFixedSize(document()->size().toSize() + QSize(2, 2));
    }

protected:
    QMimeData* createMimeDataFromSelection() const override {
        const QTextCursor selection = textCursor();
        auto* data = new QMimeData;
        data->setText(Lines(RowOf(selection.selectionStart(), 0),
                            RowOf(selection.selectionEnd(), static_cast<int>(m_lines.size()) - 1)));
        return data;
    }

    // With nothing selected, a copy takes all of the text.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
            QApplication::clipboard()->setText(Lines(0, static_cast<int>(m_lines.size()) - 1));
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }

private:
    // A place outside the table, before or after it, stands for `outside`.
    int RowOf(int position, int outside) const {
        QTextCursor cursor(document());
        cursor.setPosition(position);
        const QTextTable* table = cursor.currentTable();
        return table != nullptr ? table->cellAt(cursor).row() : outside;
    }

    QString Lines(int first, int last) const {
        return m_lines.mid(first, last - first + 1).join(u'\n');
    }

    QStringList m_lines;
};

}  // namespace

QString ToDisplayHtml(const ResultTable& table) {
    const auto wide = [](const QString& text) {
        return QStringLiteral("<tr><td colspan=\"2\">%1&nbsp;</td></tr>").arg(text.toHtmlEscaped());
    };
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">") +
                   wide(table.heading) + wide(QString());
    for (const auto& [label, figure] : table.rows) {
        // A label never wraps, however large the font: the columns stay one line each.
        html += label.isEmpty() && figure.isEmpty()
                    ? wide(QString())
                    : QStringLiteral(
                          "<tr><td style=\"white-space: pre\">%1   </td>"
                          "<td style=\"white-space: pre\">%2</td></tr>")
                          .arg(label.toHtmlEscaped(), figure.toHtmlEscaped());
    }
    if (!table.paragraph.isEmpty()) {
        html += wide(QString()) + wide(table.paragraph);
    }
    return html + QStringLiteral("</table>");
}

ResultBox::ResultBox(QWidget* owner, const ResultTable& table, const QString& caption,
                     unsigned style)
    : QDialog(owner) {
    setWindowTitle(caption);
    auto* icon = new QLabel(this);
    const QStyle::StandardPixmap standard = IconOf(style);
    if (standard != QStyle::SP_CustomBase) {
        const int size = this->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(this->style()->standardIcon(standard, nullptr, this).pixmap(size));
    }
    auto* view = new TableView(table, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* content = new QHBoxLayout;
    content->addWidget(icon, 0, Qt::AlignTop);
    content->addWidget(view);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
}
