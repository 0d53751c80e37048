#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "StepModel.h"

// Works out a puzzle's steps off the interface's thread, so that a hard puzzle never freezes the
// window, and hands each step, and at the end the rating and what the search finds, to the
// receiver's thread as they come.
class StepSolver {
public:
    using OnEntry = std::function<void(StepModel::Entry)>;
    using OnFinish = std::function<void(const Novem::Ladder::Rating& rating, bool solved,
                                        int solutions, const Novem::PuzzleText::Cells& solution)>;

    explicit StepSolver(QObject* receiver) : m_receiver(receiver) {}
    StepSolver(const StepSolver&) = delete;
    StepSolver& operator=(const StepSolver&) = delete;
    // Stops the work and waits for it.
    ~StepSolver() { Stop(); }

    // Stops any work before; nothing of it reaches the receiver afterwards.
    void Start(const Novem::PuzzleText::Puzzle& puzzle, OnEntry onEntry, OnFinish onFinish);
    void Stop();

private:
    QObject* m_receiver;
    std::unique_ptr<QThread> m_thread;
    // Shared with the work, which may outlive a Stop by the time it notices.
    std::shared_ptr<std::atomic<bool>> m_stopped;
};
