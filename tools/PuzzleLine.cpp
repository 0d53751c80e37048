#include "PuzzleLine.h"

#include <cstdio>

namespace Novem::Batch {

namespace {

constexpr std::size_t kCells = 81;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kWhiteSpace) + 1 - first);
}

std::string Describe(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte >= 0x20 && byte < 0x7F) {
        return std::string("'") + character + "'";
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    return escaped;
}

}  // namespace

PuzzleLine ParsePuzzleLine(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') {
        return {};
    }
    PuzzleLine puzzle{PuzzleLine::Kind::Puzzle, std::string(text), {}};
    for (std::size_t position = 0; position < text.size(); ++position) {
        const char cell = text[position];
        if (cell == '0') {
            puzzle.cells[position] = '.';
        } else if (cell != '.' && (cell < '1' || cell > '9')) {
            return {PuzzleLine::Kind::Invalid,
                    {},
                    "invalid character " + Describe(cell) + " at column " +
                        std::to_string(position + 1) + " (cells are 1 to 9, 0 or .)"};
        }
    }
    if (text.size() != kCells) {
        return {PuzzleLine::Kind::Invalid,
                {},
                "expected 81 cells, found " + std::to_string(text.size())};
    }
    return puzzle;
}

}  // namespace Novem::Batch
