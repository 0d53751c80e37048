#include "GenerateCommandLine.h"

#include <getopt.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

#include "batch/Io.h"
#include "batch/Messages.h"
#include "ladder/Technique.h"

namespace Novem::Generate {

namespace Messages = Batch::Messages;

const std::string kGenerateUsage =
    "Usage: novem-generate [OPTION]...\n"
    "Make new number-placement puzzles, one a line: the 81 cells (. for an empty\n"
    "cell), the level, ER: and the technique of the step that set the ER, and the\n"
    "rating ER/EP/ED, as novem-batch --techniques=all gives them. Every puzzle has\n"
    "exactly one solution and is minimal: no given can go without losing it. The\n"
    "same seed gives the same puzzles for any number of workers. Where random\n"
    "puzzles rarely meet the target, it makes puzzles near those that do.\n"
    "\n"
    "  -n, --count=N        make N puzzles (default 1)\n"
    "      --seed=S         start from seed S, 0 to 2^64 - 1 (default: a fresh one);\n"
    "                         the first try comes from seed S, each other from its\n"
    "                         own seed, which --json gives with each random puzzle\n"
    "      --symmetry=SYM   none (default), rotate180, rotate90, mirror, flip,\n"
    "                         diagonal, or random (one of them per puzzle)\n"
    "      --level=L[-M]    only puzzles of level L, or L to M (0 singles only to\n"
    "                         15 beyond the ladder's techniques), or of the level\n"
    "                         named L, such as fish or nested-forcing-chains\n"
    "      --needs=TECHNIQUE  only puzzles whose hardest step, as novem-batch\n"
    "                         --explain tells the path, is TECHNIQUE, named as it\n"
    "                         names it, blanks as hyphens or quoted\n"
    "      --rating=A-B     only puzzles rated A to B (ER, such as 6.5-7.5)\n"
    "      --givens=N-M     only puzzles of N to M givens, 17 to 81\n"
    "      --like=FILE      only puzzles made near the puzzles of FILE (never one\n"
    "                         of them), at their levels unless --level, --needs or\n"
    "                         --rating says otherwise\n"
    "      --no-minimal     stop taking givens away at the most --givens allows\n"
    "                         (35 by default)\n"
    "  -j, --jobs=N         use N workers (default and most: one per processor)\n"
    "      --json           print one JSON object per puzzle instead, as\n"
    "                         novem-batch --techniques=all --json does, with its seed\n"
    "                         (null for a puzzle made near another)\n"
    "      --progress, --no-progress  show, or hide, the puzzles made and the tries on\n"
    "                         standard error (default: when it is a terminal)\n"
    "      --time           print the puzzles, tries and time taken on standard error\n"
    "      --summary        print an overview of the puzzles on standard error\n"
    "  -h, --help           display this help and exit\n"
    "  -V, --version        output version information and exit\n"
    "\n"
    "Exit status: 0 when all went well, 1 when a write failed, 2 for a usage error\n"
    "or a --like file that can't serve.\n";

namespace {

enum Option {
    kSeed = 256,
    kSymmetry,
    kLevel,
    kNeeds,
    kRating,
    kGivens,
    kLike,
    kNoMinimal,
    kJson,
    kProgress,
    kNoProgress,
    kTime,
    kSummary,
};

constexpr option kOptions[] = {
    {"count", required_argument, nullptr, 'n'},
    {"seed", required_argument, nullptr, kSeed},
    {"symmetry", required_argument, nullptr, kSymmetry},
    {"level", required_argument, nullptr, kLevel},
    {"needs", required_argument, nullptr, kNeeds},
    {"rating", required_argument, nullptr, kRating},
    {"givens", required_argument, nullptr, kGivens},
    {"like", required_argument, nullptr, kLike},
    {"no-minimal", no_argument, nullptr, kNoMinimal},
    {"jobs", required_argument, nullptr, 'j'},
    {"json", no_argument, nullptr, kJson},
    {"progress", no_argument, nullptr, kProgress},
    {"no-progress", no_argument, nullptr, kNoProgress},
    {"time", no_argument, nullptr, kTime},
    {"summary", no_argument, nullptr, kSummary},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

constexpr unsigned long kMaxJobs = 4096;
constexpr int kFewestGivens = 17;
constexpr int kNoMinimalGivens = 35;

// "invalid level '99' (0 to 15)": what is wrong, the value, and what would do.
bool Wrong(std::string_view what, std::string_view value, std::string_view hint = {}) {
    std::string line = std::string(what) + " " + Messages::Quote(value, true);
    if (!hint.empty()) {
        line += " (" + std::string(hint) + ")";
    }
    Batch::WriteAll(2, Messages::Line({}, line));
    return false;
}

// A whole decimal number, nothing before or after it.
template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

// "A" or "A-B", each read by `parse`; one value stands for both ends.
template <typename Parse>
bool ParseRange(std::string_view text, Parse parse) {
    const std::size_t dash = text.find('-');
    const std::string_view low = text.substr(0, dash);
    const std::string_view high = dash == std::string_view::npos ? low : text.substr(dash + 1);
    return parse(low, high);
}

// One decimal at most: "7", "7.2".
bool ParseTenths(std::string_view text, int& tenths) {
    const std::size_t dot = text.find('.');
    int whole = 0;
    int tenth = 0;
    if (!ParseNumber(text.substr(0, dot), whole)) {
        return false;
    }
    if (dot != std::string_view::npos &&
        (text.size() != dot + 2 || !ParseNumber(text.substr(dot + 1), tenth))) {
        return false;
    }
    tenths = 10 * whole + tenth;
    return true;
}

std::string Hyphenated(std::string_view name) {
    std::string text(name);
    std::replace(text.begin(), text.end(), ' ', '-');
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char character) {
        return static_cast<char>(std::tolower(character));
    });
    return text;
}

// As novem-batch names the steps it explains: the two rules' techniques, then the ladder's.
std::vector<std::string_view> TechniqueNames() {
    std::vector<std::string_view> names = {
        "hidden single", "naked single", "pointing",      "claiming",   "naked pair",
        "hidden pair",   "naked triple", "hidden triple", "naked quad", "hidden quad"};
    for (int technique = 0; technique < Ladder::kTechniques; ++technique) {
        if (!Ladder::ScaleOnly(static_cast<Ladder::Technique>(technique))) {
            names.push_back(Ladder::kTechniqueInfo[static_cast<std::size_t>(technique)].name);
        }
    }
    return names;
}

bool ParseNeeds(std::string_view text, std::string& hardest) {
    for (const std::string_view name : TechniqueNames()) {
        if (Hyphenated(name) == Hyphenated(text)) {
            hardest = name;
            return true;
        }
    }
    return Wrong("unknown technique", text,
                 "as novem-batch names it, such as X-wing or naked-pair");
}

// A number, a range of numbers, or a level's name with or without its "needs", blanks as hyphens
// or quoted: "3", "3-5", "fish", "needs-nested-forcing-chains".
bool ParseLevel(std::string_view text, Target& target) {
    constexpr int kHighest = Ladder::kLevels - 1;
    constexpr std::string_view kNeeds = "needs ";
    for (int level = 0; level <= kHighest; ++level) {
        std::string_view name = Ladder::kLevelNames[static_cast<std::size_t>(level)];
        if (Hyphenated(text) == Hyphenated(name) ||
            (name.starts_with(kNeeds) &&
             Hyphenated(text) == Hyphenated(name.substr(kNeeds.size())))) {
            target.lowestLevel = target.highestLevel = static_cast<Ladder::Level>(level);
            return true;
        }
    }
    return ParseRange(text, [&](std::string_view low, std::string_view high) {
        int lowest = 0;
        int highest = 0;
        if (!ParseNumber(low, lowest) || !ParseNumber(high, highest) || lowest > highest ||
            highest > kHighest) {
            return Wrong(
                "invalid level", text,
                "0 to " + std::to_string(kHighest) + ", L-M, or a level's name such as fish");
        }
        target.lowestLevel = static_cast<Ladder::Level>(lowest);
        target.highestLevel = static_cast<Ladder::Level>(highest);
        return true;
    });
}

bool ParseRating(std::string_view text, Target& target) {
    return ParseRange(text, [&](std::string_view low, std::string_view high) {
        if (!ParseTenths(low, target.lowestRating) || !ParseTenths(high, target.highestRating) ||
            target.lowestRating > target.highestRating) {
            return Wrong("invalid rating range", text, "A-B with A at most B, such as 6.5-7.5");
        }
        return true;
    });
}

bool ParseGivens(std::string_view text, Target& target) {
    return ParseRange(text, [&](std::string_view low, std::string_view high) {
        if (!ParseNumber(low, target.fewestGivens) || !ParseNumber(high, target.mostGivens) ||
            target.fewestGivens > target.mostGivens || target.fewestGivens < kFewestGivens ||
            target.mostGivens > GridGeometry::kCells) {
            return Wrong("invalid givens", text, "N-M from 17 to 81: no puzzle has fewer than 17");
        }
        return true;
    });
}

bool ParseSymmetry(std::string_view text, Target& target) {
    if (text == "random") {
        target.symmetry = std::nullopt;
        return true;
    }
    if (const std::optional<Symmetry> symmetry = SymmetryNamed(text)) {
        target.symmetry = symmetry;
        return true;
    }
    return Wrong("invalid symmetry", text,
                 "none, rotate180, rotate90, mirror, flip, diagonal or random");
}

}  // namespace

