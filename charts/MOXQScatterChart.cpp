#include "MOXQScatterChart.h"

#include <QPainter>

namespace MOXQtLib {

MOXQScatterChart::MOXQScatterChart(QWidget* parent) : MOXQCartesianChart(typeName(), parent)
{
    replayAnimation();
}

ControlInfo MOXQScatterChart::getProps()
{
    return moxChartControlInfo(typeName().toLatin1(), "MOXQScatterChart", "ScatterChart",
                               "OpenGL Scatter Chart", "columnChart");
}

void MOXQScatterChart::paintFrame(QPainter& painter)
{
    painter.fillRect(rect(), effectiveBackgroundColor());
    MOXQCartesianChart::paintFrame(painter);
}

} // namespace MOXQtLib
