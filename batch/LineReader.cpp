#include "LineReader.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Novem::Batch {

namespace {

// Sixteen times the longest line that is held: a held line and the next read always fit, and
// a read takes in many lines at once.
constexpr std::size_t kBufferSize = 16 * LineReader::kMaxLine;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool MayWait(int fd) {
    struct stat status {};
    return fstat(fd, &status) != 0 || !S_ISREG(status.st_mode);
}

}  // namespace

ReadError::ReadError(int error) : std::runtime_error(std::strerror(error)), m_error(error) {}

LineReader::LineReader(int fd, std::function<void()> onIdle)
    : m_fd(fd),
      m_onIdle(std::move(onIdle)),
      m_mayWait(MayWait(fd)),
      m_buffer(std::make_unique<char[]>(kBufferSize)) {}

bool LineReader::Next(Line& line) {
    std::uint64_t skipped = 0;
    for (;;) {
        const char* begin = m_buffer.get() + m_begin;
        const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', m_end - m_begin));
        if (newline != nullptr || (m_ended && m_begin < m_end) || (m_ended && skipped > 0)) {
            const std::size_t size =
                newline != nullptr ? static_cast<std::size_t>(newline - begin) : m_end - m_begin;
            line.number = ++m_number;
            line.length = skipped + size;
            line.tooLong = line.length > kMaxLine;
            line.text = line.tooLong ? std::string_view() : std::string_view(begin, size);
            if (line.number == 1 && line.text.starts_with(kByteOrderMark)) {
                line.text.remove_prefix(kByteOrderMark.size());
            }
            m_begin += size + (newline != nullptr ? 1 : 0);
            return true;
        }
        if (m_ended) {
            return false;
        }
        // No whole line is buffered: keep its start unless it is already too long.
        if (m_end - m_begin > kMaxLine) {
            skipped += m_end - m_begin;
            m_begin = m_end;
        }
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
        m_ended = !Fill();
    }
}

bool LineReader::Fill() {
    if (m_mayWait && m_onIdle) {
        pollfd ready{m_fd, POLLIN, 0};
        if (poll(&ready, 1, 0) == 0) {
            m_onIdle();
        }
    }
    for (;;) {
        const ssize_t count = read(m_fd, m_buffer.get() + m_end, kBufferSize - m_end);
        if (count > 0) {
            m_end += static_cast<std::size_t>(count);
            m_bytesRead += static_cast<std::uint64_t>(count);
            return true;
        }
        if (count == 0) {
            return false;
        }
        if (errno != EINTR) {
            throw ReadError(errno);
        }
    }
}

}  // namespace Novem::Batch
