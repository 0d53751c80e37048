#include "PuzzleText.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "Bits.h"
#include "CandidateText.h"

namespace Novem::PuzzleText {

namespace {

constexpr std::size_t kCells = GridGeometry::kCells;
constexpr std::size_t kSize = GridGeometry::kSize;
constexpr std::size_t kPlaces = kSize * kCells;

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

// Whether another cell of the block, row or column allows the digits.
bool PeerAllows(const Candidates& candidates, int cell, unsigned digits) {
    for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
        for (const int peer : GridGeometry::kCellsOfRegion[place.region]) {
            if (peer != cell && (candidates[peer] & digits) != 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

Puzzle PositionOf(const Candidates& candidates) {
    Puzzle position{{}, std::make_shared<const Candidates>(candidates)};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const unsigned digits = candidates[cell];
        const bool one = digits != 0 && (digits & (digits - 1)) == 0;
        position.givens[cell] = one && !PeerAllows(candidates, cell, digits)
                                    ? static_cast<char>('1' + Bits::Lowest(digits))
                                    : '.';
    }
    return position;
}

Cells DecidedCells(const Candidates& candidates) {
    Cells cells{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        const unsigned digits = candidates[cell];
        cells[cell] = digits != 0 && (digits & (digits - 1)) == 0
                          ? static_cast<char>('1' + Bits::Lowest(digits))
                          : '.';
    }
    return cells;
}

Candidates CandidatesOf(const Cells& cells) {
    Candidates candidates{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        candidates[cell] =
            cells[cell] == '.' ? GridGeometry::kAllDigits : 1U << (cells[cell] - '1');
    }
    return candidates;
}

Candidates CandidatesOf(const Puzzle& puzzle) {
    return puzzle.marks ? *puzzle.marks : CandidatesOf(puzzle.givens);
}

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
            parsed.puzzle.givens[count] = CellOf(line[position]);
        }
    }
    if (position < line.size() && !StartsTrailingField(line[position])) {
        return Invalid("invalid character " + Describe(line[position]) + " at column " +
                       std::to_string(position + 1) + " (cells are 1 to 9, 0 or .)");
    }
    if (count == kPlaces) {
        parsed.puzzle = PositionOf(FromPlaces(line.substr(start, kPlaces)));
    } else if (count > kPlaces / 2) {
        return Invalid("expected " + std::to_string(kPlaces) +
                       " cells for a grid of candidates, found " + std::to_string(count));
    } else if (count != kCells) {
        return Invalid("expected " + std::to_string(kCells) + " cells, found " +
                       std::to_string(count));
    }
    return parsed;
}

TextProblem ParseText(std::string_view text, Puzzle& puzzle) {
    std::vector<std::string_view> lines;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = Trim(rest.substr(0, end));
        if (!line.empty()) {
            lines.push_back(line);
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (lines.size() == 1) {
        const ParsedLine parsed = ParseLine(lines.front());
        if (parsed.kind == ParsedLine::Kind::Puzzle) {
            puzzle = parsed.puzzle;
            return {};
        }
        if (const std::optional<TextProblem> code = ReadCode(lines.front(), puzzle)) {
            return *code;
        }
        const std::string_view line = lines.front();
        const std::size_t count = std::min(line.find_first_not_of("0123456789."), line.size());
        if (count < line.size() && !StartsTrailingField(line[count])) {
            return {TextProblem::Kind::Character, 0, 0, line[count]};
        }
        return {TextProblem::Kind::CellCount, count};
    }
    Candidates candidates{};
    if (const std::optional<TextProblem> grid = ReadCandidateGrid(lines, candidates)) {
        if (grid->kind == TextProblem::Kind::None) {
            puzzle = PositionOf(candidates);
        }
        return *grid;
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
    puzzle = {grid, nullptr};
    return {};
}

Puzzles ParsePuzzles(std::string_view text) {
    Puzzle puzzle;
    const TextProblem problem = ParseText(text, puzzle);
    switch (problem.kind) {
        case TextProblem::Kind::None:
            return {{puzzle}, {1}, {}, {}};
        case TextProblem::Kind::GridRows:
        case TextProblem::Kind::GridRowLength:
        case TextProblem::Kind::CodeLength:
            return {{}, {}, {}, problem};
        default:
            break;
    }
    Puzzles read;
    for (std::uint64_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        ParsedLine parsed = ParseLine(text.substr(0, end));
        if (parsed.kind == ParsedLine::Kind::Puzzle) {
            read.puzzles.push_back(parsed.puzzle);
            read.lines.push_back(number);
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

void Load(const Puzzle& puzzle, Grid_9x9& grid) {
    if (!puzzle.marks) {
        Load(puzzle.givens, grid);
        return;
    }
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        grid.GetCell(cell)->GetCandidates() = Grid_9x9::CellType::Candidates((*puzzle.marks)[cell]);
    }
}

Candidates CandidatesOf(const Grid_9x9& grid) {
    Candidates candidates{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        candidates[cell] = static_cast<unsigned>(grid.GetCell(cell)->GetCandidates().to_ulong());
    }
    return candidates;
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
