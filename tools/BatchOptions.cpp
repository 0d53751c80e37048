#include "BatchOptions.h"

#include <utility>

namespace Novem::Batch {

const char* const kUsage =
    "Usage: novem-batch [--stats] [--json] [--log FILE] [--time] [FILE ...]\n"
    "Solves puzzles by pure deduction, one per line: 81 cells row by row, 1 to 9 for a given\n"
    "digit, 0 or . for an empty cell. Blank lines and lines starting with # are skipped.\n"
    "Reads standard input when no FILE is given or FILE is -.\n"
    "\n"
    "Prints for each puzzle its result, the digit of every decided cell, . for a cell with\n"
    "several candidates and x for one with none, then solved or unsolved.\n"
    "\n"
    "  --stats       print the rule statistics after each result\n"
    "  --json        print one JSON object per puzzle instead, counters included\n"
    "  --log FILE    write the run log of every puzzle to FILE, as the desktop program does\n"
    "  --time        print the number of puzzles and the time taken on standard error\n"
    "  --help        print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 when every line was a puzzle, 1 when a line or a file could not be read,\n"
    "2 for a usage error.\n";

ParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    ParsedCommandLine parsed;
    BatchOptions& options = parsed.options;
    const auto usageError = [&parsed](std::string error) {
        parsed.action = ParsedCommandLine::Action::UsageError;
        parsed.error = std::move(error);
        return parsed;
    };

    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            options.files.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--stats") {
            options.stats = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--time") {
            options.time = true;
        } else if (argument == "--help") {
            parsed.action = ParsedCommandLine::Action::Help;
        } else if (argument == "--version") {
            parsed.action = ParsedCommandLine::Action::Version;
        } else if (argument == "--log" || argument.starts_with("--log=")) {
            if (argument == "--log") {
                options.logFile = index + 1 < arguments.size() ? arguments[++index] : "";
            } else {
                options.logFile = argument.substr(6);
            }
            if (options.logFile.empty()) {
                return usageError("option '--log' needs a file name");
            }
        } else {
            return usageError("unknown option '" + std::string(argument) + "'");
        }
    }
    return parsed;
}

}  // namespace Novem::Batch
