#include "OutputFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Io.h"
#include "Messages.h"

namespace Novem::Batch {

namespace {

// Large enough that a write costs little next to what fills it.
constexpr std::size_t kBufferSize = 64 * 1024;

// Locks and empties a regular file; 0, or the errno value of the failure.
int Claim(int fd) {
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        return errno;
    }
    if (!S_ISREG(status.st_mode)) {
        return 0;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace

WriteError::WriteError(const std::string& name, bool stream, int error)
    : std::runtime_error(Messages::Line(
          stream ? Messages::Subject{.stream = name} : Messages::Subject{.file = name}, "", error)),
      m_error(error) {}

OutputFile::OutputFile(int fd, std::string stream)
    : m_fd(fd), m_owned(false), m_name(std::move(stream)) {
    m_buffer.reserve(kBufferSize);
}

OutputFile::OutputFile(const std::string& path)
    : m_fd(open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666)), m_owned(true), m_name(path) {
    if (m_fd < 0) {
        Fail(errno);
    }
    if (const int error = Claim(m_fd); error != 0) {
        close(m_fd);
        Fail(error);
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
            if (const int error = WriteAll(m_fd, bytes); error != 0) {
                Fail(error);
            }
            return;
        }
    }
    m_buffer.append(bytes);
}

void OutputFile::Flush() {
    if (const int error = WriteAll(m_fd, m_buffer); error != 0) {
        Fail(error);
    }
    m_buffer.clear();
}

void OutputFile::Close() {
    Flush();
    if (m_owned) {
        const int fd = m_fd;
        m_fd = -1;
        if (close(fd) != 0) {
            Fail(errno);
        }
    }
}

void OutputFile::Fail(int error) const {
    throw WriteError(m_name, !m_owned, error);
}

}  // namespace Novem::Batch
