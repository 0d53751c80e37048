#pragma once

#include <string>

#include "batch/BatchOptions.h"

namespace Novem::Batch {

struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::Run;
    BatchOptions options;
};

// Reads novem-batch's arguments the GNU way, with getopt_long: options may come anywhere, be
// abbreviated to an unambiguous prefix, and "--" ends them. What is wrong with them is told on
// standard error here.
CommandLine ParseCommandLine(int argc, char* argv[]);

extern const std::string kUsage;

}  // namespace Novem::Batch
