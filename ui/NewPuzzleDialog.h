#pragma once

#include <QDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>

#include "model/PuzzleText.h"

class QComboBox;
class QLabel;
class QPushButton;

// Asks for the level or the technique of a new puzzle and makes it off the window's thread:
// "New Puzzle" in both windows. The making can be stopped at any time, and shows how many puzzles
// it has tried meanwhile, as a rare target takes many.
class NewPuzzleDialog : public QDialog {
    Q_OBJECT

public:
    explicit NewPuzzleDialog(QWidget* parent);
    ~NewPuzzleDialog() override;

    // Runs the dialog: the new puzzle, or nothing when the user closed it first.
    static std::optional<Novem::PuzzleText::Cells> Ask(QWidget* parent);

private:
    void OnMake();
    void OnMade(const Novem::PuzzleText::Cells& puzzle);
    void Stop();
    void reject() override;

    QComboBox* m_level;
    QComboBox* m_technique;
    QLabel* m_status;
    QPushButton* m_make;
    QTimer m_tick;
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_stop;
    std::shared_ptr<std::atomic<std::uint64_t>> m_tries;
    std::optional<Novem::PuzzleText::Cells> m_puzzle;
};
