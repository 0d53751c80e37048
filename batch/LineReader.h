#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace Novem::Batch {

// A read that failed, with the system's reason as an errno value.
class ReadError : public std::runtime_error {
public:
    explicit ReadError(int error);

    int Error() const { return m_error; }

private:
    int m_error;
};

// Reads the lines of a file in bounded memory, whatever their length. A UTF-8 byte-order mark
// at the start of the file is skipped. A line longer than kMaxLine is not held: it comes back as
// too long, with its length, and reading goes on after it.
class LineReader {
public:
    static constexpr std::size_t kMaxLine = 4096;

    struct Line {
        std::uint64_t number = 0;
        // Without its LF. Empty for a line that is too long.
        std::string_view text;
        std::uint64_t length = 0;
        bool tooLong = false;
    };

    // Reads `fd`, which stays the caller's. `onIdle` runs whenever the next read would wait for
    // more input to arrive, as on a terminal or a slow pipe.
    explicit LineReader(int fd, std::function<void()> onIdle = {});

    // False at the end of the file; throws ReadError when a read fails.
    bool Next(Line& line);

    std::uint64_t BytesRead() const { return m_bytesRead; }
    // The bytes of the lines handed out so far, their line feeds included.
    std::uint64_t BytesDone() const { return m_bytesRead - (m_end - m_begin); }

private:
    // False at the end of the file.
    bool Fill();

    int m_fd;
    std::function<void()> m_onIdle;
    bool m_mayWait;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::uint64_t m_number = 0;
    std::uint64_t m_bytesRead = 0;
    bool m_ended = false;
};

}  // namespace Novem::Batch
