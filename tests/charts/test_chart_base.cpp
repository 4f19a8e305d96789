#include "ChartFunctions.h"
#include "ChartRangeSelector.h"
#include "MOXQChartBase.h"
#include "TestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MOXQtLib;

namespace {

class PlainChart : public MOXQChartBase
{
public:
    using MOXQChartBase::MOXQChartBase;
    void paintFrame(QPainter& painter) override { paintTooltip(painter); }
    int steps = 0;

protected:
    void paintGL() override { paintGLFrame(); }
    void animationStepped() override { ++steps; }
};

const QRectF kBar(100, 300, 400, 18);

} // namespace

TEST(ChartFunctions, NumbersColoursAndLabels)
{
    // Up to two decimals, no trailing zeros, and nothing that rounds to zero keeps its sign.
    const std::pair<double, const char*> numbers[] = {
        {150, "150"}, {2.25, "2.25"}, {3.14159, "3.14"}, {-0.5, "-0.5"},
        {-0.0, "0"},  {-0.001, "0"},  {-0.004999, "0"},  {-0.005, "-0.01"},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(formatChartNumber(n.first), n.second) << n.first;

    // Palette indices wrap both ways; an empty palette still gives a colour.
    ChartTheme theme = themePreset(0);
    EXPECT_EQ(seriesColor(QColor(1, 2, 3), 4, theme), QColor(1, 2, 3));
    EXPECT_EQ(seriesColor(QColor(), 7, theme), theme.palette.at(1));
    EXPECT_EQ(seriesColor(QColor(), -1, theme), theme.palette.at(5));
    theme.palette.clear();
    EXPECT_TRUE(seriesColor(QColor(), 0, theme).isValid());
    const QStringList cats{"Mon", "Tue"};
    EXPECT_EQ(chartCategoryLabel(cats, 1), "Tue");
    EXPECT_EQ(chartCategoryLabel(cats, 4), "Item 5");
    EXPECT_EQ(chartCategoryLabel(cats, -1), "Item 0");
    EXPECT_EQ(themePreset(99).name, themePreset(0).name);
    EXPECT_EQ(themePreset(-1).name, themePreset(0).name);
}

TEST(ChartRangeSelector, NormalisationAndVisibleIndices)
{
    ChartRangeSelector r;
    EXPECT_EQ(r.visibleRange(2400).last, 2399); // off: everything
    r.setEnabled(true);
    // Ordered, clamped to 0..1, at least 2 % wide.
    const struct
    {
        double start, end, wantStart, wantEnd;
    } ranges[] = {
        {0.9, 0.2, 0.2, 0.9}, {-3, 7, 0, 1}, {0.5, 0.505, 0.5, 0.52}, {0.995, 1, 0.98, 1}};
    for (const auto& k : ranges) {
        r.setRange(k.start, k.end);
        EXPECT_NEAR(r.start(), k.wantStart, 1e-12) << k.start << " " << k.end;
        EXPECT_NEAR(r.end(), k.wantEnd, 1e-12) << k.start << " " << k.end;
    }
    // Non-finite input keeps the previous range.
    r.setRange(0.25, 0.75);
    r.setRange(std::nan(""), 0.5);
    r.setRange(0.1, std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(r.start(), 0.25);
    EXPECT_DOUBLE_EQ(r.end(), 0.75);

    const struct
    {
        double start;
        int count, first, last;
    } slices[] = {{0.68, 2400, 1631, 2399}, {0.55, 49, 26, 48}, {0.55, 1, 0, 0}, {0.55, 0, 0, 0}};
    for (const auto& k : slices) {
        r.setRange(k.start, 1.0);
        const auto range = r.visibleRange(k.count);
        EXPECT_EQ(range.first, k.first) << k.count;
        EXPECT_EQ(range.last, k.last) << k.count;
    }
    // Switching off resets.
    r.setEnabled(false);
    EXPECT_DOUBLE_EQ(r.start(), 0.0);
    EXPECT_DOUBLE_EQ(r.end(), 1.0);
    r.setItemCount(-5);
    EXPECT_EQ(r.itemCount(), 1);
}

TEST(ChartRangeSelector, LayoutAndHitZones)
{
    ChartRangeSelector r;
    const QRectF plot(56, 48, 400, 200);
    EXPECT_TRUE(r.layout(plot, 40).isEmpty());
    r.setEnabled(true);
    EXPECT_TRUE(r.layout(plot, 40).isEmpty()); // fewer than two items
    r.setItemCount(10);
    const QRectF bar = r.layout(plot, 40);
    EXPECT_EQ(bar, QRectF(56, 288, 400, 18));

    r.setRange(0.25, 0.75); // selection 200..400 on kBar
    EXPECT_FALSE(r.press(QPoint(150, 309), kBar));
    EXPECT_TRUE(r.press(QPoint(193, 296), kBar)); // 6 above the bar is still the handle
    EXPECT_EQ(r.dragMode(), ChartRangeSelector::LeftHandle);
    r.release();
    EXPECT_TRUE(r.press(QPoint(407, 310), kBar));
    EXPECT_EQ(r.dragMode(), ChartRangeSelector::RightHandle);
    r.release();
    EXPECT_TRUE(r.press(QPoint(300, 310), kBar));
    EXPECT_EQ(r.dragMode(), ChartRangeSelector::Body);
    r.release();
    EXPECT_FALSE(r.press(QPoint(300, 330), kBar));
    EXPECT_FALSE(r.press(QPoint(300, 310), QRectF()));
    EXPECT_FALSE(r.drag(QPoint(300, 310), kBar));
}

TEST(ChartRangeSelector, Drags)
{
    ChartRangeSelector r;
    r.setEnabled(true);
    r.setItemCount(100);
    r.setRange(0.25, 0.75);
    // Right handle dragged past the left one stops at start + minimum span.
    ASSERT_TRUE(r.press(QPoint(400, 309), kBar));
    EXPECT_TRUE(r.drag(QPoint(120, 309), kBar));
    EXPECT_DOUBLE_EQ(r.start(), 0.25);
    EXPECT_NEAR(r.end(), 0.27, 1e-12);
    r.release();
    // Left handle dragged past the right one stops at end - minimum span.
    r.setRange(0.25, 0.75);
    ASSERT_TRUE(r.press(QPoint(200, 309), kBar));
    EXPECT_TRUE(r.drag(QPoint(480, 309), kBar));
    EXPECT_NEAR(r.start(), 0.73, 1e-12);
    EXPECT_DOUBLE_EQ(r.end(), 0.75);
    r.release();
    // The body keeps its width past either end.
    r.setRange(0.25, 0.75);
    ASSERT_TRUE(r.press(QPoint(300, 309), kBar));
    r.drag(QPoint(900, 309), kBar);
    EXPECT_DOUBLE_EQ(r.end(), 1.0);
    EXPECT_DOUBLE_EQ(r.start(), 0.5);
    r.drag(QPoint(-900, 309), kBar);
    EXPECT_DOUBLE_EQ(r.start(), 0.0);
    EXPECT_DOUBLE_EQ(r.end(), 0.5);
    r.release();
    EXPECT_FALSE(r.isDragging());
}

TEST(ChartBase, TooltipPlacement)
{
    QFont font;
    font.setPixelSize(12);
    const QRect widget(0, 0, 400, 300);
    const QString text = QStringLiteral("Series\nMon: 150");
    const QRect mid = MOXQChartBase::tooltipRect(widget, QPoint(100, 100), text, font);
    EXPECT_EQ(mid.topLeft(), QPoint(116, 120));
    // Near the bottom-right corner: above and left of the cursor, inside the 8-pixel margin.
    const QRect corner = MOXQChartBase::tooltipRect(widget, QPoint(395, 295), text, font);
    EXPECT_LE(corner.right(), 400 - 8 - 1);
    EXPECT_LT(corner.bottom(), 295);
    EXPECT_EQ(corner.top(), 295 - corner.height() - 16);
    // Top-left corner and a tiny widget never push the box past the top-left margin.
    const QRect tiny = MOXQChartBase::tooltipRect(QRect(0, 0, 30, 30), QPoint(20, 20), text, font);
    EXPECT_EQ(tiny.topLeft(), QPoint(8, 8));
    EXPECT_TRUE(MOXQChartBase::tooltipRect(widget, QPoint(1, 1), QString(), font).isNull());
}

TEST(ChartBase, TooltipStylesPainted)
{
    // A dark tooltip on the dark theme, a light one on the light themes.
    PlainChart chart;
    chart.resize(300, 200);
    chart.showTooltip(QPoint(20, 20), QStringLiteral("Hello"));
    chart.setChartTheme(3);
    const QPoint inside(40, 46); // inside the box, left of the text
    EXPECT_LT(QColor(chart.renderImage().pixel(inside)).lightness(), 60);
    chart.setChartTheme(0);
    EXPECT_GE(QColor(chart.renderImage().pixel(inside)).lightness(), 250);
    chart.hideTooltip();
    EXPECT_TRUE(chart.tooltipText().isEmpty());
    EXPECT_DOUBLE_EQ(testsupport::colorShare(chart.renderImage(), Qt::white), 1.0);
}

TEST(ChartBase, Animation)
{
    PlainChart chart;
    EXPECT_DOUBLE_EQ(chart.animationProgress(), 1.0);
    chart.setAnimationDuration(-20);
    EXPECT_EQ(chart.animationDuration(), 0);
    chart.setAnimationDuration(500);
    chart.replayAnimation();
    EXPECT_TRUE(chart.isAnimationRunning());
    EXPECT_LT(chart.animationProgress(), 1.0);
    testsupport::processEvents(60);
    EXPECT_GT(chart.steps, 0);
    // Switching off mid-run jumps to the end.
    chart.setAnimationEnabled(false);
    EXPECT_FALSE(chart.isAnimationRunning());
    EXPECT_DOUBLE_EQ(chart.animationProgress(), 1.0);
    const int steps = chart.steps;
    chart.replayAnimation();
    EXPECT_DOUBLE_EQ(chart.animationProgress(), 1.0);
    EXPECT_EQ(chart.steps, steps + 1);
    // A zero duration finishes at once.
    chart.setAnimationEnabled(true);
    chart.setAnimationDuration(0);
    chart.replayAnimation();
    EXPECT_DOUBLE_EQ(chart.animationProgress(), 1.0);
    EXPECT_FALSE(chart.isAnimationRunning());
}

TEST(ChartBase, CustomBackgroundOverridesEveryThemeUntilCleared)
{
    PlainChart chart;
    chart.setChartTheme(2);
    EXPECT_EQ(chart.effectiveBackgroundColor(), themePreset(2).background);
    chart.setBackgroundColor(QColor(1, 2, 3));
    chart.setChartTheme(3);
    EXPECT_EQ(chart.effectiveBackgroundColor(), QColor(1, 2, 3));
    chart.setBackgroundColor(QColor());
    EXPECT_EQ(chart.effectiveBackgroundColor(), themePreset(3).background);
}
