#include "CNovemSolverDlg.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <exception>

#include "AppIcon.h"
#include "CAboutDlg.h"
#include "DialogUnits.h"
#include "NewPuzzleDialog.h"
#include "PrintPages.h"
#include "Product.h"
#include "PuzzleProblem.h"
#include "StepWindow.h"
#include "Translations.h"
#include "WindowSystem.h"
#include "analysis/Analyser.h"
#include "model/PuzzleText.h"
#include "print/Booklet.h"
#include "print/BookletPuzzles.h"

namespace {

using Novem::GridGeometry::kCells;
using Novem::GridGeometry::kSize;

struct Given {
    int row;
    int column;
    int digit;
};

constexpr Given kSamplePuzzle[] = {{0, 0, 8}, {0, 1, 9}, {0, 2, 5}, {0, 8, 4}, {1, 5, 7}, {2, 0, 1},
                                   {2, 3, 6}, {2, 5, 5}, {2, 7, 8}, {3, 0, 4}, {3, 4, 1}, {4, 5, 4},
                                   {4, 6, 6}, {5, 6, 3}, {5, 8, 9}, {6, 0, 7}, {6, 2, 1}, {6, 3, 3},
                                   {7, 0, 5}, {7, 2, 4}, {7, 8, 2}, {8, 2, 2}, {8, 7, 1}};

// Each 3x3 block is set off from its neighbours by a gap of 3 units.
int CellOffset(int index) {
    return 20 * index + 3 * (index / 3);
}

}  // namespace

CNovemSolverDlg::CNovemSolverDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_hIcon(LoadAppIcon()) {
    CreateControls();
    OnInitDialog();
}

void CNovemSolverDlg::CreateControls() {
    const DialogUnits units(fontMetrics());
    setFixedSize(units.X(200), units.Y(262));
    setWindowTitle(QStringLiteral("%1 %2").arg(Product::kName, Product::kMakersNotice));
    setAcceptDrops(true);

    m_solve = new QPushButton(tr("&Solve"), this);
    m_solve->setObjectName(QStringLiteral("solve"));
    m_solve->setGeometry(units.Rect(143, 239, 50, 16));
    m_solve->setDefault(true);
    connect(m_solve, &QPushButton::clicked, this, &CNovemSolverDlg::OnSolve);

    // Return presses the focused button, as on the platform the dialog comes from, and solves
    // everywhere else.
    auto* clearGrid = new QPushButton(tr("&Clear Grid"), this);
    clearGrid->setObjectName(QStringLiteral("clearGrid"));
    clearGrid->setGeometry(units.Rect(7, 239, 50, 16));
    connect(clearGrid, &QPushButton::clicked, this, &CNovemSolverDlg::OnClearGrid);

    QWidget* previous = clearGrid;
    QWidget::setTabOrder(m_solve, clearGrid);
    for (int index = 0; index < kCells; ++index) {
        CStringEdit& cell = m_cells[index];
        cell.setParent(this);
        cell.setObjectName(QStringLiteral("cell%1").arg(index));
        const int row = Novem::GridGeometry::RowOf(index);
        const int column = Novem::GridGeometry::ColumnOf(index);
        cell.setAccessibleName(tr("Row %1, column %2").arg(row + 1).arg(column + 1));
        cell.setGeometry(units.Rect(7 + CellOffset(column), 49 + CellOffset(row), 20, 20));
        cell.setAlignment(Qt::AlignCenter);
        cell.SetDigitsOnly(true);
        cell.installEventFilter(this);
        connect(&cell, &EditControl::Changed, this, [this, index] { OnCellChange(index); });
        QWidget::setTabOrder(previous, &cell);
        previous = &cell;
    }

    m_helpEdit.setParent(this);
    m_helpEdit.setObjectName(QStringLiteral("help"));
    m_helpEdit.setAccessibleName(tr("How to enter a puzzle"));
    m_helpEdit.setGeometry(units.Rect(7, 7, 186, 38));
    m_helpEdit.setFrameShape(QFrame::NoFrame);
    m_helpEdit.setLineWrapMode(QPlainTextEdit::NoWrap);
    m_helpEdit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_helpEdit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_helpEdit.document()->setDocumentMargin(0);
    m_helpEdit.setEnabled(false);
    // A disabled box lies flat on the dialog, as on the platform the layout comes from.
    QPalette helpColors = m_helpEdit.palette();
    helpColors.setBrush(QPalette::Disabled, QPalette::Base, helpColors.brush(QPalette::Window));
    m_helpEdit.setPalette(helpColors);
    QWidget::setTabOrder(previous, &m_helpEdit);
    CreateActions();
}

