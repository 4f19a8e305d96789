#include "MOXQContainerLayout.h"

#include <gtest/gtest.h>

#include <limits>

using namespace MOXQtLib;

namespace {

LayoutFrame frame(int w, int h, int space = 0, QMargins padding = {})
{
    LayoutFrame f;
    f.container = QSize(w, h);
    f.space = space;
    f.padding = padding;
    return f;
}

LayoutChild child(int w, int h, int ratio = 1)
{
    LayoutChild c;
    c.size = QSize(w, h);
    c.ratio = ratio;
    return c;
}

LayoutChild spacer(int direction = 0, int ratio = 1)
{
    LayoutChild c;
    c.spacerDirection = direction;
    c.ratio = ratio;
    return c;
}

QVector<int> widths(const QVector<QRect>& rects)
{
    QVector<int> out;
    for (const QRect& r : rects)
        out.append(r.width());
    return out;
}

} // namespace

TEST(LayoutLinear, RatiosShareWhatRemainsAndFixedChildrenKeepTheirWidth)
{
    // Each share is computed from what is left, so the rounding remainder goes to the last.
    auto r =
        layoutLinear(frame(300, 40, 10), {child(5, 5), child(5, 5), child(5, 5)}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{93, 93, 94}));
    EXPECT_EQ(r[1].x(), 103);
    EXPECT_EQ(r[2].x(), 206);
    EXPECT_EQ(r[2].right(), 299);

    LayoutChild fixed = child(50, 20);
    fixed.widthPolicy = 1;
    r = layoutLinear(frame(300, 40), {child(1, 1), fixed, child(1, 1, 3)}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{62, 50, 188}));

    // Cross axis: height policy 0 fills, anything else keeps the height; plain widgets never
    // fill; paddings and the bound bars' thickness come off.
    LayoutFrame f = frame(200, 100, 0, QMargins(3, 4, 5, 6));
    f.scrollBarHeight = 10;
    LayoutChild fill = child(10, 20);
    fill.heightPolicy = 0;
    LayoutChild plain = fill;
    plain.isControl = false;
    r = layoutLinear(f, {fill, child(10, 500), plain}, Qt::Horizontal);
    EXPECT_EQ(r[0], QRect(3, 4, 64, 80));
    EXPECT_EQ(r[1].height(), 80); // limited to what is there
    EXPECT_EQ(r[2].height(), 20);

    // A column is the row with the axes exchanged.
    LayoutChild fixedTall = child(20, 50);
    fixedTall.heightPolicy = 1;
    fixedTall.widthPolicy = 0;
    r = layoutLinear(frame(40, 300, 10), {child(5, 5), fixedTall, child(5, 5)}, Qt::Vertical);
    EXPECT_EQ(r[0], QRect(0, 0, 5, 115));
    EXPECT_EQ(r[1], QRect(0, 125, 40, 50));
    EXPECT_EQ(r[2], QRect(0, 185, 5, 115));
}

TEST(LayoutLinear, MinimumsMaximumsAndScrollingRows)
{
    LayoutChild narrowMax = child(1, 1);
    narrowMax.maximum = QSize(40, kLayoutUnlimited);
    LayoutChild wideMin = child(1, 1);
    wideMin.minimum = QSize(200, 0);
    auto r = layoutLinear(frame(300, 40), {narrowMax, wideMin, child(1, 1)}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{40, 200, 60}));

    // With a bar bound along the row, the row grows to the children's widths and overflows.
    LayoutFrame f = frame(100, 40);
    f.scrollAlong = true;
    LayoutChild a = child(80, 10), b = child(90, 10);
    a.widthPolicy = b.widthPolicy = 1;
    r = layoutLinear(f, {a, b}, Qt::Horizontal);
    EXPECT_EQ(r[1], QRect(80, 0, 90, 10));
    f.scrollAlong = false;
    r = layoutLinear(f, {a, b}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{80, 20}));
}

TEST(LayoutLinear, ElasticSpacersTakeTheRestAndPushLaterChildren)
{
    auto r = layoutLinear(frame(400, 30), {child(80, 30), spacer(), child(80, 30)}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{80, 240, 80}));
    EXPECT_EQ(r[2].right(), 399);

    // Two spacers 1:3; a vertical spacer in a row is an ordinary child.
    r = layoutLinear(frame(400, 30), {spacer(1, 1), child(0, 30), spacer(0, 3)}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{100, 0, 300}));
    r = layoutLinear(frame(400, 30), {child(50, 30), spacer(2, 1)}, Qt::Horizontal);
    EXPECT_EQ(widths(r), (QVector<int>{200, 200})); // ratio branch: both share

    LayoutChild thick = spacer();
    thick.spacerThickness = 7;
    r = layoutLinear(frame(100, 30), {thick}, Qt::Horizontal);
    EXPECT_EQ(r[0], QRect(0, 0, 100, 7));
}

