#include "MOXJson.h"
#include "MOXQECGChart.h"
#include "MOXQECGChartImpl.h"
#include "MOXQICDChart.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace MOXQtLib;

namespace {

const QSize kSize(200, 100);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

int alphaAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

bool isGreen(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.alpha() > 200 && c.green() > 200 && c.red() < 60 && c.blue() < 60;
}

// A flat trace across the whole chart at height y.
void addFlatTrace(MOXQSweepChartImpl& impl, qreal y)
{
    for (int x = 0; x < kSize.width(); x += 10)
        impl.addData(x, y);
    impl.addData(kSize.width() - 1, y);
}

// A trace zig-zagging around the middle row, so fills have an area on both sides.
void addZigZag(MOXQSweepChartImpl& impl, int count)
{
    for (int i = 0; i < count; ++i)
        impl.addData(20 + i * 40, i % 2 ? 45 : 55);
}

} // namespace

TEST(ECGChart, FillsOnlyWithThreePointsAndOnlyOnTheirEnabledSide)
{
    MOXQECGChart chart;
    MOXQECGChartImpl& impl = *chart.impl();
    impl.setBelowFillColor(kRed, kRed);
    impl.setAboveFillColor(kBlue, kBlue);

    // Two points: only the line, whatever the switches say.
    impl.enableFillColor(true, true);
    addZigZag(impl, 2);
    QImage image = impl.renderSweep(kSize, 1.0);
    EXPECT_EQ(testsupport::colorShare(image, kRed) + testsupport::colorShare(image, kBlue), 0.0);

    // Three points or more: the below fill reaches the bottom edge, nothing above the trace.
    addZigZag(impl, 3);
    impl.enableFillColor(true, false);
    image = impl.renderSweep(kSize, 1.0);
    EXPECT_EQ(image.pixelColor(60, 95), kRed);
    EXPECT_EQ(alphaAt(image, 60, 5), 0);
    EXPECT_EQ(testsupport::colorShare(image, kBlue), 0.0);
    // Nothing right of the last point.
    EXPECT_EQ(alphaAt(image, 150, 95), 0);

    impl.enableFillColor(false, true);
    image = impl.renderSweep(kSize, 1.0);
    EXPECT_EQ(image.pixelColor(60, 5), kBlue);
    EXPECT_EQ(alphaAt(image, 60, 95), 0);

    // Disabled fills with invalid colours never paint black over the chart, nor does an
    // enabled fill whose colours were never set.
    MOXQECGChart plain;
    addZigZag(*plain.impl(), 5);
    plain.impl()->enableFillColor(false, false);
    const QImage unfilled = plain.impl()->renderSweep(kSize, 1.0);
    EXPECT_EQ(alphaAt(unfilled, 60, 95), 0);
    EXPECT_EQ(alphaAt(unfilled, 60, 5), 0);
    plain.impl()->enableFillColor(true, true);
    EXPECT_EQ(testsupport::maxPixelDifference(plain.impl()->renderSweep(kSize, 1.0), unfilled), 0);

    // A stored background is kept but never painted: what lies behind the chart shows.
    FillStyle background;
    background.fillRes.color = kRed;
    plain.impl()->enableFillColor(false, false);
    plain.impl()->setBackground(background);
    EXPECT_EQ(plain.impl()->background().fillRes.color, kRed);
    EXPECT_EQ(testsupport::maxPixelDifference(plain.impl()->renderSweep(kSize, 1.0), unfilled), 0);
}

TEST(ECGChart, PreviousSweepShowsBeyondTheGap)
{
    MOXQECGChart chart;
    chart.resize(kSize);
    MOXQECGChartImpl& impl = *chart.impl();
    addFlatTrace(impl, 50);
    chart.swapData();
    ASSERT_EQ(impl.previousSweep().size(), kSize);
    chart.clearData();

    // No points: the whole previous sweep.
    QImage image = impl.renderSweep(kSize, 1.0);
    EXPECT_TRUE(isGreen(image, 2, 50));

    // First new point at x = 10: the old trace shows from x = 50 on.
    chart.addData(10, 20);
    image = impl.renderSweep(kSize, 1.0);
    EXPECT_EQ(alphaAt(image, 49, 50), 0);
    EXPECT_TRUE(isGreen(image, 50, 50));
    EXPECT_TRUE(isGreen(image, 199, 50));

    // A fractional x is truncated, a negative one still leaves the gap from 0.
    chart.addData(10.9f, 20);
    EXPECT_EQ(MOXQSweepChartImpl::previousSweepClip(impl.points(), kSize)->left(), 50);
    chart.addData(-25, 20);
    EXPECT_EQ(MOXQSweepChartImpl::previousSweepClip(impl.points(), kSize)->left(), 15);
    // At the right edge the previous sweep is hidden entirely.
    chart.addData(kSize.width() - 1, 20);
    image = impl.renderSweep(kSize, 1.0);
    EXPECT_EQ(alphaAt(image, 199, 50), 0);
    // Swapping there keeps only the new trace, not what was left of the old one.
    chart.swapData();
    chart.clearData();
    image = impl.renderSweep(kSize, 1.0);
    EXPECT_EQ(alphaAt(image, 100, 50), 0);
}

