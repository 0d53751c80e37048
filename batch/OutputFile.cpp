#include "OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Novem::Batch {

namespace {

// Large enough that a write costs little next to what fills it.
constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

WriteError::WriteError(const std::string& name, int error)
    : std::runtime_error(name + ": " + std::strerror(error)), m_error(error) {}

OutputFile::OutputFile(int fd, std::string name)
    : m_fd(fd), m_owned(false), m_name(std::move(name)) {
    m_buffer.reserve(kBufferSize);
}

OutputFile::OutputFile(const std::string& path)
    : m_fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)),
      m_owned(true),
      m_name(path) {
    if (m_fd < 0) {
        throw WriteError(m_name, errno);
    }
    m_buffer.reserve(kBufferSize);
}

OutputFile::~OutputFile() {
    if (m_owned && m_fd >= 0) {
        close(m_fd);
    }
}

void OutputFile::Append(std::string_view bytes) {
    if (m_buffer.size() + bytes.size() > kBufferSize) {
        Flush();
        if (bytes.size() >= kBufferSize) {
            WriteAll(bytes);
            return;
        }
    }
    m_buffer.append(bytes);
}

void OutputFile::Flush() {
    WriteAll(m_buffer);
    m_buffer.clear();
}

void OutputFile::Close() {
    Flush();
    if (m_owned) {
        const int fd = m_fd;
        m_fd = -1;
        if (close(fd) != 0) {
            throw WriteError(m_name, errno);
        }
    }
}

void OutputFile::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw WriteError(m_name, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace Novem::Batch
