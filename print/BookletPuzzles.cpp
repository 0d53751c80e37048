#include "BookletPuzzles.h"

#include <QCoreApplication>

#include "analysis/Analyser.h"
#include "ladder/Difficulty.h"

namespace BookletPuzzles {

namespace {

QString HeadingOf(int number, const Novem::Analysis::PuzzleResult& result, bool rated) {
    const QString puzzle = QCoreApplication::translate("Booklet", "Puzzle %1").arg(number);
    return rated || result.solutions != 1 ? puzzle + QStringLiteral(" · ") + RatingText(result)
                                          : puzzle;
}

}  // namespace

QString RatingText(const Novem::Analysis::PuzzleResult& result) {
    if (result.solutions != 1) {
        return QCoreApplication::translate("Booklet", "no single solution");
    }
    return !result.rating ? QString()
                          : QCoreApplication::translate("Booklet", "level %1 · ER %2")
                                .arg(static_cast<int>(result.rating->level))
                                .arg(QString::fromStdString(
                                    Novem::Ladder::Difficulty::Text(result.rating->er)));
}

PrintedGrid GridOf(const Novem::PuzzleText::Puzzle& puzzle, const QString& heading) {
    PrintedGrid grid;
    grid.heading = heading;
    grid.candidates = Novem::PuzzleText::CandidatesOf(puzzle);
    grid.pencilMarks = puzzle.marks != nullptr;
    for (int cell = 0; cell < Novem::GridGeometry::kCells; ++cell) {
        grid.given[cell] = puzzle.givens[cell] != '.';
    }
    return grid;
}

Grids Make(const std::vector<Novem::PuzzleText::Puzzle>& puzzles, bool rated) {
    Novem::Analysis::Analyser analyser(
        {.solutions = true,
         .techniques = rated ? std::optional(Novem::Ladder::kAllFamilies) : std::nullopt});
    Grids grids;
    for (std::size_t index = 0; index < puzzles.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        const Novem::Analysis::PuzzleResult& result = analyser.Analyse(puzzles[index]);
        grids.puzzles.push_back(GridOf(puzzles[index], HeadingOf(number, result, rated)));
        PrintedGrid solution = grids.puzzles.back();
        solution.pencilMarks = false;
        if (result.solutions == 1) {
            solution.heading = QCoreApplication::translate("Booklet", "Solution %1").arg(number);
            solution.candidates = Novem::PuzzleText::CandidatesOf(result.solution);
        } else {
            solution.headingOnly = true;
        }
        grids.solutions.push_back(solution);
    }
    return grids;
}

}  // namespace BookletPuzzles
