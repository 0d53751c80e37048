#pragma once

#include <cstdio>
#include <string_view>

namespace Novem {

// A file written in text mode as the run log's readers expect it: every LF written is stored as
// CR LF, every other byte as it is.
class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Creates or truncates the file for writing. False on any failure; nothing is raised.
    bool Open(const char* name);

    // Appends the text. A failure is not raised but remembered for Close().
    void Write(std::string_view text);

    // Writes out what is buffered and closes the file. False when anything written since Open
    // was lost, a full disk for example.
    bool Close();

private:
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

}  // namespace Novem
