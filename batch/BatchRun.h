#pragma once

#include <string>

#include "BatchOptions.h"

namespace Novem::Batch {

// Checks, before anything is opened for writing, that the log would overwrite neither an input
// nor standard output, by whatever path it is named. Empty when it won't, otherwise why.
std::string CheckLog(const BatchOptions& options, const Streams& streams);

// The workers a run uses unless told otherwise: one per processor the process may run on.
unsigned DefaultJobs();

// Solves every puzzle of the options' files, or of standard input when there are none, and
// prints the results in input order, the same for any number of workers. A line that is no
// puzzle is reported and skipped; the first output that can't be written ends the run. Returns
// the exit status: 0 when every line was a puzzle, 1 otherwise.
int RunBatch(const BatchOptions& options, const Streams& streams);

}  // namespace Novem::Batch
