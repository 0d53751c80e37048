#include "StepSolver.h"

#include "search/SolutionSearch.h"

namespace {

// Thrown into the solve to end it early.
struct Stopped {};

}  // namespace

void StepSolver::Start(const Novem::PuzzleText::Cells& puzzle, OnEntry onEntry, OnFinish onFinish) {
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
            Novem::Ladder::Rating rating;
            const bool solved = SolveStepByStep(
                puzzle,
                [&](StepModel::Entry entry) {
                    if (*stopped) {
                        throw Stopped();
                    }
                    deliver([=] { onEntry(entry); });
                },
                rating);
            const Novem::Search::Outcome outcome =
                Novem::Search::CountSolutions(Novem::Search::CandidatesOf(puzzle));
            deliver([=] { onFinish(rating, solved, outcome.solutions, outcome.solution); });
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
