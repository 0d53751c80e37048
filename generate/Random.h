#pragma once

#include <cstdint>
#include <utility>

namespace Novem::Generate {

// A small, fast generator that every platform runs alike (the standard's distributions and
// shuffles are the library's own), seeded through splitmix64 so that seeds next to each other
// give unrelated streams.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 to `count` - 1.
    int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }

    template <typename Array>
    void Shuffle(Array& items) {
        for (int index = static_cast<int>(items.size()) - 1; index > 0; --index) {
            std::swap(items[static_cast<std::size_t>(index)],
                      items[static_cast<std::size_t>(Below(index + 1))]);
        }
    }

private:
    std::uint64_t m_state;
};

}  // namespace Novem::Generate
