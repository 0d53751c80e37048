#include "ChunkReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Novem::Batch {

namespace {

// A chunk is as much work as a few milliseconds of solving; runs that write much per puzzle
// take fewer, so that the chunks in flight stay small.
std::size_t ChunkSize(const BatchOptions& options) {
    return options.logFile.empty() && !options.explain ? 256 : 16;
}

// An input file, closed however reading it ends; standard input stays open.
class InputFile {
public:
    InputFile(const std::string& name, int in)
        : m_owned(name != "-"), m_fd(m_owned ? open(name.c_str(), O_RDONLY | O_CLOEXEC) : in) {}
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

void ChunkReader::Read(const std::vector<std::string>& files,
                       const std::vector<std::string>& jsonNames) {
    for (std::size_t file = 0; file < files.size(); ++file) {
        m_chunk.jsonFile = &jsonNames[file];
        if (!ReadFile(files[file]) || !SubmitChunk(false)) {
            return;
        }
    }
}

bool ChunkReader::ReadFile(const std::string& name) {
    const InputFile input(name, m_streams.in);
    if (input.Fd() < 0) {
        return AddProblem(name + ": cannot open: " + std::strerror(errno));
    }
    bool running = true;
    LineReader reader(input.Fd(), [this, &running] { running = running && SubmitChunk(true); });
    try {
        LineReader::Line line;
        while (running && reader.Next(line)) {
            m_bytesRead = m_bytesBefore + reader.BytesRead();
            running = AddLine(name, line);
        }
    } catch (const ReadError& error) {
        running = AddProblem(name + ": cannot read: " + error.what());
    }
    m_bytesBefore += reader.BytesRead();
    return running;
}

bool ChunkReader::AddLine(const std::string& name, const LineReader::Line& line) {
    const std::string where = name + ":" + std::to_string(line.number) + ": ";
    if (line.tooLong) {
        return AddProblem(where + "line too long (" + std::to_string(line.length) +
                          " bytes), skipped");
    }
    PuzzleText::ParsedLine parsed = PuzzleText::ParseLine(line.text);
    if (parsed.kind == PuzzleText::ParsedLine::Kind::Invalid) {
        return AddProblem(where + parsed.error);
    }
    if (parsed.kind == PuzzleText::ParsedLine::Kind::Puzzle) {
        return Add({line.number, parsed.cells, {}});
    }
    return true;
}

bool ChunkReader::AddProblem(std::string message) {
    return Add({0, {}, std::move(message)});
}

// Problems count as much as puzzles: an input of nothing but bad lines stays in bounds too.
bool ChunkReader::Add(Chunk::Item&& item) {
    m_chunk.items.push_back(std::move(item));
    return m_chunk.items.size() < ChunkSize(m_options) || SubmitChunk(false);
}

bool ChunkReader::SubmitChunk(bool urgent) {
    if (m_chunk.items.empty()) {
        return true;
    }
    m_chunk.bytesRead = m_bytesRead;
    m_chunk.urgent = urgent;
    const std::string* jsonFile = m_chunk.jsonFile;
    const bool running = m_submit(std::move(m_chunk));
    m_chunk = Chunk{};
    m_chunk.jsonFile = jsonFile;
    m_chunk.items.reserve(ChunkSize(m_options));
    return running;
}

}  // namespace Novem::Batch
