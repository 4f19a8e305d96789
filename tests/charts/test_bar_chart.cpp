#include "ChartCartesian.h"
#include "MOXQBarChart.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MOXQtLib;
using testsupport::sendMouse;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

ChartCartesian::FrameInput frame(int legendPosition = LegendBottom, double progress = 1.0)
{
    ChartCartesian::FrameInput in;
    in.size = QSize(800, 500);
    in.legendPosition = legendPosition;
    in.progress = progress;
    in.theme = themePreset(0);
    return in;
}

BarSeries bars(const QString& name, const QVector<double>& values, bool visible = true)
{
    BarSeries s;
    s.name = name;
    s.values = values;
    s.visible = visible;
    return s;
}

} // namespace

TEST(BarChart, ValueRanges)
{
    // 8 % of the span above, 5 % below; hidden and non-finite values are no data. With only
    // negative values the zero line stays in the range.
    const struct
    {
        QVector<BarSeries> series;
        double lo, hi;
    } cases[] = {
        {{}, 0, 1},
        {{bars("a", {0, 0, 0})}, 0, 1.08},
        {{bars("a", {-50, 100}), bars("hidden", {-1000, 5000}, false)}, -57.5, 112},
        {{bars("a", {kNaN, 10, kInf, -kInf})}, 0, 10.8},
        {{bars("a", {-5, -3})}, -5.25, 0.4},
    };
    MOXQBarChartImpl m(nullptr);
    for (const auto& k : cases) {
        m.setSeries(k.series);
        const BarValueRange r = m.valueRange();
        EXPECT_EQ(r.empty, k.series.isEmpty());
        EXPECT_DOUBLE_EQ(r.lo, k.lo) << k.hi;
        EXPECT_DOUBLE_EQ(r.hi, k.hi) << k.hi;
    }
    // So the negative bars hang from the baseline inside the plot.
    const BarGeometry g = m.geometry(frame());
    EXPECT_GT(g.baseline, g.plot.top());
    EXPECT_LT(g.baseline, g.plot.bottom());
    for (const BarRect& b : g.bars) {
        EXPECT_GE(b.rect.top(), g.plot.top() - 1e-9);
        EXPECT_LE(b.rect.bottom(), g.plot.bottom() + 1e-9);
        EXPECT_DOUBLE_EQ(b.rect.top(), g.baseline);
    }
    m.setSeries({bars("a", {kNaN, kInf})});
    EXPECT_TRUE(m.valueRange().empty);
}

TEST(BarChart, GeometryCompactsSlotsAndGrowsFromBaseline)
{
    MOXQBarChartImpl m(nullptr);
    m.setCategories(QStringList{"Q1", "Q2", "Q3"});
    m.setSeries({bars("a", {10, 20, 30}), bars("short", {5}), bars("c", {7, kNaN, 9})});
    const BarGeometry g = m.geometry(frame());
    ASSERT_EQ(g.categoryCount, 3);
    auto find = [&](int s, int c) -> const BarRect* {
        for (const BarRect& b : g.bars)
            if (b.series == s && b.category == c) return &b;
        return nullptr;
    };
    ASSERT_NE(find(2, 0), nullptr);
    ASSERT_NE(find(2, 2), nullptr);
    EXPECT_EQ(find(1, 1), nullptr);
    EXPECT_EQ(find(2, 1), nullptr); // NaN leaves no bar
    const qreal slot = find(1, 0)->rect.left() - find(0, 0)->rect.left();
    EXPECT_GT(slot, find(0, 0)->rect.width());
    // Past the short series' end the third series moves into the second slot.
    EXPECT_NEAR(find(2, 2)->rect.left() - find(0, 2)->rect.left(), slot, 1e-9);
    EXPECT_NEAR(find(2, 0)->rect.left() - find(0, 0)->rect.left(), 2 * slot, 1e-9);
    EXPECT_NEAR(find(0, 2)->rect.left() - find(0, 0)->rect.left(), 2 * g.groupWidth, 1e-9);
    EXPECT_NEAR(find(0, 2)->rect.height(), 3 * find(0, 0)->rect.height(), 1e-6);

    // At the start of the animation every bar is one pixel on the baseline.
    for (const BarRect& b : m.geometry(frame(LegendBottom, 0.0)).bars) {
        EXPECT_DOUBLE_EQ(b.rect.height(), 1.0);
        EXPECT_DOUBLE_EQ(b.rect.top(), g.baseline);
    }
    // Empty series list: no legend space, bottom margin 42, a single category.
    m.setSeries({});
    m.setCategories({});
    const BarGeometry e = m.geometry(frame());
    EXPECT_EQ(e.plot, QRectF(56, 48, 800 - 56 - 24, 500 - 48 - 42));
    EXPECT_EQ(e.categoryCount, 1);
    EXPECT_TRUE(e.bars.isEmpty());
    EXPECT_TRUE(m.legendItems(frame(), e.plot).isEmpty());
}

