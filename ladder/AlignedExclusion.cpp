// Aligned exclusion: two or three cells take one candidate each, and a combination goes when two
// of the cells that see each other take the same digit, or when it would take every candidate of
// a cell that all of them see; a candidate no combination left keeps goes. The cells are found as
// the rating scale finds them: base cells in cell order, each with the peers of two candidates
// (of two or three, for triplets) that could exclude a combination, pairs of base cells in the
// scale's order, and for a triplet a third from those peers.
#include <algorithm>

#include "Families.h"
#include "OpenCells.h"

namespace Novem::Ladder {

namespace {

class Exclusion {
public:
    Exclusion(const OpenCells& open, int degree) : m_open(open), m_degree(degree) {
        CellMask small;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const int count = Bits::Count(open.candidates[cell]);
            small |= count >= 2 && count <= degree ? CellMask::Of(cell) : CellMask();
        }
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const CellMask excluders = kPeers[cell] & small;
            if (Bits::Count(open.candidates[cell]) >= 2 && !excluders.Empty()) {
                m_bases.push_back(cell);
                m_excluders.push_back(excluders);
                m_isBase |= CellMask::Of(cell);
            }
        }
    }

    std::optional<Step> Find() {
        const auto count = static_cast<int>(m_bases.size());
        if (count < m_degree) {
            return std::nullopt;
        }
        for (int second = 1; second < count; ++second) {
            for (int first = 0; first < second; ++first) {
                std::optional<Step> step =
                    m_degree == 2 ? Pair(first, second) : Triplet(first, second);
                if (step) {
                    return step;
                }
            }
        }
        return std::nullopt;
    }

private:
    int IndexOf(int cell) const {
        const auto at = std::find(m_bases.begin(), m_bases.end(), cell);
        return static_cast<int>(at - m_bases.begin());
    }

    // A digit of one cell goes only when an excluder pairs it with each digit of the other but
    // one: there must be that many.
    std::optional<Step> Pair(int first, int second) {
        const CellMask common = m_excluders[static_cast<std::size_t>(first)] &
                                m_excluders[static_cast<std::size_t>(second)];
        const int fewest =
            std::min(Bits::Count(m_open.candidates[m_bases[static_cast<std::size_t>(first)]]),
                     Bits::Count(m_open.candidates[m_bases[static_cast<std::size_t>(second)]]));
        if (common.AtMostOne() || common.Count() < fewest - 1) {
            return std::nullopt;
        }
        return Test({m_bases[static_cast<std::size_t>(first)],
                     m_bases[static_cast<std::size_t>(second)], -1},
                    common);
    }

    // The third cell is an excluder of the first or the second that is a base cell too, in the
    // order of the first's peers and then the second's.
    std::optional<Step> Triplet(int first, int second) {
        const int a = m_bases[static_cast<std::size_t>(first)];
        const int b = m_bases[static_cast<std::size_t>(second)];
        const CellMask& ofFirst = m_excluders[static_cast<std::size_t>(first)];
        const CellMask& ofSecond = m_excluders[static_cast<std::size_t>(second)];
        const CellMask both = ofFirst & ofSecond;
        if (both.AtMostOne()) {
            return std::nullopt;
        }
        const auto tryThird = [&](int third) -> std::optional<Step> {
            if (!m_isBase.Has(third) || third == a || third == b) {
                return std::nullopt;
            }
            const CellMask common = both & m_excluders[static_cast<std::size_t>(IndexOf(third))];
            return common.AtMostOne() ? std::nullopt : Test({a, b, third}, common);
        };
        for (const int third : kPeersInOrder[a]) {
            if (ofFirst.Has(third)) {
                if (std::optional<Step> step = tryThird(third)) {
                    return step;
                }
            }
        }
        for (const int third : kPeersInOrder[b]) {
            if (ofSecond.Has(third) && !ofFirst.Has(third)) {
                if (std::optional<Step> step = tryThird(third)) {
                    return step;
                }
            }
        }
        return std::nullopt;
    }

