#include "GalleryScenarios.h"

#include "MOXQScatterChart.h"

using namespace MOXQtLib;

namespace {

ScatterSeries scatterSeries(const QString& name, double symbolSize, const QVector<QPointF>& points)
{
    ScatterSeries s;
    s.name = name;
    s.symbolSize = symbolSize;
    s.points = points;
    return s;
}

MOXQScatterChart* scatterChart(QWidget* parent, const QString& title)
{
    auto* chart = new MOXQScatterChart(parent);
    chart->setTitle(title);
    chart->setTooltipTrigger(TooltipItem);
    chart->setTooltipVisible(true);
    return chart;
}

QWidget* simpleScatter(QWidget* parent)
{
    MOXQScatterChart* chart = scatterChart(parent, QStringLiteral("Simple Scatter"));
    chart->setSeries({scatterSeries(
        QStringLiteral("Orders"), 8,
        {{10, 8}, {18, 15}, {23, 22}, {31, 28}, {38, 26}, {46, 35}, {52, 44}, {61, 48}})});
    return chart;
}

QWidget* dualScatter(QWidget* parent)
{
    MOXQScatterChart* chart = scatterChart(parent, QStringLiteral("Dual Scatter"));
    chart->setLegendPosition(LegendTop);
    chart->setSeries(
        {scatterSeries(QStringLiteral("Desktop"), 8,
                       {{5, 20}, {10, 26}, {18, 22}, {26, 35}, {34, 43}, {42, 40}, {49, 52}}),
         scatterSeries(QStringLiteral("Mobile"), 9,
                       {{7, 12}, {15, 19}, {24, 28}, {30, 25}, {39, 36}, {45, 47}, {53, 58}})});
    return chart;
}

QWidget* clusterScatter(QWidget* parent)
{
    MOXQScatterChart* chart = scatterChart(parent, QStringLiteral("Cluster Scatter"));
    chart->setLegendPosition(LegendRight);
    chart->setSeries({scatterSeries(QStringLiteral("Alpha"), 8,
                                    {{12, 52}, {14, 47}, {17, 58}, {21, 49}, {25, 55}}),
                      scatterSeries(QStringLiteral("Beta"), 10,
                                    {{42, 18}, {45, 27}, {49, 22}, {52, 31}, {56, 25}}),
                      scatterSeries(QStringLiteral("Gamma"), 9,
                                    {{66, 62}, {70, 68}, {74, 59}, {78, 72}, {82, 66}})});
    return chart;
}

} // namespace

GalleryFamily scatterChartFamily(QWidget* parent)
{
    GalleryFamily family;
    family.title = QStringLiteral("Scatter Charts");
    family.description = QStringLiteral("Point-based distributions for correlation, grouping and "
                                        "cluster observation scenarios.");
    family.scenarios = {
        {QStringLiteral("Simple Scatter"), QStringLiteral("Simple Scatter"),
         QStringLiteral("Single scatter series with point hover tooltip."), simpleScatter(parent)},
        {QStringLiteral("Dual Scatter"), QStringLiteral("Dual Scatter"),
         QStringLiteral("Two-series comparison across the same numeric axes."),
         dualScatter(parent)},
        {QStringLiteral("Cluster Scatter"), QStringLiteral("Cluster Scatter"),
         QStringLiteral("Three clusters to show separation and density trends."),
         clusterScatter(parent)},
    };
    return family;
}
