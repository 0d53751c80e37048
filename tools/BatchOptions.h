#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Novem::Batch {

struct BatchOptions {
    bool stats = false;
    bool json = false;
    bool time = false;
    // Empty: no log.
    std::string logFile;
    // Empty, or "-": standard input.
    std::vector<std::string> files;
};

struct ParsedCommandLine {
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::Run;
    BatchOptions options;
    std::string error;
};

// The arguments after the program name. "--" ends the options; "--log FILE" and "--log=FILE"
// are the same.
ParsedCommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

extern const char* const kUsage;

}  // namespace Novem::Batch
