#include "CandidateText.h"

#include <algorithm>
#include <bit>

namespace Novem::PuzzleText {

namespace {

using GridGeometry::kAllDigits;
using GridGeometry::kBlockSize;
using GridGeometry::kCells;
using GridGeometry::kSize;

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kBorders = "-+*.:'|=";
constexpr std::string_view kAlphanumerics =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool IsDigit(char character) {
    return character >= '1' && character <= '9';
}

std::vector<std::string_view> Split(std::string_view line, std::string_view separators) {
    std::vector<std::string_view> tokens;
    while (true) {
        const std::size_t start = line.find_first_not_of(separators);
        if (start == std::string_view::npos) {
            return tokens;
        }
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find_first_of(separators), line.size());
        tokens.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
}

unsigned DigitsOf(std::string_view text) {
    unsigned digits = 0;
    for (const char character : text) {
        digits |= IsDigit(character) ? 1U << (character - '1') : 0U;
    }
    return digits;
}

// A line of a grid of candidates: a border, a row (its cells' candidates), or neither.
struct GridLine {
    enum class Kind { Other, Border, Row };
    Kind kind = Kind::Other;
    std::vector<unsigned> cells;
};

GridLine ClassifyGridLine(std::string_view line) {
    if (line.find_first_not_of(std::string(kBlanks) + std::string(kBorders)) ==
        std::string_view::npos) {
        const bool drawn = line.find_first_of("-=") != std::string_view::npos;
        return {drawn ? GridLine::Kind::Border : GridLine::Kind::Other, {}};
    }
    GridLine row{GridLine::Kind::Row, {}};
    for (const std::string_view token : Split(line, std::string(kBlanks) + "|")) {
        if (!std::all_of(token.begin(), token.end(), IsDigit)) {
            return {};
        }
        row.cells.push_back(DigitsOf(token));
    }
    return row;
}

std::string DigitString(unsigned digits) {
    std::string text;
    for (int digit = 0; digit < kSize; ++digit) {
        if ((digits >> digit & 1U) != 0) {
            text += static_cast<char>('1' + digit);
        }
    }
    return text;
}

int Base(char character, int base) {
    int value = -1;
    if (character >= '0' && character <= '9') {
        value = character - '0';
    } else if (character >= 'a' && character <= 'z') {
        value = character - 'a' + 10;
    } else if (character >= 'A' && character <= 'Z') {
        value = character - 'A' + 10;
    }
    return value < base ? value : -1;
}

// Digits given or placed spread to their peers' candidates, as a solver keeps them.
void SpreadDecided(Candidates& candidates, const std::array<bool, kCells>& decided) {
    for (int cell = 0; cell < kCells; ++cell) {
        if (!decided[cell]) {
            continue;
        }
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            for (const int peer : GridGeometry::kCellsOfRegion[place.region]) {
                if (!decided[peer]) {
                    candidates[peer] &= ~candidates[cell];
                }
            }
        }
    }
}

// Every field between colons, the empty ones too.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t end = line.find(':'); end != std::string_view::npos; end = line.find(':')) {
        fields.push_back(line.substr(0, end));
        line.remove_prefix(end + 1);
    }
    fields.push_back(line);
    return fields;
}

std::optional<TextProblem> ReadLibraryLine(std::string_view line, Puzzle& puzzle) {
    const std::vector<std::string_view> fields = Fields(line);
    constexpr std::size_t kGivens = 3;
    constexpr std::size_t kDeleted = 4;
    if (fields.size() <= kGivens) {
        return std::nullopt;
    }
    Candidates candidates{};
    candidates.fill(kAllDigits);
    std::array<bool, kCells> decided{};
    int cell = 0;
    for (std::string_view givens = fields[kGivens]; !givens.empty(); ++cell) {
        if (givens.front() == '+' && givens.size() > 1) {
            givens.remove_prefix(1);
        }
        const char character = givens.front();
        givens.remove_prefix(1);
        if (!IsDigit(character) && character != '.' && character != '0') {
            return TextProblem{TextProblem::Kind::Character, 0, 0, character};
        }
        if (cell < kCells && IsDigit(character)) {
            candidates[cell] = 1U << (character - '1');
            decided[cell] = true;
        }
    }
    if (cell != kCells) {
        return TextProblem{TextProblem::Kind::CellCount, static_cast<std::size_t>(cell)};
    }
    SpreadDecided(candidates, decided);
    const std::string_view deleted = fields.size() > kDeleted ? fields[kDeleted] : "";
    for (const std::string_view removal : Split(deleted, kBlanks)) {
        if (removal.size() != 3 || !std::all_of(removal.begin(), removal.end(), IsDigit)) {
            return TextProblem{TextProblem::Kind::CodeLength, removal.size(), 3};
        }
        candidates[GridGeometry::CellAt(removal[1] - '1', removal[2] - '1')] &=
            ~(1U << (removal[0] - '1'));
    }
    puzzle = PositionOf(candidates);
    return TextProblem{};
}

// Two digits a cell, in `base`; `decode` makes a cell's candidates of each value. The candidates
// are taken as they stand: these codes hold every cell's own.
template <typename Decode>
std::optional<TextProblem> ReadPairs(std::string_view code, int base, Decode decode,
                                     Puzzle& puzzle) {
    constexpr std::size_t kLength = 2 * kCells;
    const std::size_t length = std::min(code.find_first_not_of(kAlphanumerics), code.size());
    if (length != kLength) {
        return TextProblem{TextProblem::Kind::CodeLength, length, kLength};
    }
    Candidates candidates{};
    for (std::size_t at = 0; at < kLength; at += 2) {
        const int high = Base(code[at], base);
        const int low = Base(code[at + 1], base);
        if (high < 0 || low < 0) {
            return TextProblem{TextProblem::Kind::Character, 0, 0, code[high < 0 ? at : at + 1]};
        }
        candidates[at / 2] = decode(static_cast<unsigned>(high * base + low));
    }
    puzzle = PositionOf(candidates);
    return TextProblem{};
}

}  // namespace

