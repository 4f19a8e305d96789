// One repaint of the sweeping waveform charts into a QImage, as a monitor does it for every
// few samples: a chart of 1,600 x 300 pixels holding N points and a previous sweep.
#include "MOXQECGChart.h"
#include "MOXQECGChartImpl.h"
#include "MOXQICDChart.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

using namespace MOXQtLib;

namespace {

const QSize kSize(1600, 300);

// A beat-like trace of `count` points: flat with a sharp spike every 120 pixels, spread over
// `width` pixels from the left edge.
void fill(MOXQSweepChartImpl& impl, int count, int width)
{
    impl.clearData();
    for (int i = 0; i < count; ++i) {
        const double x = double(i) * width / count;
        const double phase = std::fmod(x, 120.0) - 60.0;
        impl.addData(float(x), float(180 - 120 * std::exp(-phase * phase / 8.0)));
    }
}

void paintFrames(benchmark::State& state, MOXQSweepChartImpl& impl)
{
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        impl.paintSweep(painter, kSize);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ECGFrame(benchmark::State& state)
{
    MOXQECGChart chart;
    MOXQECGChartImpl& impl = *chart.impl();
    const bool fills = state.range(1) != 0;
    impl.enableFillColor(fills, fills);
    impl.setBelowFillColor(QColor(0, 255, 0, 80), QColor(0, 255, 0, 0));
    impl.setAboveFillColor(QColor(0, 0, 0, 0), QColor(0, 0, 255, 60));
    // The newest point in the middle: the right half shows the previous sweep.
    fill(impl, int(state.range(0)), kSize.width());
    impl.swapData(kSize, 1.0);
    fill(impl, int(state.range(0)), kSize.width() / 2);
    paintFrames(state, impl);
}

void BM_ICDFrame(benchmark::State& state)
{
    MOXQICDChart chart;
    MOXQICDChartImpl& impl = *chart.impl();
    fill(impl, int(state.range(0)), kSize.width());
    impl.swapData(kSize, 1.0);
    fill(impl, int(state.range(0)), kSize.width() / 2);
    paintFrames(state, impl);
}

} // namespace

BENCHMARK(BM_ECGFrame)
    ->ArgsProduct({{1000, 4000, 16000}, {0, 1}})
    ->ArgNames({"points", "fills"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ICDFrame)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
