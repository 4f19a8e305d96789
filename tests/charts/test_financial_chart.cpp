#include "MOXQFinancialChart.h"
#include "MOXQFinancialChartImpl.h"
#include "TestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace MOXQtLib;

namespace {

class FinancialChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        chart.setAnimationEnabled(false);
        chart.resize(800, 500);
    }

    void move(const QPoint& p, Qt::MouseButtons buttons = Qt::NoButton)
    {
        testsupport::sendMouse(&chart, QEvent::MouseMove, p, buttons);
    }
    void press(const QPoint& p) { testsupport::sendMouse(&chart, QEvent::MouseButtonPress, p); }

    FinancialLayout layout() const { return impl->layout(chart.size()); }
    QPoint at(double x, double y) const { return QPoint(int(std::lround(x)), int(std::lround(y))); }

    MOXQFinancialChart chart;
    MOXQFinancialChartImpl* impl = chart.impl();
};

// Share of pixels of `image` inside `area` that have `color`.
double shareIn(const QImage& image, const QRectF& area, const QColor& color)
{
    return testsupport::colorShare(image.copy(area.toAlignedRect()), color, 3);
}

} // namespace

TEST_F(FinancialChartTest, VisibleSliceAndPlotFollowTheRangeSelector)
{
    impl->setMode(FinancialTimeSharing);
    FinancialLayout l = layout();
    EXPECT_EQ(l.count, 49);
    EXPECT_EQ(l.first, 26);
    EXPECT_EQ(l.last, 48);
    EXPECT_EQ(l.plot, QRectF(66, 48, 800 - 66 - 28, 500 - 48 - 82 - 44));

    impl->setMode(FinancialKLine);
    l = layout();
    EXPECT_EQ(l.first, 33);
    EXPECT_EQ(l.last, 61);
    EXPECT_DOUBLE_EQ(l.edgeX(33), l.plot.left());
    EXPECT_DOUBLE_EQ(l.edgeX(61), l.plot.right());
    EXPECT_EQ(l.indexAt(l.plot.left() - 5), 33);
    EXPECT_EQ(l.indexAt(l.plot.right() + 5), 61);

    impl->setRangeSelectorEnabled(false);
    l = layout();
    EXPECT_EQ(l.first, 0);
    EXPECT_EQ(l.last, 61);
    EXPECT_EQ(l.plot.height(), 500 - 48 - 82);

    // One record: no bar is drawn, yet the plot keeps the bar's room; the record sits on the
    // left edge, and its volume slot is the whole plot.
    impl->setRangeSelectorEnabled(true);
    impl->setCandles({impl->candles().first()});
    l = layout();
    EXPECT_EQ(l.plot.height(), 500 - 48 - 82 - 44);
    EXPECT_TRUE(impl->rangeBar(chart.size()).isEmpty());
    EXPECT_DOUBLE_EQ(l.edgeX(0), l.plot.left());
    impl->setMode(FinancialVolumeBars);
    l = layout();
    EXPECT_DOUBLE_EQ(l.slotWidth(), l.plot.width());
    EXPECT_DOUBLE_EQ(l.slotCenterX(0), l.plot.center().x());
    EXPECT_EQ(l.indexAt(l.plot.right()), 0);

    // A flat day still gets a scale of some height.
    CandleRecord flat;
    flat.open = flat.high = flat.low = flat.close = 100;
    impl->setMode(FinancialKLine);
    impl->setCandles({flat});
    l = layout();
    EXPECT_EQ(l.lo, 99);
    EXPECT_EQ(l.hi, 101);
    EXPECT_DOUBLE_EQ(l.valueY(100), l.plot.center().y());
}

TEST_F(FinancialChartTest, VolumeModeScalesAndHitsByTheBarsItDraws)
{
    impl->setMode(7); // every mode past the first two draws volume bars
    const FinancialLayout l = layout();
    ASSERT_EQ(l.mode, FinancialVolumeBars);
    double largest = 0;
    for (int i = l.first; i <= l.last; ++i)
        largest = std::max(largest, impl->candles().at(i).volume);
    EXPECT_EQ(l.lo, 0.0);
    EXPECT_EQ(l.hi, largest);
    EXPECT_DOUBLE_EQ(l.valueY(largest), l.plot.top());
    EXPECT_DOUBLE_EQ(l.valueY(0), l.plot.bottom());

    const double slot = l.slotWidth();
    for (int i = l.first; i <= l.last; ++i) {
        const double cx = l.slotCenterX(i);
        EXPECT_DOUBLE_EQ(l.recordX(i), cx);
        EXPECT_EQ(l.indexAt(cx - 0.45 * slot), i);
        EXPECT_EQ(l.indexAt(cx + 0.45 * slot), i);
    }
    // The right half of a bar hovers that bar's day, not the next one.
    const int day = l.first + 5;
    move(at(l.slotCenterX(day) + 0.4 * slot, l.plot.center().y()));
    EXPECT_TRUE(impl->hoverActive());
    EXPECT_EQ(impl->hoverIndex(), day);
    EXPECT_TRUE(chart.tooltipText().startsWith(impl->candles().at(day).date));
    EXPECT_FALSE(chart.tooltipText().contains("MA"));

    // In candle mode the same point is nearer the next day's candle.
    impl->setMode(FinancialKLine);
    move(at(l.slotCenterX(day) + 0.4 * slot, l.plot.center().y()));
    EXPECT_EQ(impl->hoverIndex(), day + 1);
}

