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
    // Only the cells of `changed`, and those near them, are tested: the others are known to give
    // nothing.
    Exclusion(const OpenCells& open, int degree, const CellMask& changed = kAllCells)
        : m_open(open), m_degree(degree), m_changed(changed) {
        CellMask small;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const int count = Bits::Count(open.candidates[cell]);
            small |= count >= 2 && count <= degree ? CellMask::Of(cell) : CellMask();
        }
        m_changedExcluders = changed & small;
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            const CellMask excluders = kPeers[cell] & small;
            if (Bits::Count(open.candidates[cell]) >= 2 && !excluders.Empty()) {
                m_indexOf[static_cast<std::size_t>(cell)] = m_count;
                m_bases[static_cast<std::size_t>(m_count++)] = cell;
                m_excluders[static_cast<std::size_t>(cell)] = excluders;
                m_isBase |= CellMask::Of(cell);
            }
        }
    }

    std::optional<Step> Find() {
        if (m_count < m_degree) {
            return std::nullopt;
        }
        // The base cells near a change whatever their partner: changed, or for triplets with a
        // changed base cell among their excluders, which may be the third.
        const CellMask changedBases = m_changed & m_isBase;
        CellMask nearChange;
        for (const int cell : m_isBase) {
            const bool near = changedBases.Has(cell) ||
                              (m_degree == 3 && !(ExcludersOf(cell) & changedBases).Empty());
            nearChange |= near ? CellMask::Of(cell) : CellMask();
        }
        for (int second = 1; second < m_count; ++second) {
            const int b = m_bases[static_cast<std::size_t>(second)];
            // A first base cell shares two excluders with the second, so it sees one of them.
            CellMask seeingExcluders;
            for (const int excluder : ExcludersOf(b)) {
                seeingExcluders |= kPeers[excluder];
            }
            for (const int a : FirstsNearChange(b, nearChange) & m_isBase & seeingExcluders) {
                const int first = m_indexOf[static_cast<std::size_t>(a)];
                if (first >= second) {
                    break;
                }
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
    // A digit of one cell goes only when an excluder pairs it with each digit of the other but
    // one: there must be that many.
    std::optional<Step> Pair(int first, int second) {
        const int a = m_bases[static_cast<std::size_t>(first)];
        const int b = m_bases[static_cast<std::size_t>(second)];
        if (!NearChange(CellMask::Of(a) | CellMask::Of(b), kPeers[a] & kPeers[b])) {
            return std::nullopt;
        }
        const CellMask common = ExcludersOf(a) & ExcludersOf(b);
        const int fewest =
            std::min(Bits::Count(m_open.candidates[a]), Bits::Count(m_open.candidates[b]));
        if (common.AtMostOne() || common.Count() < fewest - 1) {
            return std::nullopt;
        }
        return Test({a, b, -1}, common);
    }

    // The third cell is an excluder of the first or the second that is a base cell too, in the
    // order of the first's peers and then the second's.
    std::optional<Step> Triplet(int first, int second) {
        const int a = m_bases[static_cast<std::size_t>(first)];
        const int b = m_bases[static_cast<std::size_t>(second)];
        const CellMask& ofFirst = ExcludersOf(a);
        const CellMask& ofSecond = ExcludersOf(b);
        const CellMask both = ofFirst & ofSecond;
        if (both.AtMostOne()) {
            return std::nullopt;
        }
        const auto tryThird = [&](int third) -> std::optional<Step> {
            if (third == b ||
                TestedBefore(first, second, m_indexOf[static_cast<std::size_t>(third)])) {
                return std::nullopt;
            }
            return Test({a, b, third}, both & ExcludersOf(third));
        };
        // The third shares two excluders with both: it sees two of theirs.
        CellMask seeingOne;
        CellMask seeingTwo;
        for (const int excluder : both) {
            seeingTwo |= seeingOne & kPeers[excluder];
            seeingOne |= kPeers[excluder];
        }
        const CellMask thirds = m_isBase & seeingTwo & ThirdsNearChange(a, b);
        if (std::optional<Step> step = InPeerOrder(a, ofFirst & thirds, tryThird)) {
            return step;
        }
        return InPeerOrder(b, ((ofSecond - ofFirst) & thirds) - CellMask::Of(a), tryThird);
    }

    // Calls visit for the cells of `cells`, all peers of `cell`, in the scale's order of its
    // peers, until one gives a step.
    template <typename Visit>
    static std::optional<Step> InPeerOrder(int cell, const CellMask& cells, Visit visit) {
        if (cells.Empty()) {
            return std::nullopt;
        }
        CellMask before;
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[cell]) {
            for (const int peer : (cells & kRegionCells[place.region]) - before) {
                if (std::optional<Step> step = visit(peer)) {
                    return step;
                }
            }
            before |= kRegionCells[place.region];
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
        // A combination takes at most three digits, so it takes all of an excluder's exactly
        // when the excluder's two are among them or its three are them.
        std::array<unsigned, GridGeometry::kSize> pairedWith{};
        std::array<unsigned, 20> triples{};
        std::size_t tripleCount = 0;
        for (const int cell : common) {
            const unsigned digits = m_open.candidates[cell];
            const unsigned high = digits & (digits - 1);
            if ((high & (high - 1)) != 0) {
                triples[tripleCount++] = digits;
                continue;
            }
            pairedWith[static_cast<std::size_t>(Bits::Lowest(digits))] |= high;
            pairedWith[static_cast<std::size_t>(Bits::Lowest(high))] |= digits & ~high;
        }
        const std::array<unsigned, 3> all = {
            m_open.candidates[cells[0]], m_open.candidates[cells[1]], m_open.candidates[cells[2]]};
        const bool seeing01 = SeeEachOther(cells[0], cells[1]);
        const unsigned seeing02 = SeeEachOther(cells[0], cells[2]) ? ~0U : 0U;
        const unsigned seeing12 = SeeEachOther(cells[1], cells[2]) ? ~0U : 0U;
        for (const int first : Bits::Indices(all[0])) {
            const auto x = static_cast<std::size_t>(first);
            unsigned seconds = all[1] & ~pairedWith[x] & ~(seeing01 ? 1U << first : 0U);
            while (seconds != 0) {
                // Once every third is kept, nothing new comes of a pair kept already.
                if (kept[2] == all[2] && (kept[0] >> first & 1U) != 0) {
                    seconds &= ~kept[1];
                    if (seconds == 0) {
                        break;
                    }
                }
                const int second = Bits::Lowest(seconds);
                seconds &= seconds - 1;
                const auto y = static_cast<std::size_t>(second);
                unsigned thirds = all[2] & ~pairedWith[x] & ~pairedWith[y] &
                                  ~(seeing02 & 1U << first) & ~(seeing12 & 1U << second);
                // Nor may a third digit complete an excluder of three with the two.
                const unsigned both = 1U << first | 1U << second;
                for (std::size_t k = 0; first != second && k < tripleCount; ++k) {
                    thirds &= (triples[k] & both) == both ? both | ~triples[k] : ~0U;
                }
                if (thirds != 0) {
                    kept[0] |= 1U << first;
                    kept[1] |= 1U << second;
                    kept[2] |= thirds;
                    // Once every candidate is kept, the rest can't change anything.
                    if (kept == all) {
                        return kept;
                    }
                }
            }
        }
        return kept;
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

    // Whether an earlier pair of base cells tested the same three, which found nothing then.
    // Pairs go by their second base cell, then by their first, and a pair tests each third that
    // is an excluder of either; three cells test alike in any order.
    bool TestedBefore(int first, int second, int third) const {
        const auto testedBy = [&](int cell, int one, int other) {
            const int tested = m_bases[static_cast<std::size_t>(cell)];
            return ExcludersOf(m_bases[static_cast<std::size_t>(one)]).Has(tested) ||
                   ExcludersOf(m_bases[static_cast<std::size_t>(other)]).Has(tested);
        };
        return third < second && (testedBy(second, first, third) ||
                                  (third < first && testedBy(first, third, second)));
    }

    // Whether one of the base cells changed, or an excluder among their common peers did. Base
    // cells as they were, with their common excluders as they were, give what they gave then:
    // the combinations they allow, and whether the search tests them at all, depend on nothing
    // else. A common peer that is no excluder now excludes nothing, so without it they keep at
    // least what they kept then.
    bool NearChange(const CellMask& cells, const CellMask& commonPeers) const {
        return !(cells & m_changed).Empty() || !(commonPeers & m_changedExcluders).Empty();
    }

    // The cells that, as the first base cell with `second`, may be near a change: all, where
    // the second is; else those near one whatever their partner, and those that share a changed
    // excluder with the second.
    CellMask FirstsNearChange(int second, const CellMask& nearChange) const {
        if (nearChange.Has(second)) {
            return kAllCells;
        }
        CellMask firsts = nearChange;
        for (const int excluder : m_changedExcluders& kPeers[second]) {
            firsts |= kPeers[excluder];
        }
        return firsts;
    }

    // The third cells with which the two are near a change: all, where one of the two changed;
    // else those that changed, and those that see a changed excluder of both.
    CellMask ThirdsNearChange(int a, int b) const {
        if (!((CellMask::Of(a) | CellMask::Of(b)) & m_changed).Empty()) {
            return kAllCells;
        }
        CellMask thirds = m_changed;
        for (const int excluder : m_changedExcluders& kPeers[a] & kPeers[b]) {
            thirds |= kPeers[excluder];
        }
        return thirds;
    }

    const CellMask& ExcludersOf(int cell) const {
        return m_excluders[static_cast<std::size_t>(cell)];
    }

    const OpenCells& m_open;
    int m_degree;
    CellMask m_changed;
    CellMask m_changedExcluders;
    // The base cells in cell order, each one's place in that order, all of them, and the peers
    // of few candidates of each.
    std::array<int, GridGeometry::kCells> m_bases{};
    std::array<int, GridGeometry::kCells> m_indexOf{};
    int m_count = 0;
    CellMask m_isBase;
    std::array<CellMask, GridGeometry::kCells> m_excluders{};
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

std::optional<Step> FindAlignedExclusionNear(const OpenCells& open, int degree,
                                             const CellMask& changed) {
    return Exclusion(open, degree, changed).Find();
}

std::optional<Step> FindAlignedExclusion(const Board& board) {
    if (std::optional<Step> pair = FindAlignedPairExclusion(board)) {
        return pair;
    }
    return FindAlignedTripletExclusion(board);
}

}  // namespace Novem::Ladder
