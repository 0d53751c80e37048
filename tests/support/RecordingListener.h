#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "solver/SolverImplV1.h"

namespace Novem::TestSupport {

// Keeps what every notification carried, with the grid dump and, given the solver, its statistics
// as they stood right after that rule application.
class RecordingListener : public GridUpdateListener<Grid_9x9> {
public:
    struct Record {
        std::string ruleName;
        std::int32_t step;
        std::string dump;
        std::string statistics;
        std::array<unsigned, 81> candidates;
    };

    explicit RecordingListener(const SolverImplV1<Grid_9x9>* solver = nullptr) : m_solver(solver) {}

    void OnGridUpdate(const GridUpdateEvent& event) override {
        Record& record = m_records.emplace_back();
        record = {event.ruleName,
                  event.step,
                  event.ToString(),
                  m_solver != nullptr ? m_solver->GetStatistics() : "",
                  {}};
        for (int cell = 0; cell < 81; ++cell) {
            record.candidates[cell] = static_cast<unsigned>(
                event.grid->GetCell(cell / 9, cell % 9)->GetCandidates().to_ulong());
        }
    }

    const std::vector<Record>& Records() const { return m_records; }

private:
    const SolverImplV1<Grid_9x9>* m_solver;
    std::vector<Record> m_records;
};

// The statistics text of the given counters: card lines only for the cards listed.
inline std::string Statistics(unsigned updates, const std::vector<std::pair<int, unsigned>>& cards,
                              unsigned dual) {
    std::string text = "Effective Cells updates\t\t: " + std::to_string(updates) + "\n";
    for (const auto& [card, count] : cards) {
        text += "Effective \"Single Cell[card=" + std::to_string(card) +
                "]\" rules\t: " + std::to_string(count) + "\n";
    }
    return text + "Effective \"Dual Cells\" rules\t\t: " + std::to_string(dual) + "\n";
}

// One line of a dump, 0 for the header, and the text of one of its cells.
inline std::string DumpLine(const std::string& dump, int line) {
    std::size_t start = 0;
    for (int skip = 0; skip < line; ++skip) {
        start = dump.find('\n', start) + 1;
    }
    return dump.substr(start, dump.find('\n', start) - start);
}

inline std::string DumpCell(const std::string& dump, int row, int column) {
    const std::string line = DumpLine(dump, row + 1);
    std::size_t start = 0;
    for (int skip = 0; skip < column; ++skip) {
        start = line.find('\t', start) + 1;
    }
    return line.substr(start, line.find('\t', start) - start);
}

// Cell texts joined by tabs, as a dump's row shows them.
inline std::string Row(const std::vector<std::string>& cells) {
    std::string row;
    for (const std::string& cell : cells) {
        row += (row.empty() ? "" : "\t") + cell;
    }
    return row;
}

}  // namespace Novem::TestSupport
