#include "Explanation.h"

#include <algorithm>

#include "Names.h"
#include "ladder/RuleNames.h"
#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem::Explanation {

namespace {

// Columns are counted in characters, so that words in another language line up too.
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
    }));
}

void Pad(std::string& out, std::size_t start, std::size_t width) {
    const std::size_t characters = Characters(std::string_view(out).substr(start));
    if (characters < width) {
        out.append(width - characters, ' ');
    }
}

// Where a column starts, in English at `english`; a longer word than "step" moves them all.
std::size_t Column(const Words& words, std::size_t english) {
    return english + std::max<std::size_t>(Characters(words.step), 4) - 4;
}

// Pads, and keeps at least one blank after a text that ran over.
void Separate(std::string& out, std::size_t start, std::size_t width) {
    Pad(out, start, width);
    if (out.back() != ' ') {
        out += ' ';
    }
}

std::string RegionName(int region, const Words& words) {
    return words.region[static_cast<std::size_t>(GridGeometry::KindOf(region))] + ' ' +
           static_cast<char>('1' + GridGeometry::NumberOf(region));
}

std::string TechniqueName(std::string_view name, const Words& words) {
    return words.technique ? words.technique(name) : std::string(name);
}

std::string RegionCells(int region, unsigned positions) {
    std::vector<int> cells;
    for (const int position : Bits::Indices(positions)) {
        cells.push_back(GridGeometry::kCellsOfRegion[region][position]);
    }
    return Names::Cells(cells);
}

// Cells that lost the same digits one after another are told together.
void AppendRemovals(std::string& out, std::span<const CellRemoval> removals, const Words& words) {
    out += ' ' + words.removes;
    unsigned previous = 0;
    for (const CellRemoval& removal : removals) {
        if (removal.digits != previous) {
            out += previous == 0 ? " " : ", ";
            out += Names::Digits(removal.digits) + ' ' + words.from;
            previous = removal.digits;
        }
        out += ' ';
        out += Names::Cell(removal.cell);
    }
}

void AppendRule(std::string& out, const RuleApplication& applied, const Words& words,
                Detail detail) {
    const Ladder::RuleNames::Subject subject = Ladder::RuleNames::SubjectOf(applied);
    const std::size_t start = out.size();
    out += words.step + ' ' + std::to_string(applied.step);
    Pad(out, start, Column(words, 10));
    out += RegionName(applied.region, words);
    Separate(out, start, Column(words, 21));
    out += TechniqueName(Ladder::RuleNames::NameOf(subject), words);
    Separate(out, start, Column(words, 36));
    if (applied.rule == RuleApplication::Rule::Internal) {
        out +=
            RegionCells(applied.region, subject.positions) + " = " + Names::Digits(subject.digits);
    } else {
        out += Names::Digits(subject.digits) + ' ' + words.in + ' ' +
               RegionCells(applied.region, subject.positions) + " (" +
               RegionName(applied.crossing, words) + ")";
    }
    if (detail == Detail::Full) {
        Pad(out, start, Column(words, 62));
    }
    AppendRemovals(out, applied.Removals(), words);
    out += '\n';
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
std::string Branch(const Ladder::Branch& branch, const Words& words) {
    std::string text = words.ifTrue + ' ' + Names::Candidate(branch.assumption) + ' ' + words.then;
    for (std::size_t index = 0; index < branch.implications.size(); ++index) {
        const Ladder::Branch::Implication& implication = branch.implications[index];
        text += (index == 0 ? " " : ", ") + (implication.on ? "" : words.isNot + ' ') +
                Names::Candidate(implication.candidate);
        for (const Ladder::Branch& inner : implication.nested) {
            text += " (" + Branch(inner, words) + ")";
        }
    }
    return text + (branch.contradiction ? ", " + words.contradiction : "");
}

// "r1c2 {3,7} r4c5 {1,3,7}".
std::string CellsWithDigits(const std::vector<Ladder::CellDigits>& cells) {
    std::string text;
    for (const Ladder::CellDigits& cell : cells) {
        if (!text.empty()) {
            text += ' ';
        }
        text += Names::Cell(cell.cell);
        text += ' ';
        text += Names::Digits(cell.digits);
    }
    return text;
}

std::string Pattern(const Ladder::Step& step, const Words& words, Detail detail) {
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
            return digit + ' ' + words.in + ' ' + Regions(step.base, words) + " / " +
                   Regions(step.cover, words) +
                   (step.fins.empty() ? "" : ", " + words.fins + ' ' + Names::Cells(step.fins));
        case Ladder::Family::Wings: {
            const auto cell = [&](int at) {
                return Names::Cell(at) + " " + Names::Digits(candidates[at]);
            };
            if (step.technique == Technique::WWing) {
                return Names::Cells(step.pincers) + " " +
                       Names::Digits(candidates[step.pincers.front()]) + ' ' + words.linkedBy +
                       ' ' + Chain(step);
            }
            return words.pivot + ' ' + cell(step.pivot) + ", " + words.pincers + ' ' +
                   cell(step.pincers[0]) + " " + cell(step.pincers[1]);
        }
        case Ladder::Family::Uniqueness: {
            // A loop by its cells in order and its two digits; a grave by its cells with extra
            // candidates.
            std::string text =
                step.loop.empty() ? CellsWithDigits(step.cellDigits) : Names::Cells(step.loop);
            if (!step.loop.empty()) {
                text += ' ';
                text += digit;
            }
            text += ", " + words.type + ' ' + std::to_string(step.type);
            if (step.type == 3) {
                text += ' ' + words.with + ' ' + Names::Cells(step.subset) + ' ' +
                        Names::Digits(step.subsetDigits);
            }
            return text;
        }
        case Ladder::Family::Exclusion:
            return CellsWithDigits(step.cellDigits) + ", " + words.excludedBy + ' ' +
                   Names::Cells(step.excluders);
        case Ladder::Family::Colouring:
            return digit + ' ' + words.in + ' ' + Names::Cells(step.colours[0]) + " / " +
                   Names::Cells(step.colours[1]);
        case Ladder::Family::SingleDigit:
        case Ladder::Family::Chains:
            return Chain(step);
        case Ladder::Family::AlmostLockedSets: {
            std::string text;
            const std::string joins[] = {"", ' ' + words.andAlso + ' ', ' ' + words.via + ' '};
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
            return text + ", " + words.restricted + ' ' + Names::Digits(restricted);
        }
        case Ladder::Family::Forcing:
        case Ladder::Family::DynamicForcing:
        case Ladder::Family::NestedForcing: {
            // A contradiction has its one branch, and no cell or region of choices.
            std::string text = step.forcingCell != -1     ? Names::Cell(step.forcingCell)
                               : step.forcingRegion != -1 ? RegionName(step.forcingRegion, words)
                                                          : "";
            if (detail == Detail::Brief) {
                return text.empty()
                           ? words.ifTrue + ' ' + Names::Candidate(step.branches.front().assumption)
                           : text + ' ' + digit;
            }
            text += text.empty() ? "" : " " + digit + ": ";
            for (const Ladder::Branch& branch : step.branches) {
                text += (&branch == &step.branches.front() ? "" : "; ") + Branch(branch, words);
            }
            return text;
        }
    }
    return {};
}

