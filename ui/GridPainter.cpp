#include "GridPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "BranchPainter.h"
#include "ladder/RuleNames.h"
#include "model/Bits.h"

namespace GridPainter {

namespace {

using Novem::GridGeometry::kCells;
using Novem::GridGeometry::kSize;

const QColor kGivenColour(0, 0, 0);
const QColor kFoundColour(31, 95, 191);
const QColor kEnteredColour(122, 63, 176);
const QColor kWrongColour(200, 30, 30);
const QColor kCandidateColour(90, 90, 90);
const QColor kRemovedColour(210, 30, 30);
const QColor kPlacedColour(20, 150, 40);
const QColor kLinkColour(230, 110, 0);
// Tints for the parts of a pattern: where it looks, what it rests on, and the rest of it.
const QColor kWhereTint(255, 246, 196);
const QColor kPatternTint(255, 220, 120);
const QColor kOtherTint(196, 226, 255);
const QColor kFinTint(255, 190, 150);
const QColor kThirdSetTint(206, 240, 196);

struct Tints {
    std::array<QColor, kCells> cells{};
};

void Tint(Tints& tints, int cell, const QColor& colour) {
    tints.cells[cell] = colour;
}

void TintRegion(Tints& tints, int region, const QColor& colour) {
    for (const int cell : Novem::GridGeometry::kCellsOfRegion[region]) {
        Tint(tints, cell, colour);
    }
}

Tints TintsOf(const Novem::Application& application, StepModel::HintLevel shown,
              const StepModel::Candidates& candidates) {
    Tints tints;
    if (const auto* applied = std::get_if<Novem::RuleApplication>(&application)) {
        TintRegion(tints, applied->region, kWhereTint);
        if (shown == StepModel::HintLevel::Technique) {
            return tints;
        }
        if (applied->crossing != -1) {
            for (const int cell : Novem::GridGeometry::kCellsOfRegion[applied->crossing]) {
                if (!tints.cells[cell].isValid()) {
                    Tint(tints, cell, kOtherTint);
                }
            }
        }
        // The cells as the step is named: a hidden single's one cell, not the region's others.
        const Novem::Ladder::RuleNames::Subject subject =
            Novem::Ladder::RuleNames::SubjectOf(*applied);
        for (const int position : Novem::Bits::Indices(subject.positions)) {
            Tint(tints, Novem::GridGeometry::kCellsOfRegion[applied->region][position],
                 kPatternTint);
        }
        return tints;
    }
    const auto& step = std::get<Novem::Ladder::Step>(application);
    for (const int region : step.cover) {
        TintRegion(tints, region, kOtherTint);
    }
    for (const int region : step.base) {
        TintRegion(tints, region, kWhereTint);
    }
    if (step.forcingRegion != -1) {
        TintRegion(tints, step.forcingRegion, kWhereTint);
    }
    if (shown == StepModel::HintLevel::Technique) {
        return tints;
    }
    for (const int cell : step.pincers) {
        Tint(tints, cell, kOtherTint);
    }
    for (const int cell : step.colours[1]) {
        Tint(tints, cell, kOtherTint);
    }
    for (const int cell : step.colours[0]) {
        Tint(tints, cell, kPatternTint);
    }
    // Each almost-locked set in its own colour: an ALS-XY-wing's three sets never share one.
    const QColor setTints[] = {kPatternTint, kOtherTint, kThirdSetTint};
    for (std::size_t set = 0; set < step.sets.size(); ++set) {
        for (const int cell : step.sets[set]) {
            Tint(tints, cell, setTints[set % std::size(setTints)]);
        }
    }
    for (const Novem::Ladder::Candidate& node : step.nodes) {
        Tint(tints, node.cell, kPatternTint);
    }
    // A unique loop's cells, a grave's cells with extra candidates, or aligned exclusion's base
    // cells; the subset a loop's extra candidates complete, or the cells that exclude.
    const bool exclusion =
        Novem::Ladder::InfoOf(step.technique).family == Novem::Ladder::Family::Exclusion;
    for (const int cell : step.loop) {
        Tint(tints, cell, kPatternTint);
    }
    if (step.loop.empty() &&
        (exclusion || step.technique == Novem::Ladder::Technique::BivalueUniversalGrave)) {
        for (const Novem::Ladder::CellDigits& cell : step.cellDigits) {
            Tint(tints, cell.cell, kPatternTint);
        }
    }
    for (const int cell : step.subset) {
        Tint(tints, cell, kOtherTint);
    }
    for (const int cell : step.excluders) {
        Tint(tints, cell, kOtherTint);
    }
    // A fish's corners: where base and cover meet on its digit.
    for (const int base : step.base) {
        for (const int cell : Novem::GridGeometry::kCellsOfRegion[base]) {
            const bool covered = std::any_of(step.cover.begin(), step.cover.end(), [&](int cover) {
                return (Novem::GridGeometry::kRegionsOfCell[cell] >> cover & 1U) != 0;
            });
            if (covered && (candidates[cell] & step.digits) != 0) {
                Tint(tints, cell, kPatternTint);
            }
        }
    }
    for (const int cell : step.fins) {
        Tint(tints, cell, kFinTint);
    }
    for (const int cell : {step.pivot, step.forcingCell}) {
        if (cell != -1) {
            Tint(tints, cell, kPatternTint);
        }
    }
    // A contradiction chain has no cell or region of choices: its one assumption is the pattern.
    if (step.forcingCell == -1 && step.forcingRegion == -1) {
        for (const Novem::Ladder::Branch& branch : step.branches) {
            Tint(tints, branch.assumption.cell, kPatternTint);
        }
    }
    return tints;
}

void DrawLinks(QPainter& painter, const QRectF& grid, const Novem::Ladder::Step& step) {
    const std::size_t links = step.links.size();
    for (std::size_t link = 0; link < links; ++link) {
        const auto& from = step.nodes[link];
        const auto& to = step.nodes[(link + 1) % step.nodes.size()];
        const QPointF a = CandidateRect(CellRect(grid, from.cell), from.digit).center();
        const QPointF b = CandidateRect(CellRect(grid, to.cell), to.digit).center();
        QPen pen(kLinkColour, std::max<qreal>(1.5, grid.width() / 300));
        pen.setStyle(step.links[link] == Novem::Ladder::Link::Strong ? Qt::SolidLine
                                                                     : Qt::DashLine);
        // Square caps would close most of a thin dash's gaps.
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(a, b);
    }
    for (const Novem::Ladder::Candidate& node : step.nodes) {
        const QRectF at = CandidateRect(CellRect(grid, node.cell), node.digit);
        painter.setPen(QPen(kLinkColour, std::max<qreal>(1.0, grid.width() / 400)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at.adjusted(at.width() * 0.08, at.height() * 0.08, -at.width() * 0.08,
                                        -at.height() * 0.08));
    }
}

// The candidates a step removes, bit d for digit d + 1, and where it places digits.
struct Effects {
    std::array<unsigned, kCells> removed{};
    std::array<unsigned, kCells> placed{};
};

Effects EffectsOf(const Novem::Application& application) {
    Effects effects;
    if (const auto* applied = std::get_if<Novem::RuleApplication>(&application)) {
        for (const Novem::CellRemoval& removal : applied->Removals()) {
            effects.removed[removal.cell] |= removal.digits;
        }
        return effects;
    }
    const auto& step = std::get<Novem::Ladder::Step>(application);
    for (const Novem::CellRemoval& removal : step.removals) {
        effects.removed[removal.cell] |= removal.digits;
    }
    for (const Novem::Ladder::Candidate& placement : step.placements) {
        effects.placed[placement.cell] |= 1U << placement.digit;
        effects.removed[placement.cell] &= 1U << placement.digit;
    }
    return effects;
}

void DrawCell(QPainter& painter, const QRectF& rect, int cell, const StepModel::View& view,
              const Effects& effects) {
    const unsigned candidates = view.candidates[cell];
    QFont font = painter.font();
    if (Novem::Bits::Count(candidates) == 1 && effects.removed[cell] == 0) {
        font.setPixelSize(static_cast<int>(rect.height() * 0.62));
        font.setBold(view.given[cell]);
        painter.setFont(font);
        painter.setPen(view.wrong[cell]     ? kWrongColour
                       : view.given[cell]   ? kGivenColour
                       : view.entered[cell] ? kEnteredColour
                                            : kFoundColour);
        painter.drawText(rect, Qt::AlignCenter,
                         QString::number(Novem::Bits::Lowest(candidates) + 1));
        return;
    }
    font.setPixelSize(static_cast<int>(rect.height() * 0.26));
    font.setBold(false);
    painter.setFont(font);
    for (const int digit : Novem::Bits::Indices(candidates)) {
        const QRectF at = CandidateRect(rect, digit);
        const bool removed = (effects.removed[cell] >> digit & 1U) != 0;
        const bool placed = (effects.placed[cell] >> digit & 1U) != 0;
        if (placed) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kPlacedColour);
            painter.drawEllipse(at.adjusted(2, 2, -2, -2));
        }
        painter.setPen(placed ? Qt::white : removed ? kRemovedColour : kCandidateColour);
        painter.drawText(at, Qt::AlignCenter, QString::number(digit + 1));
        if (removed) {
            painter.setPen(QPen(kRemovedColour, std::max<qreal>(1.0, rect.width() / 30)));
            painter.drawLine(at.bottomLeft() + QPointF(at.width() * 0.2, -at.height() * 0.2),
                             at.topRight() + QPointF(-at.width() * 0.2, at.height() * 0.2));
        }
    }
}

}  // namespace

