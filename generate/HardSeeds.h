#pragma once

#include <vector>

#include "Generator.h"

namespace Novem::Generate {

// Whether random puzzles can't be expected to meet the target: dynamic or nested forcing chains,
// as its level or its hardest technique, or a rating of 9.5 and up. No random generator has ever
// made a puzzle that needs nested chains.
bool NeedsHardSeeds(const Target& target);

// Puzzles that need nested forcing chains, for a search of the hardest levels to start from: those
// of them that keep the target's symmetry, each with its solution.
std::vector<Made> HardSeeds(const Target& target);

}  // namespace Novem::Generate
