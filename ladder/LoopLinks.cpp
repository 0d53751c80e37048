#include "LoopLinks.h"

namespace Novem::Ladder {

using namespace Implications;

void LoopLinks::Start(const StaticLinks& links, Links kinds) {
    m_links = &links;
    m_kinds = kinds;
    m_taken.Clear();
    m_size = 0;
}

void LoopLinks::Take(Potential potential) {
    const auto at = static_cast<std::size_t>(potential);
    m_taken.Add(potential);
    m_begin[at] = m_size;
    const auto follow = [&](std::span<const StaticLinks::Next> nexts) {
        for (const StaticLinks::Next& next : nexts) {
            if (!IsOn(potential) || m_links->TurnsOn(next.potential, m_kinds)) {
                m_items[static_cast<std::size_t>(m_size++)] = next.potential;
            }
        }
    };
    if (m_kinds.cell) {
        follow(m_links->ByCell(potential));
    }
    // An "on" turns off its peers' digit whatever the loop's kind: only how an "off" turns
    // something on tells the kinds apart.
    if (m_kinds.region || IsOn(potential)) {
        follow(m_links->ByRegion(potential));
    }
    m_end[at] = m_size;
}

}  // namespace Novem::Ladder
