#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Chunk.h"
#include "LineReader.h"

namespace Novem::Batch {

// Reads the inputs in order and hands out their lines in chunks of `chunkSize` items: puzzles,
// and problems. Stops early when `submit` returns false.
class ChunkReader {
public:
    using Submit = std::function<bool(Chunk&&)>;

    // "-" among the files stands for `standardInput`.
    ChunkReader(std::size_t chunkSize, int standardInput, Submit submit)
        : m_chunkSize(chunkSize), m_standardInput(standardInput), m_submit(std::move(submit)) {}

    void Read(const std::vector<std::string>& files);

private:
    // False when the run was stopped, as are the functions below.
    bool ReadFile(const std::string& name);
    bool AddLine(const LineReader::Line& line);
    bool Add(Chunk::Item&& item);
    bool SubmitChunk(bool urgent);

    std::size_t m_chunkSize;
    int m_standardInput;
    Submit m_submit;
    Chunk m_chunk;
    std::uint64_t m_bytesBefore = 0;
    std::uint64_t m_bytesRead = 0;
};

}  // namespace Novem::Batch
