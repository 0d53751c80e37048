#pragma once

#include <cstdint>
#include <string_view>

namespace Novem::TestSupport {

// FNV-1a, 64 bits: enough to tell two run logs apart.
inline std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001B3ULL;
    }
    return hash;
}

}  // namespace Novem::TestSupport
