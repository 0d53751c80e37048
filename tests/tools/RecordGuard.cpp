// Prints the guard expectations of a puzzle file, one line per puzzle, for the guard test to
// compare the engine against: record-guard PUZZLES > EXPECTED.
#include <filesystem>
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
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "guard-log.txt";
    std::string line;
    for (int number = 1; std::getline(puzzles, line); ++number) {
        const std::string expected = Novem::TestSupport::GuardLine(number, line, log);
        if (!expected.empty()) {
            std::cout << expected << '\n';
        }
    }
    std::filesystem::remove(log);
    return puzzles.eof() ? 0 : 1;
}
