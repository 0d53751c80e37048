#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "GridLayout.h"
#include "ISolver.h"

namespace Novem {

// Pure deduction with two rules, applied to pending regions pass after pass until a pass changes
// nothing. Every order here (regions by index, masks ascending, cells in set order, crossing
// regions by index, digits ascending) shows in the counters, the step numbers and the events, so
// none of it may change. The rules work on candidate words and cell positions instead of building
// cell sets: it's cheaper to find out with word operations that a subset changes nothing than to
// build it.
template <typename TGrid>
class SolverImplV1 : public ISolver<TGrid> {
    using Base = ISolver<TGrid>;
    using Layout = GridLayout<TGrid>;
    using Candidates = typename TGrid::CellType::Candidates;
    using RegionMask = typename Layout::RegionMask;
    // A set of a region's cells: bit k stands for its k-th cell in set order.
    using Positions = unsigned;
    // Candidates as a word: bit k stands for digit k + 1.
    using Word = unsigned;
    static constexpr std::size_t kDigits = TGrid::kSize;

public:
    bool Solve(TGrid& grid) override {
        m_dualCellsRules = 0;
        m_singleCellRules.fill(0);
        m_cellUpdates = 0;

        std::set<typename TGrid::RegionType*> regions;
        grid.CollectRegions(regions);
        const Layout layout(regions);
        RegionMask pending = layout.All();
        m_steps = 0;
        while (pending != 0) {
            const RegionMask snapshot = pending;
            pending = 0;
            for (RegionMask left = snapshot; left != 0; left &= left - 1) {
                const auto region = static_cast<std::size_t>(std::countr_zero(left));
                ++m_steps;
                if (InternalRule(layout, region, pending)) {
                    Base::NotifyListeners({&grid, "SolverImplV1::InternalRule", m_steps});
                }
                if (ExternalRule(layout, region, pending)) {
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
    static constexpr std::array<std::uint8_t, (1U << kDigits)> kBitCounts = [] {
        std::array<std::uint8_t, (1U << kDigits)> counts{};
        for (unsigned word = 0; word < counts.size(); ++word) {
            counts[word] = static_cast<std::uint8_t>(std::popcount(word));
        }
        return counts;
    }();

    static Word WordOf(const typename Layout::Cell* cell) {
        return static_cast<Word>(cell->GetCandidates().to_ulong());
    }

    // N cells of a region whose candidates allow exactly N digits take those digits, so the digits
    // leave the rest of the region. Every proper non-empty subset is tried, in mask order.
    bool InternalRule(const Layout& layout, std::size_t region, RegionMask& pending) {
        const std::size_t cells = layout.sizes[region];
        if (cells < 2 || Settled(layout, region)) {
            return false;
        }
        const Positions total = (1U << cells) - 1U;
        std::array<Word, (1U << kDigits)> unions;
        FillUnions(layout, region, unions);
        bool effective = false;
        for (Positions mask = 1; mask < total; ++mask) {
            const Word digits = unions[mask];
            // The union of the other cells tells at once whether the elimination changes anything.
            if (kBitCounts[digits] != kBitCounts[mask] || (unions[total & ~mask] & digits) == 0 ||
                !Eliminate(layout, region, total & ~mask, digits, pending)) {
                continue;
            }
            ++m_singleCellRules[kBitCounts[mask]];
            effective = true;
            // Later masks must see the candidates as they are now.
            FillUnions(layout, region, unions);
        }
        return effective;
    }

    // True when no digit is possible in two cells of the region, a solved region for one: then
    // no subset shares a digit with the other cells and none of the 510 can change anything.
    static bool Settled(const Layout& layout, std::size_t region) {
        Word seen = 0;
        for (std::size_t position = 0; position < layout.sizes[region]; ++position) {
            const Word candidates = WordOf(layout.cells[region][position]);
            if ((seen & candidates) != 0) {
                return false;
            }
            seen |= candidates;
        }
        return true;
    }

    // The candidate union of every subset of the region's cells, from the candidates as they
    // stand. The subsets that hold cell k are those without it, each joined with cell k: a
    // straight loop that the compiler turns into vector operations.
    static void FillUnions(const Layout& layout, std::size_t region,
                           std::array<Word, (1U << kDigits)>& unions) {
        unions[0] = 0;
        for (std::size_t position = 0; position < layout.sizes[region]; ++position) {
            const Word candidates = WordOf(layout.cells[region][position]);
            const Positions first = 1U << position;
            for (Positions subset = 0; subset < first; ++subset) {
                unions[first + subset] = unions[subset] | candidates;
            }
        }
    }

    // A digit that the region allows only where it crosses another region must go there, so it
    // leaves the rest of that other region. Only cells outside the region change here, so the
    // region's own candidates hold still for the whole rule.
    bool ExternalRule(const Layout& layout, std::size_t region, RegionMask& pending) {
        const std::size_t cells = layout.sizes[region];
        RegionMask crossing = 0;
        for (std::size_t position = 0; position < cells; ++position) {
            crossing |= layout.cellRegions[region][position];
        }
        crossing &= ~(RegionMask{1} << region);

        bool effective = false;
        for (; crossing != 0; crossing &= crossing - 1) {
            const auto other = static_cast<std::size_t>(std::countr_zero(crossing));
            Word inside = 0;
            Word outside = 0;
            for (std::size_t position = 0; position < cells; ++position) {
                const bool shared = (layout.cellRegions[region][position] >> other & 1U) != 0;
                (shared ? inside : outside) |= WordOf(layout.cells[region][position]);
            }
            Word confined = inside & ~outside;
            if (confined == 0) {
                continue;
            }
            Positions others = 0;
            Word othersUnion = 0;
            for (std::size_t position = 0; position < layout.sizes[other]; ++position) {
                if ((layout.cellRegions[other][position] >> region & 1U) == 0) {
                    others |= 1U << position;
                    othersUnion |= WordOf(layout.cells[other][position]);
                }
            }
            // Removing one digit leaves the others' union right for every other digit.
            for (confined &= othersUnion; confined != 0; confined &= confined - 1) {
                const Word digit = confined & (~confined + 1);
                if (Eliminate(layout, other, others, digit, pending)) {
                    ++m_dualCellsRules;
                    effective = true;
                }
            }
        }
        return effective;
    }

    // Removes `digits` from every cell of the region at `positions` that has any of them, in set
    // order, and queues the changed cells' regions for the next pass.
    bool Eliminate(const Layout& layout, std::size_t region, Positions positions, Word digits,
                   RegionMask& pending) {
        bool changed = false;
        const Candidates removed(digits);
        for (; positions != 0; positions &= positions - 1) {
            const auto position = static_cast<std::size_t>(std::countr_zero(positions));
            Candidates& candidates = layout.cells[region][position]->GetCandidates();
            if ((candidates & removed).none()) {
                continue;
            }
            candidates &= ~removed;
            ++m_cellUpdates;
            pending |= layout.cellRegions[region][position];
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