TEST(BarChart, AxisAndItemHover)
{
    MOXQBarChartImpl m(nullptr); // default week data, 150 on Wednesday
    m.setTooltipVisible(true);
    m.setTooltipTrigger(TooltipAxis);
    const BarGeometry g = m.geometry(frame());
    const QPoint wed(int(g.plot.left() + g.groupWidth * 2.5), int(g.plot.top() + 5));
    ChartCartesian::HoverResult r = m.hoverAt(wed, frame());
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.tooltip, "Wed\nData: 150");
    EXPECT_EQ(m.hover().category, 2);
    EXPECT_EQ(m.hover().series, -1);
    EXPECT_FALSE(m.hoverAt(wed, frame()).changed);
    EXPECT_EQ(MOXQBarChartImpl::axisCategory(g.plot, 7, g.plot.right() + 50), 6);
    EXPECT_EQ(MOXQBarChartImpl::axisCategory(g.plot, 7, kNaN), 0);

    // Outside the plot the hover is dropped, reported once.
    r = m.hoverAt(QPoint(2, 2), frame());
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.tooltip.isEmpty());
    EXPECT_FALSE(m.hover().active);
    EXPECT_FALSE(m.hoverAt(QPoint(2, 2), frame()).changed);

    // Item: the bar's rectangle grown by 2 pixels is hit, 3 pixels off is not.
    m.setTooltipTrigger(TooltipItem);
    const QRectF bar = g.bars.at(2).rect;
    const int y = int(bar.center().y());
    const int reach = int(std::ceil(bar.left() - 2));
    r = m.hoverAt(QPoint(reach, y), frame());
    EXPECT_EQ(r.tooltip, "Data\nWed: 150");
    EXPECT_EQ(m.hover().series, 0);
    EXPECT_EQ(m.hover().category, 2);
    m.hoverAt(QPoint(reach - 1, y), frame());
    EXPECT_FALSE(m.hover().active);

    // Undefined triggers track nothing, like None; a hidden tooltip keeps the hover.
    m.setTooltipTrigger(7);
    EXPECT_TRUE(m.hoverAt(bar.center().toPoint(), frame()).tooltip.isEmpty());
    EXPECT_FALSE(m.hover().active);
    m.setTooltipTrigger(TooltipItem);
    m.setTooltipVisible(false);
    r = m.hoverAt(bar.center().toPoint(), frame());
    EXPECT_TRUE(m.hover().active);
    EXPECT_TRUE(r.tooltip.isEmpty());
}

TEST(BarChart, LabelsPastCategoriesAndEmptyNames)
{
    MOXQBarChartImpl m(nullptr);
    m.setCategories(QStringList{"A", "B", "C", "D"});
    m.setSeries({bars("", {1, 2, 3, 4, 5, 6}), bars("b", {1, 1, 1, 1, kNaN, 2})});
    m.setTooltipVisible(true);
    m.setTooltipTrigger(TooltipAxis);
    const BarGeometry g = m.geometry(frame());
    ASSERT_EQ(g.categoryCount, 6);
    const QPoint fifth(int(g.plot.left() + g.groupWidth * 4.5), int(g.plot.center().y()));
    // The NaN of the second series is left out of the column's lines.
    EXPECT_EQ(m.hoverAt(fifth, frame()).tooltip, "Item 5\nSeries: 5");
    const auto legend = m.legendItems(frame(), g.plot);
    ASSERT_EQ(legend.size(), 2);
    EXPECT_EQ(legend.at(0).name, "Series 1");
}

