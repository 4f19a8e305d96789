#pragma once

#include "MOXQControl.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace MOXQtLib {

// Widget side shared by the sweeping waveform charts: a plain, translucent QWidget control
// that hands its data and painting to its implementation object (a MOXQSweepChartImpl). It
// does no scaling and runs no timer: the application places each point in widget pixels and
// decides when a sweep restarts (swapData, clearData, then points from the left again).
template <class Impl> class MOXQSweepChart : public MOXQControl<QWidget, Impl, MOXRoutePaint>
{
public:
    // Appends a point and schedules a repaint.
    void addData(float x, float y) { this->impl()->addData(x, y); }
    // Removes every point; the old trace stays on screen until the next repaint.
    void clearData() { this->impl()->clearData(); }
    // Both do nothing on an empty chart.
    void popFront() { this->impl()->popFront(); }
    void popBack() { this->impl()->popBack(); }
    int dataSize() const { return this->impl()->dataSize(); }
    // (0, 0) for any index outside the points.
    QPointF getAt(int i) const { return this->impl()->getAt(i); }
    // Keeps the chart as it looks now, at the widget's device-pixel ratio; it stays visible
    // right of the next sweep's newest point.
    void swapData() { this->impl()->swapData(this->size(), this->devicePixelRatioF()); }

    // Only the start colour is drawn; the end colour is kept for callers.
    void setLineColor(const QColor& start, const QColor& end)
    {
        this->impl()->setLineColor(start, end);
    }
    void setLineWeight(float weight) { this->impl()->setLineWeight(weight); }
    float getLineWeight() const { return this->impl()->getLineWeight(); }

protected:
    MOXQSweepChart(const QString& typeName, QWidget* parent)
        : MOXQControl<QWidget, Impl, MOXRoutePaint>(typeName, parent)
    {
        // Everything outside the trace shows what lies behind the chart.
        this->setAttribute(Qt::WA_TranslucentBackground);
        this->setBackgroundRole(QPalette::NoRole);
        this->setAutoFillBackground(false);
        this->getControlBase()->refreshTheme();
    }
};

} // namespace MOXQtLib
