#include "LineScenarios.h"

#include "GalleryScenarios.h"
#include "MOXQLineChart.h"

#include <QDateTime>

#include <cmath>

using namespace MOXQtLib;

namespace {

const QStringList& weekCategories()
{
    static const QStringList week{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return week;
}

MOXQLineChart* createSimpleLine(QWidget* parent)
{
    auto* chart = new MOXQLineChart(parent);
    chart->setTitle(QStringLiteral("Simple Line"));
    chart->setCategories(weekCategories());
    chart->setSingleSeries({150, 230, 224, 218, 135, 147, 260});
    chart->setTooltipTrigger(TooltipNone);
    chart->setTooltipVisible(false);
    return chart;
}

MOXQLineChart* createSmoothLine(QWidget* parent)
{
    auto* chart = new MOXQLineChart(parent);
    chart->setTitle(QStringLiteral("Smooth Line"));
    chart->setCategories(weekCategories());
    chart->setSmooth(true);
    chart->setSingleSeries({120, 282, 251, 334, 190, 330, 410});
    chart->setTooltipTrigger(TooltipItem);
    chart->setTooltipVisible(true);
    return chart;
}

LineSeries makeSeries(const QString& name, const QVector<double>& values, bool smooth, bool area,
                      double width, double opacity)
{
    LineSeries s;
    s.name = name;
    s.values = values;
    s.showSymbols = true;
    s.smooth = smooth;
    s.area = area;
    s.visible = true;
    s.lineWidth = width;
    s.areaOpacity = opacity;
    return s;
}

MOXQLineChart* createAreaLine(QWidget* parent)
{
    auto* chart = new MOXQLineChart(parent);
    chart->setTitle(QStringLiteral("Area Line"));
    chart->setCategories(weekCategories());
    chart->setAreaFill(true);
    chart->setTooltipTrigger(TooltipAxis);
    chart->setTooltipVisible(true);
    chart->setSeries({makeSeries(QStringLiteral("Traffic"), {820, 932, 901, 934, 1290, 1330, 1320},
                                 false, true, 2.0, 0.26)});
    return chart;
}

MOXQLineChart* createMultiLine(QWidget* parent)
{
    auto* chart = new MOXQLineChart(parent);
    chart->setTitle(QStringLiteral("Multi Line"));
    chart->setLegendPosition(LegendTop);
    chart->setCategories({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug"});
    chart->setSeries({makeSeries(QStringLiteral("Email"), {120, 132, 101, 134, 90, 230, 210, 180},
                                 true, false, 2.0, 0.22),
                      makeSeries(QStringLiteral("Union Ads"),
                                 {220, 182, 191, 234, 290, 330, 310, 280}, false, false, 2.4, 0.22),
                      makeSeries(QStringLiteral("Direct"), {150, 232, 201, 154, 190, 330, 410},
                                 true, false, 2.0, 0.22)});
    chart->setTooltipTrigger(TooltipAxis);
    chart->setTooltipVisible(true);
    return chart;
}

} // namespace

double largeDataLineValue(int i)
{
    return 28.0 * std::sin(0.018 * i) + 8.0 * std::sin(0.071 * i) + (120.0 + 0.012 * i) +
           (((37LL * i) % 23) - 11) * 0.75;
}

QString largeDataLineCategory(int i)
{
    static const QDateTime start(QDate(2026, 1, 1), QTime(0, 0), Qt::LocalTime);
    return start.addSecs(qint64(i) * 1800).toString(QStringLiteral("MM-dd hh:mm"));
}

MOXQLineChart* createLargeDataLineChart(QWidget* parent, int count)
{
    auto* chart = new MOXQLineChart(parent);
    chart->setObjectName(QStringLiteral("LargeDataLineChart"));
    chart->setTitle(QStringLiteral("LargeDataLineChart"));
    chart->setLegendPosition(LegendTop);
    chart->setAreaFill(true);
    chart->setShowSymbols(false);
    chart->setSmooth(false);
    chart->setTooltipTrigger(TooltipAxis);
    chart->setTooltipVisible(true);
    chart->setHoverEnabled(true);
    chart->setRangeSelectorEnabled(true);
    chart->setVisibleRange(0.68, 1.0);
    chart->setAnimationEnabled(false);

    QStringList categories;
    QVector<double> values;
    categories.reserve(count);
    values.reserve(count);
    for (int i = 0; i < count; ++i) {
        categories.append(largeDataLineCategory(i));
        values.append(largeDataLineValue(i));
    }
    LineSeries s;
    s.name = QStringLiteral("LargeDataLineChart");
    s.values = values;
    s.color = QColor(35, 128, 224);
    s.areaColor = QColor(35, 128, 224);
    s.showSymbols = false;
    s.smooth = false;
    s.area = true;
    s.visible = true;
    s.lineWidth = 1.4;
    s.areaOpacity = 0.16;
    chart->setCategories(categories);
    chart->setSeries({s});
    return chart;
}

GalleryFamily lineChartFamily(QWidget* parent)
{
    GalleryFamily family;
    family.title = QStringLiteral("Line Charts");
    family.description = QStringLiteral(
        "Straight, smoothed, filled and multi-series lines, up to a large time series with a "
        "range selector.");
    const auto add = [&family](const QString& title, const QString& description, QWidget* chart) {
        family.scenarios.append({title, title, description, chart});
    };
    add(QStringLiteral("Simple Line"),
        QStringLiteral("Single line series used as the baseline rendering sample."),
        createSimpleLine(parent));
    add(QStringLiteral("Smooth Line"),
        QStringLiteral("Smoothed curve with item tooltip hover behavior."),
        createSmoothLine(parent));
    add(QStringLiteral("Area Line"),
        QStringLiteral("Straight line with a translucent area fill down to the axis and an axis "
                       "tooltip."),
        createAreaLine(parent));
    add(QStringLiteral("LargeDataLineChart"),
        QStringLiteral("Time-axis area line demo with 2400 points, hidden symbols and disabled "
                       "animation for large data rendering."),
        createLargeDataLineChart(parent));
    add(QStringLiteral("Multi Line"), QStringLiteral("Three series with axis tooltip aggregation."),
        createMultiLine(parent));
    return family;
}