TEST(LayoutLinear, ShrinkingTerminatesAndRespectsMinimums)
{
    // Too narrow: the deficit comes off in proportion to each child's room above its minimum.
    LayoutChild a = child(200, 10), b = child(200, 10);
    a.minimum = QSize(100, 0);
    b.minimum = QSize(180, 0);
    auto r = layoutLinear(frame(300, 10), {a, spacer(), b}, Qt::Horizontal);
    EXPECT_GE(r[0].width(), 100);
    EXPECT_GE(r[2].width(), 180);
    EXPECT_EQ(r[0].width() + r[2].width(), 300);
    EXPECT_EQ(r[1].width(), 0);
    EXPECT_LE(r[2].right(), 299);

    // Every child at its minimum, minimums wider than the row: must come back at all.
    QVector<LayoutChild> stuck;
    for (int i = 0; i < 5; ++i) {
        LayoutChild c = child(100, 10);
        c.minimum = QSize(100, 0);
        stuck.append(c);
    }
    stuck.insert(2, spacer());
    r = layoutLinear(frame(300, 10), stuck, Qt::Horizontal);
    EXPECT_EQ(r.size(), 6);
    for (const QRect& rect : r)
        EXPECT_LE(rect.right(), 299); // never past the row

    // Shares that all round to zero: many children one pixel above their minimum.
    QVector<LayoutChild> tiny;
    for (int i = 0; i < 50; ++i) {
        LayoutChild c = child(11, 10);
        c.minimum = QSize(10, 0);
        tiny.append(c);
    }
    tiny.append(spacer());
    r = layoutLinear(frame(520, 10), tiny, Qt::Horizontal);
    int total = 0;
    for (const QRect& rect : r)
        total += rect.width();
    EXPECT_EQ(total, 520);
}

TEST(LayoutLinear, HugeValuesFromFilesDoNotOverflow)
{
    const int big = std::numeric_limits<int>::max();
    auto r = layoutLinear(frame(1000, 10), {child(1, 1, big), child(1, 1, big), child(1, 1, 1)},
                          Qt::Horizontal);
    EXPECT_EQ(r[0].width(), 499);
    EXPECT_EQ(r[1].width(), 500);
    EXPECT_EQ(r[2].width(), 1);

    LayoutFrame f = frame(big, big, big, QMargins(-big, 0, big, 0));
    f.scrollAlong = true;
    QVector<LayoutChild> many(1000, child(kLayoutUnlimited, kLayoutUnlimited, big));
    r = layoutLinear(f, many, Qt::Horizontal);
    // Children pushed to the end of the coordinate range keep edges that did not wrap.
    for (const QRect& rect : r) {
        EXPECT_GE(rect.width(), 0);
        EXPECT_GE(rect.right(), rect.left() - 1);
    }
    // Negative container sizes count as nothing.
    r = layoutLinear(frame(-50, -50, -3), {child(10, 10)}, Qt::Horizontal);
    EXPECT_EQ(r[0].size(), QSize(0, 0));
}

TEST(LayoutFloat, WrapsOnTheContainerEdge)
{
    const QVector<QSize> sizes{{100, 20}, {100, 30}, {100, 20}};
    auto r = layoutFloat(frame(250, 200, 5), sizes, Qt::Horizontal);
    EXPECT_EQ(r[0].topLeft(), QPoint(0, 0));
    EXPECT_EQ(r[1].topLeft(), QPoint(105, 0));
    EXPECT_EQ(r[2].topLeft(), QPoint(0, 35)); // tallest of the first line + gap

    // A child wider than the line still gets a line of its own instead of looping.
    r = layoutFloat(frame(50, 200, 0, QMargins(4, 2, 4, 0)), {{80, 10}, {80, 10}}, Qt::Horizontal);
    EXPECT_EQ(r[0].topLeft(), QPoint(4, 2));
    EXPECT_EQ(r[1].topLeft(), QPoint(4, 12));

    r = layoutFloat(frame(200, 250, 5), {{20, 100}, {30, 100}, {20, 100}}, Qt::Vertical);
    EXPECT_EQ(r[1].topLeft(), QPoint(0, 105));
    EXPECT_EQ(r[2].topLeft(), QPoint(35, 0)); // widest of the first column + gap
}

