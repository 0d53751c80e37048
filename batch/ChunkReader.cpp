#include "ChunkReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace Novem::Batch {

namespace {

// An input file, closed however reading it ends; standard input stays open.
class InputFile {
public:
    InputFile(const std::string& name, int standardInput)
        : m_owned(name != "-"),
          m_fd(m_owned ? open(name.c_str(), O_RDONLY | O_CLOEXEC) : standardInput) {}
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() {
        if (m_owned && m_fd >= 0) {
            close(m_fd);
        }
    }

    int Fd() const { return m_fd; }

private:
    bool m_owned;
    int m_fd;
};

}  // namespace

void ChunkReader::Read(const std::vector<std::string>& files) {
    for (std::size_t file = 0; file < files.size(); ++file) {
        m_chunk.input = file;
        if (!ReadFile(files[file]) || !SubmitChunk(false)) {
            return;
        }
    }
}

bool ChunkReader::ReadFile(const std::string& name) {
    const InputFile input(name, m_standardInput);
    if (input.Fd() < 0) {
        return Add({0, {}, {"cannot open", errno}});
    }
    bool running = true;
    LineReader reader(input.Fd(), [this, &running] { running = running && SubmitChunk(true); });
    try {
        LineReader::Line line;
        while (running && reader.Next(line)) {
            m_bytesRead = m_bytesBefore + reader.BytesDone();
            running = AddLine(line);
        }
    } catch (const ReadError& error) {
        running = Add({0, {}, {"cannot read", error.Error()}});
    }
    m_bytesBefore += reader.BytesRead();
    return running;
}

bool ChunkReader::AddLine(const LineReader::Line& line) {
    if (line.tooLong) {
        return Add({line.number,
                    {},
                    {"line too long (" + std::to_string(line.length) + " bytes), skipped"}});
    }
    PuzzleText::ParsedLine parsed = PuzzleText::ParseLine(line.text);
    switch (parsed.kind) {
        case PuzzleText::ParsedLine::Kind::Invalid:
            return Add({line.number, {}, {std::move(parsed.error)}});
        case PuzzleText::ParsedLine::Kind::Puzzle:
            return Add({line.number, std::move(parsed.puzzle), {}});
        case PuzzleText::ParsedLine::Kind::Skipped:
            break;
    }
    return true;
}

// Problems count as much as puzzles: an input of nothing but bad lines stays in bounds too.
bool ChunkReader::Add(Chunk::Item&& item) {
    m_chunk.items.push_back(std::move(item));
    return m_chunk.items.size() < m_chunkSize || SubmitChunk(false);
}

bool ChunkReader::SubmitChunk(bool urgent) {
    if (m_chunk.items.empty()) {
        return true;
    }
    m_chunk.bytesRead = m_bytesRead;
    m_chunk.urgent = urgent;
    const std::size_t input = m_chunk.input;
    const std::size_t submitted = m_chunk.items.size();
    const bool running = m_submit(std::move(m_chunk));
    m_chunk = Chunk{};
    m_chunk.input = input;
    // Chunks grow by doubling at most: one quick puzzle says little of the next, and a short file
    // of slow ones is still shared among the workers.
    m_chunkSize = std::min(m_pace.ChunkSize(), 2 * submitted);
    m_chunk.items.reserve(m_chunkSize);
    return running;
}

}  // namespace Novem::Batch
