#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/GridGeometry.h"
#include "model/Grid_9x9.h"

namespace Novem::TestSupport {

// A grid whose cells have the candidates written as "1349", cell by cell, separated by blanks.
inline void SetCandidates(Grid_9x9& grid, const std::string& text) {
    std::istringstream cells(text);
    std::string digits;
    for (int cell = 0; cell < GridGeometry::kCells && cells >> digits; ++cell) {
        auto& candidates = grid.GetCell(cell)->GetCandidates();
        candidates.reset();
        for (const char digit : digits) {
            candidates.set(static_cast<std::size_t>(digit - '1'));
        }
    }
}

// The positions of the technique tests, at least one for each technique: the line that tells its
// rating and the step expected there, and every cell's candidates before it.
struct TechniquePosition {
    std::string expected;
    std::string candidates;
};

inline std::vector<TechniquePosition> TechniquePositions() {
    std::ifstream file(NOVEM_TEST_DATA "/ladder-positions.txt");
    std::vector<TechniquePosition> positions;
    std::string expected;
    std::string candidates;
    while (std::getline(file, expected)) {
        if (!expected.starts_with('#') && std::getline(file, candidates)) {
            positions.push_back({expected, candidates});
        }
    }
    return positions;
}

}  // namespace Novem::TestSupport
