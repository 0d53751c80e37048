#include <cerrno>
#include <cstdio>
#include <string>

#include "CommandLine.h"
#include "Product.h"
#include "batch/BatchRun.h"
#include "batch/LogCheck.h"
#include "batch/OutputFile.h"

namespace {

int UsageError() {
    std::fputs("Try 'novem-batch --help' for more information.\n", stderr);
    return 2;
}

// The help and the version are output like any other: a failure to write them is an error.
int Print(const std::string& text) {
    try {
        Novem::Batch::OutputFile out(1, "standard output");
        out.Append(text);
        out.Flush();
        return 0;
    } catch (const Novem::Batch::WriteError& error) {
        if (error.Error() != EPIPE) {
            std::fprintf(stderr, "novem-batch: %s\n", error.what());
        }
        return 1;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    using Novem::Batch::CommandLine;
    const CommandLine command = Novem::Batch::ParseCommandLine(argc, argv);
    switch (command.action) {
        case CommandLine::Action::UsageError:
            return UsageError();
        case CommandLine::Action::Help:
            return Print(Novem::Batch::kUsage);
        case CommandLine::Action::Version:
            return Print(std::string("novem-batch (") + Product::kName + ") " + Product::kVersion +
                         "\n");
        case CommandLine::Action::Run:
            break;
    }
    const Novem::Batch::Streams streams;
    const std::string refusal = Novem::Batch::CheckLog(command.options, streams);
    if (!refusal.empty()) {
        std::fprintf(stderr, "novem-batch: %s\n", refusal.c_str());
        return UsageError();
    }
    return Novem::Batch::RunBatch(command.options, streams);
}
