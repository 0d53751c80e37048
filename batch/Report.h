#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/PuzzleResult.h"
#include "model/PuzzleText.h"

// The forms in which novem-batch prints a puzzle's result.
namespace Novem::Batch::Report {

// The result and "solved" or "unsolved", on one line; with the ladder's techniques, then the
// level (0 to 11), the hardest technique, its blanks as hyphens, "none" for none, and ER/EP/ED;
// when solutions were counted, then their number, 2 standing for two or more, and with exactly one
// the solution.
// The rating fields of a result: the level, the hardest technique with its blanks as hyphens
// ("none" for none) and ER/EP/ED, each after a blank.
void AppendRating(std::string& out, const Ladder::Rating& rating);

void AppendPlain(std::string& out, const Analysis::PuzzleResult& result);

// A JSON string: quotes, backslashes and control characters escaped, and each byte that is not
// part of valid UTF-8 replaced by U+FFFD, since JSON text is Unicode.
std::string JsonString(std::string_view text);

// One JSON object on one line, with its LF. `file` is already a JSON string.
void AppendJson(std::string& out, std::string_view file, std::uint64_t line,
                const PuzzleText::Cells& puzzle, const Analysis::PuzzleResult& result,
                bool explain);

}  // namespace Novem::Batch::Report
