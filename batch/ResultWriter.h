#pragma once

#include <string_view>

#include "BatchOptions.h"
#include "Chunk.h"
#include "OutputFile.h"
#include "Progress.h"
#include "Summary.h"

namespace Novem::Batch {

// What every message of the program starts with.
inline constexpr std::string_view kProgram = "novem-batch: ";

// Writes all of `text` to `fd`. A message that can't be shown is no reason to stop: the exit
// status still tells.
void WriteText(int fd, std::string_view text);

// Writes the chunks' output in the order it is given, problems on standard error at their place
// among the results, and keeps the totals of what was written.
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
    bool Failed() const { return m_failed; }

private:
    void Problem(std::string_view message);

    OutputFile m_out;
    int m_err;
    OutputFile* m_log;
    Progress& m_progress;
    Summary m_totals;
    bool m_failed = false;
};

}  // namespace Novem::Batch
