// Simple colouring. A digit's strong links (a region's only two places for it) join cells into
// clusters, and along each link the digit is in exactly one of the two cells: colouring the cells
// alternately in two colours, one colour holds the digit everywhere and the other nowhere. Colour
// wrap: two cells of one colour see each other, so that colour can't be the true one and loses
// the digit. Colour trap: a cell outside the cluster that sees both colours can't hold the digit.
// Tried by digit, clusters by their first cell, wrap before trap.
#include <array>

#include "Families.h"

namespace Novem::Ladder {

namespace {

// The clusters of a digit, each as the cells of its two colours.
std::vector<std::array<CellMask, 2>> Clusters(const Board& board, int digit) {
    std::vector<std::array<int, 2>> links;
    for (int region = 0; region < GridGeometry::kRegions; ++region) {
        const CellMask places = kRegionCells[region] & board.CellsOf(digit);
        if (places.Count() == 2 && !(places & board.Open()).Empty()) {
            const int first = places.First();
            links.push_back({first, (places - CellMask::Of(first)).First()});
        }
    }
    std::vector<std::array<CellMask, 2>> clusters;
    CellMask coloured;
    for (const auto& [start, unused] : links) {
        if (coloured.Has(start)) {
            continue;
        }
        std::array<CellMask, 2> colours{CellMask::Of(start), CellMask()};
        for (bool grew = true; grew;) {
            grew = false;
            for (const auto& [a, b] : links) {
                for (int colour = 0; colour < 2; ++colour) {
                    const CellMask& mine = colours[colour];
                    CellMask& other = colours[1 - colour];
                    if ((mine.Has(a) && !other.Has(b)) || (mine.Has(b) && !other.Has(a))) {
                        other |= CellMask::Of(mine.Has(a) ? b : a);
                        grew = true;
                    }
                }
            }
        }
        coloured |= colours[0] | colours[1];
        if (colours[0].Count() + colours[1].Count() >= 2) {
            clusters.push_back(colours);
        }
    }
    return clusters;
}

Step ColourStep(Technique technique, int digit, const std::array<CellMask, 2>& colours,
                const CellMask& removed) {
    Step step{technique};
    step.digits = 1U << digit;
    for (int colour = 0; colour < 2; ++colour) {
        for (const int cell : colours[colour]) {
            step.colours[colour].push_back(cell);
        }
    }
    for (const int cell : removed) {
        step.removals.push_back({cell, 1U << digit});
    }
    return step;
}

}  // namespace

std::optional<Step> FindColouring(const Board& board) {
    for (int digit = 0; digit < GridGeometry::kSize; ++digit) {
        for (const auto& colours : Clusters(board, digit)) {
            for (int colour = 0; colour < 2; ++colour) {
                for (const int cell : colours[colour]) {
                    if (!(kPeers[cell] & colours[colour]).Empty()) {
                        return ColourStep(Technique::ColourWrap, digit, colours, colours[colour]);
                    }
                }
            }
            CellMask seeing[2];
            for (int colour = 0; colour < 2; ++colour) {
                for (const int cell : colours[colour]) {
                    seeing[colour] |= kPeers[cell];
                }
            }
            const CellMask removed =
                (seeing[0] & seeing[1] & board.CellsOf(digit)) - (colours[0] | colours[1]);
            if (!removed.Empty()) {
                return ColourStep(Technique::ColourTrap, digit, colours, removed);
            }
        }
    }
    return std::nullopt;
}

}  // namespace Novem::Ladder