TEST_F(FinancialChartTest, EmptyListsDrawAnEmptyPlotWithoutLabelsOrHover)
{
    chart.setChartTheme(3); // plot and background differ, so stray marks show
    const QColor background = chart.chartTheme().background;
    for (int mode : {FinancialKLine, FinancialTimeSharing, FinancialVolumeBars}) {
        impl->setMode(mode);
        if (mode == FinancialTimeSharing)
            impl->setTicks({});
        else
            impl->setCandles({});
        const FinancialLayout l = layout();
        EXPECT_EQ(l.lo, 0.0);
        EXPECT_EQ(l.hi, 1.0);
        const QImage image = chart.renderImage();
        // No record labels, no range bar and no range labels under the plot (the lowest value
        // label reaches 8 pixels below it).
        const QRectF below(0, l.plot.bottom() + 9, 800, 500 - l.plot.bottom() - 9);
        EXPECT_EQ(shareIn(image, below, background), 1.0) << mode;
        // The "No financial data" text in the middle.
        const QRectF middle(l.plot.center().x() - 80, l.plot.center().y() - 10, 160, 20);
        EXPECT_LT(shareIn(image, middle, chart.chartTheme().plotArea), 0.98) << mode;

        move(l.plot.center().toPoint());
        EXPECT_FALSE(impl->hoverActive());
        EXPECT_TRUE(chart.tooltipText().isEmpty());
        EXPECT_TRUE(impl->recordTooltip(0).isEmpty());
        EXPECT_EQ(impl->recordLabel(0), "Item 1");
        press(at(l.plot.center().x(), l.plot.bottom() + 51));
        EXPECT_FALSE(impl->isDraggingRange());
    }
}

TEST_F(FinancialChartTest, HoverNeedsVisibleTooltipsAndATrigger)
{
    impl->setVisibleRange(0.0, 1.0);
    const FinancialLayout l = layout();
    const QImage plain = chart.renderImage();
    const QPoint last = at(l.edgeX(61), l.plot.center().y());

    move(last);
    ASSERT_TRUE(impl->hoverActive());
    EXPECT_EQ(impl->hoverIndex(), 61);
    const QString text = chart.tooltipText();
    EXPECT_TRUE(text.startsWith("06-26\nOpen: 2961.04\nHigh: 2965.41\nLow: 2887.76\n"
                                "Close: 2906.94\nVolume: 63782469"));
    for (const char* ma : {"\nMA5: ", "\nMA10: ", "\nMA20: ", "\nMA30: "})
        EXPECT_TRUE(text.contains(ma)) << ma;
    EXPECT_GT(testsupport::differingShare(plain, chart.renderImage(), 8), 0.0);

    // Early days have no averages yet.
    move(at(l.edgeX(3), l.plot.center().y()));
    EXPECT_EQ(impl->hoverIndex(), 3);
    EXPECT_FALSE(chart.tooltipText().contains("MA"));

    move(QPoint(400, 10)); // above the hover area
    EXPECT_FALSE(impl->hoverActive());
    EXPECT_TRUE(chart.tooltipText().isEmpty());

    // Hidden tooltips mean no hover, so no crosshair either.
    move(last);
    impl->setTooltipVisible(false);
    EXPECT_FALSE(impl->hoverActive());
    move(last);
    EXPECT_FALSE(impl->hoverActive());
    EXPECT_TRUE(chart.tooltipText().isEmpty());
    EXPECT_EQ(testsupport::maxPixelDifference(plain, chart.renderImage()), 0);

    impl->setTooltipVisible(true);
    impl->setTooltipTrigger(TooltipNone);
    move(last);
    EXPECT_FALSE(impl->hoverActive());

    impl->setTooltipTrigger(TooltipItem);
    move(last);
    EXPECT_TRUE(impl->hoverActive());
    testsupport::sendMouse(&chart, QEvent::Leave);
    EXPECT_FALSE(impl->hoverActive());
    EXPECT_TRUE(chart.tooltipText().isEmpty());
}

