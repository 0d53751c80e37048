#pragma once

#include <string>

// Times the search on the puzzles of `file`, under `name`: from the givens alone, and from what
// the rules left of each.
void RegisterSearchBenchmarks(const std::string& name, const std::string& file);