TEST(ECGChart, LastXThatIsNotAnIntegerDrawsThePreviousSweepWhole)
{
    MOXQECGChart chart;
    MOXQECGChartImpl& impl = *chart.impl();
    addFlatTrace(impl, 50);
    impl.swapData(kSize, 1.0);
    const float inf = std::numeric_limits<float>::infinity();
    const float bad[] = {std::nanf(""), inf, -inf, 3e9f, -3e9f, 1e30f};
    for (float x : bad) {
        impl.clearData();
        impl.addData(5, 20);
        impl.addData(x, 20);
        impl.addData(12, 30);
        impl.addData(x, 40);
        EXPECT_FALSE(MOXQSweepChartImpl::previousSweepClip(impl.points(), kSize)) << x;
        // Painting skips the point it cannot place and keeps the rest.
        impl.enableFillColor(true, true);
        const QImage image = impl.renderSweep(kSize, 1.0);
        EXPECT_TRUE(isGreen(image, 100, 50)) << x;
    }
    // Large but representable: clipped to nothing rather than overflowing.
    impl.addData(2147483520.0f, 20); // the largest float below 2^31
    const auto clip = MOXQSweepChartImpl::previousSweepClip(impl.points(), kSize);
    ASSERT_TRUE(clip);
    EXPECT_TRUE(clip->isEmpty());
}

TEST(SweepChart, PointsPopsAndBadIndices)
{
    MOXQICDChart chart;
    chart.popFront();
    chart.popBack();
    EXPECT_EQ(chart.dataSize(), 0);
    EXPECT_EQ(chart.getAt(-1), QPointF(0, 0));

    chart.addData(1, 2);
    chart.addData(3, 4);
    chart.addData(5, 6);
    chart.addMarker(2.0f, true);
    chart.addMarkerValue(2.0f, 1, 2, 3);
    EXPECT_EQ(chart.dataSize(), 3);
    EXPECT_EQ(chart.getAt(-1), QPointF(0, 0));
    EXPECT_EQ(chart.getAt(INT_MIN), QPointF(0, 0));
    EXPECT_EQ(chart.getAt(3), QPointF(0, 0));
    chart.popFront();
    EXPECT_EQ(chart.getAt(0), QPointF(3, 4));
    chart.popBack();
    EXPECT_EQ(chart.getAt(0), QPointF(3, 4));
    for (int i = 0; i < 3; ++i)
        i % 2 ? chart.popFront() : chart.popBack();
    EXPECT_EQ(chart.dataSize(), 0);

    // Weights no pen can take are refused.
    chart.setLineWeight(2.5f);
    chart.setLineWeight(std::nanf(""));
    chart.setLineWeight(-1.0f);
    chart.setLineWeight(std::numeric_limits<float>::infinity());
    EXPECT_EQ(chart.getLineWeight(), 2.5f);

    // An empty or zero-sized chart swaps to nothing and still paints.
    chart.resize(0, 0);
    chart.swapData();
    EXPECT_TRUE(chart.impl()->previousSweep().isNull());
    EXPECT_TRUE(chart.impl()->renderSweep(QSize(0, 0), 1.0).isNull());
    EXPECT_TRUE(chart.impl()->renderSweep(kSize, std::nan("")).size() == kSize);
}

TEST(ICDChart, TraceTypes)
{
    MOXQICDChart chart;
    MOXQICDChartImpl& impl = *chart.impl();
    // A diagonal: not on the reference line's row except where it crosses it.
    for (int x = 0; x < 200; x += 20)
        impl.addData(x, 90 - x * 0.4);

    impl.setICDType(MOXQtICDWave);
    QImage image = impl.renderSweep(kSize, 1.0);
    EXPECT_GT(alphaAt(image, 100, 50), 200);
    EXPECT_EQ(alphaAt(image, 10, 40), 0);
    // Without antialiasing every painted pixel is opaque.
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x)
            ASSERT_TRUE(alphaAt(image, x, y) == 0 || alphaAt(image, x, y) == 255);

    impl.setICDType(MOXQtICDReferenceLine);
    image = impl.renderSweep(kSize, 1.0);
    EXPECT_TRUE(isGreen(image, 0, 40));
    EXPECT_TRUE(isGreen(image, 199, 40));
    EXPECT_EQ(alphaAt(image, 100, 50), 0);
    EXPECT_EQ(impl.dataSize(), 10);

    // Type 2 (and any other value): only the previous sweep.
    impl.setICDType(MOXQtICDWave);
    impl.swapData(kSize, 1.0);
    impl.clearData();
    impl.addData(5, 5);
    for (int type : {2, 7, -1}) {
        impl.setICDType(MOXQtICDType(type));
        image = impl.renderSweep(kSize, 1.0);
        EXPECT_EQ(alphaAt(image, 5, 5), 0) << type;
        EXPECT_GT(alphaAt(image, 100, 50), 200) << type;
        EXPECT_EQ(alphaAt(image, 20, 82), 0) << type; // inside the gap
    }
}

