#include "ChartCartesian.h"
#include "MOXQScatterChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MOXQtLib;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

ChartCartesian::FrameInput frame(double progress = 1.0, int legendPosition = LegendBottom)
{
    ChartCartesian::FrameInput in;
    in.size = QSize(800, 500);
    in.legendPosition = legendPosition;
    in.progress = progress;
    in.theme = themePreset(0);
    return in;
}

ScatterSeries points(const QString& name, const QVector<QPointF>& pts, double size = 8,
                     bool visible = true)
{
    ScatterSeries s;
    s.name = name;
    s.points = pts;
    s.symbolSize = size;
    s.visible = visible;
    return s;
}

} // namespace

TEST(ScatterChart, Ranges)
{
    MOXQScatterChartImpl m(nullptr);
    ScatterRange x, y;
    // No series, or only hidden ones: the unit ranges.
    for (const QVector<ScatterSeries>& none :
         {QVector<ScatterSeries>(), {points("hidden", {{100, 100}, {200, -50}}, 8, false)}}) {
        m.setSeries(none);
        m.ranges(&x, &y);
        EXPECT_TRUE(x.lo == 0 && x.hi == 1 && y.lo == 0 && y.hi == 1);
        EXPECT_FALSE(m.hasPoints());
    }

    // One x value: the range opens by 1 on each side, then widens by 8 % of its span.
    m.setSeries(QVector<ScatterSeries>(m.series())
                << points("a", {{5, -10}, {5, 40}, {kNaN, 1000}, {5, kInf}}));
    m.ranges(&x, &y);
    EXPECT_DOUBLE_EQ(x.lo, 3.84);
    EXPECT_DOUBLE_EQ(x.hi, 6.16);
    EXPECT_DOUBLE_EQ(y.lo, -14.0);
    EXPECT_DOUBLE_EQ(y.hi, 44.0);

    // Near the limits of double the ranges stay finite and the mapping stays in the plot.
    m.setSeries({points("huge", {{-1e308, 1e308}, {1e308, -1e308}})});
    const ScatterGeometry g = m.geometry(frame());
    EXPECT_TRUE(std::isfinite(g.x.lo) && std::isfinite(g.x.hi));
    const QPointF p = g.map(QPointF(1e308, 1e308));
    EXPECT_TRUE(g.plot.contains(p));
}

TEST(ScatterChart, HitTestReachAndTies)
{
    MOXQScatterChartImpl m(nullptr);
    m.setSeries({points("a", {{10, 10}}, 8), points("b", {{10, 10}, {20, 20}}, 8)});
    ScatterGeometry g = m.geometry(frame());
    const QPointF c = g.map(QPointF(10, 10));
    // Both series hold the same point: the earlier series wins the tie.
    ScatterHit hit = m.hitTest(c, g);
    EXPECT_EQ(hit.series, 0);
    EXPECT_EQ(hit.point, 0);
    // Symbol size 8 reaches 14 pixels.
    EXPECT_EQ(m.hitTest(c + QPointF(0, 14), g).series, 0);
    EXPECT_EQ(m.hitTest(c + QPointF(0, 14.1), g).series, -1);
    m.setSeriesVisible(0, false);
    EXPECT_EQ(m.hitTest(c, g).series, 1);

    // The nearest point within its own reach wins, not the nearest point overall.
    m.setSeries({points("small", {{50, 50}}, 2), points("big", {{65, 50}}, 40)});
    g.plot = QRectF(0, 0, 100, 100);
    g.x = g.y = ScatterRange{0, 100};
    // 10 px from "small" (reach 8), 25 px from "big" (reach 46).
    EXPECT_EQ(m.hitTest(QPointF(40, 50), g).series, 1);
    // Non-finite or negative sizes count as 0: a 6-pixel reach.
    m.setSeries({points("nan", {{10, 10}}, kNaN), points("neg", {{10, 10}}, -5)});
    g = m.geometry(frame());
    EXPECT_EQ(m.hitTest(g.map(QPointF(10, 10)) + QPointF(6, 0), g).series, 0);
    EXPECT_EQ(m.hitTest(g.map(QPointF(10, 10)) + QPointF(6.5, 0), g).series, -1);
}

TEST(ScatterChart, HoverFollowsAnimatedPositions)
{
    MOXQScatterChartImpl m(nullptr); // default data: Series A starts at (8, 15)
    const QPointF finalPos = m.geometry(frame()).map(QPointF(8, 15));
    const ScatterGeometry half = m.geometry(frame(0.5));
    const QPointF risingPos = half.map(QPointF(8, 15));
    EXPECT_DOUBLE_EQ(risingPos.x(), finalPos.x());
    EXPECT_NEAR(half.plot.bottom() - risingPos.y(), (half.plot.bottom() - finalPos.y()) / 2, 1e-9);

    ChartCartesian::HoverResult r = m.hoverAt(risingPos.toPoint(), frame(0.5));
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.tooltip, "Series A\nx: 8\ny: 15");
    EXPECT_FALSE(m.hoverAt(risingPos.toPoint(), frame(0.5)).changed);
    // Where the point will be, it is not yet.
    r = m.hoverAt(finalPos.toPoint(), frame(0.5));
    EXPECT_TRUE(r.changed);
    EXPECT_FALSE(m.hover().active);

    // Every trigger but None tracks the nearest point, undefined ones too.
    for (int trigger : {int(TooltipAxis), -3, 7}) {
        m.setTooltipTrigger(trigger);
        EXPECT_FALSE(m.hoverAt(finalPos.toPoint(), frame()).tooltip.isEmpty()) << trigger;
    }
    m.setTooltipTrigger(TooltipNone);
    EXPECT_FALSE(m.hover().active);
    EXPECT_TRUE(m.hoverAt(finalPos.toPoint(), frame()).tooltip.isEmpty());
    EXPECT_FALSE(m.hover().active);
}

TEST(ScatterChart, BadInputDrawsWithoutCrashing)
{
    MOXQScatterChart chart;
    chart.resize(420, 260);
    chart.setAnimationEnabled(false);
    const QVector<QVector<QPointF>> inputs = {
        {}, {{kNaN, kNaN}}, {{kInf, 1}, {1, -kInf}}, {{1e308, -1e308}, {-1e308, 1e308}}};
    for (int pos = 0; pos < 5; ++pos)
        for (const QVector<QPointF>& pts : inputs) {
            chart.setLegendPosition(pos);
            chart.setSeries({points("x", pts, kInf), points("", pts, -1)});
            EXPECT_FALSE(chart.renderImage().isNull());
        }
    chart.setSeries({});
    chart.resize(1, 1);
    EXPECT_FALSE(chart.renderImage().isNull());
}
