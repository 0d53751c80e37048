#include "TextFile.h"

#include <string>

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

void TextFile::Write(std::string_view text) {
    if (m_file == nullptr) {
        return;
    }
    std::string stored;
    stored.reserve(text.size() + text.size() / 16);
    for (const char character : text) {
        if (character == '\n') {
            stored += '\r';
        }
        stored += character;
    }
    if (std::fwrite(stored.data(), 1, stored.size(), m_file) != stored.size()) {
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
