#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>

#include "generate/PoolSearch.h"
#include "model/PuzzleText.h"
#include "print/Booklet.h"
#include "print/BookletPuzzles.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Asks for the level or the technique of a new puzzle and makes it off the window's thread:
// "New Puzzle" in both windows; and for "Print Puzzles", several such puzzles for a booklet,
// with how many a page, their solutions and a title. The making can be stopped at any time, and
// shows how many puzzles it has tried meanwhile and how fast, as a rare target takes many.
class NewPuzzleDialog : public QDialog {
    Q_OBJECT

public:
    enum class Purpose { Puzzle, Booklet };

    // What Print Puzzles makes: the grids with their headings, laid out as asked.
    struct PrintedBooklet {
        BookletPuzzles::Grids grids;
        Booklet::Layout layout;
        bool solutions = true;
    };

    NewPuzzleDialog(QWidget* parent, Purpose purpose);
    ~NewPuzzleDialog() override;

    // Runs the dialog: the new puzzle, or nothing when the user closed it first.
    static std::optional<Novem::PuzzleText::Cells> Ask(QWidget* parent);
    static std::optional<PrintedBooklet> AskBooklet(QWidget* parent);

private:
    void OnMake();
    void OnMade(const Novem::PuzzleText::Cells& puzzle);
    void OnBooklet(const BookletPuzzles::Grids& grids);
    void Stop();
    void reject() override;

    Purpose m_purpose;
    QComboBox* m_level;
    QComboBox* m_technique;
    QSpinBox* m_count = nullptr;
    QComboBox* m_perPage = nullptr;
    QCheckBox* m_solutions = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_status;
    QPushButton* m_make;
    QTimer m_tick;
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_stop;
    std::shared_ptr<Novem::Generate::PoolSearch> m_search;
    QElapsedTimer m_clock;
    std::shared_ptr<std::atomic<int>> m_made;
    std::optional<Novem::PuzzleText::Cells> m_puzzle;
    std::optional<PrintedBooklet> m_booklet;
};