GenerateCommandLine ParseGenerateCommandLine(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    std::string program(Messages::Program());
    arguments.front() = program.data();
    arguments.push_back(nullptr);

    GenerateCommandLine command;
    GenerateOptions& options = command.options;
    Target& target = options.target;
    std::optional<std::uint64_t> seed;
    bool givensGiven = false;
    bool wrong = false;
    optind = 0;
    for (int option;
         (option = getopt_long(argc, arguments.data(), "hVn:j:", kOptions, nullptr)) != -1;) {
        const std::string_view value = optarg != nullptr ? optarg : "";
        switch (option) {
            case 'n':
                if (!ParseNumber(value, options.count) || options.count == 0) {
                    wrong = !Wrong("invalid count", value, "1 or more") || wrong;
                }
                break;
            case kSeed: {
                std::uint64_t parsed = 0;
                if (ParseNumber(value, parsed)) {
                    seed = parsed;
                } else {
                    wrong = !Wrong("invalid seed", value, "0 to 18446744073709551615") || wrong;
                }
                break;
            }
            case kSymmetry:
                wrong = !ParseSymmetry(value, target) || wrong;
                break;
            case kLevel:
                wrong = !ParseLevel(value, target) || wrong;
                options.targeted = true;
                break;
            case kNeeds:
                wrong = !ParseNeeds(value, target.hardest) || wrong;
                options.targeted = true;
                break;
            case kRating:
                wrong = !ParseRating(value, target) || wrong;
                options.targeted = true;
                break;
            case kLike:
                options.like = value;
                break;
            case kGivens:
                wrong = !ParseGivens(value, target) || wrong;
                givensGiven = true;
                break;
            case kNoMinimal:
                target.minimal = false;
                break;
            case 'j': {
                unsigned long jobs = 0;
                if (!ParseNumber(value, jobs) || jobs == 0 || jobs > kMaxJobs) {
                    wrong = !Wrong("invalid number of jobs:", value) || wrong;
                }
                options.jobs = static_cast<unsigned>(jobs);
                break;
            }
            case kJson:
                options.json = true;
                break;
            case kProgress:
                options.progress = Batch::BatchOptions::Progress::Always;
                break;
            case kNoProgress:
                options.progress = Batch::BatchOptions::Progress::Never;
                break;
            case kTime:
                options.time = true;
                break;
            case kSummary:
                options.summary = true;
                break;
            case 'h':
                command.action = GenerateCommandLine::Action::Help;
                break;
            case 'V':
                command.action = GenerateCommandLine::Action::Version;
                break;
            default:
                wrong = true;
                break;
        }
    }
    if (!wrong && optind < argc) {
        Batch::WriteAll(
            2, Messages::Line({}, "extra operand " + Messages::Quote(arguments[optind], true)));
        wrong = true;
    }
    if (!target.minimal && !givensGiven) {
        target.mostGivens = kNoMinimalGivens;
    }
    options.seed = seed ? *seed : FreshSeed();
    if (wrong) {
        command.action = GenerateCommandLine::Action::UsageError;
    }
    return command;
}

}  // namespace Novem::Generate
