#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Crossings.h"
#include "ISolver.h"
#include "RuleApplication.h"
#include "Statistics.h"
#include "SubsetSearch.h"
#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem {

// Pure deduction with two rules, applied to pending regions pass after pass until a pass changes
// nothing. Every order here (regions by index, subsets by mask, cells in set order, crossing
// regions by index, digits ascending) shows in the counters, the step numbers and the events, so
// none of it may change. The rules read the grid's structure from fixed tables and its
// candidates as words, and find what changes something without trying what doesn't; the
// model's cell sets and their algebra give the same answers, far more slowly.
template <typename TGrid>
class SolverImplV1 : public ISolver<TGrid> {
    using Base = ISolver<TGrid>;
    using Candidates = typename TGrid::CellType::Candidates;
    using RegionMask = GridGeometry::RegionMask;
    using Positions = SubsetSearch::Positions;
    // Bit k stands for digit k + 1.
    using Digits = unsigned;
    static constexpr int kSize = GridGeometry::kSize;

public:
    bool Solve(TGrid& grid) override {
        m_dualCellsRules = 0;
        m_singleCellRules.fill(0);
        m_cellUpdates = 0;
        m_steps = 0;
        return Run(grid, (RegionMask{1} << GridGeometry::kRegions) - 1);
    }

    std::string GetStatistics() const override { return StatisticsText(GetCounters()); }

    // The number of region examinations of the last Solve: the step of the last one.
    std::int32_t GetSteps() const { return m_steps; }

    // The counters of the last Solve, as GetStatistics prints them.
    RuleCounters GetCounters() const {
        return {m_cellUpdates, m_singleCellRules, m_dualCellsRules};
    }

    // Null for none. Not owned; must outlive every Solve it is set for.
    void SetRuleApplicationListener(RuleApplicationListener* listener) {
        m_applicationListener = listener;
    }

private:
    bool Run(TGrid& grid, RegionMask pending) {
        ReadGrid(grid);
        while (pending != 0) {
            const RegionMask snapshot = pending;
            pending = 0;
            for (const int region : Bits::Indices(snapshot)) {
                ++m_steps;
                if (InternalRule(region, pending)) {
                    Notify(m_internalEvent, grid);
                }
                if (ExternalRule(region, pending)) {
                    Notify(m_externalEvent, grid);
                }
            }
        }
        return grid.IsSolved();
    }

