#pragma once

#include <string>
#include <string_view>

#include "PuzzleResult.h"

// What each effective rule application did, in the words puzzle solvers use: InternalRule with
// N cells is a naked subset, or for N of 5 to 8 the hidden subset of the other 9 - N cells, and
// ExternalRule is pointing (from a block), claiming (from a line into a block) or a hidden
// single (a row meeting a column).
namespace Novem::Batch::Explanation {

std::string_view Technique(const RuleApplication& applied);

// What InternalRule with a subset of `cells` cells (1 to 8) is called.
std::string_view SubsetTechnique(int cells);

// "block 1", "row 3" or "column 7", numbered from 1.
std::string RegionName(int region);

// One line per application, aligned for a terminal.
void AppendText(std::string& out, const PuzzleResult& result);

// The JSON array of the applications, one object each.
void AppendJson(std::string& out, const PuzzleResult& result);

}  // namespace Novem::Batch::Explanation
