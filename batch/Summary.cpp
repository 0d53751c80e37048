#include "Summary.h"

#include <algorithm>
#include <cstdio>

#include "ladder/RuleNames.h"

namespace Novem::Batch {

namespace {

std::string Line(const char* format, auto... values) {
    char line[128];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

double Percent(std::uint64_t part, std::uint64_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

using Count = unsigned long long;

}  // namespace

void Summary::Add(const Analysis::PuzzleResult& result) {
    ++m_puzzles;
    m_solved += result.solved ? 1 : 0;
    m_contradicted += result.contradicted ? 1 : 0;
    const RuleCounters& counters = result.counters;
    for (std::size_t card = 0; card < counters.singleCellRules.size(); ++card) {
        m_singleCell[card] += counters.singleCellRules[card];
    }
    ++m_needed[static_cast<std::size_t>(result.largestSubset)]
              [counters.dualCellsRules != 0 ? 1 : 0];
    m_cellUpdates += counters.cellUpdates;
    m_dualCells += counters.dualCellsRules;
    m_steps += static_cast<std::uint64_t>(result.steps);
    m_notifications += result.notifications;
    if (result.solutions >= 0) {
        ++m_solutions[static_cast<std::size_t>(result.solutions)];
    }
    if (result.rating) {
        ++m_rated;
        ++m_levels[static_cast<std::size_t>(result.rating->level)];
        // An unsolved grid is not rated: its 20.0 is no band of difficulty.
        if (result.solved) {
            ++m_ratings[std::min(static_cast<std::size_t>(result.rating->er / 10),
                                 m_ratings.size() - 1)];
        }
        for (std::size_t technique = 0; technique < m_applications.size(); ++technique) {
            m_applications[technique] += result.applications[technique];
            m_needing[technique] += result.applications[technique] != 0 ? 1 : 0;
        }
    }
}

void Summary::Merge(const Summary& other) {
    m_puzzles += other.m_puzzles;
    m_solved += other.m_solved;
    m_contradicted += other.m_contradicted;
    for (std::size_t size = 0; size < m_needed.size(); ++size) {
        m_needed[size][0] += other.m_needed[size][0];
        m_needed[size][1] += other.m_needed[size][1];
    }
    for (std::size_t card = 0; card < m_singleCell.size(); ++card) {
        m_singleCell[card] += other.m_singleCell[card];
    }
    m_cellUpdates += other.m_cellUpdates;
    m_dualCells += other.m_dualCells;
    m_steps += other.m_steps;
    m_notifications += other.m_notifications;
    for (std::size_t count = 0; count < m_solutions.size(); ++count) {
        m_solutions[count] += other.m_solutions[count];
    }
    m_rated += other.m_rated;
    for (std::size_t level = 0; level < m_levels.size(); ++level) {
        m_levels[level] += other.m_levels[level];
    }
    for (std::size_t band = 0; band < m_ratings.size(); ++band) {
        m_ratings[band] += other.m_ratings[band];
    }
    for (std::size_t technique = 0; technique < m_applications.size(); ++technique) {
        m_applications[technique] += other.m_applications[technique];
        m_needing[technique] += other.m_needing[technique];
    }
}

std::string Summary::Format() const {
    const std::uint64_t unsolved = m_puzzles - m_solved;
    std::string text = Line("%-28s%14llu\n", "Puzzles", Count{m_puzzles});
    text +=
        Line("%-28s%14llu %7.2f %%\n", "  solved", Count{m_solved}, Percent(m_solved, m_puzzles));
    text +=
        Line("%-28s%14llu %7.2f %%\n", "  unsolved", Count{unsolved}, Percent(unsolved, m_puzzles));
    text += Line("%-28s%14llu %7.2f %%\n", "    of them contradicted", Count{m_contradicted},
                 Percent(m_contradicted, m_puzzles));
    if (m_solutions[0] + m_solutions[1] + m_solutions[2] != 0) {
        text += Line("\n%s\n", "Solutions");
        constexpr const char* kLabels[] = {"  none", "  one", "  two or more"};
        for (std::size_t count = 0; count < m_solutions.size(); ++count) {
            text += Line("%-28s%14llu %7.2f %%\n", kLabels[count], Count{m_solutions[count]},
                         Percent(m_solutions[count], m_puzzles));
        }
    }

    if (m_rated != 0) {
        text += Line("\n%s\n", "Levels");
        for (std::size_t level = 0; level < m_levels.size(); ++level) {
            const std::string label =
                "  " + std::to_string(level) + " " + std::string(Ladder::kLevelNames[level]);
            text += Line("%-32s%10llu %7.2f %%\n", label.c_str(), Count{m_levels[level]},
                         Percent(m_levels[level], m_puzzles));
        }
        text += Line("\n%s\n", "Ratings (ER) of the solved puzzles");
        for (std::size_t band = 0; band < m_ratings.size(); ++band) {
            if (m_ratings[band] == 0) {
                continue;
            }
            const std::string label =
                band == 0 ? std::string("  none")
                : band + 1 == m_ratings.size()
                    ? "  " + std::to_string(band) + ".0 and above"
                    : "  " + std::to_string(band) + ".0 to " + std::to_string(band) + ".9";
            text += Line("%-32s%10llu %7.2f %%\n", label.c_str(), Count{m_ratings[band]},
                         Percent(m_ratings[band], m_puzzles));
        }
        text += Line("\n%-28s%14s%17s\n", "Techniques", "applications", "puzzles using it");
        for (std::size_t technique = 0; technique < m_applications.size(); ++technique) {
            if (m_applications[technique] != 0) {
                const std::string label =
                    "  " + std::string(Ladder::kTechniqueInfo[technique].name);
                text += Line("%-28s%14llu%17llu\n", label.c_str(), Count{m_applications[technique]},
                             Count{m_needing[technique]});
            }
        }
    }
    text += Line("\n%-28s%14s%17s\n", "Largest subset needed", "no crossings", "with crossings");
    constexpr std::array<const char*, 5> kSubsets = {"  none", "  1 cell (single)",
                                                     "  2 cells (pair)", "  3 cells (triple)",
                                                     "  4 cells (quad)"};
    for (std::size_t size = 0; size < m_needed.size(); ++size) {
        if (m_needed[size][0] + m_needed[size][1] != 0) {
            text += Line("%-28s%14llu%17llu\n", kSubsets[size], Count{m_needed[size][0]},
                         Count{m_needed[size][1]});
        }
    }

    const auto total = [](Counter counter, int card, std::uint64_t value) {
        std::string label = "  ";
        label += WithNumber(LabelOf(counter).text, card);
        return Line("%-42s: %llu\n", label.c_str(), Count{value});
    };
    text += Line("\n%s\n", "Totals");
    text += total(Counter::CellUpdates, 0, m_cellUpdates);
    for (std::size_t card = 0; card < m_singleCell.size(); ++card) {
        if (m_singleCell[card] != 0) {
            text += total(Counter::SingleCell, static_cast<int>(card), m_singleCell[card]);
        }
    }
    text += total(Counter::DualCells, 0, m_dualCells);
    text += Line("%-42s: %llu\n", "  Steps", Count{m_steps});
    text += Line("%-42s: %llu\n", "  Notifications", Count{m_notifications});
    return text;
}

}  // namespace Novem::Batch
