#pragma once

#include <string>

#include "BatchOptions.h"

// Checks, before anything is read or opened for writing, that no output would overwrite an
// input, by whatever path either is named. Each gives the message line that refuses, or nothing.
namespace Novem::Batch::OutputCheck {

// The log must be neither an input nor standard output.
std::string Log(const BatchOptions& options, const Streams& streams);

// Standard output, when it is a file, must not be one of the inputs: the results would be read
// again as puzzles, without end.
std::string StandardOutput(const BatchOptions& options, const Streams& streams);

}  // namespace Novem::Batch::OutputCheck
