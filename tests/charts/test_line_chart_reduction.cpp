#include "LineChartGeometry.h"
#include "LineColumnReducer.h"
#include "MOXQLineChart.h"
#include "MOXQLineChartImpl.h"
#include "SeriesExtentIndex.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace MOXQtLib;

using LineChartGeometry::PointMapper;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A slow wave, a ripple and a jitter repeating every 23 points, some values missing: dozens of
// points per pixel column of the test plot.
QVector<double> denseValues(int n)
{
    QVector<double> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = 28 * std::sin(0.00018 * i) + 8 * std::sin(0.0071 * i) + ((37 * i) % 23 - 11) * 0.75;
    for (int i = 97; i < n; i += 1013)
        v[i] = kNaN;
    return v;
}

// Paints an area path (when given) and the line through `points` as the chart does.
QImage draw(const QVector<QPointF>& points, const QPainterPath& area, bool line = true)
{
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 128, 224, 41));
    p.drawPath(area);
    p.setPen(QPen(QColor(35, 128, 224), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (line) p.drawPath(LineChartGeometry::linePath(points, false));
    return image;
}

QPainterPath areaOf(const QVector<QPointF>& points, double bottom)
{
    return LineChartGeometry::areaPath(LineChartGeometry::linePath(points, false), points, bottom);
}

} // namespace

TEST(LineColumnReducer, DrawsTheSamePictureAsEveryPoint)
{
    const QVector<double> values = denseValues(20000);
    const SeriesExtentIndex index(values);
    PointMapper map;
    map.plot = QRectF(10, 10, 380, 280);
    map.first = 0;
    map.last = values.size() - 1;
    const SeriesExtentIndex::Extent e = index.extent(values, 0, map.last);
    map.range = LineChartGeometry::valueRangeFor(e.isValid(), e.min, e.max);
    ASSERT_TRUE(LineColumnReducer::worthReducing(map, 1.0));

    QVector<QPointF> all;
    for (int i = 0; i <= map.last; ++i)
        if (std::isfinite(values.at(i))) all.append(map.point(i, values.at(i), values.size()));
    for (const SeriesExtentIndex* idx : {&index, static_cast<const SeriesExtentIndex*>(nullptr)}) {
        QVector<QPointF> reduced;
        LineColumnReducer::reduce(values, 0, map.last, map, 1.0, idx, reduced);
        EXPECT_LE(reduced.size(), 4 * 381);
        EXPECT_LT(reduced.size(), all.size() * 3 / 4);
        // Every pixel column keeps its highest and lowest point.
        auto extremes = [](const QVector<QPointF>& points) {
            std::vector<std::pair<double, double>> columns(400, {1e9, -1e9});
            for (const QPointF& p : points) {
                auto& c = columns[std::size_t(std::floor(p.x()))];
                c = {std::min(c.first, p.y()), std::max(c.second, p.y())};
            }
            return columns;
        };
        EXPECT_TRUE(extremes(reduced) == extremes(all));
        EXPECT_EQ(reduced.first(), all.first());
        EXPECT_EQ(reduced.last(), all.last());
        for (bool area : {false, true}) {
            const double bottom = map.plot.bottom();
            const QImage full = draw(all, area ? areaOf(all, bottom) : QPainterPath());
            const QImage fast = draw(reduced, area ? areaOf(reduced, bottom) : QPainterPath());
            // Only the antialiased spill of the stroke beside each column's extremes differs.
            EXPECT_LT(testsupport::differingShare(full, fast, 40), 0.06) << area;
            EXPECT_LT(testsupport::differingShare(full, fast, 16), 0.08) << area;
        }
    }
    // The strip-built area covers the same pixels as the single polygon.
    const QVector<QPointF> some = all.mid(0, 5000);
    const QImage a = draw(some, areaOf(some, 290), false);
    const QImage b = draw(some, LineChartGeometry::stripAreaPath(some, 290), false);
    EXPECT_LT(testsupport::differingShare(a, b, 6), 0.002);
}

TEST(SeriesExtentIndex, MatchesAPlainScanAnywhere)
{
    QVector<double> values = denseValues(5000);
    values[0] = std::numeric_limits<double>::infinity();
    for (int i = 640; i < 700; ++i) // a whole block and more without a finite value
        values[i] = kNaN;
    const SeriesExtentIndex index(values);
    for (int from : {0, 1, 63, 64, 65, 640, 641, 1000, 4990})
        for (int to : {from, from + 1, from + 63, from + 64, from + 200, 4999, 9000}) {
            const auto fast = index.extent(values, from, to);
            const auto slow = SeriesExtentIndex::scan(values.constData(), from, std::min(to, 4999));
            ASSERT_EQ(fast.isValid(), slow.isValid());
            EXPECT_EQ(fast.min, slow.min) << from << " " << to;
            EXPECT_EQ(fast.max, slow.max) << from << " " << to;
            EXPECT_EQ(fast.minIndex, slow.minIndex) << from << " " << to;
        }
    EXPECT_FALSE(index.extent(values, 645, 690).isValid());
    EXPECT_FALSE(index.extent(values, 10, 5).isValid());
    EXPECT_FALSE(index.extent(values, -50, -1).isValid());
    // An index built for other data falls back to scanning what it is given.
    const QVector<double> other{3, 1, 2};
    EXPECT_EQ(index.extent(other, 0, 2).max, 3);
    EXPECT_FALSE(SeriesExtentIndex().extent({}, 0, 10).isValid());
}

TEST(LineChartLargeData, HoverIsExactAndPaintingDense)
{
    MOXQLineChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(800, 500);
    chart.setCategories({});
    const QVector<double> values = denseValues(60000);
    chart.setSingleSeries(values);
    chart.setShowSymbols(false);
    chart.setAreaFill(true);
    chart.setTooltipTrigger(TooltipItem);
    chart.setTooltipVisible(true);
    const MOXQLineChartImpl::Frame f = chart.impl()->frame(chart.size());
    // The item found near the cursor is the one a search over every point finds.
    for (double fx : {0.1, 0.5, 0.77}) {
        const int i0 = int(fx * (values.size() - 1));
        // Mouse positions are whole pixels.
        const QPointF cursor =
            (f.map.point(i0, values.at(i0), values.size()) + QPointF(2, 5)).toPoint();
        int best = -1;
        double bestDistance = 1e9;
        for (int i = 0; i < values.size(); ++i) {
            if (!std::isfinite(values.at(i))) continue;
            const QPointF p = f.map.point(i, values.at(i), values.size());
            const double d = std::hypot(p.x() - cursor.x(), p.y() - cursor.y());
            if (d <= 14 && d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        QMouseEvent move(QEvent::MouseMove, cursor, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &move);
        ASSERT_GE(best, 0);
        EXPECT_EQ(chart.impl()->hoverState().index, best) << fx;
    }
    // The dense area and line are drawn: a good share of the plot carries the series colour.
    const QImage image = chart.renderImage();
    const QColor line = chart.impl()->colorOf(0);
    EXPECT_GT(testsupport::colorShare(image, line, 40), 0.01);
}