    // Givens are few and open cells allow every digit, so the positions start full and lose
    // what the cells don't allow.
    void ReadGrid(TGrid& grid) {
        for (auto& region : m_positionsOfDigit) {
            region.fill(GridGeometry::kAllPositions);
        }
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            m_cells[cell] = &grid.GetCell(cell)->GetCandidates();
            Forget(cell,
                   ~static_cast<Digits>(m_cells[cell]->to_ulong()) & GridGeometry::kAllDigits);
        }
    }

    // Takes the cell out of the positions of the digits in its three regions.
    void Forget(int cell, Digits digits) {
        for (const int digit : Bits::Indices(digits)) {
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                m_positionsOfDigit[place.region][digit] &= ~(1U << place.position);
            }
        }
    }

    // N cells of a region whose candidates allow exactly N digits take those digits, so the digits
    // leave the rest of the region. The subsets are taken in mask order, each seeing the
    // candidates as the ones before left them.
    bool InternalRule(int region, RegionMask& pending) {
        const SubsetSearch::DigitPositions& positionsOfDigit = m_positionsOfDigit[region];
        if (Settled(positionsOfDigit)) {
            return false;
        }
        bool effective = false;
        for (Positions subset = SubsetSearch::FirstEffective(positionsOfDigit, 1); subset != 0;
             subset = SubsetSearch::FirstEffective(positionsOfDigit, subset + 1)) {
            Digits digits = 0;
            Positions changing = 0;
            for (int digit = 0; digit < kSize; ++digit) {
                if ((positionsOfDigit[digit] & subset) != 0) {
                    digits |= 1U << digit;
                    changing |= positionsOfDigit[digit];
                }
            }
            RuleApplication application{
                RuleApplication::Rule::Internal, m_steps, region, -1, subset, digits};
            NoteDecided(region, application);
            Eliminate(region, changing & ~subset, digits, pending, application);
            ++m_singleCellRules[Bits::Count(subset)];
            effective = true;
            Tell(application);
        }
        return effective;
    }

    // True when no digit is possible in two cells of the region, a solved region for one: then
    // no subset shares a digit with the other cells.
    static bool Settled(const SubsetSearch::DigitPositions& positionsOfDigit) {
        Positions shared = 0;
        for (const Positions positions : positionsOfDigit) {
            shared |= positions & (positions - 1);
        }
        return shared == 0;
    }

    // A digit that the region allows only where it crosses another region must go there, so it
    // leaves the rest of that other region. Only cells outside the region change here, so the
    // region's own candidates hold still for the whole rule.
    bool ExternalRule(int region, RegionMask& pending) {
        const Crossings::RegionCrossings& crossings = Crossings::kOfRegion[region];
        const auto& containing =
            Crossings::kContaining[GridGeometry::KindOf(region) == GridGeometry::RegionKind::Block];
        const SubsetSearch::DigitPositions& positionsOfDigit = m_positionsOfDigit[region];
        // For each crossing, by its index in the list, the digits confined to it.
        std::array<Digits, Crossings::kMaxCrossings> confined{};
        unsigned withConfined = 0;
        for (int digit = 0; digit < kSize; ++digit) {
            const unsigned indices = containing[positionsOfDigit[digit]];
            for (const int index : Bits::Indices(indices)) {
                confined[index] |= 1U << digit;
            }
            withConfined |= indices;
        }
        bool effective = false;
        for (const int index : Bits::Indices(withConfined)) {
            const Crossings::Crossing& crossing = crossings.crossings[index];
            const SubsetSearch::DigitPositions& crossingDigits =
                m_positionsOfDigit[crossing.region];
            for (const int digit : Bits::Indices(confined[index])) {
                const Positions changing = crossingDigits[digit] & ~crossing.insideCrossing;
                if (changing == 0) {
                    continue;
                }
                RuleApplication application{
                    RuleApplication::Rule::External, m_steps,    region, crossing.region,
                    positionsOfDigit[digit],         1U << digit};
                NoteDecided(region, application);
                Eliminate(crossing.region, changing, 1U << digit, pending, application);
                ++m_dualCellsRules;
                effective = true;
                Tell(application);
            }
        }
        return effective;
    }

    // Only for a listener: what it reads of the region's decided cells costs a walk over them.
    void NoteDecided(int region, RuleApplication& application) const {
        if (m_applicationListener == nullptr) {
            return;
        }
        for (int position = 0; position < kSize; ++position) {
            const Candidates& candidates = *m_cells[GridGeometry::kCellsOfRegion[region][position]];
            if (candidates.count() == 1) {
                application.NoteDecided(position, static_cast<Digits>(candidates.to_ulong()));
            }
        }
    }

    // Removes `digits` from the region's cells at `positions`, each of which has one of them, in
    // set order, and queues the changed cells' regions for the next pass. The application keeps
    // the removals when someone listens for it.
    void Eliminate(int region, Positions positions, Digits digits, RegionMask& pending,
                   RuleApplication& application) {
        for (const int position : Bits::Indices(positions)) {
            const int cell = GridGeometry::kCellsOfRegion[region][position];
            Candidates& candidates = *m_cells[cell];
            const Digits removed = static_cast<Digits>(candidates.to_ulong()) & digits;
            candidates &= Candidates(~removed);
            Forget(cell, removed);
            ++m_cellUpdates;
            pending |= GridGeometry::kRegionsOfCell[cell];
            if (m_applicationListener != nullptr) {
                application.removals[application.removalCount++] = {cell, removed};
            }
        }
    }

    // The events keep their rule names from one notification to the next, sparing an
    // allocation each time.
    void Notify(typename Base::GridUpdateEvent& event, TGrid& grid) {
        event.grid = &grid;
        event.step = m_steps;
        Base::NotifyListeners(event);
    }

    void Tell(const RuleApplication& application) {
        if (m_applicationListener != nullptr) {
            m_applicationListener->OnRuleApplication(application);
        }
    }

    std::uint32_t m_dualCellsRules = 0;
    std::array<std::uint32_t, GridGeometry::kSize + 1> m_singleCellRules{};
    std::uint32_t m_cellUpdates = 0;
    std::int32_t m_steps = 0;
    // The grid's candidates, and the same by region: for each digit the positions that allow it.
    std::array<Candidates*, GridGeometry::kCells> m_cells{};
    std::array<SubsetSearch::DigitPositions, GridGeometry::kRegions> m_positionsOfDigit{};
    RuleApplicationListener* m_applicationListener = nullptr;
    typename Base::GridUpdateEvent m_internalEvent{nullptr, "SolverImplV1::InternalRule", 0};
    typename Base::GridUpdateEvent m_externalEvent{nullptr, "SolverImplV1::ExternalRule", 0};
};

}  // namespace Novem
