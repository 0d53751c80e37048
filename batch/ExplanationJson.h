#pragma once

#include <string>

#include "analysis/PuzzleResult.h"

// A puzzle's applications for novem-batch: as text lines, and as JSON records that keep each
// technique's parts for a program to check.
namespace Novem::Batch::ExplanationJson {

// One line per application, aligned for a terminal.
void AppendText(std::string& out, const Analysis::PuzzleResult& result);

// The JSON array of the applications, one object each.
void AppendJson(std::string& out, const Analysis::PuzzleResult& result);

}  // namespace Novem::Batch::ExplanationJson