Candidates FromPlaces(std::string_view places) {
    Candidates candidates{};
    for (int cell = 0; cell < kCells; ++cell) {
        candidates[cell] = DigitsOf(places.substr(static_cast<std::size_t>(kSize * cell), kSize));
    }
    return candidates;
}

std::string PlacesLine(const Candidates& candidates) {
    std::string line(static_cast<std::size_t>(kSize * kCells), '.');
    for (int cell = 0; cell < kCells; ++cell) {
        for (int digit = 0; digit < kSize; ++digit) {
            if ((candidates[cell] >> digit & 1U) != 0) {
                line[static_cast<std::size_t>(kSize * cell + digit)] =
                    static_cast<char>('1' + digit);
            }
        }
    }
    return line;
}

std::optional<TextProblem> ReadCandidateGrid(const std::vector<std::string_view>& lines,
                                             Candidates& candidates) {
    std::optional<TextProblem> found;
    std::vector<std::vector<unsigned>> rows;
    // A run of rows of one to three cells each is a grid of givens; a row of more cells makes it
    // a grid of candidates. The last whole one is read, or else the first broken one told.
    const auto endRun = [&] {
        const auto isCandidateRow = [](const auto& row) {
            return row.size() > static_cast<std::size_t>(kBlockSize);
        };
        const auto isShort = [](const auto& row) { return row.size() != kSize; };
        if (std::any_of(rows.begin(), rows.end(), isCandidateRow)) {
            const auto wrong = std::find_if(rows.begin(), rows.end(), isShort);
            if (rows.size() == kSize && wrong == rows.end()) {
                for (int cell = 0; cell < kCells; ++cell) {
                    candidates[cell] = rows[cell / kSize][cell % kSize];
                }
                found = TextProblem{};
            } else if (!found && rows.size() != kSize) {
                found = TextProblem{TextProblem::Kind::GridRows, rows.size()};
            } else if (!found) {
                found = TextProblem{TextProblem::Kind::GridRowLength, wrong->size(),
                                    static_cast<std::size_t>(wrong - rows.begin() + 1)};
            }
        }
        rows.clear();
    };
    for (const std::string_view line : lines) {
        GridLine classified = ClassifyGridLine(line);
        if (classified.kind == GridLine::Kind::Row) {
            rows.push_back(std::move(classified.cells));
        } else if (classified.kind == GridLine::Kind::Other) {
            endRun();
        }
    }
    endRun();
    return found;
}

std::string CandidateGrid(const Candidates& candidates) {
    std::array<std::size_t, kSize> widths{};
    for (int cell = 0; cell < kCells; ++cell) {
        const std::size_t width = static_cast<std::size_t>(std::popcount(candidates[cell]));
        widths[cell % kSize] = std::max(widths[cell % kSize], std::max<std::size_t>(width, 1));
    }
    const auto border = [&](char edge, char junction) {
        std::string line(1, edge);
        for (int block = 0; block < kBlockSize; ++block) {
            std::size_t length = 2 * kBlockSize;
            for (int column = 0; column < kBlockSize; ++column) {
                length += widths[kBlockSize * block + column];
            }
            line += std::string(length - 1, '-') + (block + 1 < kBlockSize ? junction : edge);
        }
        return line + '\n';
    };
    std::string grid = border('.', '.');
    for (int row = 0; row < kSize; ++row) {
        if (row > 0 && row % kBlockSize == 0) {
            grid += border(':', '+');
        }
        std::string line = "|";
        for (int column = 0; column < kSize; ++column) {
            std::string cell = DigitString(candidates[GridGeometry::CellAt(row, column)]);
            cell.resize(widths[column], ' ');
            line += ' ' + cell + (column % kBlockSize == kBlockSize - 1 ? " |" : " ");
        }
        grid += line + '\n';
    }
    return grid + border('\'', '\'');
}

std::optional<TextProblem> ReadCode(std::string_view line, Puzzle& puzzle) {
    if (!line.empty() && line.front() == ':') {
        return ReadLibraryLine(line, puzzle);
    }
    constexpr std::string_view kWikiCode = "S9B";
    constexpr std::string_view kLink = "bd=";
    if (const std::size_t at = line.find(kWikiCode); at != std::string_view::npos) {
        return ReadPairs(
            line.substr(at + kWikiCode.size()), 36,
            [](unsigned value) {
                constexpr unsigned kPlaced = 9;
                constexpr unsigned kMarks = 2 * kPlaced;
                return value > kMarks ? (value - kMarks) & kAllDigits
                       : value > 0    ? 1U << ((value - 1) % kPlaced)
                                      : 0U;
            },
            puzzle);
    }
    const std::size_t link = line.find(kLink);
    const std::string_view code =
        link == std::string_view::npos ? line : line.substr(link + kLink.size());
    if (link == std::string_view::npos && code.size() != 2 * kCells) {
        return std::nullopt;
    }
    // A link to a puzzle of givens alone holds its 81 cells.
    if (const std::size_t cells = std::min(code.find_first_not_of("0123456789."), code.size());
        cells == static_cast<std::size_t>(kCells)) {
        puzzle = {};
        std::transform(code.begin(), code.begin() + kCells, puzzle.givens.begin(),
                       [](char character) { return character == '0' ? '.' : character; });
        return TextProblem{};
    }
    return ReadPairs(
        code, 32, [](unsigned value) { return (value >> 1) & kAllDigits; }, puzzle);
}

}  // namespace Novem::PuzzleText
