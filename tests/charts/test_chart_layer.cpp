#include "MOXQFinancialChart.h"
#include "MOXQFinancialChartImpl.h"
#include "MOXQLineChart.h"
#include "MOXQLineChartImpl.h"
#include "TestSupport.h"

#include <QOpenGLContext>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace MOXQtLib;

namespace {

const QSize kSize(640, 400);

QVector<double> wave(int n, double phase = 0)
{
    QVector<double> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = 100 + 40 * std::sin(0.05 * i + phase) + (i % 7) * 3;
    return v;
}

// A line chart with two series, a range selector and axis tooltips, still.
struct LineChart
{
    MOXQLineChart w;
    explicit LineChart(int n = 300)
    {
        w.setAnimationEnabled(false);
        w.resize(kSize);
        w.setLegendPosition(LegendTop);
        w.setAreaFill(true);
        w.setShowSymbols(false);
        w.setTooltipTrigger(TooltipAxis);
        w.setTooltipVisible(true);
        w.setRangeSelectorEnabled(true);
        LineSeries a, b;
        a.name = "A";
        a.values = wave(n);
        b.name = "B";
        b.values = wave(n, 2);
        w.setSeries({a, b});
    }
    QRectF plot() { return w.impl()->frame(w.size()).layout.plot; }
    QRectF bar() { return w.impl()->rangeBarRect(w.impl()->frame(w.size())); }
    void hover(double fx)
    {
        const QRectF p = plot();
        testsupport::sendMouse(&w, QEvent::MouseMove,
                               QPointF(p.left() + p.width() * fx, p.center().y()));
    }
};

// The whole frame painted at once, without any kept layer.
QImage paintedDirectly(MOXQChartBase& chart)
{
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(chart.effectiveBackgroundColor());
    QPainter painter(&image);
    painter.setFont(chart.font());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    chart.paintFrame(painter);
    return image;
}

// The offscreen platform makes GL contexts when a display is around (Xvfb in the suite).
bool canMakeGLContexts()
{
    QOpenGLContext ctx;
    return ctx.create();
}

} // namespace

TEST(ChartLayer, PlotIsDrawnAgainWhenItsKeyChangesAndReusedOnHover)
{
    LineChart c;
    c.w.renderImage();
    const struct
    {
        const char* what;
        std::function<void()> change;
        bool plotChanges;
    } steps[] = {
        {"hover", [&] { c.hover(0.3); }, false},
        {"another column", [&] { c.hover(0.6); }, false},
        {"tooltip trigger", [&] { c.w.setTooltipTrigger(TooltipItem); }, false},
        {"leave", [&] { testsupport::sendMouse(&c.w, QEvent::Leave); }, false},
        {"range drag",
         [&] {
             const QRectF bar = c.bar();
             const QPointF grip(c.w.impl()->rangeSelector().selectionRect(bar).left(),
                                bar.center().y());
             testsupport::sendMouse(&c.w, QEvent::MouseButtonPress, grip);
             testsupport::sendMouse(&c.w, QEvent::MouseMove, grip + QPointF(bar.width() / 3, 0),
                                    Qt::LeftButton);
             testsupport::sendMouse(&c.w, QEvent::MouseButtonRelease,
                                    grip + QPointF(bar.width() / 3, 0));
         },
         true},
        {"data",
         [&] {
             auto s = c.w.series();
             s[0].values = wave(300, 1);
             c.w.setSeries(s);
         },
         true},
        {"theme", [&] { c.w.setChartTheme(3); }, true},
        {"legend toggle",
         [&] {
             const auto items =
                 c.w.impl()->legendItems(c.w.impl()->frame(c.w.size()), c.w.size(), c.w.font());
             testsupport::click(&c.w, items.at(1).rect.center());
         },
         true},
        {"background", [&] { c.w.setBackgroundColor(QColor(250, 240, 230)); }, true},
        {"legend position", [&] { c.w.setLegendPosition(LegendRight); }, true},
        {"size", [&] { c.w.resize(700, 420); }, true},
        {"title", [&] { c.w.setTitle("Other"); }, true},
        {"animation",
         [&] {
             c.w.setAnimationEnabled(true);
             c.w.setAnimationDuration(5000);
             c.w.replayAnimation();
             testsupport::processEvents(40);
         },
         true},
        {"animation off", [&] { c.w.setAnimationEnabled(false); }, true},
    };
    for (const auto& step : steps) {
        const int before = c.w.plotLayerRenderCount();
        step.change();
        const QImage image = c.w.renderImage();
        EXPECT_EQ(c.w.plotLayerRenderCount(), before + (step.plotChanges ? 1 : 0)) << step.what;
        // A kept plot with its overlay is exactly the frame painted in one go.
        EXPECT_EQ(testsupport::maxPixelDifference(image, paintedDirectly(c.w)), 0) << step.what;
        c.w.renderImage();
        EXPECT_EQ(c.w.plotLayerRenderCount(), before + (step.plotChanges ? 1 : 0)) << step.what;
    }
}

