#include "ResultWriter.h"

#include <unistd.h>

#include <cerrno>
#include <string>

namespace Novem::Batch {

void WriteText(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ResultWriter::Write(const ChunkOutput& output) {
    std::size_t done = 0;
    for (const ChunkOutput::Problem& problem : output.problems) {
        m_out.Append(std::string_view(output.out).substr(done, problem.at - done));
        done = problem.at;
        Problem(problem.message);
    }
    m_out.Append(std::string_view(output.out).substr(done));
    if (m_log != nullptr) {
        m_log->Append(output.log);
    }
    if (output.urgent) {
        m_out.Flush();
    }
    m_totals.Merge(output.summary);
    m_progress.Update(m_totals.Puzzles(), m_totals.Solved(), output.bytesRead);
}

// Standard output first, so that both streams on one terminal show things in order.
void ResultWriter::Problem(std::string_view message) {
    m_failed = true;
    m_out.Flush();
    m_progress.Clear();
    WriteText(m_err, std::string(kProgram) + std::string(message) + "\n");
}

void ResultWriter::Finish() {
    m_out.Flush();
    if (m_log != nullptr) {
        m_log->Close();
    }
}

}  // namespace Novem::Batch
