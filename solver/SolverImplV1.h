#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ISolver.h"

namespace Novem {

// Pure deduction with two rules, applied to pending regions pass after pass until a pass changes
// nothing. Every order here (regions by index, masks ascending, crossing regions by index, digits
// ascending) shows in the counters, the step numbers and the events, so none of it may change.
template <typename TGrid>
class SolverImplV1 : public ISolver<TGrid> {
    using Base = ISolver<TGrid>;
    using Cell = typename TGrid::CellType;
    using CellSet = typename TGrid::CellSetType;
    using Region = typename TGrid::RegionType;
    using Candidates = typename Cell::Candidates;
    using PendingSet = std::set<Region*>;
    static constexpr std::size_t kDigits = TGrid::kSize;

public:
    bool Solve(TGrid& grid) override {
        m_dualCellsRules = 0;
        m_singleCellRules.fill(0);
        m_cellUpdates = 0;

        PendingSet pending;
        grid.CollectRegions(pending);
        m_steps = 0;
        while (!pending.empty()) {
            const std::vector<Region*> snapshot(pending.begin(), pending.end());
            pending.clear();
            for (Region* region : snapshot) {
                ++m_steps;
                if (InternalRule(*region, pending)) {
                    Base::NotifyListeners({&grid, "SolverImplV1::InternalRule", m_steps});
                }
                if (ExternalRule(*region, pending)) {
                    Base::NotifyListeners({&grid, "SolverImplV1::ExternalRule", m_steps});
                }
            }
        }
        return grid.IsSolved();
    }

    std::string GetStatistics() const override {
        std::ostringstream out;
        out << "Effective Cells updates\t\t: " << m_cellUpdates << std::endl;
        for (std::size_t card = 0; card < m_singleCellRules.size(); ++card) {
            if (m_singleCellRules[card] != 0) {
                out << "Effective \"Single Cell[card=" << card
                    << "]\" rules\t: " << m_singleCellRules[card] << std::endl;
            }
        }
        out << "Effective \"Dual Cells\" rules\t\t: " << m_dualCellsRules << std::endl;
        return out.str();
    }

    // The number of region examinations of the last Solve: the step of the last one.
    std::int32_t GetSteps() const { return m_steps; }

    // The counters of the last Solve, as GetStatistics prints them.
    std::uint32_t GetCellUpdates() const { return m_cellUpdates; }
    const std::array<std::uint32_t, kDigits + 1>& GetSingleCellRules() const {
        return m_singleCellRules;
    }
    std::uint32_t GetDualCellsRules() const { return m_dualCellsRules; }

private:
    // N cells of a region whose candidates allow exactly N digits take those digits, so the digits
    // leave the rest of the region. Every proper non-empty subset is tried, in mask order.
    bool InternalRule(const Region& region, PendingSet& pending) {
        const std::size_t cells = region.size();
        if (cells < 2) {
            return false;
        }
        const unsigned total = (1U << cells) - 1U;
        bool effective = false;
        for (unsigned mask = 1; mask < total; ++mask) {
            const CellSet subset = region.Subset(mask);
            const Candidates digits = subset.CandidateUnion();
            if (digits.count() == subset.size() &&
                Eliminate(region.Difference(subset), digits, pending)) {
                ++m_singleCellRules[subset.size()];
                effective = true;
            }
        }
        return effective;
    }

    // A digit that the region allows only where it crosses another region must go there, so it
    // leaves the rest of that other region.
    bool ExternalRule(const Region& region, PendingSet& pending) {
        PendingSet crossing;
        for (const Cell* cell : region) {
            for (Region* other : cell->GetRegions()) {
                if (other != &region) {
                    crossing.insert(other);
                }
            }
        }
        bool effective = false;
        for (Region* other : crossing) {
            for (std::size_t digit = 0; digit < kDigits; ++digit) {
                if (!region.Intersection(*other).CandidateUnion().test(digit) ||
                    region.Difference(*other).CandidateUnion().test(digit)) {
                    continue;
                }
                if (Eliminate(other->Difference(region), Candidates().set(digit), pending)) {
                    ++m_dualCellsRules;
                    effective = true;
                }
            }
        }
        return effective;
    }

    // Removes `digits` from every cell that has any of them and queues the changed cells' regions
    // for the next pass.
    bool Eliminate(const CellSet& cells, const Candidates& digits, PendingSet& pending) {
        bool changed = false;
        for (Cell* cell : cells) {
            Candidates& candidates = cell->GetCandidates();
            if ((candidates & digits).none()) {
                continue;
            }
            candidates &= ~digits;
            ++m_cellUpdates;
            pending.insert(cell->GetRegions().begin(), cell->GetRegions().end());
            changed = true;
        }
        return changed;
    }

    std::uint32_t m_dualCellsRules = 0;
    std::array<std::uint32_t, kDigits + 1> m_singleCellRules{};
    std::uint32_t m_cellUpdates = 0;
    std::int32_t m_steps = 0;
};

}  // namespace Novem
