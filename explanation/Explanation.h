#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Application.h"

// Every application in the words solvers use, one line each, the same for novem-batch --explain
// and for the desktop's steps.
namespace Novem::Explanation {

// What the application's technique is called: "naked pair", "pointing", "X-wing".
std::string_view Technique(const Application& application);

// The words a line is made of besides names of cells and digits. novem-batch writes them in
// English; the desktop gives them in its user's language.
struct Words {
    std::string step = "step";
    // Each kind of region as GridGeometry::RegionKind orders them, one of them and several.
    std::array<std::string, 3> region = {"block", "row", "column"};
    std::array<std::string, 3> regions = {"blocks", "rows", "columns"};
    std::string in = "in";
    std::string removes = "removes";
    std::string from = "from";
    std::string places = "places";
    std::string fins = "fins";
    std::string pivot = "pivot";
    std::string pincers = "pincers";
    std::string linkedBy = "linked by";
    std::string andAlso = "and";
    std::string via = "via";
    std::string restricted = "restricted";
    std::string ifTrue = "if";
    std::string then = "then";
    std::string isNot = "not";
    std::string contradiction = "a contradiction";
    std::string type = "type";
    std::string with = "with";
    std::string excludedBy = "excluded by";
    // A technique's name from its English one; none keeps the English.
    std::function<std::string(std::string_view)> technique;
};

// Regions of one kind: "rows 2,8", the kind once and the numbers after it, or "row 2".
std::string Regions(const std::vector<int>& regions, const Words& words = {});

// Every word of `words`, for a caller that translates them.
std::vector<std::string*> All(Words& words);

// How much a line tells, for a terminal or for a list of steps: a forcing chain's branches, or
// only where they start (the cell or region, or a contradiction's assumption); what a rule
// removes in a column of its own, or right after its pattern.
enum class Detail { Full, Brief };

// One line, aligned for a terminal, with its LF: the step, where or what, the pattern and what it
// removes or places.
void AppendLine(std::string& out, const Application& application, const Words& words = {},
                Detail detail = Detail::Full);

}  // namespace Novem::Explanation
