#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/Grid_9x9.h"

namespace Novem::TestSupport {

// The two rules read literally and solved the slow way, to hold the engine against: the regions
// as the grid wires them, a pending set, every proper subset tried in mask order with its union
// gathered cell by cell, and for every crossing region and digit the unions built afresh. Shares
// nothing with the engine but the grid.
class ReferenceSolver {
public:
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

    // `puzzle` as 81 characters, '1' to '9' or '.'.
    explicit ReferenceSolver(std::string_view puzzle) {
        Grid_9x9 grid;
        std::set<Grid_9x9::RegionType*> regions;
        grid.CollectRegions(regions);
        int region = 0;
        for (const Grid_9x9::RegionType* cells : regions) {
            int position = 0;
            for (const Grid_9x9::CellType* cell : *cells) {
                m_regions[region][position++] = static_cast<int>(cell - grid.GetCell(0, 0));
            }
            ++region;
        }
        for (int cell = 0; cell < 81; ++cell) {
            m_candidates[cell] = puzzle[cell] == '.' ? 0x1FFU : 1U << (puzzle[cell] - '1');
        }
    }

    bool Solve() {
        std::set<int> pending;
        for (int region = 0; region < 27; ++region) {
            pending.insert(region);
        }
        int step = 0;
        while (!pending.empty()) {
            const std::vector<int> snapshot(pending.begin(), pending.end());
            pending.clear();
            for (const int region : snapshot) {
                ++step;
                if (InternalRule(region, step, pending)) {
                    Notify("SolverImplV1::InternalRule", step);
                }
                if (ExternalRule(region, step, pending)) {
                    Notify("SolverImplV1::ExternalRule", step);
                }
            }
        }
        steps = step;
        for (const unsigned candidates : m_candidates) {
            if (std::popcount(candidates) != 1) {
                return false;
            }
        }
        return true;
    }

    std::vector<Application> applications;
    std::vector<Notification> notifications;
    int steps = 0;
    unsigned cellUpdates = 0;
    std::array<unsigned, 10> singleCell{};
    unsigned dualCells = 0;

private:
    unsigned Union(int region, unsigned mask) const {
        unsigned digits = 0;
        for (int position = 0; position < 9; ++position) {
            if ((mask >> position & 1U) != 0) {
                digits |= m_candidates[m_regions[region][position]];
            }
        }
        return digits;
    }

    bool Contains(int region, int cell) const {
        for (const int member : m_regions[region]) {
            if (member == cell) {
                return true;
            }
        }
        return false;
    }

    bool Eliminate(const std::vector<int>& cells, unsigned digits, std::set<int>& pending,
                   Application& application) {
        for (const int cell : cells) {
            if ((m_candidates[cell] & digits) == 0) {
                continue;
            }
            application.removals.emplace_back(cell, m_candidates[cell] & digits);
            m_candidates[cell] &= ~digits;
            ++cellUpdates;
            for (int region = 0; region < 27; ++region) {
                if (Contains(region, cell)) {
                    pending.insert(region);
                }
            }
        }
        return !application.removals.empty();
    }

    bool InternalRule(int region, int step, std::set<int>& pending) {
        bool effective = false;
        for (unsigned mask = 1; mask < 511; ++mask) {
            const unsigned digits = Union(region, mask);
            if (std::popcount(digits) != std::popcount(mask)) {
                continue;
            }
            std::vector<int> rest;
            for (int position = 0; position < 9; ++position) {
                if ((mask >> position & 1U) == 0) {
                    rest.push_back(m_regions[region][position]);
                }
            }
            Application application{true, step, region, -1, mask, digits, {}};
            if (Eliminate(rest, digits, pending, application)) {
                ++singleCell[std::popcount(mask)];
                applications.push_back(application);
                effective = true;
            }
        }
        return effective;
    }

    bool ExternalRule(int region, int step, std::set<int>& pending) {
        std::set<int> crossing;
        for (const int cell : m_regions[region]) {
            for (int other = 0; other < 27; ++other) {
                if (other != region && Contains(other, cell)) {
                    crossing.insert(other);
                }
            }
        }
        bool effective = false;
        for (const int other : crossing) {
            for (int digit = 0; digit < 9; ++digit) {
                unsigned inside = 0;
                unsigned outside = 0;
                unsigned holding = 0;
                for (int position = 0; position < 9; ++position) {
                    const int cell = m_regions[region][position];
                    (Contains(other, cell) ? inside : outside) |= m_candidates[cell];
                    if (Contains(other, cell) && (m_candidates[cell] >> digit & 1U) != 0) {
                        holding |= 1U << position;
                    }
                }
                if ((inside >> digit & 1U) == 0 || (outside >> digit & 1U) != 0) {
                    continue;
                }
                std::vector<int> others;
                for (const int cell : m_regions[other]) {
                    if (!Contains(region, cell)) {
                        others.push_back(cell);
                    }
                }
                Application application{false, step, region, other, holding, 1U << digit, {}};
                if (Eliminate(others, 1U << digit, pending, application)) {
                    ++dualCells;
                    applications.push_back(application);
                    effective = true;
                }
            }
        }
        return effective;
    }

    void Notify(const char* ruleName, int step) {
        notifications.push_back({ruleName, step, m_candidates});
    }

    std::array<std::array<int, 9>, 27> m_regions{};
    std::array<unsigned, 81> m_candidates{};
};

}  // namespace Novem::TestSupport
