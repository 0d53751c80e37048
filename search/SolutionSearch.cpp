#include "SolutionSearch.h"

#include "BandBoards.h"
#include "SearchTables.h"
#include "model/Bits.h"

namespace Novem::Search {

namespace {

constexpr int kDigits = GridGeometry::kSize;

// Depth-first search with propagation: every state is narrowed by what must follow from it
// (singles, and the triads a digit can take in each band and stack) before the search guesses a
// digit for a cell with the fewest candidates. States are copied, not undone: they are small.
class Searcher {
public:
    explicit Searcher(int limit) : m_limit(limit) {}

    void Search(BandBoards state) {
        if (!Propagate(state)) {
            return;
        }
        int band = 0;
        Band cell = 0;
        if (!ChooseCell(state, band, cell)) {
            Record(state);
            return;
        }
        for (int digit = 0; digit < kDigits && m_outcome.solutions < m_limit; ++digit) {
            if ((state.digits[digit][band] & cell) != 0) {
                BandBoards guess = state;
                Place(guess, digit, band, cell);
                Search(guess);
            }
        }
    }

    const Outcome& Result() const { return m_outcome; }

private:
    // Puts the digit in a cell that allows it, which then allows no other.
    static void Place(BandBoards& state, int digit, int band, Band cell) {
        for (int other = 0; other < kDigits; ++other) {
            if (other != digit && (state.digits[other][band] & cell) != 0) {
                state.digits[other][band] &= ~cell;
                state.changed |= 1U << other;
            }
        }
        // A single cell never shares a unit with another of its own.
        static_cast<void>(Settle(state, digit, band, cell));
    }

    // Makes the digit's cells of a band, which allow it and no other, its places: it leaves their
    // rows, blocks and columns. False when two of them share one.
    static bool Settle(BandBoards& state, int digit, int band, Band cells) {
        Band taken = 0;
        for (int unit = 0; unit < 3; ++unit) {
            for (const Band unitCells : {Tables::RowOf(unit), Tables::BlockOf(unit)}) {
                const Band here = cells & unitCells;
                if (Bits::WithoutLowest(here) != 0) {
                    return false;
                }
                taken |= here != 0 ? unitCells : 0;
            }
        }
        const Band columns = (cells | cells >> 9 | cells >> 18) & 0x1FF;
        const Band columnCells = columns | columns << 9 | columns << 18;
        std::array<Band, kBands>& board = state.digits[digit];
        const Band before = board[band];
        board[band] = (board[band] & ~(taken | columnCells)) | cells;
        bool changed = board[band] != before;
        for (int other = 0; other < kBands; ++other) {
            if (other != band && (board[other] & columnCells) != 0) {
                board[other] &= ~columnCells;
                changed = true;
            }
        }
        state.changed |= changed ? 1U << digit : 0U;
        state.placed[band] |= cells;
        return true;
    }

    // Narrows the state until nothing more follows; false on a contradiction.
    static bool Propagate(BandBoards& state) {
        while (state.changed != 0) {
            const unsigned work = state.changed;
            state.changed = 0;
            if (!PlaceNakedSingles(state)) {
                return false;
            }
            // Placed cells never lose their digit nor share it with a unit: a full grid is a
            // solution.
            if (Full(state)) {
                return true;
            }
            for (const int digit : Bits::Indices(work)) {
                if (!KeepToPermutations(state.digits[digit])) {
                    return false;
                }
            }
            for (const int digit : Bits::Indices(work)) {
                PlaceHiddenSingles(state, digit);
            }
        }
        return true;
    }

    static bool Full(const BandBoards& state) {
        return (state.placed[0] & state.placed[1] & state.placed[2]) == kBandCells;
    }

    // A digit takes one triad in each row and block of a band and in each column and block of a
    // stack; the triads that lie on no such choice lose it. False when none is left.
    static bool KeepToPermutations(std::array<Band, kBands>& board) {
        for (bool changed = true; changed;) {
            changed = false;
            for (Band& band : board) {
                const unsigned matrix = Tables::kTriadsOfRow[band & 0x1FF] |
                                        Tables::kTriadsOfRow[band >> 9 & 0x1FF] << 3 |
                                        Tables::kTriadsOfRow[band >> 18] << 6;
                const unsigned allowed = Tables::kOnPermutation[matrix];
                if (allowed == 0) {
                    return false;
                }
                if (allowed != matrix) {
                    band &= Tables::kCellsOfBandTriads[allowed];
                }
            }
            std::array<Band, kBands> columns{};
            for (int band = 0; band < kBands; ++band) {
                columns[band] = (board[band] | board[band] >> 9 | board[band] >> 18) & 0x1FF;
            }
            for (int stack = 0; stack < 3; ++stack) {
                const unsigned matrix = (columns[0] >> (3 * stack) & 7U) |
                                        (columns[1] >> (3 * stack) & 7U) << 3 |
                                        (columns[2] >> (3 * stack) & 7U) << 6;
                const unsigned allowed = Tables::kOnPermutation[matrix];
                if (allowed == 0) {
                    return false;
                }
                if (allowed == matrix) {
                    continue;
                }
                for (int band = 0; band < kBands; ++band) {
                    const Band lost = (~(allowed >> (3 * band)) & 7U) << (3 * stack);
                    board[band] &= ~(lost | lost << 9 | lost << 18);
                }
                // Lines of a band may lose triads now: look at the bands again.
                changed = true;
            }
        }
        return true;
    }

