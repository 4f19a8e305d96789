#include "GalleryScenarios.h"

#include "MOXQBarChart.h"

using namespace MOXQtLib;

namespace {

BarSeries barSeries(const QString& name, const QVector<double>& values)
{
    BarSeries s;
    s.name = name;
    s.values = values;
    return s;
}

QWidget* basicBar(QWidget* parent)
{
    auto* chart = new MOXQBarChart(parent);
    chart->setTitle(QStringLiteral("Basic Bar"));
    chart->setCategories({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"});
    chart->setSingleSeries(QStringLiteral("Data"), {120, 200, 150, 80, 70, 110, 130});
    chart->setTooltipTrigger(TooltipItem);
    chart->setTooltipVisible(true);
    return chart;
}

QWidget* groupedBar(QWidget* parent)
{
    auto* chart = new MOXQBarChart(parent);
    chart->setTitle(QStringLiteral("Grouped Bar"));
    chart->setLegendPosition(LegendRight);
    chart->setCategories({"Q1", "Q2", "Q3", "Q4"});
    chart->setSeries({barSeries(QStringLiteral("Hardware"), {320, 402, 351, 390}),
                      barSeries(QStringLiteral("Software"), {220, 282, 291, 234}),
                      barSeries(QStringLiteral("Service"), {150, 232, 201, 154})});
    chart->setTooltipTrigger(TooltipAxis);
    chart->setTooltipVisible(true);
    return chart;
}

QWidget* monthlyCompare(QWidget* parent)
{
    auto* chart = new MOXQBarChart(parent);
    chart->setTitle(QStringLiteral("Monthly Compare"));
    chart->setLegendPosition(LegendLeft);
    chart->setCategories({"Jan", "Feb", "Mar", "Apr", "May", "Jun"});
    chart->setSeries({barSeries(QStringLiteral("Budget"), {180, 210, 190, 240, 260, 300}),
                      barSeries(QStringLiteral("Actual"), {160, 235, 175, 225, 280, 320})});
    chart->setTooltipTrigger(TooltipAxis);
    chart->setTooltipVisible(true);
    return chart;
}

} // namespace

GalleryFamily barChartFamily(QWidget* parent)
{
    GalleryFamily family;
    family.title = QStringLiteral("Bar Charts");
    family.description = QStringLiteral("Grouped and comparison-focused bar scenes with animated "
                                        "column transitions and tooltip aggregation.");
    family.scenarios = {
        {QStringLiteral("Basic Bar"), QStringLiteral("Basic Bar"),
         QStringLiteral("Single-series vertical bar chart with item hover tooltip."),
         basicBar(parent)},
        {QStringLiteral("Grouped Bar"), QStringLiteral("Grouped Bar"),
         QStringLiteral("Grouped bars with multiple series sharing the same categories."),
         groupedBar(parent)},
        {QStringLiteral("Monthly Compare"), QStringLiteral("Monthly Compare"),
         QStringLiteral("Budget and actual values compared month by month."),
         monthlyCompare(parent)},
    };
    return family;
}
