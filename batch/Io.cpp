#include "Io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Novem::Batch {

FileError::FileError(std::string file, int error)
    : std::runtime_error(file + ": " + std::strerror(error)),
      m_file(std::move(file)),
      m_error(error) {}

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

void HoldStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // Opened the other way round, the null device fails every read of standard input
            // and every write of the others with EBADF; the lowest free descriptor is `fd`.
            [[maybe_unused]] const int held = open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        }
    }
}

}  // namespace Novem::Batch
