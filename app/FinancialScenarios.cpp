#include "GalleryScenarios.h"

#include "ChartTheme.h"
#include "FinancialData.h"
#include "MOXQFinancialChart.h"

namespace {

// Every financial scenario runs on the built-in sample data with item hover, tooltips and the
// range selector on.
MOXQFinancialChart* makeFinancialChart(QWidget* parent, const QString& title, int mode,
                                       double start, double end)
{
    auto* chart = new MOXQFinancialChart(parent);
    chart->setTitle(title);
    chart->setMode(mode);
    chart->setTooltipTrigger(TooltipItem);
    chart->setTooltipVisible(true);
    chart->setRangeSelectorEnabled(true);
    chart->setVisibleRange(start, end);
    return chart;
}

} // namespace

GalleryFamily financialChartFamily(QWidget* parent)
{
    GalleryFamily family;
    family.title = QStringLiteral("Financial Charts");
    family.description = QStringLiteral("Candlestick, intraday time-sharing and volume views for "
                                        "stock, futures and market-monitoring scenes.");

    MOXQFinancialChart* kline =
        makeFinancialChart(parent, QStringLiteral("SSE 50 K Line"), FinancialKLine, 0.56, 1.0);
    kline->setMovingAveragesVisible(true);
    kline->setMovingAverages({5, 10, 20, 30});
    family.scenarios.append({QStringLiteral("Basic K Line"), QStringLiteral("Basic K Line"),
                             QStringLiteral("Open-high-low-close candlestick rendering with "
                                            "red/green direction colors and range selection."),
                             kline});

    MOXQFinancialChart* intraday = makeFinancialChart(parent, QStringLiteral("SSE 50 Time Sharing"),
                                                      FinancialTimeSharing, 0.0, 1.0);
    family.scenarios.append({QStringLiteral("Time Sharing"), QStringLiteral("Time Sharing"),
                             QStringLiteral("Intraday price line with average price reference "
                                            "line and point tooltip."),
                             intraday});

    MOXQFinancialChart* volume = makeFinancialChart(parent, QStringLiteral("SSE 50 Volume Bars"),
                                                    FinancialVolumeBars, 0.56, 1.0);
    family.scenarios.append({QStringLiteral("Volume Bars"), QStringLiteral("Volume Bars"),
                             QStringLiteral("Volume columns using the same financial data and "
                                            "direction-aware coloring."),
                             volume});
    return family;
}
