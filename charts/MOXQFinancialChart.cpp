#include "MOXQFinancialChart.h"

#include "MOXQFinancialChartImpl.h"

#include <QMouseEvent>
#include <QPainter>

namespace MOXQtLib {

MOXQFinancialChart::MOXQFinancialChart(QWidget* parent)
    : MOXQChartControl(typeName(), QSize(480, 300), parent)
{
    setChartTheme(0);
    setBackgroundColor(QColor());
    // Through the setters, so the first show starts with the entry animation.
    impl()->setCandles(impl()->candles());
    impl()->setTicks(impl()->ticks());
}

ControlInfo MOXQFinancialChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQFinancialChart", "FinancialChart",
                               "OpenGL Financial Chart", "columnChart");
}

void MOXQFinancialChart::setTitle(const QString& title)
{
    impl()->setTitle(title);
}

void MOXQFinancialChart::setMode(int mode)
{
    impl()->setMode(mode);
}

void MOXQFinancialChart::setMovingAverages(const QVector<int>& periods)
{
    impl()->setMovingAverages(periods);
}

void MOXQFinancialChart::setMovingAveragesVisible(bool visible)
{
    impl()->setMovingAveragesVisible(visible);
}

void MOXQFinancialChart::setRangeSelectorEnabled(bool enabled)
{
    impl()->setRangeSelectorEnabled(enabled);
}

void MOXQFinancialChart::setVisibleRange(double start, double end)
{
    impl()->setVisibleRange(start, end);
}

void MOXQFinancialChart::setTooltipTrigger(int trigger)
{
    impl()->setTooltipTrigger(trigger);
}

void MOXQFinancialChart::setTooltipVisible(bool visible)
{
    impl()->setTooltipVisible(visible);
}

void MOXQFinancialChart::setCandles(const QVector<CandleRecord>& candles)
{
    impl()->setCandles(candles);
}

void MOXQFinancialChart::setTicks(const QVector<TickRecord>& ticks)
{
    impl()->setTicks(ticks);
}

void MOXQFinancialChart::paintPlot(QPainter& painter)
{
    impl()->paintPlot(painter, size(), chartTheme(), animationProgress());
}

void MOXQFinancialChart::paintOverlay(QPainter& painter)
{
    impl()->paintOverlay(painter, size(), chartTheme());
}

QVector<QRectF> MOXQFinancialChart::overlayRects() const
{
    return impl()->overlayRects(size());
}

void MOXQFinancialChart::syncTooltip()
{
    if (impl()->hoverActive())
        showTooltip(impl()->hoverPoint(), impl()->recordTooltip(impl()->hoverIndex()));
    else
        hideTooltip();
}

void MOXQFinancialChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && impl()->pressRange(event->pos(), size())) {
        impl()->clearHover();
        hideTooltip();
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQFinancialChart::mouseMoveEvent(QMouseEvent* event)
{
    // A release outside the window can go missing; a move without the button ends that drag.
    if (impl()->isDraggingRange() && !(event->buttons() & Qt::LeftButton)) impl()->releaseRange();
    if (impl()->isDraggingRange() && impl()->dragRange(event->pos(), size())) {
        event->accept();
        return;
    }
    MOXQChartBase::mouseMoveEvent(event);
    const bool changed = impl()->updateHover(event->pos(), size());
    syncTooltip();
    if (changed) update();
}

void MOXQFinancialChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) impl()->releaseRange();
    MOXQChartBase::mouseReleaseEvent(event);
}

void MOXQFinancialChart::leaveEvent(QEvent* event)
{
    const bool was = impl()->clearHover();
    hideTooltip();
    if (was) update();
    MOXQChartBase::leaveEvent(event);
}

} // namespace MOXQtLib
