#include "SolveCommand.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "RunLog.h"
#include "solver/SolverImplV1.h"

namespace Novem {

namespace {

constexpr int kSize = static_cast<int>(Grid_9x9::kSize);

class WaitCursor {
public:
    explicit WaitCursor(ISolveWindow& window) : m_window(window) { m_window.BeginWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { m_window.EndWaitCursor(); }

private:
    ISolveWindow& m_window;
};

std::string ComposeResult(bool solved, const std::string& statistics,
                          std::uint32_t elapsedMilliseconds) {
    const std::string prefix = solved ? "This grid has been solved successfuly!\r\n\r\n"
                                      : "This grid is not solvable...\r\n\r\n";
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f",
                  static_cast<double>(elapsedMilliseconds) / 1000.0);
    return prefix + statistics + "\r\nTotal Time\t\t\t: " + seconds + " s";
}

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
        const std::uint32_t t0 = m_window.GetTickCount();
        const bool solved = solver.Solve(grid);
        const std::uint32_t t1 = m_window.GetTickCount();
        if (!FinishRun()) {
            m_window.MessageBox(
                "Could not write all of NovemSolver.txt: the run log is incomplete...", "Warning",
                MB_OK | MB_ICONEXCLAMATION);
        }
        // Unsigned arithmetic keeps the true time across a wrap of the counter.
        m_window.MessageBox(ComposeResult(solved, solver.GetStatistics(), t1 - t0), "Solver Status",
                            solved ? MB_OK : MB_OK | MB_ICONINFORMATION);
    } catch (...) {
        FinishRun();
        throw;
    }
}

void SolveCommand::OnGridUpdate(const GridUpdateEvent& event) {
    if (m_logOpen) {
        m_logBlock.clear();
        m_logBlocks.Append(m_logBlock, event);
        m_logFile.Write(m_logBlock);
    }
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            int digit = 0;
            if (event.grid->GetCell(row, column)->GetValue(digit)) {
                m_window.SetCellText(kSize * row + column, std::to_string(digit));
            }
        }
    }
    m_window.RepaintNow();
}

void SolveCommand::ReadCells(Grid_9x9& grid) const {
    for (int cell = 0; cell < kSize * kSize; ++cell) {
        const std::string text = m_window.GetCellText(cell);
        if (!text.empty()) {
            grid.GetCell(cell / kSize, cell % kSize)->SetValue(std::atoi(text.c_str()));
        }
    }
}

void SolveCommand::OpenLog() {
    m_logOpen = m_logFile.Open(kRunLogFileName);
    if (!m_logOpen) {
        m_window.MessageBox("Could not open NovemSolver.txt for writing...", "Warning",
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
