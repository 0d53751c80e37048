#include "StepModel.h"

#include <algorithm>

#include "analysis/Analyser.h"
#include "model/Bits.h"

namespace {

using Novem::GridGeometry::kCells;

}  // namespace

void Apply(const Novem::Application& application, StepModel::Candidates& candidates) {
    if (const auto* applied = std::get_if<Novem::RuleApplication>(&application)) {
        for (const Novem::CellRemoval& removal : applied->Removals()) {
            candidates[removal.cell] &= ~removal.digits;
        }
        return;
    }
    const auto& step = std::get<Novem::Ladder::Step>(application);
    for (const Novem::CellRemoval& removal : step.removals) {
        candidates[removal.cell] &= ~removal.digits;
    }
    for (const Novem::Ladder::Candidate& placement : step.placements) {
        candidates[placement.cell] = 1U << placement.digit;
    }
}

std::optional<Novem::Application> FirstApplication(const StepModel::Candidates& candidates) {
    Novem::Analysis::Analyser analyser({.techniques = Novem::Ladder::kAllFamilies});
    std::optional<Novem::Application> first;
    analyser.SetOnApplication([&first](const Novem::Application& application) {
        if (!first) {
            first = application;
        }
    });
    analyser.Analyse(Novem::PuzzleText::PositionOf(candidates));
    return first;
}

namespace {

// The digits the cell's peers hold as givens or entries leave its candidates, as a solver's
// pencil marks show them.
unsigned PencilMarks(const StepModel::Candidates& candidates,
                     const std::array<bool, kCells>& placed, int cell) {
    unsigned marks = Novem::GridGeometry::kAllDigits;
    for (const Novem::GridGeometry::Place& place : Novem::GridGeometry::kPlacesOfCell[cell]) {
        for (const int peer : Novem::GridGeometry::kCellsOfRegion[place.region]) {
            if (peer != cell && placed[peer]) {
                marks &= ~candidates[peer];
            }
        }
    }
    return marks;
}

}  // namespace

Novem::Analysis::PuzzleResult SolveStepByStep(const Novem::PuzzleText::Puzzle& puzzle,
                                              const std::function<void(StepModel::Entry)>& tell) {
    Novem::Analysis::Analyser analyser(
        {.solutions = true, .techniques = Novem::Ladder::kAllFamilies});
    // The candidates as the solve changes them, so that each application comes with the grid
    // just before it.
    StepModel::Candidates candidates = CandidatesOf(puzzle);
    analyser.SetOnApplication([&](const Novem::Application& application) {
        StepModel::Entry entry{application, candidates};
        Apply(application, candidates);
        tell(std::move(entry));
    });
    return analyser.Analyse(puzzle);
}

void StepModel::SetPuzzle(const Novem::PuzzleText::Puzzle& puzzle) {
    *this = StepModel();
    m_puzzle = puzzle;
    m_read = CandidatesOf(puzzle);
    std::array<bool, kCells> placed{};
    for (int cell = 0; cell < kCells; ++cell) {
        placed[cell] = puzzle.givens[cell] != '.';
    }
    for (int cell = 0; cell < kCells; ++cell) {
        m_work.candidates[cell] =
            placed[cell] ? m_read[cell] : m_read[cell] & PencilMarks(m_read, placed, cell);
    }
}

void StepModel::AddEntry(Entry entry) {
    m_entries.push_back(std::move(entry));
}

void StepModel::Finish(const Novem::Ladder::Rating& rating, bool solved, int solutions,
                       const Novem::PuzzleText::Cells& solution) {
    m_finished = true;
    m_rating = rating;
    m_solved = solved;
    m_solutions = solutions;
    m_solution = solution;
}

void StepModel::Select(int entry) {
    m_branch = 0;
    m_selected =
        m_entries.empty() ? -1 : std::clamp(entry, -1, static_cast<int>(m_entries.size()) - 1);
}

void StepModel::Enter(int cell, int digit) {
    if (m_puzzle.givens[cell] != '.') {
        return;
    }
    Work work = m_work;
    work.entered[cell] = digit != 0;
    std::array<bool, kCells> placed = work.entered;
    for (int other = 0; other < kCells; ++other) {
        placed[other] = placed[other] || m_puzzle.givens[other] != '.';
    }
    work.candidates[cell] =
        digit == 0 ? m_read[cell] & PencilMarks(work.candidates, placed, cell) : 1U << (digit - 1);
    for (const Novem::GridGeometry::Place& place : Novem::GridGeometry::kPlacesOfCell[cell]) {
        for (const int peer : Novem::GridGeometry::kCellsOfRegion[place.region]) {
            if (peer != cell && digit != 0 && Novem::Bits::Count(work.candidates[peer]) > 1) {
                work.candidates[peer] &= ~work.candidates[cell];
            }
        }
    }
    Change(work);
}

