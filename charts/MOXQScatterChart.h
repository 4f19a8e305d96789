#pragma once

#include "MOXQCartesianChart.h"
#include "MOXQScatterChartImpl.h"

namespace MOXQtLib {

// Points of (x, y) series over two numeric axes with a five-by-five grid. Points rise from the
// bottom edge and swell during the entry animation; the nearest point under the mouse is
// highlighted with a tooltip; the legend on any side toggles series. Title, series and tooltip
// options come from MOXQCartesianChart; TooltipItem and TooltipAxis both track the nearest
// point, other trigger values track nothing.
class MOXQScatterChart : public MOXQCartesianChart<MOXQScatterChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQScatterChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtscatterchart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQScatterChart() { return new MOXQScatterChart; }

    void paintFrame(QPainter& painter) override;
};

} // namespace MOXQtLib
