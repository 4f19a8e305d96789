#include "MOXQBarChart.h"

namespace MOXQtLib {

MOXQBarChart::MOXQBarChart(QWidget* parent) : MOXQCartesianChart(typeName(), parent) {}

ControlInfo MOXQBarChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQBarChart", "BarChart",
                               "OpenGL Bar Chart", "columnChart");
}

void MOXQBarChart::setCategories(const QStringList& categories)
{
    impl()->setCategories(categories);
    hideTooltip();
    update();
}

QStringList MOXQBarChart::categories() const
{
    return impl()->categories();
}

void MOXQBarChart::setSingleSeries(const QString& name, const QVector<double>& values,
                                   const QColor& color)
{
    setSeries({BarSeries{name, values, color, QColor(), true}});
}

void MOXQBarChart::setData(const QVector<double>& values)
{
    setSingleSeries(QStringLiteral("Data"), values, QColor());
}

} // namespace MOXQtLib
