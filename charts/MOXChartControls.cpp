#include "MOXChartControls.h"

#include "MOXQBarChart.h"
#include "MOXQFinancialChart.h"
#include "MOXQLineChart.h"
#include "MOXQOpenGLPieChart.h"
#include "MOXQScatterChart.h"
#include "MOXQtLib.h"

namespace MOXQtLib {

namespace {

template <class Chart> void registerChart(QWidget* (*create)())
{
    const QByteArray name = Chart::typeName().toLatin1();
    moxRegisterQtControl(name.constData(), create, Chart::getProps(), true);
}

} // namespace

void registerChartControls()
{
    registerChart<MOXQBarChart>(&MOXQBarChart::createMOXQBarChart);
    registerChart<MOXQLineChart>(&MOXQLineChart::createMOXQLineChart);
    registerChart<MOXQOpenGLPieChart>(&MOXQOpenGLPieChart::createMOXQOpenGLPieChart);
    registerChart<MOXQScatterChart>(&MOXQScatterChart::createMOXQScatterChart);
    registerChart<MOXQFinancialChart>(&MOXQFinancialChart::createMOXQFinancialChart);
}

} // namespace MOXQtLib