void CNovemSolverDlg::CreateActions() {
    // The shortcuts work anywhere in the dialog; a cell takes Ctrl+V for itself, and passes it
    // on through the event filter.
    const auto add = [this](const QString& text, const QKeySequence& keys, auto handler) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        return action;
    };
    m_newPuzzle = add(tr("&New Puzzle..."), QKeySequence::New, &CNovemSolverDlg::OnNewPuzzle);
    m_pastePuzzle = add(tr("&Paste Puzzle"), QKeySequence::Paste, &CNovemSolverDlg::OnPastePuzzle);
    m_copyPuzzle = add(tr("&Copy Puzzle"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                       &CNovemSolverDlg::OnCopyPuzzle);
    const auto paint = [this](QPagedPaintDevice& device) { PaintGrid(device); };
    m_print = add(tr("P&rint..."), QKeySequence::Print,
                  [this, paint] { PrintPages::Print(this, paint); });
    m_exportPdf = add(tr("&Export PDF..."), QKeySequence(), [this, paint] {
        const QString told = PrintPages::ExportPdf(this, paint);
        if (!told.isEmpty()) {
            QToolTip::showText(mapToGlobal(m_helpEdit.geometry().bottomLeft()), told, this);
        }
    });
    m_printPuzzles =
        add(tr("Print Pu&zzles..."), QKeySequence(), [this] { PrintPages::PrintPuzzles(this); });
    m_showSolution = add(tr("Show S&olution"), QKeySequence(), &CNovemSolverDlg::OnShowSolution);
    m_stepByStep = add(tr("S&tep by Step"), QKeySequence(Qt::CTRL | Qt::Key_T),
                       &CNovemSolverDlg::OnStepByStep);
    m_help = add(tr("&Help"), QKeySequence::HelpContents, &CNovemSolverDlg::OnHelp);
    m_about = add(tr("&About NovemSolver..."), QKeySequence(),
                  [this] { OnSysCommand(kAboutBoxCommand); });
    m_close = add(tr("&Close"), QKeySequence(), &QDialog::reject);
}

void CNovemSolverDlg::OnInitDialog() {
    setWindowIcon(m_hIcon);
    WindowSystem::SetText(m_helpEdit, tr("Just edit as if you was entering the digits column by\n"
                                         "column then line per line.\n"
                                         "Use 0 to leave the current cell unchanged.\n"
                                         "When you type a digit, the next cell gets the focus."));
    InitCells();
    // The writes of the sample puzzle walked the focus through the cells; the dialog opens with it
    // on the first tab stop instead, "&Solve".
    WindowSystem::SetFocus(WindowSystem::NextTabStop(this));
}

void CNovemSolverDlg::InitCells() {
    for (CStringEdit& cell : m_cells) {
        cell.LimitText(1);
        cell.SetAllowedChars(QStringLiteral("123456789"));
    }
    for (const Given& given : kSamplePuzzle) {
        SetCellValue(given.row, given.column, given.digit);
    }
}

void CNovemSolverDlg::SetCellValue(int row, int column, int digit) {
    m_cells[Novem::GridGeometry::CellAt(row, column)].SetText(QString::number(digit));
}

void CNovemSolverDlg::OnCellChange(int cell) {
    if (m_solveCommand.IsSolving()) {
        return;
    }
    auto* next = qobject_cast<CStringEdit*>(WindowSystem::NextTabStop(&m_cells[cell]));
    if (next == nullptr) {
        return;
    }
    WindowSystem::SetFocus(next);
    next->SetSel(0, 0xFFFF);
}

void CNovemSolverDlg::OnClearGrid() {
    for (CStringEdit& cell : m_cells) {
        cell.SetText(QString());
    }
    // The writes walked the focus to the last cell; a puzzle is typed from the first.
    FocusCell(0);
}

void CNovemSolverDlg::FocusCell(int index) {
    WindowSystem::SetFocus(&m_cells[index]);
    m_cells[index].SetSel(0, 0xFFFF);
}

void CNovemSolverDlg::OnNewPuzzle() {
    if (const std::optional<Novem::PuzzleText::Cells> puzzle = NewPuzzleDialog::Ask(this)) {
        FillFrom(QString::fromLatin1(puzzle->data(), static_cast<qsizetype>(puzzle->size())));
    }
}

void CNovemSolverDlg::OnPastePuzzle() {
    FillFrom(QGuiApplication::clipboard()->text());
}

