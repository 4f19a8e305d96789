#include "MOXQOpenGLPieChart.h"
#include "MOXQOpenGLPieChartImpl.h"
#include "TestSupport.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MOXQtLib;

using namespace PieGeometry;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const QRectF kPie(100, 100, 200, 200); // centre (200, 200), radius 100

QVector<PieSlice> slicesOf(std::initializer_list<double> values)
{
    QVector<PieSlice> out;
    for (double v : values)
        out.append({QString(), v, QColor(), true});
    return out;
}

void moveMouse(QWidget& w, const QPoint& pos)
{
    testsupport::sendMouse(&w, QEvent::MouseMove, pos);
}

// A chart fully drawn (no entry animation) at a fixed size.
struct Chart
{
    MOXQOpenGLPieChart w;
    explicit Chart(const QSize& size = QSize(900, 560))
    {
        w.setAnimationEnabled(false);
        w.resize(size);
    }
    QPoint at(double distanceFraction, double degrees) const
    {
        const QRectF pie = w.impl()->pieRect();
        return pointAt(pie.center(), pie.width() / 2 * distanceFraction, degrees).toPoint();
    }
};

} // namespace

TEST(PieChart, HitTestTable)
{
    struct Case
    {
        const char* what;
        QVector<PieSlice> slices;
        double start, sweep, inner, distance, angle;
        int expected;
    };
    QVector<PieSlice> hidden = slicesOf({1, 1});
    hidden[0].visible = false;
    const Case cases[] = {
        {"half ring, left end", slicesOf({1, 1}), 270, 180, 0.62, 0.8, 275, 0},
        {"half ring, right end", slicesOf({1, 1}), 270, 180, 0.62, 0.8, 85, 1},
        {"half ring, lower half misses", slicesOf({1, 1}), 270, 180, 0.62, 0.8, 180, -1},
        {"half ring, hole misses", slicesOf({1, 1}), 270, 180, 0.62, 0.5, 0, -1},
        {"single slice, at its start", slicesOf({5}), 0, 360, 0, 0.5, 0, 0},
        {"single slice, anywhere", slicesOf({5}), 0, 360, 0, 0.99, 233, 0},
        {"single slice, outside", slicesOf({5}), 0, 360, 0, 1.01, 233, -1},
        {"wraps through 12, before", slicesOf({1, 1}), 300, 360, 0, 0.5, 330, 0},
        {"wraps through 12, after", slicesOf({1, 1}), 300, 360, 0, 0.5, 100, 0},
        {"wraps through 12, other", slicesOf({1, 1}), 300, 360, 0, 0.5, 200, 1},
        {"zero and negative take no angle", slicesOf({0, -4, 2, kNaN}), 0, 360, 0, 0.5, 10, 2},
        {"hidden slice takes no angle", hidden, 0, 360, 0, 0.5, 90, 1},
        {"nothing positive", slicesOf({0, -1, kNaN, kInf}), 0, 360, 0, 0.5, 90, -1},
    };
    const ChartTheme theme = themePreset(0);
    for (const Case& c : cases) {
        const QVector<SliceArc> arcs = sliceArcs(c.slices, c.start, c.sweep, 1.0, theme);
        const QPointF p = pointAt(kPie.center(), 100 * c.distance, c.angle);
        EXPECT_EQ(hitTest(arcs, kPie, c.inner, p), c.expected) << c.what;
    }
    // A zero-size pie, an unfinished animation and a non-finite point hit nothing.
    const QVector<SliceArc> one = sliceArcs(slicesOf({5}), 0, 360, 1.0, theme);
    EXPECT_EQ(hitTest(one, QRectF(200, 200, 0, 0), 0, QPointF(200, 200)), -1);
    EXPECT_EQ(hitTest(sliceArcs(slicesOf({5}), 0, 360, 0.0, theme), kPie, 0, kPie.center()), -1);
    EXPECT_EQ(hitTest(one, kPie, 0, QPointF(kNaN, 200)), -1);
}

