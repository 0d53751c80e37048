#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Translatable.h"
#include "solver/Statistics.h"

namespace Novem {

// The Solve command's own texts, in English; the desktop shows them in the user's language.
namespace SolveTexts {
inline constexpr std::string_view kSolved =
    Translatable("SolveCommand", "This grid has been solved successfuly!");
inline constexpr std::string_view kNotSolvable =
    Translatable("SolveCommand", "This grid is not solvable...");
inline constexpr std::string_view kTotalTime = Translatable("SolveCommand", "Total Time");
inline constexpr std::string_view kSolverStatus = Translatable("SolveCommand", "Solver Status");
inline constexpr std::string_view kWarning = Translatable("SolveCommand", "Warning");
inline constexpr std::string_view kCannotOpenLog =
    Translatable("SolveCommand", "Could not open NovemSolver.txt for writing...");
inline constexpr std::string_view kCannotWriteLog = Translatable(
    "SolveCommand", "Could not write all of NovemSolver.txt: the run log is incomplete...");

// What the search says of a grid the rules leave unsolved, told as what follows the specified
// line, never against it.
inline constexpr std::string_view kNoSolution = Translatable(
    "SolveCommand", "An exact search finds no solution at all: the digits contradict each other.");
inline constexpr std::string_view kOneSolution =
    Translatable("SolveCommand",
                 "The rules stop here, with %1 cells open; an exact search finds exactly one "
                 "solution. \"Show Solution\" in the menu fills them in.");
inline constexpr std::string_view kSeveralSolutions =
    Translatable("SolveCommand",
                 "The rules stop here; an exact search finds more than one solution, so no "
                 "reasoning can decide the grid: it is not a proper puzzle.");
inline constexpr std::string_view kShowSolution = Translatable("SolveCommand", "Show Solution");
inline constexpr std::string_view kNothingToShow =
    Translatable("SolveCommand", "The grid has no solution at all, so there is none to show.");
inline constexpr std::string_view kTooManyToShow = Translatable(
    "SolveCommand", "The grid has more than one solution, so there is no one solution to show.");

inline constexpr std::string_view kAll[] = {
    kSolved,        kNotSolvable,    kTotalTime,    kSolverStatus, kWarning,
    kCannotOpenLog, kCannotWriteLog, kNoSolution,   kOneSolution,  kSeveralSolutions,
    kShowSolution,  kNothingToShow,  kTooManyToShow};
}  // namespace SolveTexts

// What a solve ends with: the outcome and its figures, from which the result box's text is made.
struct SolveReport {
    bool solved = false;
    RuleCounters counters;
    // The time the solver took, wrapped modulo 2^32 like the tick count it comes from.
    std::uint32_t milliseconds = 0;
    // For a grid the rules leave unsolved, what an exact search finds: 0, 1, or 2 for two or
    // more solutions; -1 for a solved grid, which needs no search.
    int solutions = -1;
    // The cells the rules left with several candidates.
    int openCells = 0;
};

// The milliseconds as seconds with three decimals, "1.500".
std::string Seconds(std::uint32_t milliseconds);

// The result box's text: the outcome, a blank line, the statistics text, then the total time,
// with CR LF between them as the platform the layout comes from writes them. `translate` gives
// each label in the language the box speaks.
template <typename Translate>
std::string ResultText(const SolveReport& report, Translate translate) {
    std::string text(translate(report.solved ? SolveTexts::kSolved : SolveTexts::kNotSolvable));
    text += "\r\n\r\n";
    text += StatisticsText(report.counters, translate);
    text += "\r\n";
    text += translate(SolveTexts::kTotalTime);
    return text + "\t\t\t: " + Seconds(report.milliseconds) + " s";
}

inline std::string ResultText(const SolveReport& report) {
    return ResultText(report, [](std::string_view text) { return text; });
}

// The paragraph the box adds after the result text for a grid the rules leave unsolved: what
// the search found. Empty for a solved grid.
template <typename Translate>
std::string Verdict(const SolveReport& report, Translate translate) {
    switch (report.solutions) {
        case 0:
            return std::string(translate(SolveTexts::kNoSolution));
        case 1:
            return WithNumber(translate(SolveTexts::kOneSolution), report.openCells);
        case -1:
            return {};
        default:
            return std::string(translate(SolveTexts::kSeveralSolutions));
    }
}

}  // namespace Novem
