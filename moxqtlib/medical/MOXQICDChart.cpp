#include "MOXQICDChart.h"

namespace MOXQtLib {

MOXQICDChart::MOXQICDChart(QWidget* parent)
    : MOXQSweepChart(parent), m_icd(new MOXQICDChartImpl(this, typeName()))
{
    setSweepImpl(m_icd);
}

QString MOXQICDChart::typeName()
{
    return QStringLiteral("qtecgchart");
}

MOXQICDChart* MOXQICDChart::createMOXQICDChart()
{
    return new MOXQICDChart();
}

void MOXQICDChart::setICDType(MOXQtICDType type)
{
    m_icd->setICDType(type);
}

MOXQtICDType MOXQICDChart::getICDType() const
{
    return m_icd->getICDType();
}

} // namespace MOXQtLib
