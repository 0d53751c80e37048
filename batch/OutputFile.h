#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace Novem::Batch {

// A write that failed: which file, and the system's reason as an errno value.
class WriteError : public std::runtime_error {
public:
    WriteError(const std::string& name, int error);

    int Error() const { return m_error; }

private:
    int m_error;
};

// A file written through a buffer with write(2). The first failure throws WriteError, so nothing
// is written or done after it.
class OutputFile {
public:
    // Writes to `fd`, which it closes only when it opened it. `name` is for messages.
    OutputFile(int fd, std::string name);
    // Creates or truncates the file; throws WriteError when it can't.
    explicit OutputFile(const std::string& path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Closes an opened file without flushing: Close() is how buffered bytes reach it.
    ~OutputFile();

    void Append(std::string_view bytes);
    void Flush();
    // Flushes and closes a file it opened.
    void Close();

    const std::string& Name() const { return m_name; }

private:
    void WriteAll(std::string_view bytes);

    int m_fd;
    bool m_owned;
    std::string m_name;
    std::string m_buffer;
};

}  // namespace Novem::Batch
