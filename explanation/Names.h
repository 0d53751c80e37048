#pragma once

#include <string>
#include <string_view>

#include "ladder/Step.h"

// How solvers write the parts of a grid: cells "r3c7", regions "row 3", digits "8" or "{3,7}",
// candidates "7r2c3", all numbered from 1.
namespace Novem::Names {

std::string Cell(int cell);
std::string Region(int region);
std::string Digits(unsigned digits);
std::string Candidate(const Ladder::Candidate& candidate);
// Several cells, separated by blanks.
std::string Cells(const std::vector<int>& cells);

}  // namespace Novem::Names
