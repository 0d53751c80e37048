#include "Pace.h"

#include <algorithm>

namespace Novem::Batch {

namespace {

constexpr double kChunkSeconds = 0.005;

}  // namespace

std::size_t Pace::ChunkSize() const {
    const double perItem = m_secondsPerItem.load(std::memory_order_relaxed);
    if (perItem <= 0) {
        return 1;
    }
    const double items = kChunkSeconds / perItem;
    return items >= static_cast<double>(m_most)
               ? m_most
               : std::max<std::size_t>(1, static_cast<std::size_t>(items));
}

// Half the last chunk, half what was known: a change of pace shows within a few chunks.
void Pace::Record(std::size_t items, std::chrono::steady_clock::duration spent) {
    if (items == 0) {
        return;
    }
    const double perItem =
        std::chrono::duration<double>(spent).count() / static_cast<double>(items);
    const double known = m_secondsPerItem.load(std::memory_order_relaxed);
    m_secondsPerItem.store(known <= 0 ? perItem : (known + perItem) / 2, std::memory_order_relaxed);
}

}  // namespace Novem::Batch
