#include "PuzzleProblem.h"

#include "model/GridGeometry.h"

QString PuzzleProblem::Text(const Novem::PuzzleText::TextProblem& problem) {
    using Kind = Novem::PuzzleText::TextProblem::Kind;
    // Far more cells than a puzzle's are meant as a grid of candidates.
    constexpr std::size_t kMeantAsCandidates = 5 * Novem::GridGeometry::kCells;
    switch (problem.kind) {
        case Kind::CellCount:
            return problem.count > kMeantAsCandidates
                       ? tr("%1 cells: a grid of candidates has 729, nine for each cell.")
                             .arg(problem.count)
                       : tr("%1 cells: a puzzle has 81.").arg(problem.count);
        case Kind::Character:
            return tr("\"%1\" is no cell: cells are 1 to 9, and 0 or . for an empty one.")
                .arg(QChar::fromLatin1(problem.character));
        case Kind::LineCount:
            return tr("%1 lines: a puzzle is one line of 81 cells, or 9 lines of 9.")
                .arg(problem.count);
        case Kind::LineLength:
            return tr("Line %1 has %2 cells: each of the 9 lines has 9.")
                .arg(problem.line)
                .arg(problem.count);
        case Kind::GridRows:
            return tr("The grid of candidates has %1 rows: it needs 9.").arg(problem.count);
        case Kind::GridRowLength:
            return tr("Row %1 of the grid of candidates has %2 cells: each row has 9.")
                .arg(problem.line)
                .arg(problem.count);
        case Kind::CodeLength:
            return tr("The code has %1 characters where it needs %2.")
                .arg(problem.count)
                .arg(problem.line);
        case Kind::None:
            break;
    }
    return {};
}
