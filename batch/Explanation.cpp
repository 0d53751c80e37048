#include "Explanation.h"

#include <array>

#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem::Batch::Explanation {

namespace {

using GridGeometry::RegionKind;

// The cells and digits a technique is about: a hidden subset is told by the cells and digits
// outside the subset that InternalRule found.
struct Subject {
    unsigned positions;
    unsigned digits;
};

Subject SubjectOf(const RuleApplication& applied) {
    if (applied.rule == RuleApplication::Rule::Internal && Bits::Count(applied.positions) > 4) {
        return {GridGeometry::kAllPositions & ~applied.positions,
                GridGeometry::kAllDigits & ~applied.digits};
    }
    return {applied.positions, applied.digits};
}

std::string CellName(int cell) {
    return {'r', static_cast<char>('1' + GridGeometry::RowOf(cell)), 'c',
            static_cast<char>('1' + GridGeometry::ColumnOf(cell))};
}

// Digits as solvers write them: "8", or "{3,7}" for several.
std::string DigitsText(unsigned digits) {
    std::string text;
    for (const int digit : Bits::Indices(digits)) {
        text += text.empty() ? "" : ",";
        text += static_cast<char>('1' + digit);
    }
    return Bits::Count(digits) > 1 ? "{" + text + "}" : text;
}

std::string CellsText(int region, unsigned positions) {
    std::string text;
    for (const int position : Bits::Indices(positions)) {
        text += text.empty() ? "" : " ";
        text += CellName(GridGeometry::kCellsOfRegion[region][position]);
    }
    return text;
}

void Pad(std::string& out, std::size_t start, std::size_t width) {
    if (out.size() - start < width) {
        out.append(width - (out.size() - start), ' ');
    }
}

void AppendJsonDigits(std::string& out, unsigned digits) {
    out += '[';
    for (const int digit : Bits::Indices(digits)) {
        out += out.back() == '[' ? "" : ", ";
        out += static_cast<char>('1' + digit);
    }
    out += ']';
}

}  // namespace

std::string_view SubsetTechnique(int cells) {
    static constexpr std::array<std::string_view, GridGeometry::kSize> kSubsets = {"",
                                                                                   "naked single",
                                                                                   "naked pair",
                                                                                   "naked triple",
                                                                                   "naked quad",
                                                                                   "hidden quad",
                                                                                   "hidden triple",
                                                                                   "hidden pair",
                                                                                   "hidden single"};
    return kSubsets[cells];
}

std::string_view Technique(const RuleApplication& applied) {
    if (applied.rule == RuleApplication::Rule::Internal) {
        return SubsetTechnique(Bits::Count(applied.positions));
    }

    if (GridGeometry::KindOf(applied.region) == RegionKind::Block) {
        return "pointing";
    }
    return GridGeometry::KindOf(applied.crossing) == RegionKind::Block ? "claiming"
                                                                       : "hidden single";
}

std::string RegionName(int region) {
    static constexpr std::array<std::string_view, 3> kKinds = {"block ", "row ", "column "};
    return std::string(kKinds[static_cast<int>(GridGeometry::KindOf(region))]) +
           static_cast<char>('1' + GridGeometry::NumberOf(region));
}

void AppendText(std::string& out, const PuzzleResult& result) {
    for (const RuleApplication& applied : result.explanation) {
        const Subject subject = SubjectOf(applied);
        const std::size_t start = out.size();
        out += "step " + std::to_string(applied.step);
        Pad(out, start, 10);
        out += RegionName(applied.region);
        Pad(out, start, 21);
        out += Technique(applied);
        Pad(out, start, 36);
        if (applied.rule == RuleApplication::Rule::Internal) {
            out +=
                CellsText(applied.region, subject.positions) + " = " + DigitsText(subject.digits);
        } else {
            out += DigitsText(subject.digits) + " in " +
                   CellsText(applied.region, subject.positions) + " (" +
                   RegionName(applied.crossing) + ")";
        }
        Pad(out, start, 62);
        out += " removes";
        // Cells that lost the same digits one after another are told together.
        unsigned previous = 0;
        for (const CellRemoval& removal : applied.Removals()) {
            if (removal.digits != previous) {
                out += previous == 0 ? " " : ", ";
                out += DigitsText(removal.digits) + " from";
                previous = removal.digits;
            }
            out += ' ';
            out += CellName(removal.cell);
        }
        out += '\n';
    }
}

void AppendJson(std::string& out, const PuzzleResult& result) {
    out += '[';
    for (const RuleApplication& applied : result.explanation) {
        const Subject subject = SubjectOf(applied);
        out += &applied == result.explanation.data() ? "" : ", ";
        out += "{\"step\": " + std::to_string(applied.step) + ", \"technique\": \"";
        out += Technique(applied);
        out += "\", \"region\": \"" + RegionName(applied.region) + "\"";
        if (applied.rule == RuleApplication::Rule::External) {
            out += ", \"crossing\": \"" + RegionName(applied.crossing) + "\"";
        }
        out += ", \"cells\": [";
        for (const int position : Bits::Indices(subject.positions)) {
            out += out.back() == '[' ? "\"" : ", \"";
            out += CellName(GridGeometry::kCellsOfRegion[applied.region][position]);
            out += '"';
        }
        out += "], \"digits\": ";
        AppendJsonDigits(out, subject.digits);
        out += ", \"removed\": [";
        for (const CellRemoval& removal : applied.Removals()) {
            out += out.back() == '[' ? "[\"" : ", [\"";
            out += CellName(removal.cell) + "\", ";
            AppendJsonDigits(out, removal.digits);
            out += ']';
        }
        out += "]}";
    }
    out += ']';
}

}  // namespace Novem::Batch::Explanation
