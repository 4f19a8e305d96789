#include "MOXQScatterChart.h"

#include <QMouseEvent>
#include <QPainter>

namespace MOXQtLib {

MOXQScatterChart::MOXQScatterChart(QWidget* parent)
    : MOXQChartControl(typeName(), QSize(420, 260), parent)
{
    setChartTheme(0);
    setBackgroundColor(QColor());
    replayAnimation();
}

ControlInfo MOXQScatterChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQScatterChart", "ScatterChart",
                               "OpenGL Scatter Chart", "columnChart");
}

void MOXQScatterChart::setTitle(const QString& title)
{
    impl()->setTitle(title);
    update();
}

QString MOXQScatterChart::title() const
{
    return impl()->title();
}

void MOXQScatterChart::setSeries(const QVector<ScatterSeries>& series)
{
    impl()->setSeries(series);
    hideTooltip();
    replayAnimation();
}

QVector<ScatterSeries> MOXQScatterChart::series() const
{
    return impl()->series();
}

void MOXQScatterChart::setTooltipTrigger(int trigger)
{
    impl()->setTooltipTrigger(trigger);
    if (!impl()->tracksHover()) hideTooltip();
    update();
}

int MOXQScatterChart::tooltipTrigger() const
{
    return impl()->tooltipTrigger();
}

void MOXQScatterChart::setTooltipVisible(bool visible)
{
    impl()->setTooltipVisible(visible);
    if (!visible) hideTooltip();
    update();
}

bool MOXQScatterChart::tooltipVisible() const
{
    return impl()->tooltipVisible();
}

void MOXQScatterChart::paintFrame(QPainter& painter)
{
    painter.fillRect(rect(), effectiveBackgroundColor());
    impl()->paint(painter, ChartCartesian::frameInput(*this));
    paintTooltip(painter);
}

void MOXQScatterChart::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    ChartCartesian::applyHover(*this, event->pos(),
                               impl()->hoverAt(event->pos(), ChartCartesian::frameInput(*this)));
}

void MOXQScatterChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        impl()->toggleLegendAt(event->pos(), ChartCartesian::frameInput(*this)) >= 0) {
        ChartCartesian::endHover(*this, true);
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQScatterChart::leaveEvent(QEvent* event)
{
    ChartCartesian::endHover(*this, impl()->clearHover());
    MOXQChartBase::leaveEvent(event);
}

} // namespace MOXQtLib
