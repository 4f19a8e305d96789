#include "MOXQICDChart.h"

namespace MOXQtLib {

MOXQICDChart::MOXQICDChart(QWidget* parent) : MOXQSweepChart(typeName(), parent) {}

} // namespace MOXQtLib
