#pragma once

#include "MOXQSweepChart.h"

namespace MOXQtLib {

class MOXQECGChartImpl;

// A monitor-style ECG trace: a polyline through the appended points with optional gradient
// fills below and above it, and the previous sweep beyond a 40-pixel gap.
class MOXQECGChart : public MOXQSweepChart
{
    Q_OBJECT
public:
    explicit MOXQECGChart(QWidget* parent = nullptr);

    static QString typeName();

    // Each fill is drawn only while its own switch is on and there are more than two points.
    void enableFillColor(bool below, bool above);
    void setBelowFillColor(const QColor& start, const QColor& end);
    void setAboveFillColor(const QColor& start, const QColor& end);

    MOXQECGChartImpl* ecgImpl() const { return m_ecg; }

private:
    MOXQECGChartImpl* m_ecg;
};

QWidget* createMOXQECGChart();

} // namespace MOXQtLib
