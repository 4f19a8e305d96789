#include "MOXQFinancialChart.h"

#include "MOXQFinancialChartImpl.h"

#include <QMouseEvent>
#include <QPainter>

MOXQFinancialChart::MOXQFinancialChart(QWidget* parent) : MOXQChartBase(parent)
{
    setMinimumSize(480, 300);
    setMouseTracking(true);
    m_impl = new MOXQFinancialChartImpl(this);
    setChartTheme(0);
    setBackgroundColor(QColor());
    // Through the setters, so the first show starts with the entry animation.
    m_impl->setCandles(m_impl->candles());
    m_impl->setTicks(m_impl->ticks());
}

MOXQFinancialChart::~MOXQFinancialChart()
{
    // The model may hold GL resources later; free it with this widget's context current.
    makeCurrent();
    delete m_impl;
    m_impl = nullptr;
    doneCurrent();
}

void MOXQFinancialChart::setTitle(const QString& title)
{
    m_impl->setTitle(title);
}

void MOXQFinancialChart::setMode(int mode)
{
    m_impl->setMode(mode);
}

void MOXQFinancialChart::setMovingAverages(const QVector<int>& periods)
{
    m_impl->setMovingAverages(periods);
}

void MOXQFinancialChart::setMovingAveragesVisible(bool visible)
{
    m_impl->setMovingAveragesVisible(visible);
}

void MOXQFinancialChart::setRangeSelectorEnabled(bool enabled)
{
    m_impl->setRangeSelectorEnabled(enabled);
}

void MOXQFinancialChart::setVisibleRange(double start, double end)
{
    m_impl->setVisibleRange(start, end);
}

void MOXQFinancialChart::setTooltipTrigger(int trigger)
{
    m_impl->setTooltipTrigger(trigger);
}

void MOXQFinancialChart::setTooltipVisible(bool visible)
{
    m_impl->setTooltipVisible(visible);
}

void MOXQFinancialChart::setCandles(const QVector<CandleRecord>& candles)
{
    m_impl->setCandles(candles);
}

void MOXQFinancialChart::setTicks(const QVector<TickRecord>& ticks)
{
    m_impl->setTicks(ticks);
}

void MOXQFinancialChart::paintFrame(QPainter& painter)
{
    m_impl->paint(painter, size(), chartTheme(), animationProgress());
    paintTooltip(painter);
}

void MOXQFinancialChart::syncTooltip()
{
    if (m_impl->hoverActive())
        showTooltip(m_impl->hoverPoint(), m_impl->recordTooltip(m_impl->hoverIndex()));
    else
        hideTooltip();
}

void MOXQFinancialChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_impl->pressRange(event->pos(), size())) {
        m_impl->clearHover();
        hideTooltip();
        update();
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQFinancialChart::mouseMoveEvent(QMouseEvent* event)
{
    // A release outside the window can go missing; a move without the button ends that drag.
    if (m_impl->isDraggingRange() && !(event->buttons() & Qt::LeftButton)) m_impl->releaseRange();
    if (m_impl->isDraggingRange() && m_impl->dragRange(event->pos(), size())) {
        update();
        event->accept();
        return;
    }
    MOXQChartBase::mouseMoveEvent(event);
    const bool changed = m_impl->updateHover(event->pos(), size());
    syncTooltip();
    if (changed) update();
}

void MOXQFinancialChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) m_impl->releaseRange();
    MOXQChartBase::mouseReleaseEvent(event);
}

void MOXQFinancialChart::leaveEvent(QEvent* event)
{
    const bool was = m_impl->clearHover();
    hideTooltip();
    if (was) update();
    MOXQChartBase::leaveEvent(event);
}
