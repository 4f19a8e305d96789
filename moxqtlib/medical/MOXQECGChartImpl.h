#pragma once

#include "FillStyle.h"
#include "MOXQSweepChartImpl.h"

namespace MOXQtLib {

// The ECG chart's model and painter: the trace as an antialiased polyline, optional gradient
// fills between the trace and the bottom or top edge, and the previous sweep.
class MOXQECGChartImpl : public MOXQSweepChartImpl
{
    Q_OBJECT
public:
    MOXQECGChartImpl(QWidget* owner, const QString& name);

    void enableFillColor(bool below, bool above);
    bool isBelowFillEnabled() const { return m_fillBelow; }
    bool isAboveFillEnabled() const { return m_fillAbove; }
    void setBelowFillColor(const QColor& start, const QColor& end);
    void setAboveFillColor(const QColor& start, const QColor& end);

    // Kept for callers and themes that store a background with the chart; the chart itself
    // paints none, so whatever lies behind it shows through.
    const FillStyle& background() const { return m_background; }
    void setBackground(const FillStyle& style) { m_background = style; }

    void paintSweep(QPainter& painter, const QSize& size) const override;

private:
    void drawFill(QPainter& painter, const QSize& size, bool below) const;

    FillStyle m_background;
    bool m_fillBelow = false;
    bool m_fillAbove = false;
    QColor m_belowStart;
    QColor m_belowEnd;
    QColor m_aboveStart;
    QColor m_aboveEnd;
};

} // namespace MOXQtLib
