#include <iostream>
#include <string_view>
#include <vector>

#include "BatchOptions.h"
#include "BatchRun.h"
#include "Product.h"

int main(int argc, char* argv[]) {
    using Novem::Batch::ParsedCommandLine;
    const ParsedCommandLine parsed =
        Novem::Batch::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    switch (parsed.action) {
        case ParsedCommandLine::Action::UsageError:
            std::cerr << "novem-batch: " << parsed.error << "\nTry 'novem-batch --help'.\n";
            return 2;
        case ParsedCommandLine::Action::Help:
            std::cout << Novem::Batch::kUsage;
            return 0;
        case ParsedCommandLine::Action::Version:
            std::cout << "novem-batch (" << Product::kName << ") " << Product::kVersion << '\n';
            return 0;
        case ParsedCommandLine::Action::Run:
            break;
    }
    std::ios::sync_with_stdio(false);
    return Novem::Batch::RunBatch(parsed.options, std::cin, std::cout, std::cerr);
}
