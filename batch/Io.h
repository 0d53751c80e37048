#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace Novem::Batch {

// A read or write that failed: the file as the user named it, and the system's reason as an
// errno value.
class FileError : public std::runtime_error {
public:
    FileError(std::string file, int error);

    const std::string& File() const { return m_file; }
    int Error() const { return m_error; }

private:
    std::string m_file;
    int m_error;
};

// Writes all of `bytes` to `fd`, resuming after signals and partial writes. Returns 0, or the
// errno value of the failure: what a failure means is the caller's to say.
int WriteAll(int fd, std::string_view bytes);

// Keeps descriptors 0 to 2 from being taken by files the program opens: each one that is closed
// gets a placeholder on which every read or write fails, as on a closed descriptor.
void HoldStandardDescriptors();

}  // namespace Novem::Batch
