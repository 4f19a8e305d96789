#include "MOXQBarChart.h"

#include <QMouseEvent>
#include <QPainter>

namespace MOXQtLib {

MOXQBarChart::MOXQBarChart(QWidget* parent) : MOXQChartControl(typeName(), QSize(420, 260), parent)
{
    setChartTheme(0);
    setBackgroundColor(QColor());
}

ControlInfo MOXQBarChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQBarChart", "BarChart",
                               "OpenGL Bar Chart", "columnChart");
}

void MOXQBarChart::setTitle(const QString& title)
{
    impl()->setTitle(title);
    update();
}

QString MOXQBarChart::title() const
{
    return impl()->title();
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

void MOXQBarChart::setSeries(const QVector<BarSeries>& series)
{
    impl()->setSeries(series);
    hideTooltip();
    replayAnimation();
}

QVector<BarSeries> MOXQBarChart::series() const
{
    return impl()->series();
}

void MOXQBarChart::setSingleSeries(const QString& name, const QVector<double>& values,
                                   const QColor& color)
{
    BarSeries s;
    s.name = name;
    s.values = values;
    s.color = color;
    setSeries({s});
}

void MOXQBarChart::setData(const QVector<double>& values)
{
    setSingleSeries(QStringLiteral("Data"), values, QColor());
}

void MOXQBarChart::setTooltipTrigger(int trigger)
{
    impl()->setTooltipTrigger(trigger);
    if (impl()->effectiveTrigger() == TooltipNone) hideTooltip();
    update();
}

int MOXQBarChart::tooltipTrigger() const
{
    return impl()->tooltipTrigger();
}

void MOXQBarChart::setTooltipVisible(bool visible)
{
    impl()->setTooltipVisible(visible);
    if (!visible) hideTooltip();
    update();
}

bool MOXQBarChart::tooltipVisible() const
{
    return impl()->tooltipVisible();
}

void MOXQBarChart::paintFrame(QPainter& painter)
{
    impl()->paint(painter, ChartCartesian::frameInput(*this));
    paintTooltip(painter);
}

void MOXQBarChart::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    ChartCartesian::applyHover(*this, event->pos(),
                               impl()->hoverAt(event->pos(), ChartCartesian::frameInput(*this)));
}

void MOXQBarChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        impl()->toggleLegendAt(event->pos(), ChartCartesian::frameInput(*this)) >= 0) {
        ChartCartesian::endHover(*this, true);
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQBarChart::leaveEvent(QEvent* event)
{
    ChartCartesian::endHover(*this, impl()->clearHover());
    MOXQChartBase::leaveEvent(event);
}

} // namespace MOXQtLib
