#pragma once

#include <QMainWindow>
#include <QPagedPaintDevice>
#include <vector>

#include "StepList.h"
#include "StepModel.h"
#include "StepSolver.h"

class GridView;
class QAction;
class QComboBox;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QProgressBar;
class QTextBrowser;

// "Step by Step": how a puzzle is solved. Its grid shows every open cell's candidates; the list
// holds every step of the ladder in the words of novem-batch --explain, and a selected step is
// drawn on the grid as it stood just before it. With no step selected the grid is the user's, to
// enter digits into and to ask for hints, with undo and redo. Puzzles come from the main dialog,
// from files of one or many, and from whatever is dropped on the window, positions with their
// candidates among them; the grid goes out as a line of text, with its candidates or without, or
// as a picture.
class StepWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit StepWindow(QWidget* parent = nullptr);

    // Starts on the puzzle, working out its steps off the interface's thread.
    void SetPuzzle(const Novem::PuzzleText::Puzzle& puzzle);

    // Opens the puzzles of a text: one, or many, from a file named `source`, a paste or a drop
    // (then `source` is empty), or a position with its candidates. Lines that are no puzzle are
    // told by their number, as novem-batch tells them, and a position that is not one by what is
    // wrong with it; where none is a puzzle, after `nothing`, and false comes back.
    bool OpenText(const QString& text, const QString& source, const QString& nothing);

protected:
    // Gives back what a file of many puzzles took: the window is kept for the next opening.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateLayout();
    void OnEntry(StepModel::Entry entry);
    void OnFinished(const Novem::Ladder::Rating& rating, bool solved, int solutions,
                    const Novem::PuzzleText::Cells& solution);
    void OnSelected(int entry);
    void OnEntered(int cell, int digit);
    void OnHint();
    void OnShowSolution();
    void OnUndo();
    void OnRedo();
    void OnNewPuzzle();
    void OnOpen();
    void OnSave();
    void OnOtherPuzzle(int offset);
    void OnPastePuzzle();
    void OnCopyPuzzle();
    // The grid as it stands with every cell's candidates: as a line of 729 places, or drawn as
    // a grid of candidates.
    void OnCopyCandidates();
    void OnCopyCandidateGrid();
    void OnCopyPicture();
    void OnSavePicture();
    void PaintGrid(QPagedPaintDevice& device);
    // The grid, the list's selection, what may be done now and the status line, after a change.
    void Refresh();
    void RefreshBranches(const StepModel::View& view);
    QString Status() const;
    void Tell(const QString& told, const QString& inFull = {});
    // What the marks of a step on the grid mean.
    QString Legend() const;
    QString MistakeText(const StepModel::Mistake& mistake) const;
    QImage Picture() const;
    QByteArray Svg() const;

    StepModel m_model;
    StepSolver m_solver{this};
    GridView* m_grid = nullptr;
    StepList* m_steps = nullptr;
    QLabel* m_status = nullptr;
    QTextBrowser* m_detail = nullptr;
    // Of a forcing chain shown, which branch the grid draws.
    QComboBox* m_branches = nullptr;
    QProgressBar* m_busy = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_previousPuzzle = nullptr;
    QAction* m_nextPuzzle = nullptr;
    QAction* m_printMarks = nullptr;
    // The puzzles of the file opened last, and which of them is shown.
    std::vector<Novem::PuzzleText::Puzzle> m_puzzles;
    std::size_t m_puzzle = 0;
    // What the user was told last, in the status line, and in full in the pane under the list.
    QString m_told;
    QString m_toldInFull;
};
