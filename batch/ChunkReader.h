#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "BatchOptions.h"
#include "Chunk.h"
#include "LineReader.h"

namespace Novem::Batch {

// Reads the inputs in order and hands out their lines in chunks: puzzles, and problems with
// their messages. Stops early when `submit` returns false.
class ChunkReader {
public:
    using Submit = std::function<bool(Chunk&&)>;

    ChunkReader(const BatchOptions& options, const Streams& streams, Submit submit)
        : m_options(options), m_streams(streams), m_submit(std::move(submit)) {}

    // The chunks point at `jsonNames`, the names of `files` as JSON strings, which must outlive
    // them.
    void Read(const std::vector<std::string>& files, const std::vector<std::string>& jsonNames);

private:
    // False when the run was stopped, as are the functions below.
    bool ReadFile(const std::string& name);
    bool AddLine(const std::string& name, const LineReader::Line& line);
    bool AddProblem(std::string message);
    bool Add(Chunk::Item&& item);
    bool SubmitChunk(bool urgent);

    const BatchOptions& m_options;
    const Streams& m_streams;
    Submit m_submit;
    Chunk m_chunk;
    std::uint64_t m_bytesBefore = 0;
    std::uint64_t m_bytesRead = 0;
};

}  // namespace Novem::Batch
