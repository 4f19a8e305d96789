#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

#include <memory>

namespace MOXQtLib {

class MOXQSweepChartImpl;

// Widget side shared by the sweeping waveform charts: a plain, translucent QWidget that hands
// its data and painting to its implementation object. It does no scaling and runs no timer:
// the application places each point in widget pixels and decides when a sweep restarts
// (swapData, clearData, then points from the left again).
class MOXQSweepChart : public QWidget
{
    Q_OBJECT
public:
    ~MOXQSweepChart() override;

    // Appends a point and schedules a repaint.
    void addData(float x, float y);
    // Removes every point; the old trace stays on screen until the next repaint.
    void clearData();
    void popFront();
    void popBack();
    int dataSize() const;
    // (0, 0) for any index outside the points.
    QPointF getAt(int i) const;
    // Keeps the chart as it looks now; it stays visible right of the next sweep's newest point.
    void swapData();

    // Only the start colour is drawn; the end colour is kept for callers.
    void setLineColor(const QColor& start, const QColor& end);
    void setLineWeight(float weight);
    float getLineWeight() const;

    MOXQSweepChartImpl* sweepImpl() const { return m_impl.get(); }

protected:
    explicit MOXQSweepChart(QWidget* parent);
    // Takes ownership; called once by each chart's constructor.
    void setSweepImpl(MOXQSweepChartImpl* impl);
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<MOXQSweepChartImpl> m_impl;
};

} // namespace MOXQtLib
