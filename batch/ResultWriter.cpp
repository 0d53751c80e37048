#include "ResultWriter.h"

#include "Io.h"

namespace Novem::Batch {

void ResultWriter::Write(const ChunkOutput& output) {
    std::size_t done = 0;
    for (const ChunkOutput::Message& message : output.messages) {
        m_out.Append(std::string_view(output.out).substr(done, message.at - done));
        done = message.at;
        Tell(message.text);
    }
    m_out.Append(std::string_view(output.out).substr(done));
    if (m_log != nullptr) {
        m_log->Append(output.log);
    }
    constexpr auto kFlushEvery = std::chrono::milliseconds(20);
    const auto now = std::chrono::steady_clock::now();
    if (output.urgent || now - m_flushed >= kFlushEvery) {
        Flush();
        m_flushed = now;
    }
    m_totals.Merge(output.summary);
    m_progress.Update(m_totals.Puzzles(), m_totals.Solved(), output.bytesRead);
}

// Standard output first, so that both streams on one terminal show things in order. A message
// that can't be written is no reason to stop: the exit status tells all the same.
void ResultWriter::Tell(const std::string& message) {
    m_told = true;
    Flush();
    m_progress.Clear();
    WriteAll(m_err, message);
}

// The log first: whoever sees a result has its log blocks to read.
void ResultWriter::Flush() {
    if (m_log != nullptr) {
        m_log->Flush();
    }
    m_out.Flush();
}

void ResultWriter::Finish() {
    m_out.Flush();
    if (m_log != nullptr) {
        m_log->Close();
    }
}

}  // namespace Novem::Batch
