#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/PuzzleResult.h"
#include "explanation/Application.h"
#include "ladder/LadderSolver.h"
#include "model/GridGeometry.h"
#include "model/PuzzleText.h"

// What the step window shows, without any widget: a puzzle's steps on the way to its solution,
// the one selected, and the grid the user works on with hints, entries, undo and redo.
class StepModel {
public:
    // Every cell's candidates, bit d for digit d + 1.
    using Candidates = std::array<unsigned, Novem::GridGeometry::kCells>;

    // One application of the solve, with the candidates just before it.
    struct Entry {
        Novem::Application application;
        Candidates before;
    };

    // How far a hint has been told: nothing yet, its technique and where, its cells, what it
    // removes; the next press applies it.
    enum class HintLevel { None, Technique, Cells, Removals };

    // What the grid shows: every cell's candidates, and for each cell whether it is a given, a
    // digit the user entered, or a digit the user entered that the solution does not have; the
    // step drawn on it, if any, and how much of it.
    struct View {
        Candidates candidates{};
        std::array<bool, Novem::GridGeometry::kCells> given{};
        std::array<bool, Novem::GridGeometry::kCells> entered{};
        std::array<bool, Novem::GridGeometry::kCells> wrong{};
        const Novem::Application* step = nullptr;
        HintLevel shown = HintLevel::Removals;
        // Of a forcing chain, the branch drawn.
        int branch = 0;
    };

    // Starts anew on a puzzle: no steps yet, the grid its givens, or a position's candidates.
    void SetPuzzle(const Novem::PuzzleText::Puzzle& puzzle);
    const Novem::PuzzleText::Puzzle& Puzzle() const { return m_puzzle; }

    // The steps of the solve from the givens, told as they are found, and what the solve ends
    // with: the rating, and the solutions an exact search finds (0, 1, or 2 for several).
    void AddEntry(Entry entry);
    void Finish(const Novem::Ladder::Rating& rating, bool solved, int solutions,
                const Novem::PuzzleText::Cells& solution);
    const std::vector<Entry>& Entries() const { return m_entries; }
    bool Finished() const { return m_finished; }
    const Novem::Ladder::Rating& Rating() const { return m_rating; }
    bool Solved() const { return m_solved; }
    int Solutions() const { return m_solutions; }
    const Novem::PuzzleText::Cells& Solution() const { return m_solution; }

    // The selected step, -1 for none: the grid the user works on is shown then.
    int Selected() const { return m_selected; }
    void Select(int entry);
    void First() { Select(0); }
    void Previous() { Select(m_selected > 0 ? m_selected - 1 : 0); }
    void Next() { Select(m_selected + 1); }
    void Last() { Select(static_cast<int>(m_entries.size()) - 1); }
    // Which of a forcing chain's branches the grid draws: the first, until another is chosen for
    // the step shown.
    void ChooseBranch(int branch) { m_branch = branch; }

    // The user's grid, which starts from the givens with every open cell's pencil marks, the
    // digits its peers don't hold (a position's as read): a digit entered, which leaves the
    // pencil marks of its peers, or cleared with 0, which gets the cell's pencil marks back from
    // its given and entered peers, within those read (undo restores exactly what was); and
    // hints.
    void Enter(int cell, int digit);
    // What a hint tells before any technique: two cells of a region that hold the same digit,
    // then a digit the user entered that the solution doesn't have, then a grid without exactly
    // one solution; None when there is nothing of the kind.
    struct Mistake {
        enum class Kind { None, Clash, Wrong, NoSolution, SeveralSolutions };
        Kind kind = Kind::None;
        int cell = -1;
        // A clash's second cell.
        int other = -1;
    };
    Mistake Check() const;

    // Tells one more of the next step from the user's grid, and applies it when all is told.
    // False when there is no next step: the grid is solved, contradicted, or beyond the ladder.
    bool Hint();
    HintLevel ShownHint() const { return m_hintLevel; }
    const std::optional<Novem::Application>& CurrentHint() const { return m_hint; }
    // Gives every open cell its digit, when there is exactly one solution.
    bool ShowSolution();
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    View Shown() const;

private:
    struct Work {
        Candidates candidates;
        std::array<bool, Novem::GridGeometry::kCells> entered;
    };

    void Change(const Work& work);
    void Replace(const Work& work);
    bool Restore(std::vector<Work>& from, std::vector<Work>& to);

    Novem::PuzzleText::Puzzle m_puzzle{};
    // Its candidates as read, which no pencil mark goes beyond.
    Candidates m_read{};
    std::vector<Entry> m_entries;
    bool m_finished = false;
    Novem::Ladder::Rating m_rating;
    bool m_solved = false;
    int m_solutions = -1;
    Novem::PuzzleText::Cells m_solution{};
    int m_selected = -1;
    int m_branch = 0;
    Work m_work{};
    std::vector<Work> m_undo;
    std::vector<Work> m_redo;
    std::optional<Novem::Application> m_hint;
    HintLevel m_hintLevel = HintLevel::None;
};

// What an application removes and places, applied to candidates.
void Apply(const Novem::Application& application, StepModel::Candidates& candidates);

// The first application the ladder makes from the candidates, if any, read as a position.
std::optional<Novem::Application> FirstApplication(const StepModel::Candidates& candidates);

// Analyses the puzzle with the whole ladder and tells each application, with the candidates just
// before it, as it is made; whatever `tell` throws ends the solve. The result holds whether it
// solved the puzzle, the rating and the solutions.
Novem::Analysis::PuzzleResult SolveStepByStep(const Novem::PuzzleText::Puzzle& puzzle,
                                              const std::function<void(StepModel::Entry)>& tell);