TEST(LayoutDock, SidesCentreOffsetsAndClamping)
{
    LayoutFrame f = frame(301, 201, 0, QMargins(10, 20, 30, 40));
    DockRequest d;
    d.size = QSize(50, 40);
    d.hor = 2;
    d.ver = 1;
    d.offsetX = -10;
    // Area 261 x 141 at (10, 20): right edge 10 pixels left of the right padding edge.
    EXPECT_EQ(layoutDock(f, d), QRect(10 + 261 - 50 - 10, 20 + (141 - 40) / 2, 50, 40));
    EXPECT_EQ(layoutDock(f, d).right(), 301 - 30 - 10 - 1);

    d.hor = 1;
    d.offsetX = 0;
    d.size = QSize(60, 41); // odd remainder truncates
    EXPECT_EQ(layoutDock(f, d).topLeft(), QPoint(10 + 100, 20 + 50));

    // Too large: clamped into the area; a bound vertical bar narrows it.
    f.scrollBarWidth = 11;
    d.size = QSize(1000, 1000);
    d.hor = d.ver = 0;
    EXPECT_EQ(layoutDock(f, d), QRect(10, 20, 250, 141));
    d.hor = 9;
    d.ver = -4;
    EXPECT_EQ(layoutDock(f, d).topLeft(), QPoint(10, 20)); // out-of-range docks clamp
}

TEST(LayoutScroll, RangesPageStepsAndBothBars)
{
    ScrollInput in;
    in.container = QSize(200, 100);
    in.horizontalBound = in.verticalBound = true;
    in.verticalBarWidth = 12;
    in.horizontalBarHeight = 10;

    in.content = QRect(0, 0, 150, 140); // only taller; the value is clamped into the range
    in.verticalValue = 500;
    ScrollResult r = layoutScrollState(in);
    EXPECT_FALSE(r.horizontal.visible);
    EXPECT_EQ(r.vertical.maximum, 40);
    EXPECT_EQ(r.vertical.value, 40);

    // Narrow enough alone, but the vertical bar takes 12 pixels: both bars, and each
    // shortens the other.
    in.content = QRect(0, 0, 195, 140);
    r = layoutScrollState(in);
    ASSERT_TRUE(r.horizontal.visible);
    ASSERT_TRUE(r.vertical.visible);
    EXPECT_EQ(r.horizontal.pageStep, 188);
    EXPECT_EQ(r.horizontal.maximum, 7);
    EXPECT_EQ(r.horizontal.geometry, QRect(0, 90, 188, 10));
    EXPECT_EQ(r.vertical.pageStep, 90);
    EXPECT_EQ(r.vertical.maximum, 50);

    in.verticalBound = false;
    r = layoutScrollState(in);
    EXPECT_FALSE(r.vertical.visible);
    EXPECT_FALSE(r.horizontal.visible); // 195 fits in 200 without the vertical bar
    in.content = QRect();
    in.horizontalBound = in.verticalBound = true;
    r = layoutScrollState(in);
    EXPECT_FALSE(r.horizontal.visible || r.vertical.visible);
}

TEST(LayoutContentSize, RowsColumnsAndFreeLayouts)
{
    ContentChild a;
    a.sizeHint = QSize(40, 20);
    ContentChild b;
    b.sizeHint = QSize(-1, -1);
    b.minimumSizeHint = QSize(-1, 5);
    b.minimum = QSize(30, 35);
    b.current = QSize(60, 10);
    b.widthPolicy = 1;
    const QMargins pad(1, 2, 3, 4);
    EXPECT_EQ(layoutContentSize(LayoutHorizontal, 5, pad, {a, b}), QSize(40 + 5 + 60 + 4, 35 + 6));
    EXPECT_EQ(layoutContentSize(LayoutVertical, 5, pad, {a, b}), QSize(60 + 4, 20 + 5 + 35 + 6));
    a.position = QPoint(100, 50);
    EXPECT_EQ(layoutContentSize(LayoutNoUse, 5, pad, {a, b}), QSize(140 + 4, 70 + 6));
    EXPECT_EQ(layoutContentSize(LayoutHorizontal, 5, QMargins(-9, -9, -9, -9), {}), QSize(0, 0));
}
