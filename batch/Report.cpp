#include "Report.h"

#include <cstdio>

#include "Explanation.h"

namespace Novem::Batch::Report {

namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t Utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t index = 1; index < length; ++index) {
        if ((static_cast<unsigned char>(text[index]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const auto second = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

}  // namespace

void AppendPlain(std::string& out, const PuzzleResult& result) {
    out += result.result;
    out += result.solved ? " solved\n" : " unsolved\n";
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    while (!text.empty()) {
        const char character = text[0];
        const std::size_t length = Utf8Length(text);
        if (character == '"' || character == '\\') {
            json += '\\';
            json += character;
        } else if (length == 1 && static_cast<unsigned char>(character) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(character));
            json += escaped;
        } else if (length == 0) {
            json += "\xEF\xBF\xBD";
        } else {
            json.append(text.substr(0, length));
        }
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return json + '"';
}

void AppendJson(std::string& out, std::string_view file, std::uint64_t line,
                const PuzzleText::Cells& puzzle, const PuzzleResult& result, bool explain) {
    out += "{\"file\": ";
    out += file;
    out += ", \"line\": " + std::to_string(line) + ", \"puzzle\": \"";
    out.append(puzzle.data(), puzzle.size());
    out += "\", \"result\": \"" + result.result + "\", \"solved\": ";
    out += result.solved ? "true" : "false";
    out += ", \"steps\": " + std::to_string(result.steps);
    out += ", \"notifications\": " + std::to_string(result.notifications);
    const RuleCounters& counters = result.counters;
    out += ", \"cellUpdates\": " + std::to_string(counters.cellUpdates);
    out += ", \"singleCell\": [";
    for (std::size_t card = 0; card < counters.singleCellRules.size(); ++card) {
        out += (card > 0 ? ", " : "") + std::to_string(counters.singleCellRules[card]);
    }
    out += "], \"dualCells\": " + std::to_string(counters.dualCellsRules);
    if (explain) {
        out += ", \"explanation\": ";
        Explanation::AppendJson(out, result);
    }
    out += "}\n";
}

}  // namespace Novem::Batch::Report
