#pragma once

#include <array>
#include <string>

#include "model/GridUpdateListener.h"
#include "model/Grid_9x9.h"

namespace Novem {

inline constexpr const char* kRunLogFileName = "NovemSolver.txt";

// Makes the bytes the run log holds for each grid update: the event's text form with every LF
// stored as CR LF, as a text stream stores it, then two separator lines, each written as
// "\r\n" and so stored as CR CR LF, which readers of the log rely on. Consecutive updates differ
// in a few cells, so it keeps each row's text and rebuilds only the rows that changed.
class RunLogBlocks {
public:
    // The longest candidate text, "{1,2,3,4,5,6,7,8,9}", padded so that it is copied whole.
    static constexpr std::size_t kCellTextSize = 24;
    // A row at its longest, with its CR LF, and room for the padding of its last text.
    static constexpr std::size_t kRowCapacity = GridGeometry::kSize * (kCellTextSize + 1) + 2;

    void Append(std::string& stored, const GridUpdateListener<Grid_9x9>::GridUpdateEvent& event);

private:
    static constexpr std::size_t kMaxRuleName = 64;
    // The header with the longest rule name and step, the rows, the separators.
    static constexpr std::size_t kBlockCapacity =
        32 + kMaxRuleName + 16 + GridGeometry::kSize * kRowCapacity + 6;

    // Candidates no cell can have until the row's text is first made.
    struct Row {
        Row() { candidates.fill(~0UL); }

        std::array<unsigned long, GridGeometry::kSize> candidates;
        std::array<char, kRowCapacity> text{};
        std::size_t size = 0;
    };

    std::array<Row, GridGeometry::kSize> m_rows;
    std::array<char, kBlockCapacity> m_block{};
};

}  // namespace Novem
