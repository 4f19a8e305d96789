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

TEST(ChartFunctions, FormatNumber)
{
    EXPECT_EQ(formatChartNumber(150), "150");
    EXPECT_EQ(formatChartNumber(100), "100");
    EXPECT_EQ(formatChartNumber(3.5), "3.5");
    EXPECT_EQ(formatChartNumber(0.1), "0.1");
    EXPECT_EQ(formatChartNumber(2.25), "2.25");
    EXPECT_EQ(formatChartNumber(-0.5), "-0.5");
    EXPECT_EQ(formatChartNumber(3.14159), "3.14");
    EXPECT_EQ(formatChartNumber(1200.0), "1200");
    // Nothing that rounds to zero keeps its sign.
    EXPECT_EQ(formatChartNumber(-0.0), "0");
    EXPECT_EQ(formatChartNumber(-0.001), "0");
    EXPECT_EQ(formatChartNumber(-0.004999), "0");
    EXPECT_EQ(formatChartNumber(-0.005), "-0.01");
}

TEST(ChartFunctions, SeriesColourAndCategoryLabel)
{
    ChartTheme theme = themePreset(0);
    EXPECT_EQ(seriesColor(QColor(1, 2, 3), 4, theme), QColor(1, 2, 3));
    EXPECT_EQ(seriesColor(QColor(), 7, theme), theme.palette.at(1));
    EXPECT_EQ(seriesColor(QColor(), -1, theme), theme.palette.at(5));
    theme.palette.clear();
    EXPECT_EQ(seriesColor(QColor(), 0, theme), QColor(84, 112, 198));
    const QStringList cats{"Mon", "Tue"};
    EXPECT_EQ(chartCategoryLabel(cats, 1), "Tue");
    EXPECT_EQ(chartCategoryLabel(cats, 4), "Item 5");
    EXPECT_EQ(chartCategoryLabel(cats, -1), "Item 0");
    EXPECT_EQ(themePreset(99).name, "Default");
    EXPECT_EQ(themePreset(-1).name, "Default");
}

TEST(ChartRangeSelector, Normalisation)
{
    ChartRangeSelector r;
    r.setEnabled(true);
    r.setRange(0.9, 0.2);
    EXPECT_DOUBLE_EQ(r.start(), 0.2);
    EXPECT_DOUBLE_EQ(r.end(), 0.9);
    r.setRange(-3, 7);
    EXPECT_DOUBLE_EQ(r.start(), 0.0);
    EXPECT_DOUBLE_EQ(r.end(), 1.0);
    r.setRange(0.5, 0.505);
    EXPECT_DOUBLE_EQ(r.start(), 0.5);
    EXPECT_NEAR(r.end(), 0.52, 1e-12);
    r.setRange(0.995, 1.0);
    EXPECT_NEAR(r.start(), 0.98, 1e-12);
    EXPECT_DOUBLE_EQ(r.end(), 1.0);
    // Non-finite input keeps the previous range.
    r.setRange(0.25, 0.75);
    r.setRange(std::nan(""), 0.5);
    r.setRange(0.1, std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(r.start(), 0.25);
    EXPECT_DOUBLE_EQ(r.end(), 0.75);
    // Switching off resets.
    r.setEnabled(false);
    EXPECT_DOUBLE_EQ(r.start(), 0.0);
    EXPECT_DOUBLE_EQ(r.end(), 1.0);
    r.setItemCount(-5);
    EXPECT_EQ(r.itemCount(), 1);
}

TEST(ChartRangeSelector, VisibleIndexRange)
{
    ChartRangeSelector r;
    auto range = r.visibleRange(2400);
    EXPECT_EQ(range.first, 0);
    EXPECT_EQ(range.last, 2399);
    r.setEnabled(true);
    r.setRange(0.68, 1.0);
    range = r.visibleRange(2400);
    EXPECT_EQ(range.first, 1631); // floor(0.68 * 2399)
    EXPECT_EQ(range.last, 2399);
    r.setRange(0.55, 1.0);
    range = r.visibleRange(49);
    EXPECT_EQ(range.first, 26);
    EXPECT_EQ(range.last, 48);
    range = r.visibleRange(1);
    EXPECT_EQ(range.first, 0);
    EXPECT_EQ(range.last, 0);
    range = r.visibleRange(0);
    EXPECT_EQ(range.last, 0);
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

    EXPECT_TRUE(MOXQChartBase::tooltipIsDark(themePreset(3)));
    for (int i : {0, 1, 2})
        EXPECT_FALSE(MOXQChartBase::tooltipIsDark(themePreset(i)));
}

TEST(ChartBase, TooltipStylesPainted)
{
    PlainChart chart;
    chart.resize(300, 200);
    chart.showTooltip(QPoint(20, 20), QStringLiteral("Hello"));
    chart.setChartTheme(3);
    QImage dark = chart.renderImage();
    const QPoint inside(40, 46);                           // inside the box, left of the text
    EXPECT_NEAR(QColor(dark.pixel(inside)).blue(), 38, 2); // alpha 236 over 16,20,28
    chart.setChartTheme(0);
    QImage light = chart.renderImage();
    EXPECT_GE(QColor(light.pixel(inside)).lightness(), 250);
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

TEST(ChartBase, ThemeAndBackground)
{
    PlainChart chart;
    chart.setChartTheme(2);
    EXPECT_EQ(chart.chartTheme().name, "Shine");
    EXPECT_EQ(chart.effectiveBackgroundColor(), QColor(255, 251, 245));
    chart.setBackgroundColor(QColor(1, 2, 3));
    EXPECT_EQ(chart.effectiveBackgroundColor(), QColor(1, 2, 3));
    // The tooltip style follows the theme background, not the custom one.
    chart.setChartTheme(3);
    EXPECT_EQ(chart.effectiveBackgroundColor(), QColor(1, 2, 3));
    chart.setBackgroundColor(QColor());
    EXPECT_EQ(chart.effectiveBackgroundColor(), QColor(16, 20, 28));
}
