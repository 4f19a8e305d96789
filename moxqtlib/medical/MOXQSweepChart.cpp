#include "MOXQSweepChart.h"

#include "MOXQSweepChartImpl.h"

namespace MOXQtLib {

MOXQSweepChart::MOXQSweepChart(QWidget* parent) : QWidget(parent)
{
    // Everything outside the trace shows what lies behind the chart.
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
}

MOXQSweepChart::~MOXQSweepChart() = default;

void MOXQSweepChart::setSweepImpl(MOXQSweepChartImpl* impl)
{
    m_impl.reset(impl);
}

void MOXQSweepChart::paintEvent(QPaintEvent*)
{
    m_impl->paintControl();
}

void MOXQSweepChart::addData(float x, float y)
{
    m_impl->addData(x, y);
}

void MOXQSweepChart::clearData()
{
    m_impl->clearData();
}

void MOXQSweepChart::popFront()
{
    m_impl->popFront();
}

void MOXQSweepChart::popBack()
{
    m_impl->popBack();
}

int MOXQSweepChart::dataSize() const
{
    return m_impl->dataSize();
}

QPointF MOXQSweepChart::getAt(int i) const
{
    return m_impl->getAt(i);
}

void MOXQSweepChart::swapData()
{
    m_impl->swapData(size(), devicePixelRatioF());
}

void MOXQSweepChart::setLineColor(const QColor& start, const QColor& end)
{
    m_impl->setLineColor(start, end);
}

void MOXQSweepChart::setLineWeight(float weight)
{
    m_impl->setLineWeight(weight);
}

float MOXQSweepChart::getLineWeight() const
{
    return m_impl->getLineWeight();
}

} // namespace MOXQtLib
