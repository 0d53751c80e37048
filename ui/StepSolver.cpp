#include "StepSolver.h"

namespace {

// Thrown into the solve to end it early.
struct Stopped {};

}  // namespace

void StepSolver::Start(const Novem::PuzzleText::Puzzle& puzzle, OnEntry onEntry,
                       OnFinish onFinish) {
    Stop();
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    m_stopped = stopped;
    QPointer<QObject> receiver(m_receiver);
    // Runs on the receiver's thread, unless the work was stopped meanwhile.
    const auto deliver = [receiver, stopped](std::function<void()> call) {
        QMetaObject::invokeMethod(
            receiver,
            [stopped, call = std::move(call)] {
                if (!*stopped) {
                    call();
                }
            },
            Qt::QueuedConnection);
    };
    m_thread.reset(QThread::create([=] {
        try {
            const Novem::Analysis::PuzzleResult result =
                SolveStepByStep(puzzle, [&](StepModel::Entry entry) {
                    if (*stopped) {
                        throw Stopped();
                    }
                    deliver([=] { onEntry(entry); });
                });
            const Novem::Ladder::Rating rating = result.rating.value_or(Novem::Ladder::Rating{});
            deliver([=] { onFinish(rating, result.solved, result.solutions, result.solution); });
        } catch (const Stopped&) {
        }
    }));
    m_thread->start();
}

void StepSolver::Stop() {
    if (m_stopped) {
        *m_stopped = true;
    }
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}
