#pragma once

#include <QDialog>
#include <QIcon>
#include <QPlainTextEdit>
#include <QRegion>
#include <array>
#include <cstdint>
#include <string>

#include "CStringEdit.h"
#include "run/SolveCommand.h"
#include "run/SolveWindow.h"

class QAction;
class QContextMenuEvent;
class QKeyEvent;
class QPushButton;

// The program's window: the 9x9 grid as 81 one-digit cells, a help text above it and "&Solve"
// and "&Clear Grid" below. Typing a digit moves the focus to the next cell and the arrow keys walk
// the grid; a whole puzzle can be pasted and copied as text. A solve shows every digit as soon as
// the solver decides it.
class CNovemSolverDlg : public QDialog, private Novem::ISolveWindow, public Novem::SolveCommand {
    Q_OBJECT

public:
    static constexpr int kSolveId = 1;
    static constexpr int kFirstCellId = 2000;
    static constexpr int kClearGridId = 2100;
    static constexpr int kHelpTextId = 2101;
    static constexpr unsigned kAboutBoxCommand = 16;

    explicit CNovemSolverDlg(QWidget* parent = nullptr);

    // The solve command of the "&Solve" button and of Return. An error that stops it is shown in
    // a message box; the dialog stays usable.
    void OnSolve();

    // The system-menu commands this dialog adds; others are ignored.
    void OnSysCommand(unsigned id);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void OnInitDialog();
    void InitCells();
    void SetCellValue(int row, int column, int digit);
    void OnCellChange(int id);
    void OnClearGrid();
    void FocusCell(int index);
    // A puzzle in the clipboard fills the grid; anything else beeps.
    void OnPastePuzzle();
    // The grid as one line of 81 cells, '.' for an empty one.
    void OnCopyPuzzle();
    void OnHelp();
    // True when the key was taken: the arrows, and Ctrl+V unless it pastes one character.
    bool OnCellKey(int index, const QKeyEvent& event);

    std::string GetCellText(int cell) const override;
    void SetCellText(int cell, const std::string& text) override;
    void RepaintNow() override;
    void MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::uint32_t GetTickCount() const override;

    std::array<CStringEdit, 81> m_cells;
    QPushButton* m_solve = nullptr;
    QAction* m_pastePuzzle = nullptr;
    QAction* m_copyPuzzle = nullptr;
    QAction* m_help = nullptr;
    QAction* m_about = nullptr;
    QAction* m_close = nullptr;
    QIcon m_hIcon;
    QPlainTextEdit m_helpEdit;
    // The cells whose text changed since the last immediate repaint: painting only them keeps a
    // solve with many updates fast.
    QRegion m_changedCells;
};
