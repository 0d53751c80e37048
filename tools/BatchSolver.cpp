#include "BatchSolver.h"

#include "run/RunLog.h"

namespace Novem::Batch {

namespace {

constexpr int kSize = static_cast<int>(Grid_9x9::kSize);

}  // namespace

BatchSolver::BatchSolver(TextFile* log) : m_log(log) {
    m_solver.AddListener(this);
}

BatchResult BatchSolver::Solve(std::string_view cells) {
    for (int index = 0; index < kSize * kSize; ++index) {
        Grid_9x9::CellType* cell = m_grid.GetCell(index / kSize, index % kSize);
        cell->GetCandidates().set();
        if (cells[index] != '.') {
            cell->SetValue(cells[index] - '0');
        }
    }
    m_notifications = 0;

    BatchResult result;
    result.solved = m_solver.Solve(m_grid);
    result.steps = m_solver.GetSteps();
    result.notifications = m_notifications;
    result.cellUpdates = m_solver.GetCellUpdates();
    result.singleCell = m_solver.GetSingleCellRules();
    result.dualCells = m_solver.GetDualCellsRules();
    result.result.reserve(kSize * kSize);
    for (int index = 0; index < kSize * kSize; ++index) {
        const Grid_9x9::CellType* cell = m_grid.GetCell(index / kSize, index % kSize);
        int digit = 0;
        if (cell->GetValue(digit)) {
            result.result += static_cast<char>('0' + digit);
        } else {
            result.result += cell->GetCandidates().none() ? 'x' : '.';
        }
    }
    return result;
}

void BatchSolver::OnGridUpdate(const GridUpdateEvent& event) {
    ++m_notifications;
    if (m_log != nullptr) {
        WriteRunLogBlock(*m_log, event);
    }
}

std::string FormatPlain(const BatchResult& result) {
    return result.result + (result.solved ? " solved\n" : " unsolved\n");
}

std::string FormatJson(int line, std::string_view cells, const BatchResult& result) {
    std::string json = "{\"line\": " + std::to_string(line) + ", \"puzzle\": \"";
    json.append(cells);
    json += "\", \"result\": \"" + result.result + "\", \"solved\": ";
    json += result.solved ? "true" : "false";
    json += ", \"steps\": " + std::to_string(result.steps);
    json += ", \"notifications\": " + std::to_string(result.notifications);
    json += ", \"cellUpdates\": " + std::to_string(result.cellUpdates);
    json += ", \"singleCell\": [";
    for (std::size_t card = 0; card < result.singleCell.size(); ++card) {
        json += (card > 0 ? ", " : "") + std::to_string(result.singleCell[card]);
    }
    json += "], \"dualCells\": " + std::to_string(result.dualCells) + "}\n";
    return json;
}

}  // namespace Novem::Batch
