#include <cerrno>
#include <string>

#include "GenerateCommandLine.h"
#include "Product.h"
#include "batch/Io.h"
#include "batch/Messages.h"
#include "batch/OutputFile.h"

namespace {

using namespace Novem;

int UsageError() {
    Batch::WriteAll(2, "Try 'novem-generate --help' for more information.\n");
    return 2;
}

// The help and the version are output like any other: a failure to write them is an error.
int Print(const std::string& text) {
    try {
        Batch::OutputFile out(1, "standard output");
        out.Append(text);
        out.Flush();
        return 0;
    } catch (const Batch::WriteError& error) {
        Batch::WriteAll(2, error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Batch::Messages::SetProgram("novem-generate");
    Batch::HoldStandardDescriptors();
    const Generate::GenerateCommandLine command = Generate::ParseGenerateCommandLine(argc, argv);
    switch (command.action) {
        case Generate::GenerateCommandLine::Action::UsageError:
            return UsageError();
        case Generate::GenerateCommandLine::Action::Help:
            return Print(Generate::kGenerateUsage);
        case Generate::GenerateCommandLine::Action::Version:
            return Print(std::string("novem-generate (") + Product::kName + ") " +
                         Product::kVersion + "\n");
        case Generate::GenerateCommandLine::Action::Run:
            break;
    }
    return Generate::RunGenerate(command.options, {});
}
