#include "SolveCommand.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "RunLog.h"
#include "search/SolutionSearch.h"
#include "solver/SolverImplV1.h"

namespace Novem {

namespace {

int OpenCells(const Grid_9x9& grid) {
    int open = 0;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        open += Bits::Count(grid.GetCell(cell)->GetCandidates().to_ulong()) > 1 ? 1 : 0;
    }
    return open;
}

class WaitCursor {
public:
    explicit WaitCursor(const SolveWindow& window) : m_window(window) {
        m_window.beginWaitCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { m_window.endWaitCursor(); }

private:
    const SolveWindow& m_window;
};

}  // namespace

void SolveCommand::OnSolve() {
    Grid_9x9 grid;
    ReadCells(grid);
    OpenLog();
    try {
        SolverImplV1<Grid_9x9> solver;
        solver.AddListener(this);
        const WaitCursor waitCursor(m_window);
        m_solving = true;
        const std::uint32_t t0 = m_window.getTickCount();
        const bool solved = solver.Solve(grid);
        const std::uint32_t t1 = m_window.getTickCount();
        if (!FinishRun()) {
            m_window.messageBox(SolveTexts::kCannotWriteLog, SolveTexts::kWarning,
                                MB_OK | MB_ICONEXCLAMATION);
        }
        // Unsigned arithmetic keeps the true time across a wrap of the counter.
        SolveReport report{solved, solver.GetCounters(), t1 - t0};
        if (!solved) {
            report.solutions = Search::CountSolutions(Search::CandidatesOf(grid)).solutions;
            report.openCells = OpenCells(grid);
        }
        m_window.showResult(report, solved ? MB_OK : MB_OK | MB_ICONINFORMATION);
    } catch (...) {
        FinishRun();
        throw;
    }
}

void SolveCommand::OnShowSolution() {
    Grid_9x9 grid;
    ReadCells(grid);
    const Search::Outcome outcome = Search::CountSolutions(Search::CandidatesOf(grid));
    if (outcome.solutions != 1) {
        m_window.messageBox(
            outcome.solutions == 0 ? SolveTexts::kNothingToShow : SolveTexts::kTooManyToShow,
            SolveTexts::kShowSolution, MB_OK | MB_ICONINFORMATION);
        return;
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (m_window.getCellText(cell).empty()) {
            m_window.setCellText(cell, std::string(1, outcome.solution[cell]));
        }
    }
}

void SolveCommand::OnGridUpdate(const GridUpdateEvent& event) {
    if (m_logOpen) {
        m_logBlock.clear();
        m_logBlocks.Append(m_logBlock, event);
        m_logFile.Write(m_logBlock);
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        int digit = 0;
        if (event.grid->GetCell(cell)->GetValue(digit)) {
            m_window.setCellText(cell, std::to_string(digit));
        }
    }
    m_window.repaintNow();
}

void SolveCommand::ReadCells(Grid_9x9& grid) const {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const std::string text = m_window.getCellText(cell);
        if (!text.empty()) {
            grid.GetCell(cell)->SetValue(std::atoi(text.c_str()));
        }
    }
}

void SolveCommand::OpenLog() {
    m_logOpen = m_logFile.Open(kRunLogFileName);
    if (!m_logOpen) {
        m_window.messageBox(SolveTexts::kCannotOpenLog, SolveTexts::kWarning,
                            MB_OK | MB_ICONEXCLAMATION);
    }
}

bool SolveCommand::FinishRun() {
    m_solving = false;
    if (!m_logOpen) {
        return true;
    }
    m_logOpen = false;
    return m_logFile.Close();
}

}  // namespace Novem
