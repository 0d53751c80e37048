#pragma once

#include <string>

#include "BatchOptions.h"

namespace Novem::Batch {

// Checks, before anything is opened for writing, that the log would overwrite neither an input
// nor standard output, by whatever path it is named. Empty when it won't, otherwise why.
std::string CheckLog(const BatchOptions& options, const Streams& streams);

}  // namespace Novem::Batch
