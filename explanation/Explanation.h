#pragma once

#include <string>
#include <string_view>

#include "Application.h"

// Every application in the words solvers use, one line each, the same for novem-batch --explain
// and for the desktop's steps.
namespace Novem::Explanation {

// What the application's technique is called: "naked pair", "pointing", "X-wing".
std::string_view Technique(const Application& application);

// One line, aligned for a terminal, with its LF: the step, where or what, the pattern and what it
// removes or places.
void AppendLine(std::string& out, const Application& application);

}  // namespace Novem::Explanation
