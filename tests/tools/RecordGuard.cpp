// Prints the guard expectations of a puzzle file, one line per puzzle, for the guard test to
// compare the engine against: record-guard PUZZLES > EXPECTED.
#include <fstream>
#include <iostream>
#include <string>

#include "support/Guard.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: record-guard PUZZLES\n";
        return 2;
    }
    std::ifstream puzzles(argv[1]);
    std::string line;
    for (std::uint64_t number = 1; std::getline(puzzles, line); ++number) {
        const std::string expected = Novem::TestSupport::GuardLine(number, line);
        if (!expected.empty()) {
            std::cout << expected << '\n';
        }
    }
    return puzzles.eof() ? 0 : 1;
}
