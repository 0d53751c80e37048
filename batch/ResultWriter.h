#pragma once

#include <chrono>

#include "BatchOptions.h"
#include "Chunk.h"
#include "OutputFile.h"
#include "Progress.h"
#include "Summary.h"

namespace Novem::Batch {

// Writes the chunks' output in the order it is given, messages on standard error at their place
// among the results, and keeps the totals of what was written. Output goes out when the buffer is
// full, when the input stalls, and at least every few milliseconds, so that a reader sees the
// first results at once and a reader that has gone, or a full disk, ends the run at once. The
// first output that can't be written throws WriteError.
class ResultWriter {
public:
    ResultWriter(const Streams& streams, OutputFile* log, Progress& progress)
        : m_out(streams.out, "standard output"),
          m_err(streams.err),
          m_log(log),
          m_progress(progress) {}

    void Write(const ChunkOutput& output);
    // Writes out what is buffered and closes the log.
    void Finish();

    const Summary& Totals() const { return m_totals; }
    // A message was told: some input was no puzzle.
    bool Told() const { return m_told; }

private:
    void Tell(const std::string& message);
    // The log goes out with standard output, so that a reader of both sees whole blocks.
    void Flush();

    OutputFile m_out;
    int m_err;
    OutputFile* m_log;
    Progress& m_progress;
    Summary m_totals;
    bool m_told = false;
    // The first output goes out at once.
    std::chrono::steady_clock::time_point m_flushed{};
};

}  // namespace Novem::Batch
