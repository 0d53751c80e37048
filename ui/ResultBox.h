#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

// Labels and figures under a heading, as a result box shows them, and a paragraph after them if
// there is one. A row of two empty texts is a blank line. `text` tells the same in lines, one for
// each row of the table, labels and figures separated by tabs: what a copy of the box takes.
struct ResultTable {
    QString heading;
    QList<QPair<QString, QString>> rows;
    QString paragraph;
    QString text;
};

// The table as a result box shows it: one row for the heading, for each row of the table and
// for the paragraph, the figures aligned in a column of their own.
QString ToDisplayHtml(const ResultTable& table);

// A message box that shows a table. A copy, of a selection or with nothing selected of all of
// it, gives whole lines of the table's text, not each label and figure on a line of its own.
class ResultBox : public QDialog {
    Q_OBJECT

public:
    // The style is one of the MB_ values of the Solve command.
    ResultBox(QWidget* owner, const ResultTable& table, const QString& caption, unsigned style);
};
