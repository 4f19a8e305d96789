#include "MOXQOpenGLPieChart.h"

#include "MOXQOpenGLPieChartImpl.h"

#include <QMouseEvent>

namespace MOXQtLib {

MOXQOpenGLPieChart::MOXQOpenGLPieChart(QWidget* parent)
    : MOXQChartControl(typeName(), QSize(420, 260), parent)
{
    impl()->setSlices({{QStringLiteral("Search Engine"), 1048, QColor(), true},
                       {QStringLiteral("Direct"), 735, QColor(), true},
                       {QStringLiteral("Email"), 580, QColor(), true},
                       {QStringLiteral("Union Ads"), 484, QColor(), true},
                       {QStringLiteral("Video Ads"), 300, QColor(), true}});
    setChartTheme(0);
    setBackgroundColor(QColor());
    replayAnimation();
}

ControlInfo MOXQOpenGLPieChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQOpenGLPieChart", "PieChart",
                               "OpenGL Pie Chart", "pieChart");
}

void MOXQOpenGLPieChart::setTitle(const QString& title)
{
    impl()->setTitle(title);
}
QString MOXQOpenGLPieChart::title() const
{
    return impl()->title();
}
void MOXQOpenGLPieChart::setSlices(const QVector<PieSlice>& slices)
{
    impl()->setSlices(slices);
}
QVector<PieSlice> MOXQOpenGLPieChart::slices() const
{
    return impl()->slices();
}
void MOXQOpenGLPieChart::setInnerRadius(double ratio)
{
    impl()->setInnerRadius(ratio);
}
double MOXQOpenGLPieChart::innerRadius() const
{
    return impl()->innerRadius();
}
void MOXQOpenGLPieChart::setAngleRange(double startDegrees, double sweepDegrees)
{
    impl()->setAngleRange(startDegrees, sweepDegrees);
}
double MOXQOpenGLPieChart::startAngle() const
{
    return impl()->startAngle();
}
double MOXQOpenGLPieChart::sweep() const
{
    return impl()->sweep();
}
void MOXQOpenGLPieChart::setOutsideLabels(bool on)
{
    impl()->setOutsideLabels(on);
}
bool MOXQOpenGLPieChart::outsideLabels() const
{
    return impl()->outsideLabels();
}
void MOXQOpenGLPieChart::setTooltipTrigger(int trigger)
{
    impl()->setTooltipTrigger(trigger);
}
int MOXQOpenGLPieChart::tooltipTrigger() const
{
    return impl()->tooltipTrigger();
}
void MOXQOpenGLPieChart::setTooltipVisible(bool visible)
{
    impl()->setTooltipVisible(visible);
}
bool MOXQOpenGLPieChart::tooltipVisible() const
{
    return impl()->tooltipVisible();
}

void MOXQOpenGLPieChart::paintFrame(QPainter& painter)
{
    impl()->paint(painter);
}

void MOXQOpenGLPieChart::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    if (impl()->hoverAt(event->pos())) update();
}

void MOXQOpenGLPieChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && impl()->toggleLegendAt(event->pos())) {
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQOpenGLPieChart::leaveEvent(QEvent* event)
{
    if (impl()->clearHover()) update();
    MOXQChartBase::leaveEvent(event);
}

} // namespace MOXQtLib
