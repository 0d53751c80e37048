#include "GridView.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include "GridAccessibility.h"
#include "GridPainter.h"
#include "model/Bits.h"

namespace {

using Novem::GridGeometry::kCells;
using Novem::GridGeometry::kSize;

// What a screen reader says of a cell beside its place: its digit and whose it is (a given, the
// user's, one the user got wrong, or one the steps decided), or its candidates.
QString Content(const StepModel::View& view, int cell) {
    const unsigned candidates = view.candidates[cell];
    if (Novem::Bits::Count(candidates) == 1) {
        const QString digit = QString::number(Novem::Bits::Lowest(candidates) + 1);
        return view.wrong[cell]     ? GridView::tr("%1, entered, not the solution's").arg(digit)
               : view.given[cell]   ? GridView::tr("%1, given").arg(digit)
               : view.entered[cell] ? GridView::tr("%1, entered").arg(digit)
                                    : GridView::tr("%1, solved").arg(digit);
    }
    QStringList digits;
    for (const int digit : Novem::Bits::Indices(candidates)) {
        digits << QString::number(digit + 1);
    }
    return GridView::tr("candidates %1").arg(digits.join(u' '));
}

}  // namespace

GridView::GridView(QWidget* parent) : QWidget(parent) {
    [[maybe_unused]] static const bool accessible = (GridAccessibility::Install(), true);
    setMinimumSize(240, 240);
    setAccessibleName(tr("Grid"));
    for (int cell = 0; cell < kCells; ++cell) {
        // Known as a cell before anything asks for its accessible interface.
        auto* child = new QWidget(this);
        m_cells[cell] = child;
        child->setObjectName(QStringLiteral("gridCell%1").arg(cell));
        child->setFocusPolicy(Qt::StrongFocus);
        child->setAccessibleName(tr("Row %1, column %2")
                                     .arg(Novem::GridGeometry::RowOf(cell) + 1)
                                     .arg(Novem::GridGeometry::ColumnOf(cell) + 1));
        child->installEventFilter(this);
    }
    for (int cell = 1; cell < kCells; ++cell) {
        setTabOrder(m_cells[cell - 1], m_cells[cell]);
    }
}

int GridView::CellOf(const QWidget* widget) const {
    const auto found = std::find(m_cells.begin(), m_cells.end(), widget);
    return found == m_cells.end() ? -1 : static_cast<int>(found - m_cells.begin());
}

void GridView::Show(const StepModel::View& view) {
    m_view = view;
    for (int cell = 0; cell < kCells; ++cell) {
        m_cells[cell]->setAccessibleDescription(Content(view, cell));
    }
    update();
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    GridPainter::Paint(painter, rect(), m_view, m_focused);
}

void GridView::resizeEvent(QResizeEvent*) {
    PlaceCells();
}

void GridView::PlaceCells() {
    const QRectF grid = GridPainter::GridRect(rect());
    for (int cell = 0; cell < kCells; ++cell) {
        m_cells[cell]->setGeometry(GridPainter::CellRect(grid, cell).toRect());
    }
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    const int cell = CellOf(qobject_cast<QWidget*>(watched));
    if (cell < 0) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
            m_focused = cell;
            update();
            break;
        case QEvent::FocusOut:
            m_focused = -1;
            update();
            break;
        case QEvent::MouseButtonPress:
            m_cells[cell]->setFocus(Qt::MouseFocusReason);
            return true;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (OnCellKey(cell, *static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        default:
            break;
    }
    return false;
}

// True when the key was the cell's: an arrow, which the window's shortcuts must not take, or a
// digit to enter.
bool GridView::OnCellKey(int cell, const QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier) {
        return false;
    }
    const int row = Novem::GridGeometry::RowOf(cell);
    const int column = Novem::GridGeometry::ColumnOf(cell);
    int next = -1;
    switch (event.key()) {
        case Qt::Key_Left:
            next = column > 0 ? cell - 1 : cell;
            break;
        case Qt::Key_Right:
            next = column < kSize - 1 ? cell + 1 : cell;
            break;
        case Qt::Key_Up:
            next = row > 0 ? cell - kSize : cell;
            break;
        case Qt::Key_Down:
            next = row < kSize - 1 ? cell + kSize : cell;
            break;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            if (event.type() == QEvent::KeyPress) {
                emit Entered(cell, 0);
            }
            return true;
        default:
            if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) {
                if (event.type() == QEvent::KeyPress) {
                    emit Entered(cell, event.key() - Qt::Key_0);
                }
                return true;
            }
            return false;
    }
    if (event.type() == QEvent::KeyPress) {
        m_cells[next]->setFocus(Qt::TabFocusReason);
    }
    return true;
}
