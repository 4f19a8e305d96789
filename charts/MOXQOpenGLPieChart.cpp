#include "MOXQOpenGLPieChart.h"

#include "MOXQOpenGLPieChartImpl.h"

#include <QMouseEvent>

MOXQOpenGLPieChart::MOXQOpenGLPieChart(QWidget* parent)
    : MOXQChartBase(parent), m_impl(new MOXQOpenGLPieChartImpl(this))
{
    setMinimumSize(420, 260);
    setMouseTracking(true);
    m_impl->setSlices({{QStringLiteral("Search Engine"), 1048, QColor(), true},
                       {QStringLiteral("Direct"), 735, QColor(), true},
                       {QStringLiteral("Email"), 580, QColor(), true},
                       {QStringLiteral("Union Ads"), 484, QColor(), true},
                       {QStringLiteral("Video Ads"), 300, QColor(), true}});
    setChartTheme(0);
    setBackgroundColor(QColor());
    replayAnimation();
}

MOXQOpenGLPieChart::~MOXQOpenGLPieChart()
{
    // The model may hold GL resources one day; free it with this widget's context current.
    makeCurrent();
    delete m_impl;
    m_impl = nullptr;
    doneCurrent();
}

void MOXQOpenGLPieChart::setTitle(const QString& title)
{
    m_impl->setTitle(title);
}
QString MOXQOpenGLPieChart::title() const
{
    return m_impl->title();
}
void MOXQOpenGLPieChart::setSlices(const QVector<PieSlice>& slices)
{
    m_impl->setSlices(slices);
}
QVector<PieSlice> MOXQOpenGLPieChart::slices() const
{
    return m_impl->slices();
}
void MOXQOpenGLPieChart::setInnerRadius(double ratio)
{
    m_impl->setInnerRadius(ratio);
}
double MOXQOpenGLPieChart::innerRadius() const
{
    return m_impl->innerRadius();
}
void MOXQOpenGLPieChart::setAngleRange(double startDegrees, double sweepDegrees)
{
    m_impl->setAngleRange(startDegrees, sweepDegrees);
}
double MOXQOpenGLPieChart::startAngle() const
{
    return m_impl->startAngle();
}
double MOXQOpenGLPieChart::sweep() const
{
    return m_impl->sweep();
}
void MOXQOpenGLPieChart::setOutsideLabels(bool on)
{
    m_impl->setOutsideLabels(on);
}
bool MOXQOpenGLPieChart::outsideLabels() const
{
    return m_impl->outsideLabels();
}
void MOXQOpenGLPieChart::setTooltipTrigger(int trigger)
{
    m_impl->setTooltipTrigger(trigger);
}
int MOXQOpenGLPieChart::tooltipTrigger() const
{
    return m_impl->tooltipTrigger();
}
void MOXQOpenGLPieChart::setTooltipVisible(bool visible)
{
    m_impl->setTooltipVisible(visible);
}
bool MOXQOpenGLPieChart::tooltipVisible() const
{
    return m_impl->tooltipVisible();
}

void MOXQOpenGLPieChart::paintFrame(QPainter& painter)
{
    m_impl->paint(painter);
}

void MOXQOpenGLPieChart::mouseMoveEvent(QMouseEvent* event)
{
    MOXQChartBase::mouseMoveEvent(event);
    if (m_impl->hoverAt(event->pos())) update();
}

void MOXQOpenGLPieChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_impl->toggleLegendAt(event->pos())) {
        event->accept();
        return;
    }
    MOXQChartBase::mousePressEvent(event);
}

void MOXQOpenGLPieChart::leaveEvent(QEvent* event)
{
    if (m_impl->clearHover()) update();
    MOXQChartBase::leaveEvent(event);
}
