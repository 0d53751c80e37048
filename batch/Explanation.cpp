#include "Explanation.h"

#include <array>
#include <bit>

#include "model/GridGeometry.h"
#include "solver/SubsetSearch.h"

namespace Novem::Batch::Explanation {

namespace {

using GridGeometry::RegionKind;

constexpr unsigned kAllDigits = 0x1FF;

// The cells and digits a technique is about: a hidden subset is told by the cells and digits
// outside the subset that InternalRule found.
struct Subject {
    unsigned positions;
    unsigned digits;
};

Subject SubjectOf(const AppliedRule& applied) {
    if (applied.rule == RuleApplication::Rule::Internal &&
        SubsetSearch::CellCount(applied.positions) > 4) {
        return {kAllDigits & ~applied.positions, kAllDigits & ~applied.digits};
    }
    return {applied.positions, applied.digits};
}

std::string CellName(int cell) {
    return {'r', static_cast<char>('1' + cell / GridGeometry::kSize), 'c',
            static_cast<char>('1' + cell % GridGeometry::kSize)};
}

// Digits as solvers write them: "8", or "{3,7}" for several.
std::string DigitsText(unsigned digits) {
    std::string text;
    for (unsigned left = digits; left != 0; left &= left - 1) {
        text += text.empty() ? "" : ",";
        text += static_cast<char>('1' + std::countr_zero(left));
    }
    return std::popcount(digits) > 1 ? "{" + text + "}" : text;
}

std::string CellsText(int region, unsigned positions) {
    std::string text;
    for (unsigned left = positions; left != 0; left &= left - 1) {
        text += text.empty() ? "" : " ";
        text += CellName(GridGeometry::kCellsOfRegion[region][std::countr_zero(left)]);
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
    for (unsigned left = digits; left != 0; left &= left - 1) {
        out += left == digits ? "" : ", ";
        out += static_cast<char>('1' + std::countr_zero(left));
    }
    out += ']';
}

}  // namespace

std::string_view SubsetTechnique(int cells) {
    static constexpr std::array<std::string_view, 9> kSubsets = {"",
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

std::string_view Technique(const AppliedRule& applied) {
    if (applied.rule == RuleApplication::Rule::Internal) {
        return SubsetTechnique(SubsetSearch::CellCount(applied.positions));
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
    for (const AppliedRule& applied : result.explanation) {
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
        for (int index = 0; index < applied.removalCount; ++index) {
            const CellRemoval& removal = applied.removals[index];
            if (index == 0 || removal.digits != applied.removals[index - 1].digits) {
                out += index == 0 ? " " : ", ";
                out += DigitsText(removal.digits) + " from";
            }
            out += ' ';
            out += CellName(removal.cell);
        }
        out += '\n';
    }
}

void AppendJson(std::string& out, const PuzzleResult& result) {
    out += '[';
    for (const AppliedRule& applied : result.explanation) {
        const Subject subject = SubjectOf(applied);
        out += &applied == result.explanation.data() ? "" : ", ";
        out += "{\"step\": " + std::to_string(applied.step) + ", \"technique\": \"";
        out += Technique(applied);
        out += "\", \"region\": \"" + RegionName(applied.region) + "\"";
        if (applied.rule == RuleApplication::Rule::External) {
            out += ", \"crossing\": \"" + RegionName(applied.crossing) + "\"";
        }
        out += ", \"cells\": [";
        for (unsigned left = subject.positions; left != 0; left &= left - 1) {
            out += left == subject.positions ? "\"" : ", \"";
            out += CellName(GridGeometry::kCellsOfRegion[applied.region][std::countr_zero(left)]);
            out += '"';
        }
        out += "], \"digits\": ";
        AppendJsonDigits(out, subject.digits);
        out += ", \"removed\": [";
        for (int index = 0; index < applied.removalCount; ++index) {
            out += index == 0 ? "[\"" : ", [\"";
            out += CellName(applied.removals[index].cell) + "\", ";
            AppendJsonDigits(out, applied.removals[index].digits);
            out += ']';
        }
        out += "]}";
    }
    out += ']';
}

}  // namespace Novem::Batch::Explanation
