#pragma once

#include <string>
#include <vector>

#include "Generator.h"

namespace Novem::Generate {

// The puzzles of --like as a search starts from them: each with its one solution, and with the
// target's symmetry (or, for a symmetry picked at random, its own). Without a target of their own
// the new puzzles are held to the levels of these. Returns what is wrong, as a message line, or
// nothing when all could be read and used.
std::string ReadLikePuzzles(const std::string& path, bool targeted, Target& target,
                            std::vector<Made>& like);

}  // namespace Novem::Generate
