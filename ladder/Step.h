#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Technique.h"
#include "solver/RuleApplication.h"

namespace Novem::Ladder {

// A digit in a cell, digit 0 to 8 for 1 to 9.
struct Candidate {
    int cell;
    int digit;

    bool operator==(const Candidate&) const = default;
};

// A cell's candidates, bit d for digit d + 1.
struct CellDigits {
    int cell;
    unsigned digits;

    bool operator==(const CellDigits&) const = default;
};

// Between two candidates of a chain: strong, at least one of them is true (the two digits of a
// cell with two, or the two places of a digit in a region); weak, not both are (one cell, or one
// digit twice in a region).
enum class Link { Strong, Weak };

// What one assumption of a forcing chain leads to, in the order it was found: each candidate
// made true or false by those before it. In a nested chain a candidate may be false because its
// own assumption, on what the branch knows by then, leads to a contradiction: that branch is
// nested in the implication.
struct Branch {
    Candidate assumption;
    struct Implication {
        Candidate candidate;
        bool on;
        std::vector<Branch> nested;
        // The candidates it follows from: the assumption, implications before it, or in a nested
        // branch what the branch around it knows. The grid draws them as links.
        std::vector<Candidate> because;
    };
    std::vector<Implication> implications;
    // The branch ends in a contradiction: a cell or a region left without a place for a digit.
    bool contradiction = false;
    // What the contradiction rests on: the two candidates that exclude each other, or the places
    // gone from the emptied cell or region.
    std::vector<Candidate> contradictionBecause;
};

// One application of a technique: the pattern it found, as the technique's own parts, and what it
// removes. Only the parts of its technique are filled. Regions and cells are numbered as in the
// grid.
struct Step {
    explicit Step(Technique applied) : technique(applied) {}

    Technique technique;
    // The step's number in the solve: it follows the rules' region examinations.
    std::int32_t step = 0;
    // The digits the pattern is about, bit d for digit d + 1.
    unsigned digits = 0;

    // Fish: the base and cover regions, the base's cells that hold the digit, and the fins,
    // those of them outside the covers.
    std::vector<int> base;
    std::vector<int> cover;
    std::vector<int> baseCells;
    std::vector<int> fins;

    // Wings: the pivot cell and the pincers.
    int pivot = -1;
    std::vector<int> pincers;

    // Wings and almost-locked sets: the candidates of the pattern's cells before the step, in
    // cell order.
    std::vector<CellDigits> cellDigits;

    // Colouring: the cells of each of the two colours.
    std::array<std::vector<int>, 2> colours;

    // Chains: the candidates in order, and the link from each to the next; a loop has one link
    // more, from the last back to the first.
    std::vector<Candidate> nodes;
    std::vector<Link> links;

    // Almost-locked sets: the cells of each set, and their restricted common digits, one for each
    // pair of sets that meet: the first and the last for ALS-XZ, each with the last (the pivot)
    // for ALS-XY-wing.
    std::vector<std::vector<int>> sets;
    std::vector<int> restricted;

    // Uniqueness: the rectangle's or loop's cells in loop order (none for a grave), the type of
    // the pattern, 1 to 4, and for type 3 the cells of the subset its extra candidates complete
    // (besides the pattern's own), its digits, and whether it is a hidden subset.
    std::vector<int> loop;
    int type = 0;
    std::vector<int> subset;
    unsigned subsetDigits = 0;
    bool hiddenSubset = false;

    // Aligned exclusion: the cells that see every base cell and exclude combinations of them.
    std::vector<int> excluders;

    // The rating scale's own chains: the distinct implications the conclusion rests on, which
    // its rating grows with.
    int complexity = 0;

    // Forcing chains: where each candidate of a cell, or each place of a digit in a region, leads.
    int forcingCell = -1;
    int forcingRegion = -1;
    std::vector<Branch> branches;

    // What it does: the candidates it removes, cell by cell in cell order, and the digits it
    // places (removing the cell's other candidates as well).
    std::vector<CellRemoval> removals;
    std::vector<Candidate> placements;
};

}  // namespace Novem::Ladder
