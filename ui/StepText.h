#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "StepModel.h"
#include "explanation/Explanation.h"

// A step as the step window tells it: in the words of novem-batch --explain, in the user's
// language.
namespace StepText {

// A technique's name.
QString TechniqueName(std::string_view name);

// The words of a line.
Novem::Explanation::Words LocalWords();

// Where a hint's first stage looks, the regions it marks: "block 6", "rows 2,8 and columns 3,5";
// empty when the step looks at the whole grid.
QString Regions(const Novem::Application& application);

// Cells by name: "r5c9 r5c7".
QString Cells(const std::vector<int>& cells);

// The application's line: whole, or with a forcing chain's branches left out, for the list.
QString Line(const Novem::Application& application,
             Novem::Explanation::Detail detail = Novem::Explanation::Detail::Full);

// A hint as the list tells it, brief and in full: the list's lines for the same application, with
// its step number; without a number where the user's grid has left the list's path, as its own
// run counts apart.
struct Lines {
    QString brief;
    QString full;
};
Lines HintLines(const Novem::Application& hint, const std::vector<StepModel::Entry>& entries);

}  // namespace StepText