TEST(ChartLayer, FinancialChartKeepsItsPlotUnderTheCrosshair)
{
    MOXQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(kSize);
    MOXQFinancialChartImpl* impl = chart.impl();
    const QImage plain = chart.renderImage();
    const int renders = chart.plotLayerRenderCount();
    const FinancialLayout l = impl->layout(chart.size());
    testsupport::sendMouse(&chart, QEvent::MouseMove, l.plot.center());
    ASSERT_TRUE(impl->hoverActive());
    const QImage hovered = chart.renderImage();
    EXPECT_EQ(chart.plotLayerRenderCount(), renders);
    EXPECT_GT(testsupport::differingShare(plain, hovered, 8), 0.0);
    EXPECT_EQ(testsupport::maxPixelDifference(hovered, paintedDirectly(chart)), 0);

    // Dragging the range bar, or another mode, draws the plot again.
    const QRectF bar = impl->rangeBar(chart.size());
    const QPointF body = impl->rangeSelector().selectionRect(bar).center();
    testsupport::sendMouse(&chart, QEvent::MouseButtonPress, body);
    testsupport::sendMouse(&chart, QEvent::MouseMove, body - QPointF(60, 0), Qt::LeftButton);
    chart.renderImage();
    EXPECT_EQ(chart.plotLayerRenderCount(), renders + 1);
    impl->setMode(FinancialVolumeBars);
    chart.renderImage();
    EXPECT_EQ(chart.plotLayerRenderCount(), renders + 2);
}

TEST(ChartLayer, GLFramesShowTheSamePictureAndHoversReuseThePlot)
{
    if (!canMakeGLContexts()) GTEST_SKIP() << "no OpenGL context on this platform";
    for (int rendering : {int(ChartRenderingRaster), int(ChartRenderingMultisample)}) {
        LineChart c(2400);
        c.w.setRendering(rendering);
        c.w.show();
        testsupport::processEvents(50);
        QImage frame = c.w.grabFramebuffer().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(frame.size(), kSize) << rendering;
        const int renders = c.w.plotLayerRenderCount();
        // Without samples the frame is the raster image, copied; with them it is antialiased by
        // the GL paint engine, a little differently.
        const bool raster = rendering == ChartRenderingRaster;
        const auto compare = [&](const QImage& image) {
            if (raster)
                EXPECT_LE(testsupport::maxPixelDifference(frame, image), 2);
            else
                EXPECT_LT(testsupport::differingShare(frame, image, 64), 0.02);
        };
        compare(c.w.renderImage());
        const int afterImage = c.w.plotLayerRenderCount();

        c.hover(0.4);
        ASSERT_FALSE(c.w.tooltipText().isEmpty());
        const QImage hovered =
            c.w.grabFramebuffer().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(c.w.plotLayerRenderCount(), afterImage) << rendering;
        EXPECT_GT(testsupport::differingShare(frame, hovered, 8), 0.001) << rendering;
        frame = hovered;
        compare(c.w.renderImage());

        c.w.setVisibleRange(0.2, 0.9);
        c.w.grabFramebuffer();
        EXPECT_GT(c.w.plotLayerRenderCount(), renders) << rendering;
        c.w.hide();
        testsupport::processEvents(20);
    }
}

TEST(ChartLayer, SoftwareRenderersAreKnownByName)
{
    const struct
    {
        const char* renderer;
        bool software;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Software Rasterizer", true},
        {"SwiftShader Device (Subzero)", true},
        {"GDI Generic", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)", false},
        {"NVIDIA GeForce GTX 1080/PCIe/SSE2", false},
        {"", false},
    };
    for (const auto& k : cases)
        EXPECT_EQ(MOXQChartBase::isSoftwareRendererName(k.renderer), k.software) << k.renderer;
}
