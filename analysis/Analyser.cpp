#include "Analyser.h"

#include <algorithm>

#include "ladder/LadderSolver.h"
#include "ladder/RuleNames.h"
#include "search/SolutionSearch.h"
#include "solver/SolverImplV1.h"

namespace Novem::Analysis {

namespace {

// Every region allows every digit: with every cell decided, the grid is a solution.
bool EveryRegionHoldsEveryDigit(const Grid_9x9& grid) {
    for (const auto& cells : GridGeometry::kCellsOfRegion) {
        unsigned digits = 0;
        for (const int cell : cells) {
            digits |= static_cast<unsigned>(grid.GetCell(cell)->GetCandidates().to_ulong());
        }
        if (digits != GridGeometry::kAllDigits) {
            return false;
        }
    }
    return true;
}

Ladder::CellMask GivensOf(const PuzzleText::Puzzle& puzzle) {
    Ladder::CellMask givens;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        givens |= puzzle.givens[cell] != '.' ? Ladder::CellMask::Of(cell) : Ladder::CellMask();
    }
    return givens;
}

}  // namespace

class Analyser::Engine : private GridUpdateListener<Grid_9x9>,
                         private RuleApplicationListener,
                         private Ladder::StepListener {
public:
    explicit Engine(Wanted wanted) : m_wanted(wanted) {
        if (wanted.techniques) {
            m_ladder.emplace(*wanted.techniques);
            m_ladder->AddListener(this);
        } else {
            m_rules.AddListener(this);
        }
    }

    void SetUpdateListener(GridUpdateListener<Grid_9x9>* listener) { m_updates = listener; }
    void SetOnApplication(OnApplication onApplication) {
        m_onApplication = std::move(onApplication);
    }

    const PuzzleResult& Analyse(const PuzzleText::Puzzle& puzzle) {
        PuzzleText::Load(puzzle, m_grid);
        m_result.notifications = 0;
        m_result.explanation.clear();
        m_result.largestSubset = 0;
        const bool told = m_wanted.explanation || m_wanted.largestSubset || m_onApplication;
        if (m_ladder) {
            m_ladder->SetRuleApplicationListener(told ? this : nullptr);
            m_ladder->SetStepListener(m_wanted.explanation || m_onApplication ? this : nullptr);
            m_result.solved = m_ladder->Solve(m_grid, GivensOf(puzzle));
            m_result.steps = m_ladder->GetSteps();
            m_result.counters = m_ladder->GetCounters();
            m_result.rating = m_ladder->GetRating();
            m_result.applications = m_ladder->GetApplications();
        } else {
            m_rules.SetRuleApplicationListener(told ? this : nullptr);
            m_result.solved = m_rules.Solve(m_grid);
            m_result.steps = m_rules.GetSteps();
            m_result.counters = m_rules.GetCounters();
        }
        // Whatever the engine, no grid is called solved unless it is a solution.
        m_result.solved = m_result.solved && EveryRegionHoldsEveryDigit(m_grid);
        m_result.result = PuzzleText::Format(m_grid);
        m_result.candidates = PuzzleText::CandidatesOf(m_grid);
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
        if (m_updates != nullptr) {
            m_updates->OnGridUpdate(event);
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
        Keep(application);
    }

    void OnStep(const Ladder::Step& step) override { Keep(step); }

    template <typename Told>
    void Keep(const Told& told) {
        if (m_onApplication) {
            m_onApplication(Application(std::in_place_type<Told>, told));
        }
        if (m_wanted.explanation) {
            m_result.explanation.emplace_back(std::in_place_type<Told>, told);
        }
    }

    Wanted m_wanted;
    // One grid serves every puzzle: refilling the candidates is the same as building it anew.
    Grid_9x9 m_grid;
    SolverImplV1<Grid_9x9> m_rules;
    std::optional<Ladder::LadderSolver> m_ladder;
    PuzzleResult m_result;
    GridUpdateListener<Grid_9x9>* m_updates = nullptr;
    OnApplication m_onApplication;
};

Analyser::Analyser(Wanted wanted) : m_engine(std::make_unique<Engine>(wanted)) {}

Analyser::~Analyser() = default;

void Analyser::SetUpdateListener(GridUpdateListener<Grid_9x9>* listener) {
    m_engine->SetUpdateListener(listener);
}

void Analyser::SetOnApplication(OnApplication onApplication) {
    m_engine->SetOnApplication(std::move(onApplication));
}

const PuzzleResult& Analyser::Analyse(const PuzzleText::Puzzle& puzzle) {
    return m_engine->Analyse(puzzle);
}

}  // namespace Novem::Analysis