TEST(SweepChart, PreviousSweepKeepsTheDevicePixelRatio)
{
    MOXQECGChart chart;
    MOXQECGChartImpl& impl = *chart.impl();
    addFlatTrace(impl, 30);
    impl.swapData(kSize, 2.0);
    const QImage& previous = impl.previousSweep();
    ASSERT_EQ(previous.size(), kSize * 2);
    EXPECT_EQ(previous.devicePixelRatio(), 2.0);
    // Logical row 30 is device row 60.
    EXPECT_TRUE(isGreen(previous, 200, 60));

    // Drawn back at the same ratio, the old trace lies exactly where it was drawn.
    impl.clearData();
    impl.addData(10, 80);
    const QImage image = impl.renderSweep(kSize, 2.0);
    EXPECT_TRUE(isGreen(image, 200, 60));
    EXPECT_EQ(alphaAt(image, 200, 120), 0);
    EXPECT_EQ(alphaAt(image, 99, 60), 0); // the gap ends at logical x = 50
    EXPECT_TRUE(isGreen(image, 100, 60));
}

TEST(ECGChart, DenseTraceLooksLikeEveryPointDrawn)
{
    // Twenty samples per pixel with narrow spikes, as a fast sweep on a slow screen gives.
    MOXQECGChart chart;
    MOXQECGChartImpl& impl = *chart.impl();
    QPolygonF all;
    for (int i = 0; i < 4000; ++i) {
        const double x = i * 0.05;
        const double d = std::fmod(x, 50.0) - 25.0;
        all.append(QPointF(x, 80 - 60 * std::exp(-d * d / 2.0)));
        impl.addData(float(all.last().x()), float(all.last().y()));
    }
    QImage reference(kSize, QImage::Format_ARGB32_Premultiplied);
    reference.fill(Qt::transparent);
    {
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 255, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(all);
    }
    const QImage image = impl.renderSweep(kSize, 1.0);
    // Same spikes, same heights: at most a faint antialiasing difference here and there.
    EXPECT_LT(testsupport::differingShare(image, reference, 64), 0.002);
    EXPECT_TRUE(isGreen(image, 25, 21));
}

TEST(SweepChart, ChartsAreLibraryControls)
{
    moxRegisterQtControl(MOXQECGChart::typeName().toUtf8().constData(),
                         &MOXQECGChart::createMOXQECGChart, MOXQECGChart::getProps());
    QWidget parent;
    Json::Value json;
    ASSERT_TRUE(jsonParse(QStringLiteral(R"({"name": "lead2", "x": 5, "w": 120, "h": 60})"), json));
    QWidget* created = moxCreateControl("qtecgchart", json, &parent);
    auto* ecg = qobject_cast<MOXQECGChart*>(created);
    ASSERT_NE(ecg, nullptr);
    EXPECT_EQ(ecg->objectName(), "lead2");
    ASSERT_NE(moxControlOf(ecg), nullptr);
    EXPECT_EQ(MOXQWidgetBaseImpl::fromWidget(ecg), ecg->impl());
    // Its paint event draws the trace.
    ecg->addData(0, 30);
    ecg->addData(119, 30);
    EXPECT_TRUE(isGreen(ecg->grab().toImage(), 60, 30));

    // The ICD chart goes by the ECG chart's name, for its theme entry and in written pages.
    MOXQICDChart icd;
    EXPECT_EQ(moxControlOf(&icd)->getTypeName(), "qtecgchart");
    EXPECT_EQ(icd.impl()->getThemeName(), "qtecgchart");
    Json::Value written;
    ASSERT_TRUE(moxControlOf(&icd)->serializeJsonValue(&written, false));
    QString type;
    EXPECT_TRUE(jsonReadString(written, "type", type));
    EXPECT_EQ(type, "qtecgchart");

    // Unusable JSON leaves the data alone and the chart paints as before.
    icd.addData(5, 12);
    icd.addData(50, 12);
    icd.setJsonData(QStringLiteral("{\"attr\": null, \"layout\": [1, 2"));
    icd.setJsonData(QStringLiteral("{\"attr\": null, \"layout\": 3, \"theme\": 7}"));
    EXPECT_EQ(icd.dataSize(), 2);
    EXPECT_GT(qAlpha(icd.impl()->renderSweep(kSize, 1.0).pixel(30, 12)), 200);
}
