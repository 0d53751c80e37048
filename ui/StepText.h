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

// The application's line: whole, or with a forcing chain's branches left out, for the list.
QString Line(const Novem::Application& application,
             Novem::Explanation::Detail detail = Novem::Explanation::Detail::Full);

// A hint as the list tells it: the list's line for the same application, with its step number;
// without a number where the user's grid has left the list's path, as its own run counts apart.
QString HintLine(const Novem::Application& hint, const std::vector<StepModel::Entry>& entries);

}  // namespace StepText