TEST(BarChart, HiddenSeriesKeepColoursAndLegendToggles)
{
    MOXQBarChartImpl m(nullptr);
    const ChartTheme theme = themePreset(0);
    QVector<BarSeries> three{bars("a", {1, 2}), bars("b", {3, 4}), bars("c", {5, 6})};
    three[1].borderColor = QColor(1, 2, 3);
    m.setSeries(three);
    for (int pos : {LegendTop, LegendRight, LegendBottom, LegendLeft}) {
        const ChartCartesian::FrameInput in = frame(pos);
        const QRectF plot = m.plotRect(in.size, pos);
        const auto items = m.legendItems(in, plot);
        ASSERT_EQ(items.size(), 3);
        // Clicking the second item hides "b"; clicking it again brings it back.
        const QPointF click = items.at(1).rect.topLeft() - QPointF(1.5, 1.5);
        EXPECT_EQ(m.toggleLegendAt(click, in), 1);
        EXPECT_FALSE(m.series().at(1).visible);
        const BarGeometry g = m.geometry(in);
        ASSERT_EQ(g.bars.size(), 4);
        for (const BarRect& b : g.bars)
            EXPECT_EQ(b.color, theme.palette.at(b.series));
        EXPECT_EQ(m.legendItems(in, plot).at(1).color, theme.palette.at(1));
        EXPECT_EQ(m.toggleLegendAt(click, in), 1);
        EXPECT_TRUE(m.series().at(1).visible);
        EXPECT_EQ(m.toggleLegendAt(QPointF(-10, -10), in), -1);
    }
    EXPECT_EQ(m.borderColor(0, theme), theme.palette.at(0).darker(120));
    EXPECT_EQ(m.borderColor(1, theme), QColor(1, 2, 3));
    // All hidden: no bars and the unit range, the legend still lists every series.
    for (int i = 0; i < 3; ++i)
        m.setSeriesVisible(i, false);
    EXPECT_FALSE(m.setSeriesVisible(3, true));
    EXPECT_TRUE(m.geometry(frame()).bars.isEmpty());
    EXPECT_DOUBLE_EQ(m.valueRange().hi, 1.0);
    EXPECT_EQ(m.legendItems(frame(), m.plotRect(QSize(800, 500), LegendBottom)).size(), 3);
}

TEST(BarChart, WidgetDropsHoverOnNewDataAndLegendClick)
{
    MOXQBarChart chart;
    chart.resize(800, 500);
    chart.setAnimationEnabled(false);
    chart.setTooltipTrigger(TooltipItem);
    chart.setTooltipVisible(true);
    const BarGeometry g = chart.impl()->geometry(ChartCartesian::frameInput(chart));
    const QPoint tue = g.bars.at(1).rect.center().toPoint();
    sendMouse(&chart, QEvent::MouseMove, tue);
    EXPECT_EQ(chart.tooltipText(), "Data\nTue: 200");
    // The hovered bar is drawn lighter.
    const QImage hot = chart.renderImage();
    const QColor drawn = hot.pixelColor(tue.x(), tue.y() + 30);
    const QColor lighter = chart.chartTheme().palette.at(0).lighter(115);
    EXPECT_LE(std::abs(drawn.red() - lighter.red()) + std::abs(drawn.green() - lighter.green()) +
                  std::abs(drawn.blue() - lighter.blue()),
              3);

    chart.setData({1, 2, 3});
    EXPECT_TRUE(chart.tooltipText().isEmpty());
    EXPECT_FALSE(chart.impl()->hover().active);

    const BarGeometry fresh = chart.impl()->geometry(ChartCartesian::frameInput(chart));
    sendMouse(&chart, QEvent::MouseMove, fresh.bars.at(0).rect.center().toPoint());
    EXPECT_FALSE(chart.tooltipText().isEmpty());
    const auto items = chart.impl()->legendItems(ChartCartesian::frameInput(chart), g.plot);
    sendMouse(&chart, QEvent::MouseButtonPress, items.at(0).rect.center().toPoint());
    EXPECT_FALSE(chart.series().at(0).visible);
    EXPECT_TRUE(chart.tooltipText().isEmpty());
    EXPECT_FALSE(chart.impl()->hover().active);
}

TEST(BarChart, BadInputDrawsWithoutCrashing)
{
    MOXQBarChart chart;
    chart.resize(420, 260);
    chart.setAnimationEnabled(false);
    const QVector<QVector<double>> inputs = {{},
                                             {kNaN, kNaN},
                                             {kInf, -kInf, 3},
                                             {1e308, -1e308, 1e308},
                                             {std::numeric_limits<double>::max()}};
    for (const QVector<double>& values : inputs) {
        chart.setSeries({bars("x", values), bars("", {})});
        const BarGeometry g = chart.impl()->geometry(ChartCartesian::frameInput(chart));
        EXPECT_TRUE(std::isfinite(g.baseline));
        for (const BarRect& b : g.bars) {
            EXPECT_TRUE(std::isfinite(b.rect.top()) && std::isfinite(b.rect.height()));
            EXPECT_GE(b.rect.top(), g.plot.top() - 1e-6);
            EXPECT_LE(b.rect.bottom(), g.plot.bottom() + 1e-6);
        }
        EXPECT_FALSE(chart.renderImage().isNull());
    }
    chart.setSeries({});
    chart.setCategories({});
    chart.resize(1, 1);
    chart.setLegendPosition(42);
    EXPECT_FALSE(chart.renderImage().isNull());
}
