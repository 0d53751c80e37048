// Single-digit patterns: the X-chains of two strong links, named by where they lie. Two cells
// that are a digit's only places in a region (a strong link) have it in one of them; when one end
// of such a link sees one end of another (a weak link), one of the two far ends holds the digit,
// and a cell that sees both far ends can't. With both strong links in rows, or both in columns,
// the pattern is a skyscraper; with one in a row and one in a column, their near ends sharing a
// block, a two-string kite; any other, a block among its strong links, is a turbot fish. Tried
// by the first candidate removed, in cell and digit order.
#include "ChainSteps.h"
#include "Families.h"

namespace Novem::Ladder {

namespace {

using GridGeometry::RegionKind;

// The kind of the region two cells share, rows before columns before blocks.
RegionKind SharedKind(int a, int b) {
    if (GridGeometry::RowOf(a) == GridGeometry::RowOf(b)) {
        return RegionKind::Row;
    }
    return GridGeometry::ColumnOf(a) == GridGeometry::ColumnOf(b) ? RegionKind::Column
                                                                  : RegionKind::Block;
}

Technique Name(const ChainSearch::Chain& chain) {
    const RegionKind first = SharedKind(chain.nodes[0].cell, chain.nodes[1].cell);
    const RegionKind second = SharedKind(chain.nodes[2].cell, chain.nodes[3].cell);
    const RegionKind middle = SharedKind(chain.nodes[1].cell, chain.nodes[2].cell);
    if (first == second && first != RegionKind::Block) {
        return Technique::Skyscraper;
    }
    if (first != RegionKind::Block && second != RegionKind::Block && middle == RegionKind::Block) {
        return Technique::TwoStringKite;
    }
    return Technique::TurbotFish;
}

}  // namespace

std::optional<Step> FindSingleDigitPattern(const Board& board, unsigned digits) {
    const ChainSearch patterns(board, {.regionStrong = true,
                                       .regionWeak = true,
                                       .digits = digits,
                                       .fewestStrong = 2,
                                       .mostStrong = 2});
    if (const auto chain = patterns.Find()) {
        return StepOfChain(board, patterns, *chain, Name(*chain));
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
