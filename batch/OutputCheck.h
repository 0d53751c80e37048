#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "BatchOptions.h"

// Checks, before anything is read or opened for writing, that no output would overwrite an
// input, by whatever path either is named. Each gives the message line that refuses, or nothing.
namespace Novem::Batch::OutputCheck {

// A file to write, named in messages as `what` ("the log"), must be neither one of the inputs
// ("-" for standard input) nor standard output.
std::string File(const std::string& path, std::string_view what,
                 const std::vector<std::string>& inputs, const Streams& streams);

// The log, when there is one, as File.
std::string Log(const BatchOptions& options, const Streams& streams);

// Standard output, when it is a file, must not be one of the inputs: the results would be read
// again as puzzles, without end.
std::string StandardOutput(const std::vector<std::string>& inputs, const Streams& streams);

}  // namespace Novem::Batch::OutputCheck
