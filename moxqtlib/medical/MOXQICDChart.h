#pragma once

#include "MOXQICDChartImpl.h"
#include "MOXQSweepChart.h"

namespace MOXQtLib {

// The ECG chart's sibling for an intracardiac trace: the points as a polyline, a flat
// reference line or no trace at all (see MOXQtICDType), with the previous sweep.
class MOXQICDChart : public MOXQSweepChart<MOXQICDChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQICDChart(QWidget* parent = nullptr);

    // The ECG chart's: the ICD chart takes the ECG chart's theme entry and is written to pages
    // under the type that has it.
    static QString typeName() { return QStringLiteral("qtecgchart"); }
    static MOXQICDChart* createMOXQICDChart() { return new MOXQICDChart; }

    // Stored only; the next repaint shows it.
    void setICDType(MOXQtICDType type) { impl()->setICDType(type); }
    MOXQtICDType getICDType() const { return impl()->getICDType(); }
    // Accepted for callers that send markers; the chart draws none.
    void addMarker(float, bool) {}
    void addMarkerValue(float, int, int, int) {}
};

} // namespace MOXQtLib
