#include "Propagation.h"

#include <algorithm>

namespace Novem::Ladder {

namespace {

constexpr int kCandidates = GridGeometry::kCells * GridGeometry::kSize;

int IndexOf(const Candidate& candidate) {
    return candidate.cell * GridGeometry::kSize + candidate.digit;
}

Candidate CandidateOf(int index) {
    return {index / GridGeometry::kSize, index % GridGeometry::kSize};
}

// Places the digit in the cell: the cell's other digits and the digit's peers go.
void Place(Propagation::Outcome& outcome, int cell, int digit) {
    for (int other = 0; other < GridGeometry::kSize; ++other) {
        if (other != digit) {
            outcome.possible[other] -= CellMask::Of(cell);
        }
    }
    outcome.possible[digit] -= kPeers[cell];
    outcome.placed[digit] |= CellMask::Of(cell);
}

}  // namespace

Propagation::Propagation(const Board& board) : m_board(board) {}

Propagation::Outcome Propagation::From(const Candidate& assumption) const {
    Outcome outcome;
    CellMask placedCells;
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        outcome.possible[digit] = m_board.CellsOf(digit);
        outcome.placed[digit] = m_board.CellsOf(digit) - m_board.Open();
        placedCells |= outcome.placed[digit];
    }
    Place(outcome, assumption.cell, assumption.digit);
    placedCells |= CellMask::Of(assumption.cell);
    for (bool changed = true; changed;) {
        changed = false;
        CellMask once;
        CellMask twice;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            twice |= once & outcome.possible[digit];
            once |= outcome.possible[digit];
        }
        if (once.Count() != GridGeometry::kCells) {
            outcome.contradiction = true;
            return outcome;
        }
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            const CellMask singles = (once - twice - placedCells) & outcome.possible[digit];
            for (const int cell : singles) {
                Place(outcome, cell, digit);
                placedCells |= CellMask::Of(cell);
                changed = true;
            }
            for (int region = 0; region < GridGeometry::kRegions; ++region) {
                const CellMask places = kRegionCells[region] & outcome.possible[digit];
                if (places.Empty()) {
                    outcome.contradiction = true;
                    return outcome;
                }
                if (places.Count() == 1 && (places & placedCells).Empty()) {
                    Place(outcome, places.First(), digit);
                    placedCells |= places;
                    changed = true;
                }
            }
        }
    }
    return outcome;
}

Branch Propagation::Explain(const Candidate& assumption,
                            const std::vector<Candidate>& wanted) const {
    // By candidate: unknown, true or false, the order found and what it was found from.
    enum class State { Unknown, On, Off };
    std::vector<State> state(kCandidates, State::Unknown);
    std::vector<int> order(kCandidates, -1);
    std::vector<std::vector<int>> because(kCandidates);
    std::vector<int> found;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            state[IndexOf({cell, digit})] = !m_board.Has(cell, digit)  ? State::Off
                                            : m_board.Open().Has(cell) ? State::Unknown
                                                                       : State::On;
        }
    }
    const auto set = [&](int index, State value, std::vector<int> reasons) {
        state[index] = value;
        order[index] = static_cast<int>(found.size());
        because[index] = std::move(reasons);
        found.push_back(index);
    };
    // The candidates of a cell, or of a digit in a region, that are already false.
    const auto falseAmong = [&](const std::vector<int>& indices) {
        std::vector<int> reasons;
        for (const int index : indices) {
            if (order[index] != -1) {
                reasons.push_back(index);
            }
        }
        return reasons;
    };
    int contradiction = -1;
    std::vector<int> contradictionBecause;
    set(IndexOf(assumption), State::On, {});
    for (std::size_t next = 0; next < found.size() && contradiction == -1; ++next) {
        const Candidate candidate = CandidateOf(found[next]);
        if (state[found[next]] == State::On) {
            std::vector<int> excluded;
            for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
                if (digit != candidate.digit) {
                    excluded.push_back(IndexOf({candidate.cell, digit}));
                }
            }
            for (const int peer : kPeers[candidate.cell]) {
                excluded.push_back(IndexOf({peer, candidate.digit}));
            }
            for (const int index : excluded) {
                if (state[index] == State::Unknown) {
                    set(index, State::Off, {found[next]});
                } else if (state[index] == State::On) {
                    // Two digits for one cell, or one digit twice in a region.
                    contradiction = found[next];
                    contradictionBecause = {found[next], index};
                    break;
                }
            }
            continue;
        }
        // A candidate made false: its cell, or its digit in one of its regions, may be down to
        // one, or none.
        std::vector<int> cellCandidates;
        for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
            cellCandidates.push_back(IndexOf({candidate.cell, digit}));
        }
        std::vector<std::vector<int>> groups{cellCandidates};
        for (const GridGeometry::Place& place : GridGeometry::kPlacesOfCell[candidate.cell]) {
            std::vector<int> places;
            for (const int cell : GridGeometry::kCellsOfRegion[place.region]) {
                places.push_back(IndexOf({cell, candidate.digit}));
            }
            groups.push_back(places);
        }
        for (const std::vector<int>& group : groups) {
            const auto alive = std::count_if(group.begin(), group.end(),
                                             [&](int index) { return state[index] != State::Off; });
            const auto on = std::count_if(group.begin(), group.end(),
                                          [&](int index) { return state[index] == State::On; });
            if (alive == 0) {
                contradiction = found[next];
                contradictionBecause = falseAmong(group);
                break;
            }
            if (alive == 1 && on == 0) {
                const int last = *std::find_if(group.begin(), group.end(), [&](int index) {
                    return state[index] != State::Off;
                });
                set(last, State::On, falseAmong(group));
            }
        }
    }
    // Only what the wanted conclusions rest on, in the order it was found.
    std::vector<bool> needed(kCandidates, false);
    std::vector<int> pending = contradiction != -1 ? contradictionBecause : std::vector<int>();
    for (const Candidate& candidate : wanted) {
        pending.push_back(IndexOf(candidate));
    }
    while (!pending.empty()) {
        const int index = pending.back();
        pending.pop_back();
        if (order[index] == -1 || needed[index]) {
            continue;
        }
        needed[index] = true;
        pending.insert(pending.end(), because[index].begin(), because[index].end());
    }
    Branch branch{assumption, {}, contradiction != -1};
    for (const int index : found) {
        if (needed[index] && index != IndexOf(assumption)) {
            branch.implications.push_back({CandidateOf(index), state[index] == State::On});
        }
    }
    return branch;
}

}  // namespace Novem::Ladder
