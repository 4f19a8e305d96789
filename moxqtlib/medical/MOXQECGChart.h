#pragma once

#include "MOXControlInfo.h"
#include "MOXQECGChartImpl.h"
#include "MOXQSweepChart.h"

namespace MOXQtLib {

// A monitor-style ECG trace: a polyline through the appended points with optional gradient
// fills below and above it, and the previous sweep beyond a 40-pixel gap.
class MOXQECGChart : public MOXQSweepChart<MOXQECGChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQECGChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtecgchart"); }
    // The common property entries only: the chart has no keys of its own.
    static ControlInfo getProps();
    static QWidget* createMOXQECGChart() { return new MOXQECGChart; }

    // Each fill is drawn only while its own switch is on and there are more than two points.
    void enableFillColor(bool below, bool above) { impl()->enableFillColor(below, above); }
    void setBelowFillColor(const QColor& start, const QColor& end)
    {
        impl()->setBelowFillColor(start, end);
    }
    void setAboveFillColor(const QColor& start, const QColor& end)
    {
        impl()->setAboveFillColor(start, end);
    }
};

} // namespace MOXQtLib
