#include "TextFile.h"

namespace Novem {

TextFile::~TextFile() {
    Close();
}

bool TextFile::Open(const char* name) {
    Close();
    m_file = std::fopen(name, "wb");
    m_failed = false;
    return m_file != nullptr;
}

void TextFile::Write(std::string_view bytes) {
    if (m_file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        m_failed = true;
    }
}

bool TextFile::Close() {
    if (m_file == nullptr) {
        return !m_failed;
    }
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    m_failed = m_failed || !closed;
    return !m_failed;
}

}  // namespace Novem
