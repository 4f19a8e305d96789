#include "MOXQLineChart.h"

#include "MOXQLineChartImpl.h"

#include <QMouseEvent>
#include <QOpenGLContext>

namespace MOXQtLib {

MOXQLineChart::MOXQLineChart(QWidget* parent)
    : MOXQChartControl(typeName(), QSize(420, 260), parent)
{
    impl()->setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                           QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                           QStringLiteral("Sun")});
    // A new chart shows its sample fully drawn until something replays the animation.
    const bool animate = animationEnabled();
    setAnimationEnabled(false);
    impl()->setSingleSeries(QStringLiteral("Data"), {150, 230, 224, 218, 135, 147, 260}, QColor());
    setAnimationEnabled(animate);
}

ControlInfo MOXQLineChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQLineChart", "LineChart",
                               "OpenGL Line Chart", "columnChart");
}

void MOXQLineChart::setTitle(const QString& title)
{
    impl()->setTitle(title);
}
QString MOXQLineChart::title() const
{
    return impl()->title();
}
void MOXQLineChart::setCategories(const QStringList& categories)
{
    impl()->setCategories(categories);
}
QStringList MOXQLineChart::categories() const
{
    return impl()->categories();
}
void MOXQLineChart::setSeries(const QVector<LineSeries>& series)
{
    impl()->setSeries(series);
}
void MOXQLineChart::setSingleSeries(const QString& name, const QVector<double>& values,
                                    const QColor& color)
{
    impl()->setSingleSeries(name, values, color);
}
void MOXQLineChart::setSingleSeries(const QVector<double>& values)
{
    impl()->setSingleSeries(QStringLiteral("Data"), values, QColor());
}
QVector<LineSeries> MOXQLineChart::series() const
{
    return impl()->series();
}
void MOXQLineChart::setShowSymbols(bool on)
{
    impl()->setShowSymbols(on);
}
void MOXQLineChart::setSmooth(bool on)
{
    impl()->setSmooth(on);
}
void MOXQLineChart::setAreaFill(bool on)
{
    impl()->setAreaFill(on);
}
void MOXQLineChart::setHoverEnabled(bool on)
{
    impl()->setHoverEnabled(on);
}
void MOXQLineChart::setTooltipTrigger(int trigger)
{
    impl()->setTooltipTrigger(trigger);
}
void MOXQLineChart::setTooltipVisible(bool on)
{
    impl()->setTooltipVisible(on);
}
void MOXQLineChart::setRangeSelectorEnabled(bool on)
{
    impl()->setRangeSelectorEnabled(on);
}
void MOXQLineChart::setVisibleRange(double start, double end)
{
    impl()->setVisibleRange(start, end);
}

void MOXQLineChart::paintPlot(QPainter& painter)
{
    impl()->paintPlot(painter, size());
}

void MOXQLineChart::paintOverlay(QPainter& painter)
{
    impl()->paintOverlay(painter, size());
}

QVector<QRectF> MOXQLineChart::overlayRects() const
{
    return impl()->overlayRects(size());
}

void MOXQLineChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && impl()->mousePress(event->pos(), size(), font())) {
        update();
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQLineChart::mouseMoveEvent(QMouseEvent* event)
{
    if (impl()->mouseMove(event->pos(), event->buttons() & Qt::LeftButton, size())) {
        event->accept();
        return;
    }
    MOXQChartBase::mouseMoveEvent(event);
}

void MOXQLineChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) impl()->mouseRelease();
    MOXQChartBase::mouseReleaseEvent(event);
}

void MOXQLineChart::leaveEvent(QEvent* event)
{
    MOXQChartBase::leaveEvent(event);
    if (impl()->clearHover()) update();
}

} // namespace MOXQtLib
