#pragma once

#include <iosfwd>

#include "BatchOptions.h"

namespace Novem::Batch {

// Solves every puzzle of the options' files, or of `input` when there are none, and prints the
// results to `out` and the problems to `err`. Returns the exit status: 0 when every line was a
// puzzle, 1 when a line or a file could not be read or the log could not be written.
int RunBatch(const BatchOptions& options, std::istream& input, std::ostream& out,
             std::ostream& err);

}  // namespace Novem::Batch
