#include "Report.h"

#include <algorithm>
#include <cstdio>

#include "ExplanationJson.h"
#include "Utf8.h"
#include "ladder/Difficulty.h"
#include "model/CandidateText.h"

namespace Novem::Batch::Report {

namespace Difficulty = Ladder::Difficulty;

void AppendRating(std::string& out, const Ladder::Rating& rating) {
    // Labelled, so that it is not read as the level's technique: a puzzle that singles solve
    // may reach its ER with a direct hidden pair.
    std::string hardest(rating.hardest.empty() ? "none" : rating.hardest);
    std::replace(hardest.begin(), hardest.end(), ' ', '-');
    out += ' ' + std::to_string(static_cast<int>(rating.level)) + " ER:" + hardest;
    out += ' ' + Difficulty::Text(rating.er) + '/' + Difficulty::Text(rating.ep) + '/' +
           Difficulty::Text(rating.ed);
}

void AppendPlain(std::string& out, const Analysis::PuzzleResult& result, bool candidates) {
    out += candidates ? PuzzleText::PlacesLine(result.candidates) : result.result;
    out += result.solved ? " solved" : " unsolved";
    if (result.rating) {
        AppendRating(out, *result.rating);
    }
    if (result.solutions >= 0) {
        out += ' ';
        out += static_cast<char>('0' + result.solutions);
        if (result.solutions == 1) {
            out += ' ';
            out.append(result.solution.data(), result.solution.size());
        }
    }
    out += '\n';
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
                const PuzzleText::Puzzle& puzzle, const Analysis::PuzzleResult& result,
                bool explain, bool candidates) {
    out += "{\"file\": ";
    out += file;
    out += ", \"line\": " + std::to_string(line) + ", \"puzzle\": \"";
    if (puzzle.marks) {
        out += PuzzleText::PlacesLine(*puzzle.marks);
    } else {
        out.append(puzzle.givens.data(), puzzle.givens.size());
    }
    out += "\", \"result\": \"";
    out += candidates ? PuzzleText::PlacesLine(result.candidates) : result.result;
    out += "\", \"solved\": ";
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
    if (result.rating) {
        out += ", \"level\": " + std::to_string(static_cast<int>(result.rating->level));
        out += ", \"levelName\": \"";
        out += Ladder::kLevelNames[static_cast<std::size_t>(result.rating->level)];
        out += "\", \"erStep\": ";
        out += '"';
        out += result.rating->hardest.empty() ? "none" : result.rating->hardest;
        out += '"';
        out += ", \"er\": " + Difficulty::Text(result.rating->er);
        out += ", \"ep\": " + Difficulty::Text(result.rating->ep);
        out += ", \"ed\": " + Difficulty::Text(result.rating->ed);
    }
    if (result.solutions >= 0) {
        out += ", \"solutions\": ";
        out += static_cast<char>('0' + result.solutions);
        out += ", \"solution\": ";
        out += result.solutions == 1
                   ? "\"" + std::string(result.solution.data(), result.solution.size()) + "\""
                   : std::string("null");
    }
    if (explain) {
        out += ", \"explanation\": ";
        ExplanationJson::AppendJson(out, result);
    }
    out += "}\n";
}

}  // namespace Novem::Batch::Report