    // What no allowed combination of one candidate per cell keeps. A combination is not allowed
    // when two cells that see each other take one digit, or when it takes every candidate of an
    // excluder; a pair's excluders have two candidates, so a pair of digits is excluded exactly
    // when an excluder holds those two.
    std::array<unsigned, 3> Kept(const std::array<int, 3>& cells, const CellMask& common) const {
        std::array<unsigned, 3> kept{};
        if (cells[2] < 0) {
            std::array<unsigned, GridGeometry::kSize> pairedWith{};
            for (const int cell : common) {
                const unsigned digits = m_open.candidates[cell];
                for (const int digit : Bits::Indices(digits)) {
                    pairedWith[static_cast<std::size_t>(digit)] |= digits & ~(1U << digit);
                }
            }
            const bool seeing = SeeEachOther(cells[0], cells[1]);
            for (std::size_t k = 0; k < 2; ++k) {
                const unsigned other = m_open.candidates[cells[1 - k]];
                for (const int digit : Bits::Indices(m_open.candidates[cells[k]])) {
                    const unsigned partners = other & ~pairedWith[static_cast<std::size_t>(digit)] &
                                              ~(seeing ? 1U << digit : 0U);
                    kept[k] |= partners != 0 ? 1U << digit : 0U;
                }
            }
            return kept;
        }
        std::array<unsigned, 20> excluders{};
        std::size_t count = 0;
        for (const int cell : common) {
            if (count < excluders.size()) {
                excluders[count++] = m_open.candidates[cell];
            }
        }
        // Each candidate needs one allowed combination: once all three cells' are kept, the rest
        // can't change anything.
        const std::array<unsigned, 3> all = {
            m_open.candidates[cells[0]], m_open.candidates[cells[1]], m_open.candidates[cells[2]]};
        for (const int first : Bits::Indices(all[0])) {
            for (const int second : Bits::Indices(all[1])) {
                for (const int third : Bits::Indices(all[2])) {
                    const std::array<int, 3> digits{first, second, third};
                    const bool news = (kept[0] >> first & 1U) == 0 ||
                                      (kept[1] >> second & 1U) == 0 || (kept[2] >> third & 1U) == 0;
                    if (news && Allowed(cells, digits, excluders, count)) {
                        for (std::size_t k = 0; k < 3; ++k) {
                            kept[k] |= 1U << digits[k];
                        }
                        if (kept == all) {
                            return kept;
                        }
                    }
                }
            }
        }
        return kept;
    }

    bool Allowed(const std::array<int, 3>& cells, const std::array<int, 3>& digits,
                 const std::array<unsigned, 20>& excluders, std::size_t count) const {
        unsigned taken = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            for (std::size_t other = 0; other < k; ++other) {
                if (digits[k] == digits[other] && SeeEachOther(cells[k], cells[other])) {
                    return false;
                }
            }
            taken |= 1U << digits[k];
        }
        for (std::size_t k = 0; k < count; ++k) {
            if ((excluders[k] & ~taken) == 0) {
                return false;
            }
        }
        return true;
    }

    std::optional<Step> Test(const std::array<int, 3>& cells, const CellMask& common) const {
        const std::array<unsigned, 3> kept = Kept(cells, common);
        const std::size_t count = cells[2] < 0 ? 2 : 3;
        bool removes = false;
        for (std::size_t k = 0; k < count; ++k) {
            removes = removes || (m_open.candidates[cells[k]] & ~kept[k]) != 0;
        }
        if (!removes) {
            return std::nullopt;
        }
        Step step(count == 2 ? Technique::AlignedPairExclusion
                             : Technique::AlignedTripletExclusion);
        for (std::size_t k = 0; k < count; ++k) {
            const unsigned gone = m_open.candidates[cells[k]] & ~kept[k];
            if (gone != 0) {
                step.removals.push_back({cells[k], gone});
            }
            step.cellDigits.push_back({cells[k], m_open.candidates[cells[k]]});
        }
        std::sort(step.removals.begin(), step.removals.end(),
                  [](const CellRemoval& x, const CellRemoval& y) { return x.cell < y.cell; });
        for (const int peer : kPeersInOrder[cells[0]]) {
            if (common.Has(peer)) {
                step.excluders.push_back(peer);
            }
        }
        return step;
    }

    const OpenCells& m_open;
    int m_degree;
    // The base cells in cell order, the peers of few candidates of each, and all of them.
    std::vector<int> m_bases;
    std::vector<CellMask> m_excluders;
    CellMask m_isBase;
};

}  // namespace

std::optional<Step> FindAlignedPairExclusion(const Board& board) {
    const OpenCells open(board);
    return Exclusion(open, 2).Find();
}

std::optional<Step> FindAlignedTripletExclusion(const Board& board) {
    const OpenCells open(board);
    return Exclusion(open, 3).Find();
}

std::optional<Step> FindAlignedExclusion(const Board& board) {
    if (std::optional<Step> pair = FindAlignedPairExclusion(board)) {
        return pair;
    }
    return FindAlignedTripletExclusion(board);
}

}  // namespace Novem::Ladder
