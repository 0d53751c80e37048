#include "Names.h"

#include <array>

#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem::Names {

std::string Cell(int cell) {
    return {'r', static_cast<char>('1' + GridGeometry::RowOf(cell)), 'c',
            static_cast<char>('1' + GridGeometry::ColumnOf(cell))};
}

std::string Region(int region) {
    static constexpr std::array<std::string_view, 3> kKinds = {"block ", "row ", "column "};
    return std::string(kKinds[static_cast<int>(GridGeometry::KindOf(region))]) +
           static_cast<char>('1' + GridGeometry::NumberOf(region));
}

std::string Digits(unsigned digits) {
    std::string text;
    for (const int digit : Bits::Indices(digits)) {
        text += text.empty() ? "" : ",";
        text += static_cast<char>('1' + digit);
    }
    return Bits::Count(digits) > 1 ? "{" + text + "}" : text;
}

std::string Candidate(const Ladder::Candidate& candidate) {
    return static_cast<char>('1' + candidate.digit) + Cell(candidate.cell);
}

std::string Cells(const std::vector<int>& cells) {
    std::string text;
    for (const int cell : cells) {
        text += text.empty() ? "" : " ";
        text += Cell(cell);
    }
    return text;
}

}  // namespace Novem::Names
