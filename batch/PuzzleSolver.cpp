#include "PuzzleSolver.h"

#include "run/RunLog.h"

namespace Novem::Batch {

class PuzzleSolver::LogWriter : public GridUpdateListener<Grid_9x9> {
public:
    void OnGridUpdate(const GridUpdateEvent& event) override {
        if (log != nullptr) {
            m_blocks.Append(*log, event);
        }
    }

    std::string* log = nullptr;

private:
    RunLogBlocks m_blocks;
};

PuzzleSolver::PuzzleSolver(Wanted wanted)
    : m_analyser(wanted), m_logWriter(std::make_unique<LogWriter>()) {
    m_analyser.SetUpdateListener(m_logWriter.get());
}

PuzzleSolver::~PuzzleSolver() = default;

const Analysis::PuzzleResult& PuzzleSolver::Solve(const PuzzleText::Puzzle& puzzle,
                                                  std::string* log) {
    m_logWriter->log = log;
    return m_analyser.Analyse(puzzle);
}

}  // namespace Novem::Batch
