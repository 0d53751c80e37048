#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/PuzzleResult.h"
#include "model/PuzzleText.h"

// The forms in which novem-batch prints a puzzle's result.
namespace Novem::Batch::Report {

// The rating fields of a result: the level, the hardest technique with its blanks as hyphens
// ("none" for none) and ER/EP/ED, each after a blank.
void AppendRating(std::string& out, const Ladder::Rating& rating);

// The result (with `candidates` as every cell's candidates, 729 places) and "solved" or
// "unsolved", on one line; with the ladder's techniques, then the rating fields; when solutions
// were counted, then their number, 2 standing for two or more, and with exactly one the solution.
void AppendPlain(std::string& out, const Analysis::PuzzleResult& result, bool candidates = false);

// A JSON string: quotes, backslashes and control characters escaped, and each byte that is not
// part of valid UTF-8 replaced by U+FFFD, since JSON text is Unicode.
std::string JsonString(std::string_view text);

// One JSON object on one line, with its LF. `file` is already a JSON string. A position is
// written as its 729 places, and so is the result with `candidates`.
void AppendJson(std::string& out, std::string_view file, std::uint64_t line,
                const PuzzleText::Puzzle& puzzle, const Analysis::PuzzleResult& result,
                bool explain, bool candidates = false);

}  // namespace Novem::Batch::Report
