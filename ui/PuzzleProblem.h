#pragma once

#include <QCoreApplication>
#include <QString>

#include "model/PuzzleText.h"

// What keeps a pasted, dropped or opened text from being a puzzle, told to the user in the
// user's language.
class PuzzleProblem {
    Q_DECLARE_TR_FUNCTIONS(PuzzleProblem)

public:
    static QString Text(const Novem::PuzzleText::TextProblem& problem);
};
