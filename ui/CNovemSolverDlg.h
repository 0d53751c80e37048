#pragma once

#include <QDialog>
#include <QIcon>
#include <QPagedPaintDevice>
#include <QPlainTextEdit>
#include <QRegion>
#include <array>
#include <exception>
#include <optional>

#include "CStringEdit.h"
#include "model/GridGeometry.h"
#include "model/PuzzleText.h"
#include "run/SolveCommand.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class StepWindow;
class QContextMenuEvent;
class QKeyEvent;
class QPushButton;

// The program's window: the 9x9 grid as one-digit cells, a help text above it and "&Solve"
// and "&Clear Grid" below. Typing a digit moves the focus to the next cell and the arrow keys walk
// the grid; a whole puzzle can be pasted and copied as text. A solve shows every digit as soon as
// the solver decides it.
class CNovemSolverDlg : public QDialog {
    Q_OBJECT

public:
    explicit CNovemSolverDlg(QWidget* parent = nullptr);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr unsigned kAboutBoxCommand = 16;

    void CreateControls();
    void CreateActions();
    void OnInitDialog();
    void InitCells();
    void SetCellValue(int row, int column, int digit);
    // Moves the focus on from the cell whose text changed.
    void OnCellChange(int cell);
    void OnClearGrid();
    void FocusCell(int index);
    // A puzzle in the clipboard fills the grid (of a position, its decided cells); anything else
    // beeps and says why.
    void OnNewPuzzle();
    void OnPastePuzzle();
    void FillFrom(const QString& text);
    // "Step by Step" on the puzzle the cells hold.
    void OnStepByStep();
    Novem::PuzzleText::Cells GridCells() const;
    // The grid as one line of cells, '.' for an empty one.
    void OnCopyPuzzle();
    // The grid on paper or in a PDF, under its level and rating; new puzzles for a booklet.
    void PaintGrid(QPagedPaintDevice& device);
    void OnHelp();
    // True when the key was taken: the arrows, and Ctrl+V unless it pastes one character.
    bool OnCellKey(int index, const QKeyEvent& event);
    // The Solve command of the "&Solve" button and of Return. An error that stops it is shown in
    // a message box; the dialog stays usable.
    void OnSolve();
    void OnShowSolution();
    // A command stopped by an error says so in a box; the dialog stays usable.
    void ShowError(const std::exception& error);
    // The system-menu commands this dialog adds; others are ignored.
    void OnSysCommand(unsigned id);

    // What the Solve command may do to this window.
    Novem::SolveWindow SolveWindowOperations();
    void SetCellText(int cell, const std::string& text);
    void RepaintNow();
    void ShowResult(const Novem::SolveReport& report, unsigned style);

    std::array<CStringEdit, Novem::GridGeometry::kCells> m_cells;
    QPushButton* m_solve = nullptr;
    QAction* m_pastePuzzle = nullptr;
    QAction* m_copyPuzzle = nullptr;
    QAction* m_showSolution = nullptr;
    QAction* m_stepByStep = nullptr;
    QAction* m_newPuzzle = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exportPdf = nullptr;
    QAction* m_printPuzzles = nullptr;
    // Made when first asked for.
    StepWindow* m_stepWindow = nullptr;
    // The last position pasted with its candidates, which Step by Step takes while the cells
    // still hold its decided ones.
    std::optional<Novem::PuzzleText::Puzzle> m_position;
    QAction* m_help = nullptr;
    QAction* m_about = nullptr;
    QAction* m_close = nullptr;
    QIcon m_hIcon;
    QPlainTextEdit m_helpEdit;
    // The cells whose text changed since the last immediate repaint: painting only them keeps a
    // solve with many updates fast.
    QRegion m_changedCells;
    Novem::SolveCommand m_solveCommand{SolveWindowOperations()};
};
