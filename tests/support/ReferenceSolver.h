#pragma once

#include <array>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/Grid_9x9.h"
#include "support/Puzzles.h"

namespace Novem::TestSupport {

// The two rules read literally, on the model's own cell sets and regions: every proper subset
// in mask order with its union, and for every crossing region and digit the intersection and
// differences built afresh. Slow, and shares nothing with the engine but the grid: a second
// reading to hold the engine against.
class ReferenceSolver {
public:
    using Region = Grid_9x9::RegionType;
    using Candidates = Grid_9x9::CellType::Candidates;

    struct Application {
        bool internal;
        int step;
        int region;
        int crossing;  // -1 for InternalRule
        unsigned positions;
        unsigned digits;
        std::vector<std::pair<int, unsigned>> removals;  // cell, digits removed

        bool operator==(const Application&) const = default;
    };

    struct Notification {
        std::string ruleName;
        int step;
        std::array<unsigned, 81> candidates;
    };

    explicit ReferenceSolver(std::string_view puzzle) { LoadPuzzle(m_grid, puzzle); }

    bool Solve() {
        std::set<Region*> pending;
        m_grid.CollectRegions(pending);
        m_regions = pending;
        while (!pending.empty()) {
            const std::vector<Region*> snapshot(pending.begin(), pending.end());
            pending.clear();
            for (Region* region : snapshot) {
                ++steps;
                if (InternalRule(*region, pending)) {
                    Notify("SolverImplV1::InternalRule");
                }
                if (ExternalRule(*region, pending)) {
                    Notify("SolverImplV1::ExternalRule");
                }
            }
        }
        return m_grid.IsSolved();
    }

    std::vector<Application> applications;
    std::vector<Notification> notifications;
    int steps = 0;

private:
    int IndexOf(const Region& region) const {
        return static_cast<int>(std::distance(m_regions.begin(), m_regions.find(const_cast<Region*>(&region))));
    }

    int IndexOf(const Grid_9x9::CellType* cell) const {
        return static_cast<int>(cell - m_grid.GetCell(0, 0));
    }

    bool Eliminate(const CellSet<9>& cells, Candidates digits, std::set<Region*>& pending,
                   Application application) {
        for (Grid_9x9::CellType* cell : cells) {
            const Candidates removed = cell->GetCandidates() & digits;
            if (removed.any()) {
                application.removals.emplace_back(IndexOf(cell), static_cast<unsigned>(removed.to_ulong()));
                cell->GetCandidates() &= ~digits;
                pending.insert(cell->GetRegions().begin(), cell->GetRegions().end());
            }
        }
        if (!application.removals.empty()) {
            applications.push_back(application);
        }
        return !application.removals.empty();
    }

    bool InternalRule(Region& region, std::set<Region*>& pending) {
        bool effective = false;
        for (unsigned mask = 1; mask < 511; ++mask) {
            const CellSet<9> subset = region.Subset(mask);
            const Candidates digits = subset.CandidateUnion();
            if (digits.count() == subset.size()) {
                effective |= Eliminate(region.Difference(subset), digits, pending,
                                       {true, steps, IndexOf(region), -1, mask, static_cast<unsigned>(digits.to_ulong()), {}});
            }
        }
        return effective;
    }

    bool ExternalRule(Region& region, std::set<Region*>& pending) {
        std::set<Region*> crossing;
        for (const Grid_9x9::CellType* cell : region) {
            crossing.insert(cell->GetRegions().begin(), cell->GetRegions().end());
        }
        crossing.erase(&region);
        bool effective = false;
        for (Region* other : crossing) {
            for (std::size_t digit = 0; digit < 9; ++digit) {
                const CellSet<9> inside = region.Intersection(*other);
                if (!inside.CandidateUnion().test(digit) ||
                    region.Difference(*other).CandidateUnion().test(digit)) {
                    continue;
                }
                unsigned holding = 0;
                unsigned position = 0;
                for (const Grid_9x9::CellType* cell : region) {
                    const bool shared = cell->GetRegions().contains(other);
                    holding |= (shared && cell->GetCandidates().test(digit) ? 1U : 0U) << position++;
                }
                effective |= Eliminate(other->Difference(region), Candidates(1U << digit), pending,
                                       {false, steps, IndexOf(region), IndexOf(*other), holding,
                                        1U << digit, {}});
            }
        }
        return effective;
    }

    void Notify(const char* ruleName) {
        Notification& notification = notifications.emplace_back();
        notification.ruleName = ruleName;
        notification.step = steps;
        for (int cell = 0; cell < 81; ++cell) {
            notification.candidates[cell] = static_cast<unsigned>(m_grid.GetCell(cell / 9, cell % 9)->GetCandidates().to_ulong());
        }
    }

    Grid_9x9 m_grid;
    std::set<Region*> m_regions;
};

}  // namespace Novem::TestSupport
