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

inline constexpr std::string_view kAll[] = {kSolved,  kNotSolvable,   kTotalTime,     kSolverStatus,
                                            kWarning, kCannotOpenLog, kCannotWriteLog};
}  // namespace SolveTexts

// What a solve ends with: the outcome and its figures, from which the result box's text is made.
struct SolveReport {
    bool solved = false;
    RuleCounters counters;
    // The time the solver took, wrapped modulo 2^32 like the tick count it comes from.
    std::uint32_t milliseconds = 0;
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

}  // namespace Novem
