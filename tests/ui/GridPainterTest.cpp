#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>

#include "GridPainter.h"

namespace {

using Novem::GridGeometry::CellAt;
using Novem::GridGeometry::kAllDigits;
using Novem::GridGeometry::kCells;
using Novem::Ladder::Link;
using Novem::Ladder::Step;
using Novem::Ladder::Technique;
using HintLevel = StepModel::HintLevel;

// Inks told apart by hue, as a user tells them, so that a shade may change.
using Ink = std::function<bool(const QColor&)>;

Ink Hue(int from, int to) {
    return [=](const QColor& colour) {
        return colour.hsvSaturation() > 120 && colour.value() > 100 && colour.hsvHue() >= from &&
               colour.hsvHue() <= to;
    };
}

const Ink kBlack = [](const QColor& colour) { return colour.value() < 60; };
const Ink kRed = [](const QColor& colour) { return Hue(0, 8)(colour) || Hue(352, 359)(colour); };
const Ink kOrange = Hue(20, 40);
const Ink kGreen = Hue(100, 160);
const Ink kBlue = Hue(200, 230);
const Ink kPurple = Hue(260, 290);

constexpr int kSide = 452;

class GridPainterTest : public testing::Test {
protected:
    GridPainterTest() { m_view.step = &m_step; }

    void Draw() {
        m_image = QImage(kSide, kSide, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        GridPainter::Paint(painter, m_image.rect(), m_view);
    }

    QColor At(QPointF point) const {
        return m_image.pixelColor(static_cast<int>(point.x()), static_cast<int>(point.y()));
    }

    QRectF Cell(int cell) const { return GridPainter::CellRect(m_grid, cell); }

    QRectF Candidate(int cell, int digit) const {
        return GridPainter::CandidateRect(Cell(cell), digit);
    }

    bool Holds(const QRectF& area, const Ink& ink) const {
        const QRect pixels = area.toAlignedRect() & m_image.rect();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (ink(m_image.pixelColor(x, y))) {
                    return true;
                }
            }
        }
        return false;
    }

    // The share of the points from a to b, ends left out, drawn in the ink on the line or a pixel
    // to its side.
    double Inked(QPointF a, QPointF b, const Ink& ink) const {
        constexpr int kPoints = 200;
        const QPointF along = b - a;
        const QPointF side = QPointF(-along.y(), along.x()) / std::hypot(along.x(), along.y());
        int inked = 0;
        for (int point = 0; point < kPoints; ++point) {
            const QPointF at = a + along * (0.2 + 0.6 * point / kPoints);
            inked += ink(At(at)) || ink(At(at + side)) || ink(At(at - side)) ? 1 : 0;
        }
        return static_cast<double>(inked) / kPoints;
    }

    const QRectF m_grid = GridPainter::GridRect(QRectF(0, 0, kSide, kSide));
    Novem::Application m_step = Step(Technique::XChain);
    StepModel::View m_view;
    QImage m_image;
};

// The grid is closed on all four sides by the block lines.
TEST_F(GridPainterTest, FramesTheWholeGrid) {
    m_view.step = nullptr;
    Draw();
    const qreal inside = 0.5;
    for (int line = 0; line < 9; ++line) {
        const qreal along = m_grid.left() + m_grid.width() * (line + 0.5) / 9;
        for (const QPointF point :
             {QPointF(along, m_grid.top() + inside), QPointF(along, m_grid.bottom() - inside),
              QPointF(m_grid.left() + inside, along), QPointF(m_grid.right() - inside, along)}) {
            EXPECT_TRUE(kBlack(At(point))) << point.x() << ',' << point.y();
        }
    }
}

// A digit's colour says where it came from: givens black, found blue, the user's purple, a wrong
// one red; open cells show their candidates in grey.
TEST_F(GridPainterTest, ColoursEachDigitByWhereItCameFrom) {
    m_view.step = nullptr;
    const struct {
        int cell;
        bool given, entered, wrong;
        const Ink& ink;
    } kDigits[] = {
        {0, true, false, false, kBlack},
        {1, false, false, false, kBlue},
        {2, false, true, false, kPurple},
        {3, false, true, true, kRed},
    };
    for (const auto& digit : kDigits) {
        m_view.candidates[digit.cell] = 1U << 7;
        m_view.given[digit.cell] = digit.given;
        m_view.entered[digit.cell] = digit.entered;
        m_view.wrong[digit.cell] = digit.wrong;
    }
    m_view.candidates[4] = kAllDigits;
    Draw();
    for (const auto& digit : kDigits) {
        EXPECT_TRUE(Holds(Cell(digit.cell), digit.ink)) << "cell " << digit.cell;
    }
    for (const Ink* ink : {&kBlue, &kPurple, &kRed}) {
        EXPECT_FALSE(Holds(Cell(0), *ink));
        EXPECT_FALSE(Holds(Cell(4), *ink));
    }
    EXPECT_FALSE(Holds(Cell(1), kPurple));
}

