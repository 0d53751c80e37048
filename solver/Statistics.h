#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/GridGeometry.h"
#include "model/Translatable.h"

namespace Novem {

// What the two rules achieved in one Solve.
struct RuleCounters {
    // Cells whose candidates were reduced.
    std::uint32_t cellUpdates = 0;
    // Effective subsets of InternalRule by their number of cells, 0 to 9; only 1 to 8 occur.
    std::array<std::uint32_t, GridGeometry::kSize + 1> singleCellRules{};
    // Effective (crossing region, digit) pairs of ExternalRule.
    std::uint32_t dualCellsRules = 0;

    bool operator==(const RuleCounters&) const = default;
};

enum class Counter { CellUpdates, SingleCell, DualCells };

// The statistics text's labels, by counter, in English: each user of a label (the statistics
// text, the batch summary, the desktop's result box in the user's language) reads it here. The
// "Single Cell" label has "%1" where the subset's number of cells goes. The tabs that follow a
// label align the figures in a table of tab stops.
struct CounterLabel {
    std::string_view text;
    std::string_view tabs;
};

inline constexpr std::array<CounterLabel, 3> kCounterLabels = {{
    {Translatable("SolveCommand", "Effective Cells updates"), "\t\t"},
    {Translatable("SolveCommand", "Effective \"Single Cell[card=%1]\" rules"), "\t"},
    {Translatable("SolveCommand", "Effective \"Dual Cells\" rules"), "\t\t"},
}};

constexpr const CounterLabel& LabelOf(Counter counter) {
    return kCounterLabels[static_cast<std::size_t>(counter)];
}

// `text` with the number in place of "%1", as a translator's text has it.
inline std::string WithNumber(std::string_view text, int number) {
    const std::size_t at = text.find("%1");
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    std::string result(text.substr(0, at));
    result += std::to_string(number);
    result += text.substr(at + 2);
    return result;
}

// One line of the statistics text.
struct StatisticsLine {
    Counter counter;
    // The subset's number of cells, for a "Single Cell" line.
    int card;
    std::uint32_t value;

    const CounterLabel& Label() const { return LabelOf(counter); }
};

// The lines of the statistics text in order: the cell updates, one line for every card that was
// effective, the dual cells.
inline std::vector<StatisticsLine> StatisticsLines(const RuleCounters& counters) {
    std::vector<StatisticsLine> lines{{Counter::CellUpdates, 0, counters.cellUpdates}};
    for (int card = 0; card < static_cast<int>(counters.singleCellRules.size()); ++card) {
        if (counters.singleCellRules[card] != 0) {
            lines.push_back({Counter::SingleCell, card, counters.singleCellRules[card]});
        }
    }
    lines.push_back({Counter::DualCells, 0, counters.dualCellsRules});
    return lines;
}

// The statistics text: each line its label, tabs, ": ", figure and LF. `translate` gives each
// label in the language it is shown in.
template <typename Translate>
std::string StatisticsText(const RuleCounters& counters, Translate translate) {
    std::string text;
    for (const StatisticsLine& line : StatisticsLines(counters)) {
        text += WithNumber(translate(line.Label().text), line.card);
        text += line.Label().tabs;
        text += ": " + std::to_string(line.value) + "\n";
    }
    return text;
}

inline std::string StatisticsText(const RuleCounters& counters) {
    return StatisticsText(counters, [](std::string_view label) { return label; });
}

}  // namespace Novem