StepModel::Mistake StepModel::Check() const {
    // The digits of the grid are its givens and the user's entries; a cell whose pencil marks are
    // down to one is no digit yet.
    const auto decided = [&](int cell) {
        return (m_puzzle.givens[cell] != '.' || m_work.entered[cell]) &&
               Novem::Bits::Count(m_work.candidates[cell]) == 1;
    };
    for (int region = 0; region < Novem::GridGeometry::kRegions; ++region) {
        const auto& cells = Novem::GridGeometry::kCellsOfRegion[region];
        for (std::size_t first = 0; first < cells.size(); ++first) {
            for (std::size_t second = first + 1; second < cells.size(); ++second) {
                if (decided(cells[first]) && decided(cells[second]) &&
                    m_work.candidates[cells[first]] == m_work.candidates[cells[second]]) {
                    return {Mistake::Kind::Clash, cells[first], cells[second]};
                }
            }
        }
    }
    if (m_solutions == 1) {
        for (int cell = 0; cell < kCells; ++cell) {
            if (m_work.entered[cell] && m_work.candidates[cell] != 1U << (m_solution[cell] - '1')) {
                return {Mistake::Kind::Wrong, cell};
            }
        }
    }
    if (m_solutions == 0) {
        return {Mistake::Kind::NoSolution};
    }
    if (m_solutions >= 2) {
        return {Mistake::Kind::SeveralSolutions};
    }
    return {};
}

bool StepModel::Hint() {
    if (m_hintLevel == HintLevel::None) {
        m_hint = FirstApplication(m_work.candidates);
        if (!m_hint) {
            return false;
        }
        m_hintLevel = HintLevel::Technique;
        return true;
    }
    if (m_hintLevel != HintLevel::Removals) {
        m_hintLevel = static_cast<HintLevel>(static_cast<int>(m_hintLevel) + 1);
        return true;
    }
    Work work = m_work;
    Apply(*m_hint, work.candidates);
    Change(work);
    return true;
}

bool StepModel::ShowSolution() {
    if (m_solutions != 1) {
        return false;
    }
    Work work = m_work;
    for (int cell = 0; cell < kCells; ++cell) {
        work.candidates[cell] = 1U << (m_solution[cell] - '1');
    }
    Change(work);
    return true;
}

bool StepModel::Undo() {
    return Restore(m_undo, m_redo);
}

bool StepModel::Redo() {
    return Restore(m_redo, m_undo);
}

bool StepModel::Restore(std::vector<Work>& from, std::vector<Work>& to) {
    if (from.empty()) {
        return false;
    }
    to.push_back(m_work);
    Replace(from.back());
    from.pop_back();
    return true;
}

void StepModel::Change(const Work& work) {
    m_undo.push_back(m_work);
    m_redo.clear();
    Replace(work);
}

// Any change to the user's grid makes an earlier hint stale.
void StepModel::Replace(const Work& work) {
    m_branch = 0;
    m_work = work;
    m_hint.reset();
    m_hintLevel = HintLevel::None;
}

StepModel::View StepModel::Shown() const {
    View view;
    view.branch = m_branch;
    for (int cell = 0; cell < kCells; ++cell) {
        view.given[cell] = m_puzzle.givens[cell] != '.';
    }
    if (m_selected >= 0) {
        view.candidates = m_entries[static_cast<std::size_t>(m_selected)].before;
        view.step = &m_entries[static_cast<std::size_t>(m_selected)].application;
        return view;
    }
    view.candidates = m_work.candidates;
    view.entered = m_work.entered;
    for (int cell = 0; cell < kCells; ++cell) {
        view.wrong[cell] = m_solutions == 1 && m_work.entered[cell] &&
                           m_work.candidates[cell] != 1U << (m_solution[cell] - '1');
    }
    if (m_hint) {
        view.step = &*m_hint;
        view.shown = m_hintLevel;
    }
    return view;
}
