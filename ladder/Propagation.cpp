#include "Propagation.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

namespace Novem::Ladder {

namespace {

constexpr int kCandidates = GridGeometry::kCells * GridGeometry::kSize;

int IndexOf(const Candidate& candidate) {
    return candidate.cell * GridGeometry::kSize + candidate.digit;
}

Candidate CandidateOf(int index) {
    return {index / GridGeometry::kSize, index % GridGeometry::kSize};
}

enum class State : std::uint8_t { Unknown, On, Off };

// One branch followed one candidate at a time: each candidate's state and, for those the branch
// decided, the order they were found in and what they were found from. A nested branch starts
// from the state of the branch it is nested in; what it takes from there it does not explain but
// names, for the outer branch to explain.
class Explainer {
public:
    Explainer(const Board& board, const Reach& reach)
        : m_reach(reach), m_state(kCandidates), m_outer(kCandidates, false) {
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
                m_state[IndexOf({cell, digit})] = !board.Has(cell, digit)  ? State::Off
                                                  : board.Open().Has(cell) ? State::Unknown
                                                                           : State::On;
            }
        }
    }

    explicit Explainer(const Explainer& outer)
        : m_reach(outer.m_reach.Inner()), m_state(outer.m_state), m_outer(kCandidates) {
        for (int index = 0; index < kCandidates; ++index) {
            m_outer[index] = outer.m_order[index] != -1 || outer.m_outer[index];
        }
    }

    // The branch of the assumption, down to what `wanted` and the contradiction rest on; the
    // outer branch's facts they rest on go to `outerFacts`.
    Branch Run(const Candidate& assumption, const std::vector<Candidate>& wanted,
               std::vector<int>* outerFacts) {
        Set(IndexOf(assumption), State::On, std::array<int, 0>{});
        for (std::size_t next = 0; !m_contradicted;) {
            if (next < m_found.size()) {
                Follow(m_found[next++]);
            } else if (!(m_reach.basics && (LockedCandidates() || Pairs())) &&
                       !(m_reach.depth > 0 && NestedContradiction())) {
                break;
            }
        }
        std::vector<bool> needed(kCandidates, false);
        std::vector<int> pending = m_contradictionBecause;
        for (const Candidate& candidate : wanted) {
            pending.push_back(IndexOf(candidate));
        }
        while (!pending.empty()) {
            const int index = pending.back();
            pending.pop_back();
            if (needed[index]) {
                continue;
            }
            needed[index] = true;
            if (m_outer[index] && outerFacts != nullptr) {
                outerFacts->push_back(index);
            }
            if (m_order[index] != -1) {
                const auto [start, count] = m_because[index];
                pending.insert(pending.end(), m_reasons.begin() + start,
                               m_reasons.begin() + start + count);
            }
        }
        Branch branch{assumption, {}, m_contradicted, Candidates(m_contradictionBecause)};
        for (const int index : m_found) {
            if (needed[index] && index != IndexOf(assumption)) {
                const auto [start, count] = m_because[index];
                branch.implications.push_back(
                    {CandidateOf(index), m_state[index] == State::On, std::move(m_nested[index]),
                     Candidates(std::span(m_reasons).subspan(start, count))});
            }
        }
        return branch;
    }

private:
    template <typename Indices>
    static std::vector<Candidate> Candidates(const Indices& indices) {
        std::vector<Candidate> candidates;
        std::transform(indices.begin(), indices.end(), std::back_inserter(candidates), CandidateOf);
        return candidates;
    }

    template <typename Reasons>
    void Set(int index, State value, const Reasons& reasons) {
        m_state[index] = value;
        m_order[index] = static_cast<int>(m_found.size());
        m_because[index] = {static_cast<int>(m_reasons.size()), static_cast<int>(reasons.size())};
        m_reasons.insert(m_reasons.end(), reasons.begin(), reasons.end());
        m_found.push_back(index);
    }

    void Contradiction(std::vector<int> reasons) {
        m_contradicted = true;
        m_contradictionBecause = std::move(reasons);
    }

