#include "MOXQBarChart.h"

#include <QMouseEvent>
#include <QPainter>

MOXQBarChart::MOXQBarChart(QWidget* parent) : MOXQChartBase(parent)
{
    m_impl = new MOXQBarChartImpl(this);
    setMinimumSize(420, 260);
    setMouseTracking(true);
    setChartTheme(0);
    setBackgroundColor(QColor());
}

MOXQBarChart::~MOXQBarChart()
{
    makeCurrent();
    delete m_impl;
    m_impl = nullptr;
    doneCurrent();
}

void MOXQBarChart::setTitle(const QString& title)
{
    m_impl->setTitle(title);
    update();
}

QString MOXQBarChart::title() const
{
    return m_impl->title();
}

void MOXQBarChart::setCategories(const QStringList& categories)
{
    m_impl->setCategories(categories);
    hideTooltip();
    update();
}

QStringList MOXQBarChart::categories() const
{
    return m_impl->categories();
}

void MOXQBarChart::setSeries(const QVector<BarSeries>& series)
{
    m_impl->setSeries(series);
    hideTooltip();
    replayAnimation();
}

QVector<BarSeries> MOXQBarChart::series() const
{
    return m_impl->series();
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
    m_impl->setTooltipTrigger(trigger);
    if (m_impl->effectiveTrigger() == TooltipNone) hideTooltip();
    update();
}

int MOXQBarChart::tooltipTrigger() const
{
    return m_impl->tooltipTrigger();
}

void MOXQBarChart::setTooltipVisible(bool visible)
{
    m_impl->setTooltipVisible(visible);
    if (!visible) hideTooltip();
    update();
}

bool MOXQBarChart::tooltipVisible() const
{
    return m_impl->tooltipVisible();
}

void MOXQBarChart::paintFrame(QPainter& painter)
{
    m_impl->paint(painter, ChartCartesian::frameInput(*this));
    paintTooltip(painter);
}

void MOXQBarChart::paintGL()
{
    paintGLFrame();
}

void MOXQBarChart::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    ChartCartesian::applyHover(*this, event->pos(),
                               m_impl->hoverAt(event->pos(), ChartCartesian::frameInput(*this)));
}

void MOXQBarChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        m_impl->toggleLegendAt(event->pos(), ChartCartesian::frameInput(*this)) >= 0) {
        ChartCartesian::endHover(*this, true);
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQBarChart::leaveEvent(QEvent* event)
{
    ChartCartesian::endHover(*this, m_impl->clearHover());
    MOXQChartBase::leaveEvent(event);
}