std::vector<int> PatternCells(const Novem::Application& application,
                              const StepModel::Candidates& candidates) {
    const Tints where = TintsOf(application, StepModel::HintLevel::Technique, candidates);
    const Tints pattern = TintsOf(application, StepModel::HintLevel::Cells, candidates);
    std::vector<int> cells;
    for (int cell = 0; cell < kCells; ++cell) {
        if (pattern.cells[cell] != where.cells[cell]) {
            cells.push_back(cell);
        }
    }
    return cells;
}

QRectF GridRect(const QRectF& area) {
    const qreal side = std::floor(std::min(area.width(), area.height()) - 2);
    return {area.center().x() - side / 2, area.center().y() - side / 2, side, side};
}

QRectF CellRect(const QRectF& grid, int cell) {
    const qreal size = grid.width() / kSize;
    return {grid.left() + size * Novem::GridGeometry::ColumnOf(cell),
            grid.top() + size * Novem::GridGeometry::RowOf(cell), size, size};
}

QRectF CandidateRect(const QRectF& cell, int digit) {
    const qreal third = cell.width() / 3;
    return {cell.left() + third * (digit % 3), cell.top() + third * (digit / 3), third, third};
}

void Paint(QPainter& painter, const QRectF& area, const StepModel::View& view, int focused) {
    const QRectF grid = GridRect(area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(grid, Qt::white);
    const bool shown = view.step != nullptr && view.shown != StepModel::HintLevel::None;
    const Tints tints = shown ? TintsOf(*view.step, view.shown, view.candidates) : Tints();
    const Effects effects =
        shown && view.shown == StepModel::HintLevel::Removals ? EffectsOf(*view.step) : Effects();
    for (int cell = 0; cell < kCells; ++cell) {
        if (tints.cells[cell].isValid()) {
            painter.fillRect(CellRect(grid, cell), tints.cells[cell]);
        }
    }
    for (int line = 0; line <= kSize; ++line) {
        const qreal at = grid.width() * line / kSize;
        const qreal width = line % 3 == 0 ? std::max<qreal>(2.0, grid.width() / 180)
                                          : std::max<qreal>(1.0, grid.width() / 600);
        painter.setPen(QPen(line % 3 == 0 ? Qt::black : Qt::gray, width));
        painter.drawLine(QPointF(grid.left() + at, grid.top()),
                         QPointF(grid.left() + at, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + at),
                         QPointF(grid.right(), grid.top() + at));
    }
    for (int cell = 0; cell < kCells; ++cell) {
        DrawCell(painter, CellRect(grid, cell), cell, view, effects);
    }
    const auto* step = shown ? std::get_if<Novem::Ladder::Step>(view.step) : nullptr;
    if (step != nullptr && view.shown != StepModel::HintLevel::Technique) {
        if (!step->links.empty()) {
            DrawLinks(painter, grid, *step);
        }
        if (view.branch >= 0 && view.branch < static_cast<int>(step->branches.size())) {
            BranchPainter::Draw(painter, grid, *step, view.branch);
        }
    }
    if (focused >= 0) {
        painter.setPen(QPen(kFoundColour, std::max<qreal>(2.0, grid.width() / 200)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(grid, focused).adjusted(2, 2, -2, -2));
    }
    painter.restore();
}

}  // namespace GridPainter
