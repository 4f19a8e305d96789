#include "LineSpanRaster.h"
#include "MOXQLineChart.h"
#include "MOXQLineChartImpl.h"
#include "TestSupport.h"

#include <QPainter>
#include <QTransform>
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>

using namespace MOXQtLib;

namespace {

const QColor kLine(35, 128, 224);

// The gallery's large-data series (a slow wave, a ripple, a rising trend, a jitter repeating
// every 23 points) with one spike above everything else.
QVector<double> largeSeries(int n, int spike)
{
    QVector<double> v(n);
    double lo = 1e300, hi = -1e300;
    for (int i = 0; i < n; ++i) {
        v[i] = 28 * std::sin(0.018 * i) + 8 * std::sin(0.071 * i) + 120 + 0.012 * i +
               double((37LL * i) % 23 - 11) * 0.75;
        lo = std::min(lo, v[i]);
        hi = std::max(hi, v[i]);
    }
    v[spike] = hi + 0.2 * (hi - lo);
    return v;
}

// The topmost pixel of column x (in the plot) close to the line colour; -1 when there is none.
int lineTop(const QImage& image, int x, const QRectF& plot)
{
    for (int y = int(plot.top()); y < int(plot.bottom()); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - kLine.red()) + std::abs(c.green() - kLine.green()) +
                std::abs(c.blue() - kLine.blue()) <
            60)
            return y;
    }
    return -1;
}

} // namespace

TEST(LineSpans, SameFrameAsStrokedPaths)
{
    // The picture the chart drew by stroking paths on raster images, held against the
    // column spans that replaced them there: antialiased edges may differ by a few levels,
    // hardly a pixel by more.
    const struct
    {
        int points;
        double start;
        qreal dpr;
    } cases[] = {{2400, 0.0, 1}, {2400, 0.68, 2}, {240000, 0.0, 1}, {2400000, 0.0, 1}};
    for (const auto& k : cases) {
        MOXQLineChart chart;
        chart.setAnimationEnabled(false);
        chart.resize(900, 560);
        chart.setLegendPosition(LegendTop);
        chart.setShowSymbols(false);
        chart.setRangeSelectorEnabled(true);
        LineSeries s;
        s.name = "Large";
        const int spike = int(k.points * 0.84);
        s.values = largeSeries(k.points, spike);
        s.color = kLine;
        s.area = true;
        s.lineWidth = 1.4;
        s.areaOpacity = 0.16;
        s.showSymbols = false;
        chart.setSeries({s});
        chart.setVisibleRange(k.start, 1.0);

        const QImage spans = chart.renderImage(k.dpr);
        chart.impl()->setColumnSpansEnabled(false);
        const QImage paths = chart.renderImage(k.dpr);
        ASSERT_EQ(spans.size(), paths.size());
        EXPECT_LT(testsupport::differingShare(spans, paths, 40), 0.001) << k.points;
        EXPECT_LT(testsupport::differingShare(spans, paths, 16), 0.005) << k.points;

        // The spike keeps its height.
        const MOXQLineChartImpl::Frame f = chart.impl()->frame(chart.size());
        const QRectF plot(f.layout.plot.topLeft() * k.dpr, f.layout.plot.size() * k.dpr);
        const int x = int(f.map.x(spike) * k.dpr);
        const int top = lineTop(spans, x, plot);
        ASSERT_GE(top, 0) << k.points;
        EXPECT_NEAR(top, lineTop(paths, x, plot), 1) << k.points;
        EXPECT_LT(top, lineTop(spans, x + int(12 * k.dpr), plot) - 10 * k.dpr) << k.points;
    }
}

TEST(LineSpans, BadInputDrawsNothingOrFallsBack)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    LineSpanRaster::Style style;
    style.line = kLine;
    style.width = 2;
    style.area = QColor(35, 128, 224, 40);
    style.areaBottom = 90;
    const struct
    {
        QVector<QPointF> points;
        bool drawn;
        bool accepted;
    } cases[] = {
        {{}, false, true},
        {{{10, 10}}, false, true}, // one point strokes nothing, as a path of one point
        {{{nan, 10}, {20, nan}, {inf, 5}}, false, true},
        {{{1e300, 10}, {2e300, 20}}, false, true},
        {{{-1e300, -1e300}, {1e300, 1e300}}, true, true},
        {{{10, 10}, {50, 40}, {30, 20}}, false, false}, // x goes back: the caller strokes it
        {{{10, 10}, {10, 60}, {90, 60}}, true, true},   // a vertical segment
        {{{-50, 50}, {500, 50}}, true, true},           // beyond both sides
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        EXPECT_EQ(LineSpanRaster::paint(image, QTransform(), cases[i].points, style),
                  cases[i].accepted)
            << i;
        EXPECT_EQ(testsupport::colorShare(image, Qt::white, 0) < 1.0, cases[i].drawn) << i;
    }
    // Spans only go where a painter would draw exactly so.
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    EXPECT_EQ(LineSpanRaster::target(painter), nullptr); // no antialiasing
    painter.setRenderHint(QPainter::Antialiasing);
    EXPECT_EQ(LineSpanRaster::target(painter), &image);
    painter.rotate(30);
    EXPECT_EQ(LineSpanRaster::target(painter), nullptr);
    painter.resetTransform();
    painter.setClipRect(0, 0, 5, 5);
    EXPECT_EQ(LineSpanRaster::target(painter), nullptr);
    painter.end();
    QImage shared = image;
    QPainter second(&image);
    second.setRenderHint(QPainter::Antialiasing);
    EXPECT_EQ(LineSpanRaster::target(second), &image); // the painter detached it
    QImage other(20, 20, QImage::Format_ARGB32);
    QPainter third(&other);
    third.setRenderHint(QPainter::Antialiasing);
    EXPECT_EQ(LineSpanRaster::target(third), nullptr);
}
