// Frame and hover cost of the financial chart: the built-in sample in each display mode, and a
// long synthetic daily series shown whole (every moving average over every record).

#include "MOXQFinancialChart.h"
#include "MOXQFinancialChartImpl.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

using namespace MOXQtLib;

namespace {

QVector<CandleRecord> syntheticCandles(int n)
{
    QVector<CandleRecord> out(n);
    double close = 3000;
    for (int i = 0; i < n; ++i) {
        CandleRecord& c = out[i];
        c.date = QString::number(i);
        c.open = close;
        close += 12 * std::sin(i * 0.37) + 5 * std::cos(i * 1.91);
        c.close = close;
        c.high = std::max(c.open, c.close) + 4;
        c.low = std::min(c.open, c.close) - 4;
        c.volume = 4e7 + 1e7 * std::sin(i * 0.11);
    }
    return out;
}

void paintFrames(benchmark::State& state, MOXQFinancialChart& chart)
{
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.paintFrame(painter);
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_SampleFrame(benchmark::State& state)
{
    MOXQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(1200, 700);
    chart.setMode(int(state.range(0)));
    paintFrames(state, chart);
}
BENCHMARK(BM_SampleFrame)->Arg(FinancialKLine)->Arg(FinancialTimeSharing)->Arg(FinancialVolumeBars);

void BM_LongSeriesFrame(benchmark::State& state)
{
    MOXQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(1200, 700);
    chart.setCandles(syntheticCandles(int(state.range(0))));
    chart.setVisibleRange(0, 1);
    chart.setMovingAveragesVisible(state.range(1) != 0);
    paintFrames(state, chart);
}
BENCHMARK(BM_LongSeriesFrame)->Args({1000, 1})->Args({1000, 0})->Args({20000, 1})->Args({20000, 0});

void BM_LongSeriesHover(benchmark::State& state)
{
    MOXQFinancialChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(1200, 700);
    chart.setCandles(syntheticCandles(int(state.range(0))));
    chart.setVisibleRange(0, 1);
    MOXQFinancialChartImpl* impl = chart.impl();
    int x = 80;
    for (auto _ : state) {
        x = x >= 1100 ? 80 : x + 7;
        impl->updateHover(QPoint(x, 300), chart.size());
        benchmark::DoNotOptimize(impl->recordTooltip(impl->hoverIndex()));
    }
}
BENCHMARK(BM_LongSeriesHover)->Arg(20000);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
