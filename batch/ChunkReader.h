#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Chunk.h"
#include "LineReader.h"
#include "Pace.h"

namespace Novem::Batch {

// Reads the inputs in order and hands out their lines in chunks of as many items as the pace
// asks for: puzzles, and problems. Stops early when `submit` returns false.
class ChunkReader {
public:
    using Submit = std::function<bool(Chunk&&)>;

    // "-" among the files stands for `standardInput`. The pace must outlive the reader.
    ChunkReader(const Pace& pace, int standardInput, Submit submit)
        : m_pace(pace), m_standardInput(standardInput), m_submit(std::move(submit)) {}

    void Read(const std::vector<std::string>& files);

private:
    // False when the run was stopped, as are the functions below.
    bool ReadFile(const std::string& name);
    bool AddLine(const LineReader::Line& line);
    bool Add(Chunk::Item&& item);
    bool SubmitChunk(bool urgent);

    const Pace& m_pace;
    std::size_t m_chunkSize = 1;
    int m_standardInput;
    Submit m_submit;
    Chunk m_chunk;
    std::uint64_t m_bytesBefore = 0;
    std::uint64_t m_bytesRead = 0;
};

}  // namespace Novem::Batch