TEST(PieChart, AnglesRadiusAndHugeValues)
{
    Chart c;
    MOXQOpenGLPieChart& w = c.w;
    // Start wrapped into 0..360 without a turn-by-turn loop (a tiny negative start that the
    // modulo lands on 360 is 0), sweep clamped to 1..360; non-finite input keeps the start and
    // makes a full turn.
    const struct
    {
        double start, sweep, wantStart, wantSweep;
    } angles[] = {{-90, 720, 270, 360}, {kNaN, kInf, 270, 360}, {-1e-14, 0, 0, 1}};
    for (const auto& k : angles) {
        w.setAngleRange(k.start, k.sweep);
        EXPECT_DOUBLE_EQ(w.startAngle(), k.wantStart) << k.start;
        EXPECT_DOUBLE_EQ(w.sweep(), k.wantSweep) << k.start;
    }
    w.setAngleRange(-1e300, 90);
    EXPECT_TRUE(w.startAngle() >= 0 && w.startAngle() < 360);
    // The inner radius is clamped to 0..0.8; NaN keeps the last one.
    const std::pair<double, double> radii[] = {{0.95, 0.8}, {-1, 0}, {0.3, 0.3}, {kNaN, 0.3}};
    for (const auto& r : radii) {
        w.setInnerRadius(r.first);
        EXPECT_DOUBLE_EQ(w.innerRadius(), r.second) << r.first;
    }

    // Values whose sum overflows still share the pie; non-finite values are stored as 0.
    w.setAngleRange(0, 360);
    w.setSlices(slicesOf({1e308, 1e308, kInf, kNaN}));
    EXPECT_DOUBLE_EQ(w.slices().at(2).value, 0);
    EXPECT_EQ(w.impl()->sliceAt(c.at(0.5, 170)), 0);
    EXPECT_EQ(w.impl()->sliceAt(c.at(0.5, 270)), 1);
}

TEST(PieChart, HoverTooltipAndLegendToggle)
{
    Chart c;
    MOXQOpenGLPieChart& w = c.w;
    const QPoint first = c.at(0.6, 60);
    moveMouse(w, first);
    EXPECT_EQ(w.impl()->hoveredSlice(), 0);
    EXPECT_EQ(w.tooltipText(), "Search Engine\n1048 (33.3%)");
    EXPECT_FALSE(w.impl()->hoverAt(first)); // same slice, same place: no change
    moveMouse(w, QPoint(5, 5));
    EXPECT_TRUE(w.tooltipText().isEmpty());

    // New slices drop the hover state and the tooltip of the old ones.
    moveMouse(w, first);
    w.setSlices(slicesOf({1, 2}));
    EXPECT_FALSE(w.impl()->isHoverActive());
    EXPECT_TRUE(w.tooltipText().isEmpty());
    moveMouse(w, c.at(0.5, 300));
    EXPECT_EQ(w.tooltipText(), "Slice\n2 (66.67%)");

    // Hiding a slice from the legend frees its angle but keeps the others' colours.
    const QColor second = w.impl()->arcs().at(1).color;
    const auto items = w.impl()->legendItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(0).name, "Slice 1");
    testsupport::click(&w, items.at(0).rect.center());
    EXPECT_FALSE(w.slices().at(0).visible);
    ASSERT_EQ(w.impl()->arcs().size(), 1);
    EXPECT_EQ(w.impl()->arcs().at(0).color, second);
    EXPECT_DOUBLE_EQ(w.impl()->arcs().at(0).span, 360);
    EXPECT_EQ(w.impl()->legendItems().size(), 2); // hidden slices stay listed
    testsupport::click(&w, items.at(0).rect.center());
    EXPECT_TRUE(w.slices().at(0).visible);

    // Switching hovering off clears it and keeps it off.
    moveMouse(w, c.at(0.5, 300));
    w.setTooltipTrigger(TooltipNone);
    moveMouse(w, c.at(0.5, 300));
    EXPECT_EQ(w.impl()->hoveredSlice(), -1);
    EXPECT_TRUE(w.tooltipText().isEmpty());
}

