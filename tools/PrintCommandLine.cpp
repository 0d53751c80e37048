#include "PrintCommandLine.h"

#include <getopt.h>

#include <string_view>
#include <vector>

#include "batch/Io.h"
#include "batch/Messages.h"

namespace Messages = Novem::Batch::Messages;

const std::string kPrintUsage =
    "Usage: novem-print [OPTION]... [FILE]...\n"
    "Make a PDF of the number-placement puzzles of the FILEs, one a line, read as\n"
    "novem-batch reads them: 81 cells, or a position as 729 places. Each puzzle\n"
    "gets its number, level and rating above its grid. With no FILE, or when FILE\n"
    "is -, read standard input.\n"
    "\n"
    "  -o, --output=FILE    write the PDF to FILE (default: standard output, when it\n"
    "                         is no terminal)\n"
    "      --per-page=N     1 (default), 2, 4 or 6 puzzles a page\n"
    "      --solutions      add pages with the solutions at the back\n"
    "      --title=TEXT     a title at the top of every page of puzzles\n"
    "      --paper=SIZE     a4 or letter (default: the locale's paper)\n"
    "      --no-rating      leave the level and the rating out of the headings\n"
    "  -h, --help           display this help and exit\n"
    "  -V, --version        output version information and exit\n"
    "\n"
    "A line that is no puzzle is told by its number and skipped. The PDF is written\n"
    "whole or not at all: a run that fails or is stopped leaves no partial file.\n"
    "\n"
    "Exit status: 0 when every line was a puzzle and the PDF was written, 1 when a\n"
    "line or a file could not be read or the PDF could not be written, 2 for a usage\n"
    "error or an output that would overwrite an input.\n";

namespace {

enum Option : int {
    kPerPage = 256,
    kSolutions,
    kTitle,
    kPaper,
    kNoRating,
};

constexpr option kOptions[] = {
    {"output", required_argument, nullptr, 'o'},
    {"per-page", required_argument, nullptr, kPerPage},
    {"solutions", no_argument, nullptr, kSolutions},
    {"title", required_argument, nullptr, kTitle},
    {"paper", required_argument, nullptr, kPaper},
    {"no-rating", no_argument, nullptr, kNoRating},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

bool Wrong(std::string_view what, std::string_view value, std::string_view hint) {
    Novem::Batch::WriteAll(
        2, Messages::Line({}, std::string(what) + " " + Messages::Quote(value, true) + " (" +
                                  std::string(hint) + ")"));
    return false;
}

}  // namespace

PrintCommandLine ParsePrintCommandLine(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    std::string program(Messages::Program());
    arguments.front() = program.data();
    arguments.push_back(nullptr);

    PrintCommandLine command;
    PrintRun::Options& options = command.options;
    bool wrong = false;
    optind = 0;
    for (int option;
         (option = getopt_long(argc, arguments.data(), "hVo:", kOptions, nullptr)) != -1;) {
        const std::string_view value = optarg != nullptr ? optarg : "";
        switch (option) {
            case 'o':
                options.output = value;
                if (value.empty()) {
                    wrong = !Wrong("invalid output", value, "a file name") || wrong;
                }
                break;
            case kPerPage:
                if (value == "1" || value == "2" || value == "4" || value == "6") {
                    options.perPage = value[0] - '0';
                } else {
                    wrong = !Wrong("invalid number a page", value, "1, 2, 4 or 6") || wrong;
                }
                break;
            case kSolutions:
                options.solutions = true;
                break;
            case kTitle:
                options.title = value;
                break;
            case kPaper:
                if (value == "a4" || value == "A4") {
                    options.paper = QPageSize::A4;
                } else if (value == "letter") {
                    options.paper = QPageSize::Letter;
                } else {
                    wrong = !Wrong("invalid paper", value, "a4 or letter") || wrong;
                }
                break;
            case kNoRating:
                options.rating = false;
                break;
            case 'h':
                command.action = PrintCommandLine::Action::Help;
                return command;
            case 'V':
                command.action = PrintCommandLine::Action::Version;
                return command;
            default:
                wrong = true;
                break;
        }
    }
    if (wrong) {
        command.action = PrintCommandLine::Action::UsageError;
        return command;
    }
    options.files.assign(argv + optind, argv + argc);
    return command;
}
