#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/GridGeometry.h"
#include "model/PuzzleText.h"

namespace Novem::Generate {

// How a puzzle's givens may lie: taken away together with their images, so that the pattern is
// kept.
enum class Symmetry { None, Rotate180, Rotate90, Mirror, Flip, Diagonal };

inline constexpr std::array<std::string_view, 6> kSymmetryNames = {
    "none", "rotate180", "rotate90", "mirror", "flip", "diagonal"};

std::optional<Symmetry> SymmetryNamed(std::string_view name);

// The cells that go together under a symmetry: a cell and its images, at most four, in ascending
// order, the places left over -1.
using Orbit = std::array<int, 4>;
Orbit OrbitOf(Symmetry symmetry, int cell);

// The symmetry a puzzle made near this one keeps: the one asked for, when this one keeps it; for
// none asked (one picked at random), the last of kSymmetryNames it keeps. None when it can't.
std::optional<Symmetry> SymmetryToKeep(const PuzzleText::Cells& puzzle,
                                       std::optional<Symmetry> asked);

}  // namespace Novem::Generate
