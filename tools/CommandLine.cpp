#include "CommandLine.h"

#include <getopt.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Io.h"
#include "batch/Messages.h"

namespace Novem::Batch {

const std::string kUsage =
    "Usage: " + std::string(Messages::Program()) +
    " [OPTION]... [FILE]...\n"
    "Solve number-placement puzzles by pure deduction, one puzzle per line.\n"
    "\n"
    "A puzzle is 81 cells row by row: 1 to 9 for a given digit, 0 or . for an empty\n"
    "cell. A position with pencil marks is 729 places, nine for each cell: a digit\n"
    "for each of its candidates, 0 or . for the others; a cell with one candidate\n"
    "that no other cell of its block, row or column allows is a given. After the\n"
    "cells, anything that follows white space or one of ; , | # is ignored, such as\n"
    "a name, a rating or a comment. Blank lines and lines starting with # are\n"
    "skipped. With no FILE, or when FILE is -, read standard input.\n"
    "\n"
    "For each puzzle, in input order, print the digit of every decided cell, . for\n"
    "a cell with several candidates and x for one with none, then solved or\n"
    "unsolved. The output is the same for any number of workers.\n"
    "\n"
    "      --stats          print the rule statistics after each result\n"
    "      --explain        print every effective rule application after each\n"
    "                         result, one per line, in the words solvers use\n"
    "      --json           print one JSON object per puzzle instead, with its file,\n"
    "                         line and counters, and with --explain its explanation\n"
    "      --log=FILE       write the run log of every puzzle to FILE, as the\n"
    "                         desktop program writes NovemSolver.txt\n"
    "      --time           print the number of puzzles and the time taken on\n"
    "                         standard error\n"
    "      --summary        print an overview of the whole run on standard error:\n"
    "                         solved, unsolved, the rules needed, every counter\n"
    "      --techniques=LIST  solve easiest step first with the techniques of LIST:\n"
    "                         basic (the two rules alone, the default), all, or\n"
    "                         some of fish, single-digit, wings, uniqueness,\n"
    "                         colouring, chains, finned-fish, als, exclusion,\n"
    "                         forcing, dynamic-forcing, nested-forcing; each\n"
    "                         result then gains the puzzle's level (the lowest\n"
    "                         whose techniques solve it), ER: and the technique\n"
    "                         of the step that set the ER, and the rating\n"
    "                         ER/EP/ED on Sudoku Explainer's scale, as its own\n"
    "                         path gives them with every family; a grid left\n"
    "                         unsolved is level 15, ER:none 20.0/20.0/20.0\n"
    "      --solutions      after each result, the number of solutions (0, 1, or 2\n"
    "                         for two or more) and, when there is one, the\n"
    "                         solution, found by an exact search\n"
    "      --candidates     print each result as the candidates left, 729 places,\n"
    "                         which this program and others read back\n"
    "  -j, --jobs=N         solve on N workers (default and most: one per\n"
    "                         processor)\n"
    "      --progress       show progress on standard error, even when it is no\n"
    "                         terminal\n"
    "      --no-progress    never show progress\n"
    "  -h, --help           display this help and exit\n"
    "  -V, --version        output version information and exit\n"
    "\n"
    "An option may be abbreviated to any unambiguous prefix, as --st for --stats;\n"
    "--log FILE is the same as --log=FILE, and -- ends the options. Progress shows\n"
    "by itself when standard error is a terminal and the results go elsewhere.\n"
    "\n"
    "Exit status: 0 when every line was a puzzle, 1 when a line or a file could not\n"
    "be read or the output could not be written, 2 for a usage error, a log in use\n"
    "by another run, or an output that would overwrite an input.\n";

namespace {

enum Option : int {
    kStats = 256,
    kJson,
    kExplain,
    kLog,
    kTime,
    kSummary,
    kSolutions,
    kCandidates,
    kTechniques,
    kProgress,
    kNoProgress,
};

constexpr option kOptions[] = {
    {"stats", no_argument, nullptr, kStats},
    {"json", no_argument, nullptr, kJson},
    {"explain", no_argument, nullptr, kExplain},
    {"log", required_argument, nullptr, kLog},
    {"time", no_argument, nullptr, kTime},
    {"summary", no_argument, nullptr, kSummary},
    {"solutions", no_argument, nullptr, kSolutions},
    {"candidates", no_argument, nullptr, kCandidates},
    {"techniques", required_argument, nullptr, kTechniques},
    {"jobs", required_argument, nullptr, 'j'},
    {"progress", no_argument, nullptr, kProgress},
    {"no-progress", no_argument, nullptr, kNoProgress},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// More workers than this would only cost memory.
constexpr unsigned long kMaxJobs = 4096;

bool ParseJobs(const char* text, unsigned& jobs) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (*text < '0' || *text > '9' || *end != '\0' || value == 0 || value > kMaxJobs) {
        WriteAll(2, Messages::Line({}, "invalid number of jobs: " + Messages::Quote(text, true)));
        return false;
    }
    jobs = static_cast<unsigned>(value);
    return true;
}

// "basic" for the two rules alone, "all", or a comma-separated list of the ladder's families.
bool ParseTechniques(const char* text, std::optional<Ladder::Families>& techniques) {
    Ladder::Families families = 0;
    std::string_view list(text);
    const bool several = list.find(',') != std::string_view::npos;
    while (true) {
        const std::string_view name = list.substr(0, list.find(','));
        if (several && (name == "all" || name == "basic")) {
            WriteAll(2, Messages::Line({}, "invalid technique list " + Messages::Quote(text, true) +
                                               ": " + std::string(name) +
                                               " stands alone, not in a list"));
            return false;
        }
        const auto* known =
            std::find(Ladder::kFamilyNames.begin(), Ladder::kFamilyNames.end(), name);
        if (name == "all") {
            families = Ladder::kAllFamilies;
        } else if (known != Ladder::kFamilyNames.end()) {
            families |= 1U << (known - Ladder::kFamilyNames.begin());
        } else if (name != "basic") {
            std::string valid = "basic, all";
            for (const std::string_view family : Ladder::kFamilyNames) {
                valid += ", " + std::string(family);
            }
            WriteAll(2, Messages::Line({}, "invalid technique " + Messages::Quote(name, true) +
                                               " (valid: " + valid + ")"));
            return false;
        }
        if (name.size() == list.size()) {
            break;
        }
        list.remove_prefix(name.size() + 1);
    }
    techniques = families == 0 ? std::nullopt : std::optional(families);
    return true;
}

}  // namespace

CommandLine ParseCommandLine(int argc, char* argv[]) {
    // getopt_long names the program after argv[0] in its messages; ours say "novem-batch".
    std::vector<char*> arguments(argv, argv + argc);
    std::string program(Messages::Program());
    arguments.front() = program.data();
    arguments.push_back(nullptr);

    CommandLine command;
    BatchOptions& options = command.options;
    bool wrong = false;
    optind = 0;
    for (int option;
         (option = getopt_long(argc, arguments.data(), "hVj:", kOptions, nullptr)) != -1;) {
        switch (option) {
            case kStats:
                options.stats = true;
                break;
            case kJson:
                options.json = true;
                break;
            case kExplain:
                options.explain = true;
                break;
            case kLog:
                options.logFile = optarg;
                if (options.logFile.empty()) {
                    WriteAll(2, Messages::Line({}, "option '--log' needs a file name"));
                    wrong = true;
                }
                break;
            case kTime:
                options.time = true;
                break;
            case kSummary:
                options.summary = true;
                break;
            case kSolutions:
                options.solutions = true;
                break;
            case kCandidates:
                options.candidates = true;
                break;
            case kTechniques:
                wrong = !ParseTechniques(optarg, options.techniques) || wrong;
                break;
            case kProgress:
                options.progress = BatchOptions::Progress::Always;
                break;
            case kNoProgress:
                options.progress = BatchOptions::Progress::Never;
                break;
            case 'j':
                wrong = !ParseJobs(optarg, options.jobs) || wrong;
                break;
            case 'h':
                command.action = CommandLine::Action::Help;
                break;
            case 'V':
                command.action = CommandLine::Action::Version;
                break;
            default:
                wrong = true;
                break;
        }
    }
    if (wrong) {
        command.action = CommandLine::Action::UsageError;
    }
    options.files.assign(arguments.begin() + optind, arguments.end() - 1);
    return command;
}

}  // namespace Novem::Batch
