#include "GridAccessibility.h"

#include <QAccessibleWidget>

#include "GridView.h"

namespace GridAccessibility {

namespace {

using Novem::GridGeometry::kSize;

class Table : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit Table(GridView* grid) : QAccessibleWidget(grid, QAccessible::Table), m_grid(grid) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        const bool inside = row >= 0 && row < kSize && column >= 0 && column < kSize;
        return inside
                   ? QAccessible::queryAccessibleInterface(m_grid->CellWidget(row * kSize + column))
                   : nullptr;
    }
    int rowCount() const override { return kSize; }
    int columnCount() const override { return kSize; }
    QString rowDescription(int row) const override { return GridView::tr("Row %1").arg(row + 1); }
    QString columnDescription(int column) const override {
        return GridView::tr("Column %1").arg(column + 1);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }

    // The grid is walked and typed into; nothing in it is selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    GridView* m_grid;
};

class Cell : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    Cell(QWidget* widget, GridView* grid, int cell)
        : QAccessibleWidget(widget, QAccessible::Cell), m_grid(grid), m_cell(cell) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : QAccessibleWidget::interface_cast(type);
    }

    int rowIndex() const override { return Novem::GridGeometry::RowOf(m_cell); }
    int columnIndex() const override { return Novem::GridGeometry::ColumnOf(m_cell); }
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(m_grid);
    }

private:
    GridView* m_grid;
    int m_cell;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<GridView*>(object)) {
        return new Table(grid);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    auto* grid = widget != nullptr ? qobject_cast<GridView*>(widget->parentWidget()) : nullptr;
    const int cell = grid != nullptr ? grid->CellOf(widget) : -1;
    return cell >= 0 ? new Cell(widget, grid, cell) : nullptr;
}

}  // namespace

void Install() {
    QAccessible::installFactory(&Factory);
}

}  // namespace GridAccessibility