    // Those of the candidates that are false by this branch or the one it is nested in: the
    // reasons a group of them gives.
    template <typename Indices>
    std::vector<int> Known(const Indices& indices) const {
        std::vector<int> known;
        std::copy_if(indices.begin(), indices.end(), std::back_inserter(known),
                     [&](int index) { return m_order[index] != -1 || m_outer[index]; });
        return known;
    }

    // A candidate made true takes its cell's other digits and its digit from its peers; one made
    // false may leave its cell, or its digit in one of its regions, with one place or none.
    void Follow(int index) {
        const Candidate candidate = CandidateOf(index);
        if (m_state[index] == State::On) {
            const auto exclude = [&](int other) {
                if (m_state[other] == State::Unknown) {
                    Set(other, State::Off, std::array<int, 1>{index});
                } else if (m_state[other] == State::On) {
                    // Two digits for one cell, or one digit twice in a region.
                    Contradiction({index, other});
                }
                return !m_contradicted;
            };
            for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
                if (digit != candidate.digit && !exclude(IndexOf({candidate.cell, digit}))) {
                    return;
                }
            }
            for (const int peer : kPeers[candidate.cell]) {
                if (!exclude(IndexOf({peer, candidate.digit}))) {
                    return;
                }
            }
            return;
        }
        using Group = std::array<int, GridGeometry::kSize>;
        std::array<Group, 4> groups{};
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            groups[0][digit] = IndexOf({candidate.cell, digit});
        }
        for (std::size_t kind = 0; kind < 3; ++kind) {
            const int region = GridGeometry::kPlacesOfCell[candidate.cell][kind].region;
            for (int position = 0; position < GridGeometry::kSize; ++position) {
                groups[kind + 1][position] =
                    IndexOf({GridGeometry::kCellsOfRegion[region][position], candidate.digit});
            }
        }
        for (const Group& group : groups) {
            int alive = 0;
            int last = -1;
            bool on = false;
            for (const int other : group) {
                if (m_state[other] != State::Off) {
                    ++alive;
                    last = other;
                    on = on || m_state[other] == State::On;
                }
            }
            if (alive == 0) {
                Contradiction(Known(group));
                return;
            }
            if (alive == 1 && !on) {
                Set(last, State::On, Known(group));
            }
        }
    }

    Boards AsBoards() const {
        Boards boards;
        for (int index = 0; index < kCandidates; ++index) {
            const Candidate candidate = CandidateOf(index);
            if (m_state[index] != State::Off) {
                boards.possible[candidate.digit] |= CellMask::Of(candidate.cell);
            }
            if (m_state[index] == State::On) {
                boards.settled |= CellMask::Of(candidate.cell);
            }
        }
        return boards;
    }

    static std::vector<int> IndicesOf(const CellMask& cells, int digit) {
        std::vector<int> indices;
        for (const int cell : cells) {
            indices.push_back(IndexOf({cell, digit}));
        }
        return indices;
    }

    // Removes the digits from the cells, each because of `reasons`; whether any went.
    bool Remove(const CellMask& cells, unsigned digits, const std::vector<int>& reasons) {
        bool removed = false;
        for (const int cell : cells) {
            for (const int digit : Bits::Indices(digits)) {
                if (m_state[IndexOf({cell, digit})] == State::Unknown) {
                    Set(IndexOf({cell, digit}), State::Off, reasons);
                    removed = true;
                }
            }
        }
        return removed;
    }

    // The first pointing or claiming there is, by digit and crossing, as the fast engine finds
    // them: its removals, each because of the digit's places gone from the rest of its region.
    bool LockedCandidates() {
        const Boards boards = AsBoards();
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            const CellMask& cells = boards.possible[digit];
            for (const auto& [block, line] : kCrossings) {
                const CellMask inBlock = block & cells;
                const CellMask inLine = line & cells;
                if ((inBlock & line).Empty()) {
                    continue;
                }
                CellMask removed;
                CellMask confined;
                if ((inBlock - line).Empty() && !(inLine - block).Empty()) {
                    removed = inLine - block;
                    confined = block - line;
                } else if ((inLine - block).Empty() && !(inBlock - line).Empty()) {
                    removed = inBlock - line;
                    confined = line - block;
                } else {
                    continue;
                }
                if (Remove(removed, 1U << digit, Known(IndicesOf(confined, digit)))) {
                    return true;
                }
            }
        }
        return false;
    }

    // The first naked pair there is, by digits and region, then the first hidden pair, by region
    // and digits: its removals, because of the pair's cells' other digits gone, or the pair's
    // digits gone from the rest of the region.
    bool Pairs() {
        const Boards boards = AsBoards();
        const auto& possible = boards.possible;
        const CellMask bivalue = Bivalue(possible);
        for (int a = 0; a < GridGeometry::kSize; ++a) {
            for (int b = a + 1; b < GridGeometry::kSize; ++b) {
                const unsigned pair = 1U << a | 1U << b;
                for (const CellMask& region : kRegionCells) {
                    const CellMask cells = possible[a] & possible[b] & bivalue & region;
                    if (cells.AtMostOne()) {
                        continue;
                    }
                    std::vector<int> reasons;
                    for (const int cell : cells) {
                        for (const int digit : Bits::Indices(GridGeometry::kAllDigits & ~pair)) {
                            reasons.push_back(IndexOf({cell, digit}));
                        }
                    }
                    if (Remove(region - cells, pair, Known(reasons))) {
                        return true;
                    }
                }
            }
        }
        for (const CellMask& region : kRegionCells) {
            for (int a = 0; a < GridGeometry::kSize; ++a) {
                const CellMask places = region & possible[a];
                for (int b = a + 1; b < GridGeometry::kSize && places.Two(); ++b) {
                    if ((region & possible[b]) != places) {
                        continue;
                    }
                    std::vector<int> reasons;
                    for (const int cell : region - places) {
                        reasons.push_back(IndexOf({cell, a}));
                        reasons.push_back(IndexOf({cell, b}));
                    }
                    if (Remove(places, GridGeometry::kAllDigits & ~(1U << a | 1U << b),
                               Known(reasons))) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    // The first candidate, by cell and digit, whose assumption contradicts itself within the
    // inner reach: it is false, because of what its own branch takes from this one.
    bool NestedContradiction() {
        const Boards boards = AsBoards();
        for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
            for (int digit = 0; digit < GridGeometry::kSize && !boards.settled.Has(cell); ++digit) {
                Boards trial = boards;
                if (!boards.possible[digit].Has(cell) ||
                    Assume(trial, cell, digit, m_reach.Inner())) {
                    continue;
                }
                std::vector<int> reasons;
                Branch nested = Explainer(*this).Run({cell, digit}, {}, &reasons);
                const int index = IndexOf({cell, digit});
                Set(index, State::Off, reasons);
                m_nested[index].push_back(std::move(nested));
                return true;
            }
        }
        return false;
    }

    Reach m_reach;
    std::vector<State> m_state;
    std::vector<int> m_order = std::vector<int>(kCandidates, -1);
    // Decided in the branch this one is nested in, or in one further out.
    std::vector<bool> m_outer;
    // Where each candidate's reasons lie in m_reasons: their start and count.
    std::vector<std::pair<int, int>> m_because = std::vector<std::pair<int, int>>(kCandidates);
    std::vector<int> m_reasons;
    std::vector<std::vector<Branch>> m_nested = std::vector<std::vector<Branch>>(kCandidates);
    std::vector<int> m_found;
    bool m_contradicted = false;
    std::vector<int> m_contradictionBecause;
};

}  // namespace

Propagation::Propagation(const Board& board, const Reach& reach) : m_board(board), m_reach(reach) {}

Propagation::Outcome Propagation::From(const Candidate& assumption) const {
    Boards boards = Boards::Of(m_board);
    Outcome outcome;
    outcome.contradiction = !Assume(boards, assumption.cell, assumption.digit, m_reach);
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        outcome.possible[digit] = boards.possible[digit];
        outcome.placed[digit] = boards.Placed(digit);
    }
    return outcome;
}

Branch Propagation::Explain(const Candidate& assumption,
                            const std::vector<Candidate>& wanted) const {
    // Unbounded: what the bounded search found, the explanation finds again.
    return Explainer(m_board, {m_reach.basics, m_reach.depth}).Run(assumption, wanted, nullptr);
}

}  // namespace Novem::Ladder