void CNovemSolverDlg::FillFrom(const QString& text) {
    Novem::PuzzleText::Puzzle puzzle;
    const Novem::PuzzleText::TextProblem problem =
        Novem::PuzzleText::ParseText(text.toStdString(), puzzle);
    const QPoint below = mapToGlobal(m_helpEdit.geometry().bottomLeft());
    if (problem.kind != Novem::PuzzleText::TextProblem::Kind::None) {
        WindowSystem::Beep();
        QToolTip::showText(below, PuzzleProblem::Text(problem), this);
        return;
    }
    m_position.reset();
    Novem::PuzzleText::Cells cells = puzzle.givens;
    if (puzzle.marks) {
        cells = Novem::PuzzleText::DecidedCells(*puzzle.marks);
        m_position = puzzle;
        QToolTip::showText(below,
                           tr("The grid holds the position's decided cells; Step by Step keeps its "
                              "candidates."),
                           this);
    }
    for (int index = 0; index < kCells; ++index) {
        if (cells[index] == '.') {
            m_cells[index].SetText(QString());
        } else {
            SetCellValue(Novem::GridGeometry::RowOf(index), Novem::GridGeometry::ColumnOf(index),
                         cells[index] - '0');
        }
    }
    WindowSystem::SetFocus(m_solve);
}

Novem::PuzzleText::Cells CNovemSolverDlg::GridCells() const {
    Novem::PuzzleText::Cells cells{};
    for (int cell = 0; cell < kCells; ++cell) {
        const QString text = m_cells[cell].GetText();
        cells[cell] = text.isEmpty() ? '.' : text.front().toLatin1();
    }
    return cells;
}

void CNovemSolverDlg::OnStepByStep() {
    if (m_stepWindow == nullptr) {
        m_stepWindow = new StepWindow(this);
    }
    const Novem::PuzzleText::Cells cells = GridCells();
    if (m_position && Novem::PuzzleText::DecidedCells(*m_position->marks) == cells) {
        m_stepWindow->SetPuzzle(*m_position);
    } else {
        m_stepWindow->SetPuzzle({cells, {}});
    }
    m_stepWindow->show();
    m_stepWindow->raise();
    m_stepWindow->activateWindow();
}

void CNovemSolverDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

// A dropped puzzle, as text or as a file, fills the grid as a pasted one does.
void CNovemSolverDlg::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && data->urls().front().isLocalFile()) {
        QFile file(data->urls().front().toLocalFile());
        FillFrom(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    } else {
        FillFrom(data->text());
    }
    event->acceptProposedAction();
}

void CNovemSolverDlg::OnCopyPuzzle() {
    QString line;
    for (const CStringEdit& cell : m_cells) {
        line += cell.GetText().isEmpty() ? QStringLiteral(".") : cell.GetText();
    }
    QGuiApplication::clipboard()->setText(line);
}

void CNovemSolverDlg::PaintGrid(QPagedPaintDevice& device) {
    WindowSystem::BeginWaitCursor(this);
    const Novem::PuzzleText::Puzzle puzzle{GridCells(), nullptr};
    Novem::Analysis::Analyser analyser(
        {.solutions = true, .techniques = Novem::Ladder::kAllFamilies});
    const QString rating = BookletPuzzles::RatingText(analyser.Analyse(puzzle));
    Booklet::Paint(device,
                   {BookletPuzzles::GridOf(puzzle, QStringLiteral("Novem Solver · ") + rating)}, {},
                   {});
    WindowSystem::EndWaitCursor(this);
}

void CNovemSolverDlg::OnHelp() {
    WindowSystem::MessageBox(
        this,
        tr("To enter a puzzle, press Clear Grid and type its 81 cells row by row: a digit for a "
           "given, 0 for an empty cell. Every key moves on to the next cell; the arrow keys walk "
           "the grid, and a click selects a cell's digit so that typing replaces it.\n\n"
           "Ctrl+V pastes a puzzle copied from elsewhere: 81 cells on one line, 0 or . for an "
           "empty cell, or 9 lines of 9. A position with pencil marks (729 places, a grid of "
           "candidates) fills in its decided cells, and Step by Step keeps its candidates. "
           "Ctrl+Shift+C copies the grid as one line.\n\n"
           "Return solves the grid; Escape closes the program."),
        tr("Help"), Novem::MB_OK | Novem::MB_ICONINFORMATION);
}

bool CNovemSolverDlg::eventFilter(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<CStringEdit*>(watched);
    if (cell == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    const int index = static_cast<int>(cell - m_cells.data());
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Typing then replaces the digit instead of being refused for the length.
        cell->selectAll();
    } else if (event->type() == QEvent::KeyPress) {
        return OnCellKey(index, *static_cast<QKeyEvent*>(event));
    }
    return false;
}

bool CNovemSolverDlg::OnCellKey(int index, const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste)) {
        // A single character is the cell's own paste, which its filter checks.
        if (QGuiApplication::clipboard()->text().size() == 1) {
            return false;
        }
        OnPastePuzzle();
        return true;
    }
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier) {
        return false;
    }
    const int row = Novem::GridGeometry::RowOf(index);
    const int column = Novem::GridGeometry::ColumnOf(index);
    switch (event.key()) {
        case Qt::Key_Left:
            FocusCell(column > 0 ? index - 1 : index);
            return true;
        case Qt::Key_Right:
            FocusCell(column < kSize - 1 ? index + 1 : index);
            return true;
        case Qt::Key_Up:
            FocusCell(row > 0 ? index - kSize : index);
            return true;
        case Qt::Key_Down:
            FocusCell(row < kSize - 1 ? index + kSize : index);
            return true;
        default:
            return false;
    }
}

