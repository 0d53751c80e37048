#pragma once

#include <bitset>
#include <cstddef>
#include <set>
#include <stdexcept>
#include <string>

#include "Bits.h"

namespace Novem {

template <std::size_t N>
class Region;

// One square of the grid. A cell holds no digit of its own: it is decided when exactly one
// candidate remains and contradicted when none does; neither state is checked or reported here.
template <std::size_t N>
class Cell {
public:
    // Bit k stands for digit k + 1.
    using Candidates = std::bitset<N>;

    Cell() { m_candidates.set(); }
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;
    // The regions unlink themselves before the grid destroys its cells.
    virtual ~Cell() = default;

    Candidates& GetCandidates() { return m_candidates; }
    const Candidates& GetCandidates() const { return m_candidates; }

    // Regions insert and erase themselves here; nothing else should.
    std::set<Region<N>*>& GetRegions() { return m_regions; }
    const std::set<Region<N>*>& GetRegions() const { return m_regions; }

    // Makes `digit` the only candidate. A digit outside 1..N leaves the cell without candidates
    // and throws std::out_of_range.
    void SetValue(int digit) {
        m_candidates.reset();
        // Unsigned, so that 0 and negative digits land above N - 1 as well.
        const auto position = static_cast<unsigned>(digit) - 1U;
        if (position >= N) {
            throw std::out_of_range("invalid bitset<N> position");
        }
        m_candidates.set(position);
    }

    // True, with `digit` set, when exactly one candidate remains; otherwise `digit` is untouched.
    bool GetValue(int& digit) const {
        const unsigned long word = m_candidates.to_ulong();
        if (Bits::Count(word) != 1) {
            return false;
        }
        digit = Bits::Lowest(word) + 1;
        return true;
    }

    // The candidates as "{1,4,9}"; "{}" when there are none.
    std::string ToString() const {
        std::string text;
        AppendTo(text);
        return text;
    }

    // Appends what ToString gives, sparing the grid dump a string per cell.
    void AppendTo(std::string& text) const {
        text += '{';
        for (const int digit : Bits::Indices(m_candidates.to_ulong())) {
            if (text.back() != '{') {
                text += ',';
            }
            text += std::to_string(digit + 1);
        }
        text += '}';
    }

private:
    Candidates m_candidates;
    std::set<Region<N>*> m_regions;
};

}  // namespace Novem
