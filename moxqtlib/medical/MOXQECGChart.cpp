#include "MOXQECGChart.h"

namespace MOXQtLib {

MOXQECGChart::MOXQECGChart(QWidget* parent) : MOXQSweepChart(typeName(), parent) {}

ControlInfo MOXQECGChart::getProps()
{
    return moxMakeControlInfo("qtecgchart", "MOXQECGChart", "ECGChart", "Control ECGChart",
                              "ecgchart");
}

} // namespace MOXQtLib
