#include "GalleryScenarios.h"

#include "MOXQOpenGLPieChart.h"

using namespace MOXQtLib;

namespace {

QVector<PieSlice> trafficSlices()
{
    return {{QStringLiteral("Search Engine"), 1048, QColor(), true},
            {QStringLiteral("Direct"), 735, QColor(), true},
            {QStringLiteral("Email"), 580, QColor(), true},
            {QStringLiteral("Union Ads"), 484, QColor(), true},
            {QStringLiteral("Video Ads"), 300, QColor(), true}};
}

// A chart with item tooltips on, the options every pie scenario shares.
MOXQOpenGLPieChart* newPie(QWidget* parent, const QString& title, int legendPosition)
{
    auto* chart = new MOXQOpenGLPieChart(parent);
    chart->setTitle(title);
    chart->setLegendPosition(legendPosition);
    chart->setTooltipTrigger(TooltipItem);
    chart->setTooltipVisible(true);
    return chart;
}

MOXQOpenGLPieChart* trafficPie(QWidget* parent)
{
    MOXQOpenGLPieChart* chart = newPie(parent, QStringLiteral("Traffic Sources"), LegendRight);
    chart->setSlices(trafficSlices());
    return chart;
}

MOXQOpenGLPieChart* donutPie(QWidget* parent)
{
    MOXQOpenGLPieChart* chart = trafficPie(parent);
    chart->setTitle(QStringLiteral("Donut Pie"));
    chart->setInnerRadius(0.56);
    chart->setLegendPosition(LegendBottom);
    return chart;
}

MOXQOpenGLPieChart* halfRingPie(QWidget* parent)
{
    MOXQOpenGLPieChart* chart = newPie(parent, QStringLiteral("Half Ring Pie"), LegendTop);
    chart->setInnerRadius(0.62);
    chart->setAngleRange(270, 180);
    chart->setSlices({{QStringLiteral("Chrome"), 1048, QColor(), true},
                      {QStringLiteral("Edge"), 735, QColor(), true},
                      {QStringLiteral("Safari"), 580, QColor(), true},
                      {QStringLiteral("Firefox"), 484, QColor(), true}});
    return chart;
}

MOXQOpenGLPieChart* leaderLinePie(QWidget* parent)
{
    MOXQOpenGLPieChart* chart = newPie(parent, QStringLiteral("Leader Line Pie"), LegendLeft);
    chart->setOutsideLabels(true);
    chart->setSlices(trafficSlices());
    return chart;
}

} // namespace

GalleryFamily pieChartFamily(QWidget* parent)
{
    GalleryFamily family;
    family.title = QStringLiteral("Pie Charts");
    family.description = QStringLiteral(
        "Pie, donut, half-ring and leader-line demos for share-of-total views, all using the same "
        "chart theme presets as the cartesian charts.");
    family.scenarios = {
        {QStringLiteral("Traffic Pie"), QStringLiteral("Traffic Sources"),
         QStringLiteral("Classic pie chart for traffic share composition with right-side legend."),
         trafficPie(parent)},
        {QStringLiteral("Donut Pie"), QStringLiteral("Donut Pie"),
         QStringLiteral("Inner radius enabled to create a donut-style view."), donutPie(parent)},
        {QStringLiteral("Half Ring"), QStringLiteral("Half Ring Pie"),
         QStringLiteral("Semi-ring pie with a 180 degree angle range."), halfRingPie(parent)},
        {QStringLiteral("Leader Line"), QStringLiteral("Leader Line Pie"),
         QStringLiteral("Pie labels rendered with outside leader lines and left-side legend."),
         leaderLinePie(parent)},
    };
    return family;
}
