#include "Explanation.h"

#include <algorithm>

#include "Names.h"
#include "ladder/RuleNames.h"
#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem::Explanation {

namespace {

void Pad(std::string& out, std::size_t start, std::size_t width) {
    if (out.size() - start < width) {
        out.append(width - (out.size() - start), ' ');
    }
}

// Pads, and keeps at least one blank after a text that ran over.
void Separate(std::string& out, std::size_t start, std::size_t width) {
    Pad(out, start, width);
    if (out.back() != ' ') {
        out += ' ';
    }
}

std::string RegionCells(int region, unsigned positions) {
    std::vector<int> cells;
    for (const int position : Bits::Indices(positions)) {
        cells.push_back(GridGeometry::kCellsOfRegion[region][position]);
    }
    return Names::Cells(cells);
}

// Cells that lost the same digits one after another are told together.
void AppendRemovals(std::string& out, std::span<const CellRemoval> removals) {
    out += " removes";
    unsigned previous = 0;
    for (const CellRemoval& removal : removals) {
        if (removal.digits != previous) {
            out += previous == 0 ? " " : ", ";
            out += Names::Digits(removal.digits) + " from";
            previous = removal.digits;
        }
        out += ' ';
        out += Names::Cell(removal.cell);
    }
}

void AppendRule(std::string& out, const RuleApplication& applied) {
    const Ladder::RuleNames::Subject subject = Ladder::RuleNames::SubjectOf(applied);
    const std::size_t start = out.size();
    out += "step " + std::to_string(applied.step);
    Pad(out, start, 10);
    out += Names::Region(applied.region);
    Pad(out, start, 21);
    out += Ladder::RuleNames::NameOf(subject);
    Pad(out, start, 36);
    if (applied.rule == RuleApplication::Rule::Internal) {
        out +=
            RegionCells(applied.region, subject.positions) + " = " + Names::Digits(subject.digits);
    } else {
        out += Names::Digits(subject.digits) + " in " +
               RegionCells(applied.region, subject.positions) + " (" +
               Names::Region(applied.crossing) + ")";
    }
    Pad(out, start, 62);
    AppendRemovals(out, applied.Removals());
    out += '\n';
}

std::string Regions(const std::vector<int>& regions) {
    // "rows 2,8": the kind once, the numbers after it.
    const std::string first = Names::Region(regions.front());
    const std::size_t blank = first.find(' ');
    std::string text = first.substr(0, blank);
    text += 's';
    text += first.substr(blank);
    for (std::size_t index = 1; index < regions.size(); ++index) {
        text += ',' + std::to_string(GridGeometry::NumberOf(regions[index]) + 1);
    }
    return text;
}

std::string Chain(const Ladder::Step& step) {
    std::string text;
    for (std::size_t index = 0; index < step.nodes.size(); ++index) {
        text += Names::Candidate(step.nodes[index]);
        if (index < step.links.size()) {
            text += step.links[index] == Ladder::Link::Strong ? "=" : "-";
        }
    }
    // A loop's last link leads back to its first candidate.
    if (step.links.size() == step.nodes.size()) {
        text += Names::Candidate(step.nodes.front());
    }
    return text;
}

// A nested branch follows, in brackets, the candidate it makes false.
std::string Branch(const Ladder::Branch& branch) {
    std::string text = "if " + Names::Candidate(branch.assumption) + " then";
    for (std::size_t index = 0; index < branch.implications.size(); ++index) {
        const Ladder::Branch::Implication& implication = branch.implications[index];
        text += (index == 0 ? " " : ", ") + std::string(implication.on ? "" : "not ") +
                Names::Candidate(implication.candidate);
        for (const Ladder::Branch& inner : implication.nested) {
            text += " (" + Branch(inner) + ")";
        }
    }
    return text + (branch.contradiction ? ", a contradiction" : "");
}

std::string Pattern(const Ladder::Step& step) {
    // The candidates of the pattern's cells, where the step keeps them.
    std::vector<unsigned> candidates(GridGeometry::kCells, 0);
    for (const Ladder::CellDigits& cell : step.cellDigits) {
        candidates[cell.cell] = cell.digits;
    }
    using Ladder::Technique;
    const std::string digit = Names::Digits(step.digits);
    switch (Ladder::InfoOf(step.technique).family) {
        case Ladder::Family::Fish:
        case Ladder::Family::FinnedFish:
            return digit + " in " + Regions(step.base) + " / " + Regions(step.cover) +
                   (step.fins.empty() ? "" : ", fins " + Names::Cells(step.fins));
        case Ladder::Family::Wings: {
            const auto cell = [&](int at) {
                return Names::Cell(at) + " " + Names::Digits(candidates[at]);
            };
            if (step.technique == Technique::WWing) {
                return Names::Cells(step.pincers) + " " +
                       Names::Digits(candidates[step.pincers.front()]) + " linked by " +
                       Chain(step);
            }
            return "pivot " + cell(step.pivot) + ", pincers " + cell(step.pincers[0]) + " " +
                   cell(step.pincers[1]);
        }
        case Ladder::Family::Colouring:
            return digit + " in " + Names::Cells(step.colours[0]) + " / " +
                   Names::Cells(step.colours[1]);
        case Ladder::Family::SingleDigit:
        case Ladder::Family::Chains:
            return Chain(step);
        case Ladder::Family::AlmostLockedSets: {
            std::string text;
            const char* joins[] = {"", " and ", " via "};
            for (std::size_t set = 0; set < step.sets.size(); ++set) {
                unsigned digits = 0;
                for (const int cell : step.sets[set]) {
                    digits |= candidates[cell];
                }
                text += joins[set] + Names::Cells(step.sets[set]) + " " + Names::Digits(digits);
            }
            unsigned restricted = 0;
            for (const int common : step.restricted) {
                restricted |= 1U << common;
            }
            return text + ", restricted " + Names::Digits(restricted);
        }
        case Ladder::Family::Forcing:
        case Ladder::Family::DynamicForcing:
        case Ladder::Family::NestedForcing: {
            // A contradiction has its one branch, and no cell or region of choices.
            std::string text = step.forcingCell != -1     ? Names::Cell(step.forcingCell)
                               : step.forcingRegion != -1 ? Names::Region(step.forcingRegion)
                                                          : "";
            text += text.empty() ? "" : " " + digit + ": ";
            for (const Ladder::Branch& branch : step.branches) {
                text += (&branch == &step.branches.front() ? "" : "; ") + Branch(branch);
            }
            return text;
        }
    }
    return {};
}

void AppendStep(std::string& out, const Ladder::Step& step) {
    const std::size_t start = out.size();
    out += "step " + std::to_string(step.step);
    Pad(out, start, 10);
    out += Ladder::InfoOf(step.technique).name;
    Separate(out, start, 36);
    out += Pattern(step);
    std::vector<CellRemoval> removals;
    for (const CellRemoval& removal : step.removals) {
        const bool placed = std::any_of(
            step.placements.begin(), step.placements.end(),
            [&](const Ladder::Candidate& placement) { return placement.cell == removal.cell; });
        if (!placed) {
            removals.push_back(removal);
        }
    }
    for (const Ladder::Candidate& placement : step.placements) {
        out += &placement == &step.placements.front() ? " places " : ", ";
        out += Names::Candidate(placement).substr(0, 1) + " in " + Names::Cell(placement.cell);
    }
    if (!removals.empty()) {
        out += step.placements.empty() ? "" : ",";
        AppendRemovals(out, removals);
    }
    out += '\n';
}

}  // namespace

std::string_view Technique(const Application& application) {
    if (const auto* applied = std::get_if<RuleApplication>(&application)) {
        return Ladder::RuleNames::Of(*applied);
    }
    return Ladder::InfoOf(std::get<Ladder::Step>(application).technique).name;
}

void AppendLine(std::string& out, const Application& application) {
    if (const auto* applied = std::get_if<RuleApplication>(&application)) {
        AppendRule(out, *applied);
    } else {
        AppendStep(out, std::get<Ladder::Step>(application));
    }
}

}  // namespace Novem::Explanation
