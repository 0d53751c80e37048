#pragma once

#include <string>

#include "print/PrintRun.h"

struct PrintCommandLine {
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::Run;
    PrintRun::Options options;
};

// Reads novem-print's arguments the GNU way, with getopt_long; what is wrong with them is told on
// standard error here.
PrintCommandLine ParsePrintCommandLine(int argc, char* argv[]);

extern const std::string kPrintUsage;
