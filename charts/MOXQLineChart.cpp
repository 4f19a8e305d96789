#include "MOXQLineChart.h"

#include "MOXQLineChartImpl.h"

#include <QMouseEvent>
#include <QOpenGLContext>

MOXQLineChart::MOXQLineChart(QWidget* parent) : MOXQChartBase(parent)
{
    m_impl = new MOXQLineChartImpl(this);
    setMinimumSize(420, 260);
    setMouseTracking(true);
    m_impl->setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                           QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                           QStringLiteral("Sun")});
    // A new chart shows its sample fully drawn until something replays the animation.
    const bool animate = animationEnabled();
    setAnimationEnabled(false);
    m_impl->setSingleSeries(QStringLiteral("Data"), {150, 230, 224, 218, 135, 147, 260}, QColor());
    setAnimationEnabled(animate);
}

MOXQLineChart::~MOXQLineChart()
{
    // The model holds GL functions of this widget's context.
    const bool current = context() && context()->isValid();
    if (current) makeCurrent();
    delete m_impl;
    m_impl = nullptr;
    if (current) doneCurrent();
}

void MOXQLineChart::setTitle(const QString& title)
{
    m_impl->setTitle(title);
}
QString MOXQLineChart::title() const
{
    return m_impl->title();
}
void MOXQLineChart::setCategories(const QStringList& categories)
{
    m_impl->setCategories(categories);
}
QStringList MOXQLineChart::categories() const
{
    return m_impl->categories();
}
void MOXQLineChart::setSeries(const QVector<LineSeries>& series)
{
    m_impl->setSeries(series);
}
void MOXQLineChart::setSingleSeries(const QString& name, const QVector<double>& values,
                                    const QColor& color)
{
    m_impl->setSingleSeries(name, values, color);
}
void MOXQLineChart::setSingleSeries(const QVector<double>& values)
{
    m_impl->setSingleSeries(QStringLiteral("Data"), values, QColor());
}
QVector<LineSeries> MOXQLineChart::series() const
{
    return m_impl->series();
}
void MOXQLineChart::setShowSymbols(bool on)
{
    m_impl->setShowSymbols(on);
}
void MOXQLineChart::setSmooth(bool on)
{
    m_impl->setSmooth(on);
}
void MOXQLineChart::setAreaFill(bool on)
{
    m_impl->setAreaFill(on);
}
void MOXQLineChart::setHoverEnabled(bool on)
{
    m_impl->setHoverEnabled(on);
}
void MOXQLineChart::setTooltipTrigger(int trigger)
{
    m_impl->setTooltipTrigger(trigger);
}
void MOXQLineChart::setTooltipVisible(bool on)
{
    m_impl->setTooltipVisible(on);
}
void MOXQLineChart::setRangeSelectorEnabled(bool on)
{
    m_impl->setRangeSelectorEnabled(on);
}
void MOXQLineChart::setVisibleRange(double start, double end)
{
    m_impl->setVisibleRange(start, end);
}

void MOXQLineChart::paintFrame(QPainter& painter)
{
    m_impl->paint(painter, size());
}

void MOXQLineChart::initializeGL()
{
    m_impl->initializeOpenGLFunctions();
}

void MOXQLineChart::resizeGL(int, int) {}

void MOXQLineChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_impl->mousePress(event->pos(), size(), font())) {
        update();
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQLineChart::mouseMoveEvent(QMouseEvent* event)
{
    if (m_impl->mouseMove(event->pos(), event->buttons() & Qt::LeftButton, size())) {
        event->accept();
        return;
    }
    MOXQChartBase::mouseMoveEvent(event);
}

void MOXQLineChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) m_impl->mouseRelease();
    MOXQChartBase::mouseReleaseEvent(event);
}

void MOXQLineChart::leaveEvent(QEvent* event)
{
    MOXQChartBase::leaveEvent(event);
    if (m_impl->clearHover()) update();
}
