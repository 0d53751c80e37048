#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace Novem::Batch {

// A write that failed, told by what(): the line that names the file, or the standard stream,
// and gives the system's reason, the errno value Error().
class WriteError : public std::runtime_error {
public:
    WriteError(const std::string& name, bool stream, int error);

    int Error() const { return m_error; }

private:
    int m_error;
};

// A file written through a buffer. The first failure throws WriteError, so nothing is written or
// done after it.
class OutputFile {
public:
    // Writes to `fd`, a standard stream named in words for messages; it stays open.
    OutputFile(int fd, std::string stream);
    // Creates the file or empties it, once it holds an advisory lock on it, so that two runs
    // never write into one file; throws WriteError when it can't, EWOULDBLOCK for a file that
    // another process holds. Devices and pipes are neither locked nor emptied.
    explicit OutputFile(const std::string& path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Closes an opened file without flushing: Close() is how buffered bytes reach it.
    ~OutputFile();

    void Append(std::string_view bytes);
    void Flush();
    // Flushes and closes a file it opened.
    void Close();

private:
    [[noreturn]] void Fail(int error) const;

    int m_fd;
    // A file it opened, rather than a standard stream.
    bool m_owned;
    std::string m_name;
    std::string m_buffer;
};

}  // namespace Novem::Batch
