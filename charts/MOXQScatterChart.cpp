#include "MOXQScatterChart.h"

#include <QMouseEvent>
#include <QPainter>

MOXQScatterChart::MOXQScatterChart(QWidget* parent) : MOXQChartBase(parent)
{
    m_impl = new MOXQScatterChartImpl(this);
    setMinimumSize(420, 260);
    setMouseTracking(true);
    setChartTheme(0);
    setBackgroundColor(QColor());
    replayAnimation();
}

MOXQScatterChart::~MOXQScatterChart()
{
    makeCurrent();
    delete m_impl;
    m_impl = nullptr;
    doneCurrent();
}

void MOXQScatterChart::setTitle(const QString& title)
{
    m_impl->setTitle(title);
    update();
}

QString MOXQScatterChart::title() const
{
    return m_impl->title();
}

void MOXQScatterChart::setSeries(const QVector<ScatterSeries>& series)
{
    m_impl->setSeries(series);
    hideTooltip();
    replayAnimation();
}

QVector<ScatterSeries> MOXQScatterChart::series() const
{
    return m_impl->series();
}

void MOXQScatterChart::setTooltipTrigger(int trigger)
{
    m_impl->setTooltipTrigger(trigger);
    if (!m_impl->tracksHover()) hideTooltip();
    update();
}

int MOXQScatterChart::tooltipTrigger() const
{
    return m_impl->tooltipTrigger();
}

void MOXQScatterChart::setTooltipVisible(bool visible)
{
    m_impl->setTooltipVisible(visible);
    if (!visible) hideTooltip();
    update();
}

bool MOXQScatterChart::tooltipVisible() const
{
    return m_impl->tooltipVisible();
}

void MOXQScatterChart::paintFrame(QPainter& painter)
{
    painter.fillRect(rect(), effectiveBackgroundColor());
    m_impl->paint(painter, ChartCartesian::frameInput(*this));
    paintTooltip(painter);
}

void MOXQScatterChart::paintGL()
{
    paintGLFrame();
}

void MOXQScatterChart::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    ChartCartesian::applyHover(*this, event->pos(),
                               m_impl->hoverAt(event->pos(), ChartCartesian::frameInput(*this)));
}

void MOXQScatterChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        m_impl->toggleLegendAt(event->pos(), ChartCartesian::frameInput(*this)) >= 0) {
        ChartCartesian::endHover(*this, true);
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQScatterChart::leaveEvent(QEvent* event)
{
    ChartCartesian::endHover(*this, m_impl->clearHover());
    MOXQChartBase::leaveEvent(event);
}
