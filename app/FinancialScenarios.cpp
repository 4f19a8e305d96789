#include "GalleryScenarios.h"

#include "ChartTheme.h"
#include "FinancialData.h"
#include "MOXQFinancialChart.h"

using namespace MOXQtLib;

namespace {

struct FinancialScenario
{
    const char* tab;
    const char* chartTitle;
    const char* description;
    int mode;
    double start;
    double end;
};

const FinancialScenario kFinancialScenarios[] = {
    {"Basic K Line", "SSE 50 K Line",
     "Open-high-low-close candlestick rendering with red/green direction colors and range "
     "selection.",
     FinancialKLine, 0.56, 1.0},
    {"Time Sharing", "SSE 50 Time Sharing",
     "Intraday price line with average price reference line and point tooltip.",
     FinancialTimeSharing, 0.0, 1.0},
    {"Volume Bars", "SSE 50 Volume Bars",
     "Volume columns using the same financial data and direction-aware coloring.",
     FinancialVolumeBars, 0.56, 1.0},
};

} // namespace

GalleryFamily financialChartFamily(QWidget* parent)
{
    GalleryFamily family;
    family.title = QStringLiteral("Financial Charts");
    family.description = QStringLiteral("Candlestick, intraday time-sharing and volume views for "
                                        "stock, futures and market-monitoring scenes.");
    // All run on the built-in sample data with item hover, tooltips and the range selector.
    for (const FinancialScenario& s : kFinancialScenarios) {
        auto* chart = new MOXQFinancialChart(parent);
        chart->setTitle(QString::fromLatin1(s.chartTitle));
        chart->setMode(s.mode);
        chart->setTooltipTrigger(TooltipItem);
        chart->setTooltipVisible(true);
        chart->setRangeSelectorEnabled(true);
        chart->setVisibleRange(s.start, s.end);
        if (s.mode == FinancialKLine) {
            chart->setMovingAveragesVisible(true);
            chart->setMovingAverages({5, 10, 20, 30});
        }
        const QString tab = QString::fromLatin1(s.tab);
        family.scenarios.append({tab, tab, QString::fromLatin1(s.description), chart});
    }
    return family;
}
