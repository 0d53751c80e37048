#include "BranchPainter.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "GridPainter.h"

namespace BranchPainter {

namespace {

using Novem::GridGeometry::kCells;
using Novem::GridGeometry::kSize;

const QColor kContradictionColour(210, 30, 30);

QPointF CentreOf(const QRectF& grid, const Novem::Ladder::Candidate& candidate) {
    return GridPainter::CandidateRect(GridPainter::CellRect(grid, candidate.cell), candidate.digit)
        .center();
}

void Ring(QPainter& painter, const QRectF& grid, const Novem::Ladder::Candidate& candidate,
          qreal radius) {
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(CentreOf(grid, candidate), radius, radius);
}

// An arrow from one candidate's ring to another's: the second follows from the first.
void Arrow(QPainter& painter, QPointF from, QPointF to, qreal radius) {
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    if (length <= 2 * radius) {
        return;
    }
    const QPointF unit = along / length;
    const QPointF start = from + unit * radius;
    const QPointF end = to - unit * radius;
    painter.drawLine(start, end);
    const QPointF side(-unit.y(), unit.x());
    const qreal head = radius * 0.7;
    QPen pen = painter.pen();
    pen.setStyle(Qt::SolidLine);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(pen.color());
    painter.drawPolygon(QPolygonF(
        {end, end - unit * head + side * head * 0.5, end - unit * head - side * head * 0.5}));
    painter.restore();
}

// Whether the step's outcome is the candidate, made true or false as the branch has it.
bool Proves(const Novem::Ladder::Step& step, const Novem::Ladder::Candidate& candidate, bool on) {
    if (on) {
        return std::find(step.placements.begin(), step.placements.end(), candidate) !=
               step.placements.end();
    }
    return std::any_of(step.removals.begin(), step.removals.end(), [&](const auto& removal) {
        return removal.cell == candidate.cell && (removal.digits >> candidate.digit & 1U) != 0;
    });
}

constexpr int kAssumption = -1;
constexpr int kOutside = -2;

// What each implication of a branch was decided by, the reason found last: an implication before
// it, the assumption, or a fact of the branch around a nested one (kOutside). And which of them
// are on the path from the assumption to what the branch proves: the step's outcome, or the
// candidates its contradiction rests on. The rest of the branch is in the step's text; all of it
// on the grid would hide the path.
struct Path {
    std::vector<int> trigger;
    std::vector<bool> on;
};

Path PathOf(const Novem::Ladder::Step& step, const Novem::Ladder::Branch& branch) {
    std::array<int, kCells * kSize> found{};
    found.fill(kOutside);
    const auto index = [](const Novem::Ladder::Candidate& candidate) {
        return static_cast<std::size_t>(candidate.cell * kSize + candidate.digit);
    };
    found[index(branch.assumption)] = kAssumption;
    const std::size_t size = branch.implications.size();
    Path path{std::vector<int>(size, kOutside), std::vector<bool>(size, false)};
    std::vector<int> pending;
    for (std::size_t at = 0; at < size; ++at) {
        const Novem::Ladder::Branch::Implication& implication = branch.implications[at];
        for (const Novem::Ladder::Candidate& reason : implication.because) {
            path.trigger[at] = std::max(path.trigger[at], found[index(reason)]);
        }
        found[index(implication.candidate)] = static_cast<int>(at);
        if (!branch.contradiction && Proves(step, implication.candidate, implication.on)) {
            pending.push_back(static_cast<int>(at));
        }
    }
    for (const Novem::Ladder::Candidate& reason : branch.contradictionBecause) {
        pending.push_back(found[index(reason)]);
    }
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        if (at >= 0 && !path.on[static_cast<std::size_t>(at)]) {
            path.on[static_cast<std::size_t>(at)] = true;
            pending.push_back(path.trigger[static_cast<std::size_t>(at)]);
        }
    }
    return path;
}

}  // namespace

QColor Colour(int branch) {
    // Apart from the tints, the strikes and each other, for a region's nine places.
    static const QColor kColours[] = {
        {230, 110, 0}, {120, 40, 200}, {0, 130, 130},   {200, 0, 130}, {120, 80, 30},
        {90, 130, 0},  {30, 60, 170},  {160, 100, 160}, {60, 60, 60},
    };
    return kColours[static_cast<std::size_t>(branch) % std::size(kColours)];
}

void Draw(QPainter& painter, const QRectF& grid, const Novem::Ladder::Step& step, int chosen) {
    const Novem::Ladder::Branch& branch = step.branches[static_cast<std::size_t>(chosen)];
    const QColor colour = Colour(chosen);
    const qreal radius = grid.width() / kSize / 3 * 0.42;
    const qreal width = std::max<qreal>(1.5, grid.width() / 300);
    const Path path = PathOf(step, branch);
    for (std::size_t at = 0; at < branch.implications.size(); ++at) {
        const Novem::Ladder::Branch::Implication& implication = branch.implications[at];
        if (!path.on[at]) {
            continue;
        }
        const int trigger = path.trigger[at];
        QPen pen(colour, width);
        pen.setStyle(implication.on ? Qt::SolidLine : Qt::DashLine);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        if (trigger != kOutside || !implication.because.empty()) {
            const Novem::Ladder::Candidate from =
                trigger >= 0 ? branch.implications[static_cast<std::size_t>(trigger)].candidate
                : trigger == kAssumption ? branch.assumption
                                         : implication.because.front();
            Arrow(painter, CentreOf(grid, from), CentreOf(grid, implication.candidate), radius);
        }
        painter.setPen(QPen(colour, width * 0.8));
        Ring(painter, grid, implication.candidate, radius);
    }
    painter.setPen(QPen(colour, width * 1.4));
    Ring(painter, grid, branch.assumption, radius);
    Ring(painter, grid, branch.assumption, radius * 0.7);
    painter.setPen(QPen(kContradictionColour, width * 1.4));
    for (const Novem::Ladder::Candidate& reason : branch.contradictionBecause) {
        Ring(painter, grid, reason, radius * 1.2);
    }
}

}  // namespace BranchPainter