TEST(PieChart, PieSquareAndLegendPerPosition)
{
    const QSize size(900, 560);
    QFont font;
    const ChartTheme theme = themePreset(0);
    const QVector<PieSlice> slices = slicesOf({1, 2, 3, 4, 5, 6, 7, 8});
    for (int pos : {LegendTop, LegendRight, LegendBottom, LegendLeft}) {
        const QRectF pie = pieSquare(size, pos);
        EXPECT_EQ(pie.top(), pos == LegendTop ? 132 : 68) << pos;
        const QRectF area = legendArea(size, pos, pie, true);
        EXPECT_FALSE(area.intersects(pie)) << pos;
        const auto items = layoutLegend(slices, area, pos, font, theme);
        ASSERT_EQ(items.size(), slices.size());
        for (int i = 1; i < items.size(); ++i) {
            const QRectF& a = items.at(i - 1).rect;
            const QRectF& b = items.at(i).rect;
            EXPECT_FALSE(a.intersects(b)) << pos << " item " << i;
            EXPECT_LE(b.left() + 140, area.right()) << pos;
        }
    }
    // Top and bottom flow into a second row at the left edge.
    const QRectF top = legendArea(size, LegendTop, pieSquare(size, LegendTop), true);
    const auto flowing = layoutLegend(slices, top, LegendTop, font, theme);
    int wrapped = 1;
    while (wrapped < flowing.size() && flowing.at(wrapped).rect.top() == 48)
        ++wrapped;
    ASSERT_LT(wrapped, flowing.size());
    EXPECT_EQ(flowing.at(wrapped).rect.topLeft(), QPointF(48, 70));
    EXPECT_EQ(flowing.last().rect.top(), 70);

    // Tiny widgets: the pie shrinks to nothing, never below, and the legend has no room.
    for (int pos : {LegendTop, LegendRight, LegendBottom, LegendLeft}) {
        const QRectF pie = pieSquare(QSize(60, 40), pos);
        EXPECT_EQ(pie.width(), 0) << pos;
        EXPECT_TRUE(
            layoutLegend(slices, legendArea(QSize(60, 40), pos, pie, true), pos, font, theme)
                .isEmpty());
    }
}

TEST(PieChart, ZeroSizeAndHalfRingPainting)
{
    Chart tiny;
    tiny.w.setMinimumSize(0, 0);
    tiny.w.resize(60, 40);
    tiny.w.setInnerRadius(0.5);
    tiny.w.setOutsideLabels(true);
    const QImage empty = tiny.w.renderImage();
    EXPECT_EQ(testsupport::colorShare(empty, tiny.w.chartTheme().palette.at(0)), 0.0);
    EXPECT_TRUE(tiny.w.impl()->labels().isEmpty());
    EXPECT_EQ(tiny.w.impl()->sliceAt(QPointF(30, 20)), -1);

    // The half ring draws over the upper half only: its hole leaves no disc below.
    Chart c;
    c.w.setChartTheme(1);
    c.w.setLegendPosition(LegendTop);
    c.w.setInnerRadius(0.62);
    c.w.setAngleRange(270, 180);
    const QImage image = c.w.renderImage();
    const ChartTheme& theme = c.w.chartTheme();
    EXPECT_EQ(QColor(image.pixel(c.at(0.8, 280))), theme.palette.at(0));
    EXPECT_EQ(QColor(image.pixel(c.at(0.3, 0))), theme.plotArea);
    EXPECT_EQ(QColor(image.pixel(c.at(0.3, 180))), theme.background);
    EXPECT_EQ(QColor(image.pixel(c.at(0.8, 180))), theme.background);
    // The hovered slice is lighter where it is.
    c.w.impl()->hoverAt(c.at(0.8, 280));
    EXPECT_EQ(c.w.renderImage().pixel(c.at(0.8, 280)), theme.palette.at(0).lighter(115).rgb());
}

TEST(PieChart, LeaderLabelsStayApart)
{
    Chart c;
    c.w.setOutsideLabels(true);
    c.w.setLegendPosition(LegendLeft);
    // The default slices are far apart: every label sits where its elbow is.
    for (const PieLabel& l : c.w.impl()->labels()) {
        EXPECT_DOUBLE_EQ(l.anchor.y(), l.elbow.y()) << l.text.toStdString();
        EXPECT_DOUBLE_EQ(l.box.top(), l.elbow.y() - 14);
    }
    // Neighbouring small slices, some near the top and some near the bottom.
    c.w.setSlices(slicesOf({1, 1, 1, 1, 60, 1, 1, 1, 1, 1, 60}));
    QFont f = c.w.font();
    f.setPixelSize(11);
    const double line = QFontMetricsF(f).height();
    const QVector<PieLabel> labels = c.w.impl()->labels();
    ASSERT_EQ(labels.size(), 11);
    for (int i = 0; i < labels.size(); ++i) {
        EXPECT_GE(labels.at(i).anchor.y() - line / 2, 34);
        EXPECT_LE(labels.at(i).anchor.y() + line / 2, 560);
        for (int j = i + 1; j < labels.size(); ++j) {
            if (labels.at(i).rightSide != labels.at(j).rightSide) continue;
            EXPECT_GE(std::abs(labels.at(i).anchor.y() - labels.at(j).anchor.y()), line)
                << i << " and " << j;
        }
    }
}
