#pragma once

#include <string>

#include "generate/GenerateRun.h"

namespace Novem::Generate {

struct GenerateCommandLine {
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::Run;
    GenerateOptions options;
};

// Reads novem-generate's arguments the GNU way, with getopt_long. What is wrong with them, and a
// target that can't be met, is told on standard error here. Without --seed the seed is fresh.
GenerateCommandLine ParseGenerateCommandLine(int argc, char* argv[]);

extern const std::string kGenerateUsage;

}  // namespace Novem::Generate
