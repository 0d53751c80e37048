#pragma once

#include <string>

#include "RunLog.h"
#include "SolveWindow.h"
#include "TextFile.h"
#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"

namespace Novem {

// The Solve command: reads the cells, solves them, shows every decided digit as the solver finds
// it, writes the run log "NovemSolver.txt" and ends with the "Solver Status" box.
class SolveCommand : private GridUpdateListener<Grid_9x9> {
public:
    explicit SolveCommand(SolveWindow window) : m_window(std::move(window)) {}

    // Returns once the result box is dismissed. An error that escapes (a cell text outside 1..9,
    // exhausted memory, a failing window operation) passes on to the caller, after the run state,
    // the log and the wait cursor have been restored, so the next command runs normally.
    void OnSolve();

    // Fills the empty cells with the solution of the grid the cells hold, when it has exactly
    // one; otherwise says why there is none to show.
    void OnShowSolution();

    // The writes into the cells during a run must not be taken for the user's typing.
    bool IsSolving() const { return m_solving; }

private:
    void OnGridUpdate(const GridUpdateEvent& event) override;
    void ReadCells(Grid_9x9& grid) const;
    void OpenLog();
    // Ends the solving state and closes the log; true unless log text was lost. Idempotent.
    bool FinishRun();

    SolveWindow m_window;
    TextFile m_logFile;
    RunLogBlocks m_logBlocks;
    // One block's bytes, kept from one update to the next to spare an allocation each time.
    std::string m_logBlock;
    bool m_logOpen = false;
    bool m_solving = false;
};

}  // namespace Novem
