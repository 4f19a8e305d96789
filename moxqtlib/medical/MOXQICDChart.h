#pragma once

#include "MOXQICDChartImpl.h"
#include "MOXQSweepChart.h"

namespace MOXQtLib {

// The ECG chart's sibling for an intracardiac trace: the points as a polyline, a flat
// reference line or no trace at all (see MOXQtICDType), with the previous sweep.
class MOXQICDChart : public MOXQSweepChart
{
    Q_OBJECT
public:
    explicit MOXQICDChart(QWidget* parent = nullptr);

    // The ECG chart's: the ICD chart takes the ECG chart's theme entry and look.
    static QString typeName();
    static MOXQICDChart* createMOXQICDChart();

    // Stored only; the next repaint shows it.
    void setICDType(MOXQtICDType type);
    MOXQtICDType getICDType() const;
    // Accepted for callers that send markers; the chart draws none.
    void addMarker(float, bool) {}
    void addMarkerValue(float, int, int, int) {}

    MOXQICDChartImpl* icdImpl() const { return m_icd; }

private:
    MOXQICDChartImpl* m_icd;
};

} // namespace MOXQtLib
