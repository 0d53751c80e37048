#pragma once

#include <cstdio>
#include <string_view>

namespace Novem {

// The run log's file. Its callers hand it text as the file stores it (the run log block gives
// every LF as CR LF already), and it tells whether anything was lost.
class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Creates or truncates the file for writing. False on any failure; nothing is raised.
    bool Open(const char* name);

    // Appends the bytes. A failure is not raised but remembered for Close().
    void Write(std::string_view bytes);

    // Writes out what is buffered and closes the file. False when anything written since Open
    // was lost, a full disk for example.
    bool Close();

private:
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

}  // namespace Novem
