#include "ExplanationJson.h"

#include "explanation/Explanation.h"
#include "explanation/Names.h"
#include "ladder/RuleNames.h"
#include "model/Bits.h"
#include "model/GridGeometry.h"

namespace Novem::Batch::ExplanationJson {

namespace {

void AppendDigits(std::string& out, unsigned digits) {
    out += '[';
    for (const int digit : Bits::Indices(digits)) {
        out += out.back() == '[' ? "" : ", ";
        out += static_cast<char>('1' + digit);
    }
    out += ']';
}

void AppendString(std::string& out, const std::string& text) {
    out += '"';
    out += text;
    out += '"';
}

template <typename Item, typename Append>
void AppendArray(std::string& out, const std::vector<Item>& items, Append append) {
    out += '[';
    for (const Item& item : items) {
        out += &item == items.data() ? "" : ", ";
        append(item);
    }
    out += ']';
}

void AppendCells(std::string& out, const std::vector<int>& cells) {
    AppendArray(out, cells, [&](int cell) { AppendString(out, Names::Cell(cell)); });
}

void AppendRegions(std::string& out, const std::vector<int>& regions) {
    AppendArray(out, regions, [&](int region) { AppendString(out, Names::Region(region)); });
}

void AppendCandidate(std::string& out, const Ladder::Candidate& candidate) {
    out += "{\"cell\": \"" + Names::Cell(candidate.cell) + "\", \"digit\": ";
    out += static_cast<char>('1' + candidate.digit);
    out += '}';
}

void AppendRemoved(std::string& out, std::span<const CellRemoval> removals) {
    out += ", \"removed\": [";
    for (const CellRemoval& removal : removals) {
        out += out.back() == '[' ? "[\"" : ", [\"";
        out += Names::Cell(removal.cell) + "\", ";
        AppendDigits(out, removal.digits);
        out += ']';
    }
    out += ']';
}

void AppendRule(std::string& out, const RuleApplication& applied) {
    const Ladder::RuleNames::Subject subject = Ladder::RuleNames::SubjectOf(applied);
    out += "{\"step\": " + std::to_string(applied.step) + ", \"technique\": \"";
    out += Explanation::Technique(applied);
    out += "\", \"region\": \"" + Names::Region(applied.region) + "\"";
    if (applied.rule == RuleApplication::Rule::External) {
        out += ", \"crossing\": \"" + Names::Region(applied.crossing) + "\"";
    }
    out += ", \"cells\": [";
    for (const int position : Bits::Indices(subject.positions)) {
        out += out.back() == '[' ? "\"" : ", \"";
        out += Names::Cell(GridGeometry::kCellsOfRegion[applied.region][position]);
        out += '"';
    }
    out += "], \"digits\": ";
    AppendDigits(out, subject.digits);
    AppendRemoved(out, applied.Removals());
    out += '}';
}

// Every cell the pattern names, in cell order.
std::vector<int> PatternCells(const Ladder::Step& step) {
    std::vector<bool> in(GridGeometry::kCells, false);
    const auto add = [&](const std::vector<int>& cells) {
        for (const int cell : cells) {
            in[cell] = true;
        }
    };
    add(step.baseCells);
    add(step.fins);
    add(step.pincers);
    add(step.loop);
    add(step.subset);
    add(step.excluders);
    add(step.colours[0]);
    add(step.colours[1]);
    for (const auto& set : step.sets) {
        add(set);
    }
    for (const Ladder::Candidate& node : step.nodes) {
        in[node.cell] = true;
    }
    for (const Ladder::Branch& branch : step.branches) {
        in[branch.assumption.cell] = true;
    }
    for (const int cell : {step.pivot, step.forcingCell}) {
        if (cell != -1) {
            in[cell] = true;
        }
    }
    std::vector<int> cells;
    for (int cell = 0; cell < GridGeometry::kCells; ++cell) {
        if (in[cell]) {
            cells.push_back(cell);
        }
    }
    return cells;
}

// A nested branch goes with the implication it makes false, as "nested".
void AppendBranch(std::string& out, const Ladder::Branch& branch) {
    out += "{\"assume\": ";
    AppendCandidate(out, branch.assumption);
    out += ", \"implications\": ";
    AppendArray(out, branch.implications, [&](const Ladder::Branch::Implication& implication) {
        AppendCandidate(out, implication.candidate);
        out.pop_back();
        out += implication.on ? ", \"on\": true" : ", \"on\": false";
        if (!implication.nested.empty()) {
            out += ", \"nested\": ";
            AppendBranch(out, implication.nested.front());
        }
        out += '}';
    });
    out += ", \"contradiction\": ";
    out += branch.contradiction ? "true}" : "false}";
}

void AppendParts(std::string& out, const Ladder::Step& step) {
    if (!step.base.empty()) {
        out += ", \"base\": ";
        AppendRegions(out, step.base);
        out += ", \"cover\": ";
        AppendRegions(out, step.cover);
        out += ", \"fins\": ";
        AppendCells(out, step.fins);
    }
    if (!step.pincers.empty()) {
        out += ", \"pivot\": ";
        step.pivot != -1 ? AppendString(out, Names::Cell(step.pivot)) : void(out += "null");
        out += ", \"pincers\": ";
        AppendCells(out, step.pincers);
    }
    if (!step.cellDigits.empty()) {
        out += ", \"candidates\": ";
        AppendArray(out, step.cellDigits, [&](const Ladder::CellDigits& cell) {
            out += "[\"" + Names::Cell(cell.cell) + "\", ";
            AppendDigits(out, cell.digits);
            out += ']';
        });
    }
    if (!step.colours[0].empty()) {
        out += ", \"colours\": [";
        AppendCells(out, step.colours[0]);
        out += ", ";
        AppendCells(out, step.colours[1]);
        out += ']';
    }
    if (!step.nodes.empty()) {
        out += ", \"nodes\": ";
        AppendArray(out, step.nodes,
                    [&](const Ladder::Candidate& node) { AppendCandidate(out, node); });
        out += ", \"links\": ";
        AppendArray(out, step.links, [&](Ladder::Link link) {
            out += link == Ladder::Link::Strong ? "\"strong\"" : "\"weak\"";
        });
    }
    if (!step.sets.empty()) {
        out += ", \"sets\": ";
        AppendArray(out, step.sets, [&](const std::vector<int>& set) { AppendCells(out, set); });
        out += ", \"restricted\": ";
        AppendArray(out, step.restricted,
                    [&](int digit) { out += static_cast<char>('1' + digit); });
    }
    if (!step.loop.empty() || step.type != 0) {
        out += ", \"loop\": ";
        AppendCells(out, step.loop);
        out += ", \"type\": " + std::to_string(step.type);
        if (step.type == 3) {
            out += ", \"subset\": ";
            AppendCells(out, step.subset);
            out += step.hiddenSubset ? ", \"hidden\": true" : ", \"hidden\": false";
        }
        if (step.subsetDigits != 0) {
            out += ", \"subsetDigits\": ";
            AppendDigits(out, step.subsetDigits);
        }
    }
    if (!step.excluders.empty()) {
        out += ", \"excluders\": ";
        AppendCells(out, step.excluders);
    }
    if (step.forcingCell != -1) {
        out += ", \"forcingCell\": \"" + Names::Cell(step.forcingCell) + '"';
    } else if (step.forcingRegion != -1) {
        out += ", \"forcingRegion\": \"" + Names::Region(step.forcingRegion) + '"';
    }
    if (!step.branches.empty()) {
        out += ", \"branches\": ";
        AppendArray(out, step.branches,
                    [&](const Ladder::Branch& branch) { AppendBranch(out, branch); });
    }
}

void AppendStep(std::string& out, const Ladder::Step& step) {
    out += "{\"step\": " + std::to_string(step.step) + ", \"technique\": \"";
    out += Ladder::InfoOf(step.technique).name;
    out += "\", \"region\": null, \"cells\": ";
    AppendCells(out, PatternCells(step));
    out += ", \"digits\": ";
    AppendDigits(out, step.digits);
    AppendParts(out, step);
    AppendRemoved(out, step.removals);
    out += ", \"placed\": ";
    AppendArray(out, step.placements,
                [&](const Ladder::Candidate& placement) { AppendCandidate(out, placement); });
    out += '}';
}

}  // namespace

void AppendText(std::string& out, const Analysis::PuzzleResult& result) {
    for (const Application& application : result.explanation) {
        Explanation::AppendLine(out, application);
    }
}

void AppendJson(std::string& out, const Analysis::PuzzleResult& result) {
    AppendArray(out, result.explanation, [&](const Application& application) {
        if (const auto* applied = std::get_if<RuleApplication>(&application)) {
            AppendRule(out, *applied);
        } else {
            AppendStep(out, std::get<Ladder::Step>(application));
        }
    });
}

}  // namespace Novem::Batch::ExplanationJson