void CNovemSolverDlg::OnShowSolution() {
    try {
        m_solveCommand.OnShowSolution();
        WindowSystem::SetFocus(m_solve);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void CNovemSolverDlg::OnSolve() {
    try {
        m_solveCommand.OnSolve();
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void CNovemSolverDlg::ShowError(const std::exception& error) {
    WindowSystem::MessageBox(
        this, tr("The solve was stopped by an error: %1").arg(QString::fromUtf8(error.what())),
        tr("Error"), Novem::MB_OK | Novem::MB_ICONEXCLAMATION);
}

void CNovemSolverDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0U) == kAboutBoxCommand) {
        CAboutDlg about;
        WindowSystem::RunModal(about);
    }
}

void CNovemSolverDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window manager keeps the window menu to itself, so its items come here instead.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions({m_newPuzzle, m_pastePuzzle, m_copyPuzzle});
    menu->addSeparator();
    menu->addActions({m_print, m_exportPdf, m_printPuzzles});
    menu->addSeparator();
    menu->addActions({m_showSolution, m_stepByStep});
    menu->addSeparator();
    menu->addActions({m_help, m_about});
    menu->addSeparator();
    menu->addAction(m_close);
    menu->popup(event->globalPos());
}

void CNovemSolverDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, rect().center(),
                                    mapToGlobal(rect().center()));
        contextMenuEvent(&menuEvent);
        return;
    }
    QDialog::keyPressEvent(event);
}

Novem::SolveWindow CNovemSolverDlg::SolveWindowOperations() {
    return {
        .getCellText = [this](int cell) { return m_cells[cell].GetText().toStdString(); },
        .setCellText = [this](int cell, const std::string& text) { SetCellText(cell, text); },
        .repaintNow = [this] { RepaintNow(); },
        .messageBox =
            [this](std::string_view text, std::string_view caption, unsigned style) {
                WindowSystem::MessageBox(this, Translations::Solve(text),
                                         Translations::Solve(caption), style);
            },
        .showResult = [this](const Novem::SolveReport& report,
                             unsigned style) { ShowResult(report, style); },
        .beginWaitCursor = [this] { WindowSystem::BeginWaitCursor(this); },
        .endWaitCursor = [this] { WindowSystem::EndWaitCursor(this); },
        .getTickCount = [] { return WindowSystem::GetTickCount(); },
    };
}

// Only a cell whose text changes is written: a write that changes nothing would still be told to
// screen readers, a few thousand times a solve.
void CNovemSolverDlg::SetCellText(int cell, const std::string& text) {
    const QString newText = QString::fromStdString(text);
    if (m_cells[cell].GetText() != newText) {
        m_changedCells += m_cells[cell].geometry();
        m_cells[cell].SetText(newText);
    }
}

void CNovemSolverDlg::RepaintNow() {
    WindowSystem::RepaintNow(this, m_changedCells);
    m_changedCells = QRegion();
}

// The box lays out the figures as a table of labels in the user's language; its text, the same
// in lines, is what a copy takes.
void CNovemSolverDlg::ShowResult(const Novem::SolveReport& report, unsigned style) {
    const auto translated = [](std::string_view text) {
        return Translations::Solve(text).toStdString();
    };
    ResultTable table;
    table.heading = Translations::Solve(report.solved ? Novem::SolveTexts::kSolved
                                                      : Novem::SolveTexts::kNotSolvable);
    for (const Novem::StatisticsLine& line : Novem::StatisticsLines(report.counters)) {
        table.rows.append(
            {QString::fromStdString(Novem::WithNumber(translated(line.Label().text), line.card)),
             QStringLiteral(": %1").arg(line.value)});
    }
    table.rows.append({QString(), QString()});
    table.rows.append({Translations::Solve(Novem::SolveTexts::kTotalTime),
                       QStringLiteral(": %1 s").arg(Novem::Seconds(report.milliseconds).c_str())});
    table.paragraph = QString::fromStdString(Novem::Verdict(report, translated));
    table.text = QString::fromStdString(Novem::ResultText(report, translated));
    if (!table.paragraph.isEmpty()) {
        table.text += QStringLiteral("\r\n\r\n") + table.paragraph;
    }
    WindowSystem::ResultBox(this, table, Translations::Solve(Novem::SolveTexts::kSolverStatus),
                            style);
}
