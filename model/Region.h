#pragma once

#include <cstddef>

#include "CellSet.h"

namespace Novem {

// A row, column or block. It keeps the back-links of its cells: a cell is in a region exactly when
// the region is in the cell's GetRegions(). Its kind and number follow from its place in the grid.
template <std::size_t N>
class Region : public CellSet<N> {
public:
    Region() = default;
    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;

    ~Region() override {
        for (Cell<N>* cell : *this) {
            cell->GetRegions().erase(this);
        }
    }

    void Add(Cell<N>* cell) override {
        CellSet<N>::Add(cell);
        cell->GetRegions().insert(this);
    }
};

}  // namespace Novem
