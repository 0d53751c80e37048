#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Crossings.h"
#include "ISolver.h"
#include "RuleApplication.h"
#include "SubsetSearch.h"
#include "model/GridGeometry.h"

namespace Novem {

// Pure deduction with two rules, applied to pending regions pass after pass until a pass changes
// nothing. Every order here (regions by index, subsets by mask, cells in set order, crossing
// regions by index, digits ascending) shows in the counters, the step numbers and the events, so
// none of it may change. The rules read the grid's structure from fixed tables and its
// candidates as words, and find what changes something without trying what doesn't.
template <typename TGrid>
class SolverImplV1 : public ISolver<TGrid> {
    using Base = ISolver<TGrid>;
    using Candidates = typename TGrid::CellType::Candidates;
    using RegionMask = GridGeometry::RegionMask;
    using Positions = SubsetSearch::Positions;
    // Bit k stands for digit k + 1.
    using Digits = unsigned;
    static constexpr int kSize = GridGeometry::kSize;
    static constexpr Digits kAllDigits = (1U << kSize) - 1;

public:
    bool Solve(TGrid& grid) override {
        m_dualCellsRules = 0;
        m_singleCellRules.fill(0);
        m_cellUpdates = 0;
        ReadGrid(grid);

        RegionMask pending = (RegionMask{1} << GridGeometry::kRegions) - 1;
        m_steps = 0;
        while (pending != 0) {
            const RegionMask snapshot = pending;
            pending = 0;
            for (RegionMask left = snapshot; left != 0; left &= left - 1) {
                const int region = std::countr_zero(left);
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

    std::string GetStatistics() const override {
        std::string text = "Effective Cells updates\t\t: " + std::to_string(m_cellUpdates) + "\n";
        for (std::size_t card = 0; card < m_singleCellRules.size(); ++card) {
            if (m_singleCellRules[card] != 0) {
                text += "Effective \"Single Cell[card=" + std::to_string(card) +
                        "]\" rules\t: " + std::to_string(m_singleCellRules[card]) + "\n";
            }
        }
        return text + "Effective \"Dual Cells\" rules\t\t: " + std::to_string(m_dualCellsRules) +
               "\n";
    }

    // The number of region examinations of the last Solve: the step of the last one.
    std::int32_t GetSteps() const { return m_steps; }

    // The counters of the last Solve, as GetStatistics prints them.
    std::uint32_t GetCellUpdates() const { return m_cellUpdates; }
    const std::array<std::uint32_t, kSize + 1>& GetSingleCellRules() const {
        return m_singleCellRules;
    }
    std::uint32_t GetDualCellsRules() const { return m_dualCellsRules; }

    // Null for none. Not owned; must outlive every Solve it is set for.
    void SetRuleApplicationListener(RuleApplicationListener* listener) {
        m_applicationListener = listener;
    }

private:
    // Up to 8 cells change in one application.
    struct Removals {
        std::array<CellRemoval, 8> cells;
        int count = 0;
    };

    // Givens are few and open cells allow every digit, so the positions start full and lose
    // what the cells don't allow.
    void ReadGrid(TGrid& grid) {
        for (auto& region : m_positionsOfDigit) {
            region.fill((1U << kSize) - 1);
        }
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            m_cells[cell] = &grid.GetCell(cell / kSize, cell % kSize)->GetCandidates();
            Forget(cell, ~static_cast<Digits>(m_cells[cell]->to_ulong()) & kAllDigits);
        }
    }

    // Takes the cell out of the positions of the digits in its three regions.
    void Forget(int cell, Digits digits) {
        for (; digits != 0; digits &= digits - 1) {
            for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
                m_positionsOfDigit[place.region][std::countr_zero(digits)] &=
                    ~(1U << place.position);
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
            Removals removals;
            Eliminate(region, changing & ~subset, digits, pending, removals);
            ++m_singleCellRules[SubsetSearch::CellCount(subset)];
            effective = true;
            Tell({RuleApplication::Rule::Internal, m_steps, region, -1, subset, digits, {}},
                 removals);
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
            for (unsigned indices = containing[positionsOfDigit[digit]]; indices != 0;
                 indices &= indices - 1) {
                confined[std::countr_zero(indices)] |= 1U << digit;
                withConfined |= indices & (~indices + 1);
            }
        }
        bool effective = false;
        for (; withConfined != 0; withConfined &= withConfined - 1) {
            const Crossings::Crossing& crossing =
                crossings.crossings[std::countr_zero(withConfined)];
            const SubsetSearch::DigitPositions& crossingDigits =
                m_positionsOfDigit[crossing.region];
            for (Digits left = confined[std::countr_zero(withConfined)]; left != 0;
                 left &= left - 1) {
                const int digit = std::countr_zero(left);
                const Positions changing = crossingDigits[digit] & ~crossing.insideCrossing;
                if (changing == 0) {
                    continue;
                }
                Removals removals;
                Eliminate(crossing.region, changing, 1U << digit, pending, removals);
                ++m_dualCellsRules;
                effective = true;
                Tell({RuleApplication::Rule::External,
                      m_steps,
                      region,
                      crossing.region,
                      positionsOfDigit[digit],
                      1U << digit,
                      {}},
                     removals);
            }
        }
        return effective;
    }

    // Removes `digits` from the region's cells at `positions`, each of which has one of them, in
    // set order, and queues the changed cells' regions for the next pass.
    void Eliminate(int region, Positions positions, Digits digits, RegionMask& pending,
                   Removals& removals) {
        for (; positions != 0; positions &= positions - 1) {
            const int cell = GridGeometry::kCellsOfRegion[region][std::countr_zero(positions)];
            Candidates& candidates = *m_cells[cell];
            const Digits removed = static_cast<Digits>(candidates.to_ulong()) & digits;
            candidates &= Candidates(~removed);
            Forget(cell, removed);
            ++m_cellUpdates;
            pending |= GridGeometry::kRegionsOfCell[cell];
            if (m_applicationListener != nullptr) {
                removals.cells[removals.count++] = {cell, removed};
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

    void Tell(RuleApplication application, const Removals& removals) {
        if (m_applicationListener != nullptr) {
            application.removals = {removals.cells.data(),
                                    static_cast<std::size_t>(removals.count)};
            m_applicationListener->OnRuleApplication(application);
        }
    }

    std::uint32_t m_dualCellsRules = 0;
    std::array<std::uint32_t, kSize + 1> m_singleCellRules{};
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