// A chain step, told hint by hint: the technique tints nothing but where it looks, the cells
// show the chain's links, and only the whole step strikes out what it removes in red and marks
// what it places in green.
TEST_F(GridPainterTest, DrawsAStepAsFarAsItIsTold) {
    const int first = CellAt(1, 1);
    const int second = CellAt(1, 7);
    const int third = CellAt(7, 7);
    const int removed = CellAt(7, 1);
    const int placed = CellAt(4, 4);
    auto& step = std::get<Step>(m_step);
    step.digits = 1U;
    step.nodes = {{first, 0}, {second, 0}, {third, 0}};
    step.links = {Link::Strong, Link::Weak};
    step.removals = {{removed, 1U}};
    step.placements = {{placed, 4}};
    m_view.candidates.fill(kAllDigits);

    for (const HintLevel level : {HintLevel::Technique, HintLevel::Cells, HintLevel::Removals}) {
        SCOPED_TRACE(static_cast<int>(level));
        m_view.shown = level;
        Draw();
        const bool cells = level != HintLevel::Technique;
        const bool removals = level == HintLevel::Removals;
        EXPECT_EQ(At(Cell(first).bottomLeft() + QPointF(3, -3)) != Qt::white, cells);
        const QPointF a = Candidate(first, 0).center();
        const QPointF b = Candidate(second, 0).center();
        const QPointF c = Candidate(third, 0).center();
        if (cells) {
            EXPECT_GT(Inked(a, b, kOrange), 0.95) << "a strong link is solid";
            EXPECT_GT(Inked(b, c, kOrange), 0.3) << "a weak link is dashed";
            EXPECT_LT(Inked(b, c, kOrange), 0.8) << "a weak link is dashed";
        } else {
            EXPECT_FALSE(Holds(QRectF(a, b).adjusted(0, -2, 0, 2), kOrange));
        }
        EXPECT_EQ(Holds(Candidate(removed, 0), kRed), removals);
        EXPECT_FALSE(Holds(Candidate(removed, 1), kRed));
        EXPECT_EQ(Holds(Candidate(placed, 4), kGreen), removals);
        EXPECT_FALSE(Holds(Candidate(placed, 3), kGreen));
    }
}

// A forcing chain draws the chosen branch in its own colour: an arrow from what decided each
// candidate on the way to the contradiction (solid to one made true, dashed to one made false),
// nothing of what the path does not need, and the contradiction ringed in red; or the path to
// what the step removes.
TEST_F(GridPainterTest, DrawsTheChosenBranchsPathToItsContradiction) {
    using Novem::Ladder::Branch;
    Step step(Technique::CellForcingChain);
    const int assumed = CellAt(0, 0);
    const int below = CellAt(2, 0);
    const int aside = CellAt(4, 4);
    const int end = CellAt(2, 3);
    step.branches.push_back({{assumed, 0},
                             {{{below, 0}, false, {}, {{assumed, 0}}},
                              {{aside, 4}, false, {}, {{assumed, 0}}},
                              {{end, 1}, true, {}, {{below, 0}}}},
                             true,
                             {{end, 1}}});
    // The other branch proves what the step removes.
    step.branches.push_back({{assumed, 1}, {{{end, 1}, false, {}, {{assumed, 1}}}}, false, {}});
    step.removals = {{end, 1U << 1}};
    m_step = step;
    m_view.candidates.fill(kAllDigits);
    for (const int branch : {0, 1}) {
        SCOPED_TRACE(branch);
        m_view.branch = branch;
        Draw();
        const Ink& drawn = branch == 0 ? kOrange : kPurple;
        const Ink& other = branch == 0 ? kPurple : kOrange;
        const QPointF start = Candidate(assumed, branch).center();
        EXPECT_FALSE(Holds(Cell(assumed), other));
        if (branch == 0) {
            const double dashed = Inked(start, Candidate(below, 0).center(), drawn);
            EXPECT_GT(dashed, 0.3);
            EXPECT_LT(dashed, 0.8);
            EXPECT_GT(Inked(Candidate(below, 0).center(), Candidate(end, 1).center(), drawn), 0.9);
            EXPECT_FALSE(Holds(Cell(aside), drawn)) << "off the path";
            EXPECT_TRUE(Holds(Cell(end), kRed));
        } else {
            EXPECT_GT(Inked(start, Candidate(end, 1).center(), drawn), 0.3);
            EXPECT_FALSE(Holds(Cell(below), drawn));
        }
    }
}

// An ALS-XY-wing's three sets are told apart: each is tinted in a colour of its own.
TEST_F(GridPainterTest, TintsEachAlmostLockedSetApart) {
    Novem::Ladder::Step step(Technique::AlsXyWing);
    step.sets = {{30}, {32}, {34}};
    m_step = step;
    m_view.candidates.fill(0b11);
    Draw();
    const auto corner = [&](int cell) { return At(Cell(cell).topLeft() + QPointF(3, 3)); };
    EXPECT_NE(corner(30), corner(32));
    EXPECT_NE(corner(32), corner(34));
    EXPECT_NE(corner(30), corner(34));
}

}  // namespace

// Drawing text takes an application; these tests draw without a display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
