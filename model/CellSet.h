#pragma once

#include <cstddef>
#include <set>

#include "Cell.h"

namespace Novem {

// An ordered set of non-owning cell pointers. Cells of one grid lie in one array, so pointer order
// is grid order and every iteration visits cells row by row. The set operations return new sets
// and never change their operands.
//
// This algebra, and the regions' links back from their cells, are the model's own: kept and
// tested for code that reasons in sets of cells. The solvers do not use them. They read the
// grid's structure from GridGeometry's constant tables and the candidates as words, which gives
// the same results without building a set per question; putting the sets back on that path
// would cost it most of its speed.
template <std::size_t N>
class CellSet : private std::set<Cell<N>*> {
    using Base = std::set<Cell<N>*>;

public:
    using Candidates = typename Cell<N>::Candidates;
    using Base::begin;
    using Base::empty;
    using Base::end;
    using Base::size;

    CellSet() = default;
    CellSet(const CellSet&) = default;
    CellSet& operator=(const CellSet&) = default;
    virtual ~CellSet() = default;

    virtual void Add(Cell<N>* cell) { Base::insert(cell); }

    // Bit k of `mask` picks the k-th cell in set order; bits beyond the last cell are ignored.
    CellSet Subset(unsigned mask) const {
        CellSet result;
        for (auto it = begin(); mask != 0 && it != end(); ++it, mask >>= 1U) {
            if ((mask & 1U) != 0) {
                result.Add(*it);
            }
        }
        return result;
    }

    CellSet Difference(const CellSet& other) const {
        CellSet result(*this);
        for (Cell<N>* cell : other) {
            result.Base::erase(cell);
        }
        return result;
    }

    CellSet Intersection(const CellSet& other) const {
        CellSet result;
        for (Cell<N>* cell : other) {
            if (Base::contains(cell)) {
                result.Add(cell);
            }
        }
        return result;
    }

    Candidates CandidateUnion() const {
        Candidates result;
        for (const Cell<N>* cell : *this) {
            if (result.all()) {
                break;
            }
            result |= cell->GetCandidates();
        }
        return result;
    }
};

}  // namespace Novem