void AppendStep(std::string& out, const Ladder::Step& step, const Words& words, Detail detail) {
    const std::size_t start = out.size();
    out += words.step + ' ' + std::to_string(step.step);
    Pad(out, start, Column(words, 10));
    out += TechniqueName(Ladder::InfoOf(step.technique).name, words);
    Separate(out, start, Column(words, 36));
    out += Pattern(step, words, detail);
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
        out += &placement == &step.placements.front() ? ' ' + words.places + ' ' : ", ";
        out += Names::Candidate(placement).substr(0, 1) + ' ' + words.in + ' ' +
               Names::Cell(placement.cell);
    }
    if (!removals.empty()) {
        out += step.placements.empty() ? "" : ",";
        AppendRemovals(out, removals, words);
    }
    out += '\n';
}

}  // namespace

std::string Regions(const std::vector<int>& regions, const Words& words) {
    const auto kind = static_cast<std::size_t>(GridGeometry::KindOf(regions.front()));
    std::string text = regions.size() == 1 ? words.region[kind] : words.regions[kind];
    for (std::size_t index = 0; index < regions.size(); ++index) {
        text +=
            (index == 0 ? ' ' : ',') + std::to_string(GridGeometry::NumberOf(regions[index]) + 1);
    }
    return text;
}

std::vector<std::string*> All(Words& words) {
    std::vector<std::string*> all = {
        &words.step,          &words.in,         &words.removes, &words.from,      &words.places,
        &words.fins,          &words.pivot,      &words.pincers, &words.linkedBy,  &words.andAlso,
        &words.via,           &words.restricted, &words.ifTrue,  &words.then,      &words.isNot,
        &words.contradiction, &words.type,       &words.with,    &words.excludedBy};
    for (std::size_t kind = 0; kind < words.region.size(); ++kind) {
        all.push_back(&words.region[kind]);
        all.push_back(&words.regions[kind]);
    }
    return all;
}

std::string_view Technique(const Application& application) {
    if (const auto* applied = std::get_if<RuleApplication>(&application)) {
        return Ladder::RuleNames::Of(*applied);
    }
    return Ladder::InfoOf(std::get<Ladder::Step>(application).technique).name;
}

void AppendLine(std::string& out, const Application& application, const Words& words,
                Detail detail) {
    if (const auto* applied = std::get_if<RuleApplication>(&application)) {
        AppendRule(out, *applied, words, detail);
    } else {
        AppendStep(out, std::get<Ladder::Step>(application), words, detail);
    }
}

}  // namespace Novem::Explanation
