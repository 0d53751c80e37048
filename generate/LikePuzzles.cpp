#include "LikePuzzles.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/Analyser.h"
#include "batch/Messages.h"
#include "search/SolutionSearch.h"

namespace Novem::Generate {

namespace Messages = Batch::Messages;

std::string ReadLikePuzzles(const std::string& path, bool targeted, Target& target,
                            std::vector<Made>& like) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        return Messages::Line({.file = path}, "", EISDIR);
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file.is_open() || file.bad()) {
        return Messages::Line({.file = path}, "", errno);
    }
    const PuzzleText::Puzzles read = PuzzleText::ParsePuzzles(text.str());
    if (!read.problems.empty()) {
        return Messages::Line({.file = path, .line = read.problems.front().first},
                              read.problems.front().second);
    }
    Analysis::Analyser analyser({.techniques = Ladder::kAllFamilies});
    Ladder::Level lowest = Ladder::Level::Beyond;
    Ladder::Level highest = Ladder::Level::SinglesOnly;
    for (std::size_t index = 0; index < read.puzzles.size(); ++index) {
        const PuzzleText::Puzzle& puzzle = read.puzzles[index];
        const Messages::Subject subject{.file = path, .line = read.lines[index]};
        const Search::Outcome outcome = Search::CountSolutions(Search::CandidatesOf(puzzle.givens));
        if (puzzle.marks || outcome.solutions != 1) {
            return Messages::Line(subject, puzzle.marks ? "a position, not a puzzle of givens"
                                                        : "not a puzzle of one solution");
        }
        const std::optional<Symmetry> symmetry = SymmetryToKeep(puzzle.givens, target.symmetry);
        if (!symmetry) {
            return Messages::Line(subject, "not symmetric as --symmetry asks");
        }
        like.push_back({puzzle.givens, outcome.solution, *symmetry});
        if (!targeted) {
            const Ladder::Level level = analyser.Analyse({puzzle.givens, {}}).rating->level;
            lowest = std::min(lowest, level);
            highest = std::max(highest, level);
        }
    }
    if (like.empty()) {
        return Messages::Line({.file = path}, "no puzzle to start from");
    }
    if (!targeted) {
        target.lowestLevel = lowest;
        target.highestLevel = highest;
    }
    return {};
}

}  // namespace Novem::Generate
