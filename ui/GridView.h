#pragma once

#include <QWidget>
#include <array>

#include "StepModel.h"

// The step window's grid. It grows with the window and draws what the model shows. Each cell is
// also a small child that takes the focus, so that the arrow keys walk the grid, a digit key
// enters the digit (0, Delete or Backspace clears it), and screen readers hear each cell's place
// and its digit or candidates.
class GridView : public QWidget {
    Q_OBJECT

public:
    explicit GridView(QWidget* parent = nullptr);

    void Show(const StepModel::View& view);
    // The child that stands for a cell, and the cell a child stands for (-1 for none).
    QWidget* CellWidget(int cell) const { return m_cells[static_cast<std::size_t>(cell)]; }
    int CellOf(const QWidget* widget) const;

signals:
    void Entered(int cell, int digit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceCells();
    bool OnCellKey(int cell, const QKeyEvent& event);

    StepModel::View m_view;
    std::array<QWidget*, Novem::GridGeometry::kCells> m_cells{};
    int m_focused = -1;
};
