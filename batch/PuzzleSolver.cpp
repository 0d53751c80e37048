#include "PuzzleSolver.h"

#include <algorithm>

#include "ladder/LadderSolver.h"
#include "ladder/RuleNames.h"
#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"
#include "run/RunLog.h"
#include "search/SolutionSearch.h"
#include "solver/SolverImplV1.h"

namespace Novem::Batch {

class PuzzleSolver::Engine : private GridUpdateListener<Grid_9x9>,
                             private RuleApplicationListener,
                             private Ladder::StepListener {
public:
    explicit Engine(Wanted wanted) : m_wanted(wanted) {
        if (wanted.techniques) {
            m_ladder.emplace(*wanted.techniques);
            Listen(*m_ladder);
            m_ladder->SetStepListener(wanted.explanation ? this : nullptr);
        } else {
            Listen(m_rules);
        }
    }

    const PuzzleResult& Solve(const PuzzleText::Cells& cells, std::string* log) {
        PuzzleText::Load(cells, m_grid);
        m_log = log;
        m_result.notifications = 0;
        m_result.explanation.clear();
        m_result.largestSubset = 0;
        if (m_ladder) {
            m_result.solved = m_ladder->Solve(m_grid);
            m_result.steps = m_ladder->GetSteps();
            m_result.counters = m_ladder->GetCounters();
            m_result.rating = m_ladder->GetRating();
            m_result.applications = m_ladder->GetApplications();
        } else {
            m_result.solved = m_rules.Solve(m_grid);
            m_result.steps = m_rules.GetSteps();
            m_result.counters = m_rules.GetCounters();
        }
        m_result.result = PuzzleText::Format(m_grid);
        m_result.contradicted = Contradicted();
        m_result.solutions = -1;
        if (m_wanted.solutions) {
            const Search::Outcome outcome = Search::CountSolutions(Search::CandidatesOf(m_grid));
            m_result.solutions = outcome.solutions;
            m_result.solution = outcome.solution;
        }
        return m_result;
    }

private:
    bool Contradicted() const {
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            if (m_grid.GetCell(cell)->GetCandidates().none()) {
                return true;
            }
        }
        return false;
    }

    void OnGridUpdate(const GridUpdateEvent& event) override {
        ++m_result.notifications;
        if (m_log != nullptr) {
            m_logBlocks.Append(*m_log, event);
        }
    }

    void OnRuleApplication(const RuleApplication& application) override {
        const Ladder::RuleNames::Subject subject = Ladder::RuleNames::SubjectOf(application);
        const bool subset = subject.kind != Ladder::RuleNames::Kind::Pointing &&
                            subject.kind != Ladder::RuleNames::Kind::Claiming;
        // A subset larger than a quad takes a contradicted region: it counts as a quad.
        constexpr int kQuad = 4;
        m_result.largestSubset =
            std::max(m_result.largestSubset, subset ? std::min(subject.size, kQuad) : 0);
        if (m_wanted.explanation) {
            m_result.explanation.emplace_back(application);
        }
    }

    void OnStep(const Ladder::Step& step) override { m_result.explanation.emplace_back(step); }

    template <typename Solver>
    void Listen(Solver& solver) {
        solver.AddListener(this);
        if (m_wanted.explanation || m_wanted.largestSubset) {
            solver.SetRuleApplicationListener(this);
        }
    }

    Wanted m_wanted;
    // One grid serves every puzzle: refilling the candidates is the same as building it anew.
    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_rules;
    std::optional<Ladder::LadderSolver> m_ladder;
    PuzzleResult m_result;
    std::string* m_log = nullptr;
    RunLogBlocks m_logBlocks;
};

PuzzleSolver::PuzzleSolver(Wanted wanted) : m_engine(std::make_unique<Engine>(wanted)) {}

PuzzleSolver::~PuzzleSolver() = default;

const PuzzleResult& PuzzleSolver::Solve(const PuzzleText::Cells& cells, std::string* log) {
    return m_engine->Solve(cells, log);
}

}  // namespace Novem::Batch
