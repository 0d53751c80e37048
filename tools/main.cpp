#include <cerrno>
#include <string>

#include "CommandLine.h"
#include "Product.h"
#include "batch/BatchRun.h"
#include "batch/Io.h"
#include "batch/Messages.h"
#include "batch/OutputCheck.h"
#include "batch/OutputFile.h"

namespace {

using namespace Novem::Batch;

int UsageError() {
    WriteAll(2, "Try '" + std::string(Messages::Program()) + " --help' for more information.\n");
    return 2;
}

// The help and the version are output like any other: a failure to write them is an error.
int Print(const std::string& text) {
    try {
        OutputFile out(1, "standard output");
        out.Append(text);
        out.Flush();
        return 0;
    } catch (const WriteError& error) {
        if (error.Error() != EPIPE) {
            WriteAll(2, error.what());
        }
        return 1;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    HoldStandardDescriptors();
    const CommandLine command = ParseCommandLine(argc, argv);
    switch (command.action) {
        case CommandLine::Action::UsageError:
            return UsageError();
        case CommandLine::Action::Help:
            return Print(kUsage);
        case CommandLine::Action::Version:
            return Print(std::string(Messages::Program()) + " (" + Product::kName + ") " +
                         Product::kVersion + "\n");
        case CommandLine::Action::Run:
            break;
    }
    const Streams streams;
    if (const std::string refusal = OutputCheck::Log(command.options, streams); !refusal.empty()) {
        WriteAll(streams.err, refusal);
        return UsageError();
    }
    if (const std::string refusal = OutputCheck::StandardOutput(command.options.Inputs(), streams);
        !refusal.empty()) {
        WriteAll(streams.err, refusal);
        return 2;
    }
    return RunBatch(command.options, streams);
}
