#include "PuzzleText.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Novem::PuzzleText {

namespace {

constexpr std::size_t kCells = GridGeometry::kCells;
constexpr std::size_t kSize = GridGeometry::kSize;

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kFieldSeparators = ";,|#";

bool IsCell(char character) {
    return character == '.' || (character >= '0' && character <= '9');
}

char CellOf(char character) {
    return character == '0' ? '.' : character;
}

bool StartsTrailingField(char character) {
    return kWhiteSpace.find(character) != std::string_view::npos ||
           kFieldSeparators.find(character) != std::string_view::npos;
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

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kWhiteSpace) + 1 - first);
}

ParsedLine Invalid(std::string error) {
    return {ParsedLine::Kind::Invalid, {}, std::move(error)};
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
    const std::size_t start = line.find_first_not_of(kWhiteSpace);
    if (start == std::string_view::npos || line[start] == '#') {
        return {};
    }
    ParsedLine parsed{ParsedLine::Kind::Puzzle, {}, {}};
    std::size_t count = 0;
    std::size_t position = start;
    for (; position < line.size() && IsCell(line[position]); ++position, ++count) {
        if (count < kCells) {
            parsed.cells[count] = CellOf(line[position]);
        }
    }
    if (position < line.size() && !StartsTrailingField(line[position])) {
        return Invalid("invalid character " + Describe(line[position]) + " at column " +
                       std::to_string(position + 1) + " (cells are 1 to 9, 0 or .)");
    }
    if (count != kCells) {
        return Invalid("expected " + std::to_string(kCells) + " cells, found " +
                       std::to_string(count));
    }
    return parsed;
}

TextProblem ParseText(std::string_view text, Cells& cells) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        if (!line.empty()) {
            lines.push_back(line);
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    if (lines.size() == 1) {
        const ParsedLine parsed = ParseLine(lines.front());
        if (parsed.kind == ParsedLine::Kind::Puzzle) {
            cells = parsed.cells;
            return {};
        }
        const std::string_view line = lines.front();
        const std::size_t count = std::min(line.find_first_not_of("0123456789."), line.size());
        if (count < line.size() && !StartsTrailingField(line[count])) {
            return {TextProblem::Kind::Character, 0, 0, line[count]};
        }
        return {TextProblem::Kind::CellCount, count};
    }
    if (lines.size() != kSize) {
        return {TextProblem::Kind::LineCount, lines.size()};
    }
    Cells grid{};
    for (std::size_t row = 0; row < kSize; ++row) {
        for (const char character : lines[row]) {
            if (!IsCell(character)) {
                return {TextProblem::Kind::Character, 0, 0, character};
            }
        }
        if (lines[row].size() != kSize) {
            return {TextProblem::Kind::LineLength, lines[row].size(), row + 1};
        }
        for (std::size_t column = 0; column < kSize; ++column) {
            grid[kSize * row + column] = CellOf(lines[row][column]);
        }
    }
    cells = grid;
    return {};
}

Puzzles ParsePuzzles(std::string_view text) {
    Cells cells{};
    if (ParseText(text, cells).kind == TextProblem::Kind::None) {
        return {{cells}, {}};
    }
    Puzzles read;
    for (std::uint64_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        ParsedLine parsed = ParseLine(text.substr(0, end));
        if (parsed.kind == ParsedLine::Kind::Puzzle) {
            read.puzzles.push_back(parsed.cells);
        } else if (parsed.kind == ParsedLine::Kind::Invalid) {
            read.problems.emplace_back(number, std::move(parsed.error));
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return read;
}

void Load(const Cells& cells, Grid_9x9& grid) {
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        Grid_9x9::CellType* target = grid.GetCell(cell);
        if (cells[cell] == '.') {
            target->GetCandidates().set();
        } else {
            target->SetValue(cells[cell] - '0');
        }
    }
}

std::string Format(const Grid_9x9& grid, char undecided, char contradicted) {
    std::string text(kCells, undecided);
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const Grid_9x9::CellType* source = grid.GetCell(cell);
        int digit = 0;
        if (source->GetValue(digit)) {
            text[cell] = static_cast<char>('0' + digit);
        } else if (source->GetCandidates().none()) {
            text[cell] = contradicted;
        }
    }
    return text;
}

}  // namespace Novem::PuzzleText
