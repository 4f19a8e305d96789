#include "MOXQECGChart.h"

#include "MOXQECGChartImpl.h"

namespace MOXQtLib {

MOXQECGChart::MOXQECGChart(QWidget* parent)
    : MOXQSweepChart(parent), m_ecg(new MOXQECGChartImpl(this, typeName()))
{
    setSweepImpl(m_ecg);
}

QString MOXQECGChart::typeName()
{
    return QStringLiteral("qtecgchart");
}

void MOXQECGChart::enableFillColor(bool below, bool above)
{
    m_ecg->enableFillColor(below, above);
}

void MOXQECGChart::setBelowFillColor(const QColor& start, const QColor& end)
{
    m_ecg->setBelowFillColor(start, end);
}

void MOXQECGChart::setAboveFillColor(const QColor& start, const QColor& end)
{
    m_ecg->setAboveFillColor(start, end);
}

QWidget* createMOXQECGChart()
{
    return new MOXQECGChart();
}

} // namespace MOXQtLib