    // Places the digit of every cell with one candidate; false when a cell has none left.
    static bool PlaceNakedSingles(BandBoards& state) {
        for (int band = 0; band < kBands; ++band) {
            Band once = 0;
            Band twice = 0;
            for (int digit = 0; digit < kDigits; ++digit) {
                twice |= once & state.digits[digit][band];
                once |= state.digits[digit][band];
            }
            if (once != kBandCells) {
                return false;
            }
            const Band singles = once & ~twice & ~state.placed[band];
            for (int digit = 0; singles != 0 && digit < kDigits; ++digit) {
                const Band mine = singles & state.digits[digit][band];
                if (mine != 0 && !Settle(state, digit, band, mine)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Places the digit where a row, a block or a column has one cell left for it. A unit left
    // with none is found by the permutations.
    static void PlaceHiddenSingles(BandBoards& state, int digit) {
        const std::array<Band, kBands>& board = state.digits[digit];
        for (int band = 0; band < kBands; ++band) {
            for (int unit = 0; unit < 3; ++unit) {
                for (const Band cells : {Tables::RowOf(unit), Tables::BlockOf(unit)}) {
                    const Band left = board[band] & cells;
                    if (Bits::WithoutLowest(left) == 0 && (left & ~state.placed[band]) != 0) {
                        Place(state, digit, band, left);
                    }
                }
            }
        }
        Band any = 0;
        Band several = 0;
        for (const Band band : board) {
            const Band folded = (band | band >> 9 | band >> 18) & 0x1FF;
            several |= (any & folded) |
                       ((band & band >> 9) | (band & band >> 18) | (band >> 9 & band >> 18));
            any |= folded;
        }
        for (const int column : Bits::Indices(any & ~several & 0x1FF)) {
            for (int band = 0; band < kBands; ++band) {
                const Band cell = board[band] & Tables::ColumnOf(column);
                if ((cell & ~state.placed[band]) != 0) {
                    Place(state, digit, band, cell);
                }
            }
        }
    }

    // The open cell with the fewest candidates, found from bit-sliced counts of each band's
    // cells; false when every cell is placed.
    static bool ChooseCell(const BandBoards& state, int& band, Band& cell) {
        int fewest = kDigits + 1;
        for (int candidateBand = 0; candidateBand < kBands; ++candidateBand) {
            const Band open = kBandCells & ~state.placed[candidateBand];
            if (open == 0) {
                continue;
            }
            // At least one, two, three and four candidates.
            std::array<Band, 4> atLeast{};
            for (int digit = 0; digit < kDigits; ++digit) {
                const Band cells = state.digits[digit][candidateBand];
                for (int count = 3; count > 0; --count) {
                    atLeast[count] |= atLeast[count - 1] & cells;
                }
                atLeast[0] |= cells;
            }
            for (int count = 2; count < std::min(fewest, 5); ++count) {
                const Band exactly =
                    open & (count == 4 ? atLeast[3] : atLeast[count - 1] & ~atLeast[count]);
                if (exactly != 0) {
                    fewest = count;
                    band = candidateBand;
                    cell = Bits::LowestOnly(exactly);
                    if (count == 2) {
                        return true;
                    }
                }
            }
        }
        return fewest <= kDigits;
    }

    void Record(const BandBoards& state) {
        if (m_outcome.solutions++ > 0) {
            return;
        }
        for (int digit = 0; digit < kDigits; ++digit) {
            for (int band = 0; band < kBands; ++band) {
                for (const int position : Bits::Indices(state.digits[digit][band])) {
                    m_outcome.solution[27 * band + position] = static_cast<char>('1' + digit);
                }
            }
        }
    }

    int m_limit;
    Outcome m_outcome;
};

}  // namespace

Outcome CountSolutions(const Candidates& candidates, int limit) {
    BandBoards state{};
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        for (const int digit : Bits::Indices(candidates[cell] & GridGeometry::kAllDigits)) {
            state.digits[digit][BandOf(cell)] |= BitOf(cell);
        }
    }
    state.changed = GridGeometry::kAllDigits;
    Searcher searcher(limit);
    searcher.Search(state);
    return searcher.Result();
}

}  // namespace Novem::Search
