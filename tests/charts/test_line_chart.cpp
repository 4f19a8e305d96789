#include "ChartFunctions.h"
#include "LineChartGeometry.h"
#include "MOXQLineChart.h"
#include "MOXQLineChartImpl.h"
#include "TestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MOXQtLib;

using LineChartGeometry::PointMapper;
using LineChartGeometry::ValueRange;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const QSize kSize(800, 500);

LineSeries series(const QString& name, const QVector<double>& values, bool smooth = false)
{
    LineSeries s;
    s.name = name;
    s.values = values;
    s.smooth = smooth;
    return s;
}

// A still chart of the test size: no animation, so points sit at their values.
struct Chart
{
    MOXQLineChart w;
    Chart()
    {
        w.setAnimationEnabled(false);
        w.resize(kSize);
    }
    MOXQLineChartImpl& m() { return *w.impl(); }
    MOXQLineChartImpl::Frame frame() { return m().frame(kSize); }
    void move(const QPointF& pos) { testsupport::sendMouse(&w, QEvent::MouseMove, pos); }
    QPointF pointOf(int series, int index)
    {
        const LineSeries& s = m().series().at(series);
        return frame().map.point(index, s.values.at(index), s.values.size());
    }
};

// Multi-series data with a shorter third series, as on the gallery's multi-line page.
void fillMultiLine(Chart& c)
{
    c.w.setCategories({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug"});
    c.w.setSeries({series("Email", {120, 132, 101, 134, 90, 230, 210, 180}, true),
                   series("Union Ads", {220, 182, 191, 234, 290, 330, 310, 280}),
                   series("Direct", {150, 232, 201, 154, 190, 330, 410}, true)});
}

} // namespace

TEST(LineChartGeometry, ValueRangeRules)
{
    // From zero (or below it) to 8 % over the top; a flat or empty series still has a span.
    const struct
    {
        bool valid;
        double min, max, lo, hi;
    } cases[] = {{true, 150, 260, 0, 268.8},
                 {true, 5, 5, 0, 6.16},
                 {true, -5, -5, -6.1, -3.84},
                 {true, -20, 80, -25, 88},
                 {false, 0, 0, 0, 1}};
    for (const auto& k : cases) {
        const ValueRange r = LineChartGeometry::valueRangeFor(k.valid, k.min, k.max);
        EXPECT_NEAR(r.lo, k.lo, 1e-9) << k.min << " " << k.max;
        EXPECT_NEAR(r.hi, k.hi, 1e-9) << k.min << " " << k.max;
    }

    // The model leaves out hidden series and non-finite values, and empty data is 0..1.
    Chart c;
    c.w.setSeries({series("a", {kNaN, 10, kInf, 20, -kInf}), series("b", {1000})});
    c.m().toggleSeries(1);
    ValueRange r = c.m().valueRange(0, 4);
    EXPECT_TRUE(r.lo == 0 && r.hi == 20 + 0.08 * 10) << r.lo << " " << r.hi;
    c.w.setSeries({series("nan", {kNaN, kNaN})});
    r = c.m().valueRange(0, 1);
    EXPECT_TRUE(r.lo == 0 && r.hi == 1) << r.lo << " " << r.hi;
    c.w.setSeries({});
    r = c.frame().map.range;
    EXPECT_TRUE(r.lo == 0 && r.hi == 1) << r.lo << " " << r.hi;
}

TEST(LineChartGeometry, PlotRectAndRangeBarPerLegendPosition)
{
    Chart c;
    c.w.setRangeSelectorEnabled(true);
    struct Case
    {
        int legend;
        QRectF plot;
        double barOffset;
    } cases[] = {
        {LegendTop, QRectF(56, 88, 720, 320), 40},
        {LegendRight, QRectF(56, 48, 544, 360), 40},
        {LegendBottom, QRectF(56, 48, 720, 332), 76},
        {LegendLeft, QRectF(232, 48, 544, 360), 40},
        // Unknown positions place the legend at the bottom, and the bar with it.
        {7, QRectF(56, 48, 720, 332), 76},
    };
    for (const Case& k : cases) {
        c.w.setLegendPosition(k.legend);
        const MOXQLineChartImpl::Frame f = c.frame();
        EXPECT_EQ(f.layout.plot, k.plot) << k.legend;
        const QRectF bar = c.m().rangeBarRect(f);
        EXPECT_EQ(bar, QRectF(k.plot.left(), k.plot.bottom() + k.barOffset, k.plot.width(), 18))
            << k.legend;
        // Bar and its labels stay inside the widget.
        EXPECT_LE(bar.bottom() + 4 + 16, kSize.height()) << k.legend;
        // Value labels hang off the plot's left edge whatever the legend does.
        const QRectF label = ChartCartesian::valueLabelRect(f.layout.plot, 56, 0);
        EXPECT_DOUBLE_EQ(label.left(), k.plot.left() - 52) << k.legend;
    }
    // Without series there is no legend margin: the bar sits 40 below a 92-pixel margin.
    c.w.setLegendPosition(LegendBottom);
    c.w.setCategories({"a", "b", "c"});
    c.w.setSeries({});
    const MOXQLineChartImpl::Frame f = c.frame();
    EXPECT_EQ(f.layout.plot, QRectF(56, 48, 720, 360));
    EXPECT_EQ(c.m().rangeBarRect(f).top(), 448);
}

TEST(LineChartGeometry, AnimationAndSmoothing)
{
    for (int i = 0; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(LineChartGeometry::pointProgress(0.0, i, 7), 0.0);
        EXPECT_DOUBLE_EQ(LineChartGeometry::pointProgress(1.0, i, 7), 1.0);
    }
    // Points rise one after another.
    EXPECT_GT(LineChartGeometry::pointProgress(0.3, 0, 7),
              LineChartGeometry::pointProgress(0.3, 3, 7));
    EXPECT_DOUBLE_EQ(LineChartGeometry::pointProgress(0.5, 0, 1), 0.5);
    PointMapper map;
    map.plot = QRectF(0, 0, 100, 100);
    map.last = 6;
    map.range = {0, 10};
    map.progress = 0.0;
    EXPECT_DOUBLE_EQ(map.point(3, 8, 7).y(), 100); // at progress 0 every point is at the bottom

    const QVector<QPointF> two{{0, 0}, {10, 5}};
    const QPainterPath straight = LineChartGeometry::linePath(two, true);
    ASSERT_EQ(straight.elementCount(), 2);
    EXPECT_TRUE(straight.elementAt(1).isLineTo());
    const QPainterPath curve = LineChartGeometry::linePath({{0, 0}, {10, 5}, {20, 0}}, true);
    EXPECT_EQ(curve.elementAt(1).type, QPainterPath::CurveToElement);
    EXPECT_EQ(curve.currentPosition(), QPointF(20, 0));
}

TEST(LineChartHover, ItemWithinFourteenPixels)
{
    Chart c;
    c.w.setSmooth(true);
    c.w.setSingleSeries({120, 282, 251, 334, 190, 330, 410});
    c.w.setTooltipTrigger(TooltipItem);
    c.w.setTooltipVisible(true);
    const QPointF tue = c.pointOf(0, 1);
    c.move(tue + QPointF(0, 13));
    EXPECT_TRUE(c.m().hoverState().active);
    EXPECT_EQ(c.m().hoverState().index, 1);
    EXPECT_EQ(c.w.tooltipText(), "Data\nTue: 282");
    c.move(tue + QPointF(10, -10)); // 14.1 pixels away
    EXPECT_FALSE(c.m().hoverState().active);
    EXPECT_TRUE(c.w.tooltipText().isEmpty());
    // Leaving clears what a hover set.
    c.move(tue);
    ASSERT_TRUE(c.m().hoverState().active);
    testsupport::sendMouse(&c.w, QEvent::Leave);
    EXPECT_FALSE(c.m().hoverState().active);
    EXPECT_TRUE(c.w.tooltipText().isEmpty());
}

TEST(LineChartHover, AxisTooltipListsSeriesThatReachTheIndex)
{
    Chart c;
    c.w.setLegendPosition(LegendTop);
    fillMultiLine(c);
    c.w.setTooltipTrigger(TooltipAxis);
    c.w.setTooltipVisible(true);
    const QRectF plot = c.frame().layout.plot;
    c.move(QPointF(plot.right() - 3, plot.center().y()));
    EXPECT_EQ(c.m().hoverState().index, 7);
    EXPECT_EQ(c.w.tooltipText(), "Aug\nEmail: 180\nUnion Ads: 280");
    c.move(QPointF(plot.center().x(), plot.top() + 5));
    EXPECT_EQ(c.w.tooltipText().split('\n').size(), 4);
    // Hiding a series drops it from the tooltip; unknown triggers behave as None.
    c.m().toggleSeries(0);
    c.move(QPointF(plot.right() - 3, plot.center().y()));
    EXPECT_EQ(c.w.tooltipText(), "Aug\nUnion Ads: 280");
    c.w.setTooltipTrigger(7);
    c.move(QPointF(plot.right() - 4, plot.center().y()));
    EXPECT_FALSE(c.m().hoverState().active);
    EXPECT_TRUE(c.w.tooltipText().isEmpty());
}

TEST(LineChartLegend, ToggleKeepsColoursAndRescales)
{
    Chart c;
    c.w.setLegendPosition(LegendTop);
    fillMultiLine(c);
    const QColor direct = c.m().colorOf(2);
    const double hiBefore = c.frame().map.range.hi;
    const auto items = c.m().legendItems(c.frame(), kSize, c.w.font());
    ASSERT_EQ(items.size(), 3);
    testsupport::click(&c.w, items.at(2).rect.center());
    EXPECT_FALSE(c.m().series().at(2).visible);
    EXPECT_LT(c.frame().map.range.hi, hiBefore); // 410 no longer counts
    testsupport::click(&c.w, items.at(0).rect.center());
    EXPECT_EQ(c.m().colorOf(2), direct);
    const auto hidden = c.m().legendItems(c.frame(), kSize, c.w.font());
    EXPECT_FALSE(hidden.at(0).visible);
    EXPECT_EQ(hidden.at(1).color, c.m().colorOf(1));
    testsupport::click(&c.w, items.at(2).rect.center());
    testsupport::click(&c.w, items.at(0).rect.center());
    EXPECT_TRUE(c.m().series().at(0).visible && c.m().series().at(2).visible);
    EXPECT_DOUBLE_EQ(c.frame().map.range.hi, hiBefore);
    EXPECT_FALSE(c.m().toggleSeries(-1));
    EXPECT_FALSE(c.m().toggleSeries(3));
}

TEST(LineChartFaults, NewDataClearsHoverAndBadInputDrawsSafely)
{
    Chart c;
    c.w.setTooltipTrigger(TooltipItem);
    c.w.setTooltipVisible(true);
    c.w.setSingleSeries({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    c.move(c.pointOf(0, 9));
    ASSERT_EQ(c.m().hoverState().index, 9);
    c.w.setSingleSeries({1, 2});
    EXPECT_FALSE(c.m().hoverState().active);
    EXPECT_EQ(c.m().hoverState().index, -1);
    EXPECT_TRUE(c.w.tooltipText().isEmpty());
    EXPECT_FALSE(c.w.renderImage().isNull());

    // Non-finite values are skipped by hover and painting; nothing stretches or crashes.
    c.w.setTooltipTrigger(TooltipAxis);
    c.w.setCategories({});
    c.w.setSeries({series("x", {kNaN, 5, kInf, 7, -kInf}, true)});
    c.w.setAreaFill(true);
    const QRectF plot = c.frame().layout.plot;
    c.move(QPointF(plot.left() + 2, plot.center().y())); // index 0 holds NaN
    EXPECT_FALSE(c.m().hoverState().active);
    c.move(QPointF(plot.right() - 2, plot.center().y())); // -inf
    EXPECT_FALSE(c.m().hoverState().active);
    c.move(QPointF(plot.left() + plot.width() / 4, plot.center().y()));
    EXPECT_EQ(c.w.tooltipText(), "Item 2\nx: 5");
    EXPECT_FALSE(c.w.renderImage().isNull());
    c.w.setSmooth(false);
    c.w.setVisibleRange(kNaN, 0.5);
    EXPECT_FALSE(c.w.renderImage().isNull());

    // Empty data: empty plot, no legend, hover and clicks do nothing.
    c.w.setSeries({});
    c.w.setCategories({});
    c.move(plot.center());
    testsupport::click(&c.w, plot.center());
    EXPECT_FALSE(c.m().hoverState().active);
    const QImage empty = c.w.renderImage();
    EXPECT_GT(testsupport::colorShare(empty, c.w.chartTheme().plotArea), 0.5);
}

TEST(LineChartFaults, MoveWithoutButtonEndsMissedDrag)
{
    Chart c;
    QStringList cats;
    QVector<double> values;
    for (int i = 0; i < 100; ++i) {
        cats << QString::number(i);
        values << i % 7;
    }
    c.w.setCategories(cats);
    c.w.setSingleSeries(values);
    c.w.setRangeSelectorEnabled(true);
    c.w.setVisibleRange(0.5, 1.0);
    const QRectF bar = c.m().rangeBarRect(c.frame());
    const QRectF sel = c.m().rangeSelector().selectionRect(bar);
    const QPointF grip(sel.left(), bar.center().y());
    testsupport::sendMouse(&c.w, QEvent::MouseButtonPress, grip);
    ASSERT_TRUE(c.m().rangeSelector().isDragging());
    testsupport::sendMouse(&c.w, QEvent::MouseMove, grip - QPointF(bar.width() / 4, 0),
                           Qt::LeftButton);
    EXPECT_NEAR(c.m().rangeSelector().start(), 0.25, 0.01);
    EXPECT_EQ(c.frame().first, 24);
    // The release went elsewhere: the next plain move ends the drag and moves nothing.
    c.move(grip - QPointF(bar.width() / 8, 0));
    EXPECT_FALSE(c.m().rangeSelector().isDragging());
    EXPECT_NEAR(c.m().rangeSelector().start(), 0.25, 0.01);
}
