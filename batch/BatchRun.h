#pragma once

#include "BatchOptions.h"

namespace Novem::Batch {

// Solves every puzzle of the options' files, or of standard input when there are none, and
// prints the results in input order, the same for any number of workers. A line that is no
// puzzle is reported and skipped; the first output that can't be written ends the run. Returns
// the exit status: 0 when every line was a puzzle, 1 otherwise.
int RunBatch(const BatchOptions& options, const Streams& streams);

}  // namespace Novem::Batch
