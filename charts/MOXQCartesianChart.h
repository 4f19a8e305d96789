#pragma once

#include "ChartCartesian.h"
#include "MOXQChartControl.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QVector>

namespace MOXQtLib {

// What the bar and scatter widgets share over a MOXQCartesianChartImpl model: the option
// setters, the data setter that replays the entry animation, painting, and the mouse
// forwarding (hover with tooltip, legend toggles, leave).
template <class Impl> class MOXQCartesianChart : public MOXQChartControl<Impl>
{
public:
    using Series = typename Impl::SeriesType;

    void setTitle(const QString& title);
    QString title() const { return this->impl()->title(); }
    // Restarts the entry animation and drops the hover state.
    void setSeries(const QVector<Series>& series);
    QVector<Series> series() const { return this->impl()->series(); }

    void setTooltipTrigger(int trigger);
    int tooltipTrigger() const { return this->impl()->tooltipTrigger(); }
    void setTooltipVisible(bool visible);
    bool tooltipVisible() const { return this->impl()->tooltipVisible(); }

    void paintFrame(QPainter& painter) override;

protected:
    // Theme 0 and no custom background; the model holds the default content.
    MOXQCartesianChart(const QString& typeName, QWidget* parent);

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

template <class Impl>
MOXQCartesianChart<Impl>::MOXQCartesianChart(const QString& typeName, QWidget* parent)
    : MOXQChartControl<Impl>(typeName, QSize(420, 260), parent)
{
    this->setChartTheme(0);
    this->setBackgroundColor(QColor());
}

template <class Impl> void MOXQCartesianChart<Impl>::setTitle(const QString& title)
{
    this->impl()->setTitle(title);
    this->update();
}

template <class Impl> void MOXQCartesianChart<Impl>::setSeries(const QVector<Series>& series)
{
    this->impl()->setSeries(series);
    this->hideTooltip();
    this->replayAnimation();
}

template <class Impl> void MOXQCartesianChart<Impl>::setTooltipTrigger(int trigger)
{
    this->impl()->setTooltipTrigger(trigger);
    if (!this->impl()->tracksHover()) this->hideTooltip();
    this->update();
}

template <class Impl> void MOXQCartesianChart<Impl>::setTooltipVisible(bool visible)
{
    this->impl()->setTooltipVisible(visible);
    if (!visible) this->hideTooltip();
    this->update();
}

template <class Impl> void MOXQCartesianChart<Impl>::paintFrame(QPainter& painter)
{
    this->impl()->paint(painter, ChartCartesian::frameInput(*this));
    this->paintTooltip(painter);
}

template <class Impl> void MOXQCartesianChart<Impl>::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    ChartCartesian::applyHover(
        *this, event->pos(),
        this->impl()->hoverAt(event->pos(), ChartCartesian::frameInput(*this)));
}

template <class Impl> void MOXQCartesianChart<Impl>::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        this->impl()->toggleLegendAt(event->pos(), ChartCartesian::frameInput(*this)) >= 0) {
        ChartCartesian::endHover(*this, true);
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

template <class Impl> void MOXQCartesianChart<Impl>::leaveEvent(QEvent* event)
{
    ChartCartesian::endHover(*this, this->impl()->clearHover());
    MOXQChartBase::leaveEvent(event);
}

} // namespace MOXQtLib
