#pragma once

#include <QTreeWidget>
#include <vector>

#include "explanation/Application.h"

// The step window's list of steps, one short line each. Stretches of basic steps (singles and
// locked candidates) fold into one row of their own, so that a hard puzzle's techniques stand out;
// a puzzle that needs nothing more shows them all.
class StepList : public QTreeWidget {
    Q_OBJECT

public:
    explicit StepList(QWidget* parent = nullptr);

    void Clear();
    // The next step of the solve.
    void Add(const Novem::Application& application);
    // The solve is done: with no step beyond the basic ones, every stretch is unfolded.
    void Finish();
    // Makes the entry's row current, unfolding its stretch, unless the current row stands for it
    // already (a stretch's row stands for its first step); -1 for none.
    void Show(int entry);
    int Count() const { return static_cast<int>(m_items.size()); }
    QTreeWidgetItem* ItemOf(int entry) const { return m_items[static_cast<std::size_t>(entry)]; }

signals:
    // The user moved to the row of a step.
    void Chosen(int entry);

private:
    static int EntryOf(const QTreeWidgetItem* item);
    static void Label(QTreeWidgetItem* stretch);

    // Each entry's row, in a stretch's or at the top.
    std::vector<QTreeWidgetItem*> m_items;
    bool m_beyondBasics = false;
};