TEST_F(FinancialChartTest, RangeDragsByMouseAndEndsWhenTheReleaseWasMissed)
{
    const QRectF bar = impl->rangeBar(chart.size());
    ASSERT_FALSE(bar.isEmpty());
    const double y = bar.center().y();
    move(at(bar.left() + bar.width() * 0.9, layout().plot.center().y()));
    ASSERT_TRUE(impl->hoverActive());

    press(at(bar.right() - 2, y)); // right handle
    EXPECT_TRUE(impl->isDraggingRange());
    EXPECT_FALSE(impl->hoverActive());
    move(at(bar.left() + bar.width() * 0.8, y), Qt::LeftButton);
    EXPECT_NEAR(impl->rangeSelector().end(), 0.8, 0.01);
    EXPECT_NEAR(impl->rangeSelector().start(), 0.55, 1e-9);
    EXPECT_EQ(layout().last, int(std::ceil(impl->rangeSelector().end() * 61)));

    // The button came up outside the window: the next plain move ends the drag.
    move(at(bar.left() + bar.width() * 0.7, y));
    EXPECT_FALSE(impl->isDraggingRange());
    EXPECT_NEAR(impl->rangeSelector().end(), 0.8, 0.01);
    move(at(bar.left() + bar.width() * 0.6, y), Qt::LeftButton);
    EXPECT_NEAR(impl->rangeSelector().end(), 0.8, 0.01);

    // Body drag keeps the span; a release ends it.
    const double span = impl->rangeSelector().end() - impl->rangeSelector().start();
    press(at(bar.left() + bar.width() * 0.65, y));
    ASSERT_EQ(impl->rangeSelector().dragMode(), ChartRangeSelector::Body);
    move(at(bar.left() + bar.width() * 0.2, y), Qt::LeftButton);
    EXPECT_NEAR(impl->rangeSelector().start(), 0.1, 0.01);
    EXPECT_NEAR(impl->rangeSelector().end() - impl->rangeSelector().start(), span, 1e-9);
    testsupport::sendMouse(&chart, QEvent::MouseButtonRelease,
                           at(bar.left() + bar.width() * 0.2, y));
    EXPECT_FALSE(impl->isDraggingRange());

    press(at(bar.left() + bar.width() * 0.9, bar.top() - 20)); // off the bar
    EXPECT_FALSE(impl->isDraggingRange());
}

TEST_F(FinancialChartTest, CandlesRevealFromTheLeftAndAveragesFilterTheirPeriods)
{
    impl->setMovingAverages({10, 0, 5, 10, -3});
    EXPECT_EQ(impl->movingAverages(), (QVector<int>{10, 5}));

    const QColor rising(230, 76, 69);
    const QColor falling(34, 178, 115);
    auto candleShare = [&](double progress) {
        QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        impl->paintPlot(painter, chart.size(), chart.chartTheme(), progress);
        painter.end();
        return testsupport::colorShare(image, rising, 3) +
               testsupport::colorShare(image, falling, 3);
    };
    const double none = candleShare(0.0);
    const double half = candleShare(0.5);
    const double all = candleShare(1.0);
    EXPECT_GT(none, 0.0);
    EXPECT_LT(none, half);
    EXPECT_LT(half, all);
    EXPECT_LT(none, all * 0.2);
}

TEST_F(FinancialChartTest, NonFiniteRecordsFromCallersKeepTheScaleFinite)
{
    QVector<CandleRecord> candles = impl->candles();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    candles[50].high = nan;
    candles[55].volume = std::numeric_limits<double>::infinity();
    candles[58].close = nan;
    impl->setCandles(candles);
    QVector<TickRecord> ticks = impl->ticks();
    ticks[40].price = nan;
    impl->setTicks(ticks);
    for (int mode : {FinancialKLine, FinancialTimeSharing, FinancialVolumeBars}) {
        impl->setMode(mode);
        const FinancialLayout l = layout();
        EXPECT_TRUE(std::isfinite(l.lo) && std::isfinite(l.hi)) << mode;
        EXPECT_LT(l.lo, l.hi);
        EXPECT_FALSE(chart.renderImage().isNull());
        move(at(l.recordX(l.last), l.plot.center().y()));
        EXPECT_TRUE(impl->hoverActive());
    }
}
