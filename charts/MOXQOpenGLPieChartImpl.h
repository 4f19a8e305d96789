#pragma once

#include "ChartCartesian.h"
#include "MOXQChartBaseImpl.h"
#include "PieChartGeometry.h"

#include <QPoint>
#include <QString>
#include <QVector>

class QPainter;

namespace MOXQtLib {

// The pie chart's model: data, options and hover state, and the painting and mouse logic that
// work on them. Created and owned by the chart widget; geometry is recomputed from the model and
// the owner's size, legend position, theme and animation progress on every paint and event.
class MOXQOpenGLPieChartImpl : public MOXQChartBaseImpl
{
    Q_OBJECT
public:
    explicit MOXQOpenGLPieChartImpl(MOXQChartBase* owner = nullptr,
                                    const QString& name = QString());

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    // Non-finite values are stored as 0. Clears the hover state and restarts the animation.
    void setSlices(const QVector<PieSlice>& slices);
    const QVector<PieSlice>& slices() const { return m_slices; }
    void setInnerRadius(double ratio);
    double innerRadius() const { return m_innerRadius; }
    void setAngleRange(double start, double sweep);
    double startAngle() const { return m_startAngle; }
    double sweep() const { return m_sweep; }
    void setOutsideLabels(bool on);
    bool outsideLabels() const { return m_outsideLabels; }
    void setTooltipTrigger(int trigger);
    int tooltipTrigger() const { return m_tooltipTrigger; }
    void setTooltipVisible(bool visible);
    bool tooltipVisible() const { return m_tooltipVisible; }

    bool isHoverActive() const { return m_hoverActive; }
    int hoveredSlice() const { return m_hoverIndex; }

    // Geometry at the owner's current size, legend position and animation progress.
    QRectF pieRect() const;
    QVector<SliceArc> arcs() const;
    QVector<ChartCartesian::LegendItem> legendItems() const;
    QVector<PieLabel> labels() const;
    // The slice under `point` (widget coordinates), or -1.
    int sliceAt(const QPointF& point) const;

    void paint(QPainter& painter);

    // Mouse logic; each returns true when the view changed and needs a repaint.
    bool hoverAt(const QPoint& pos);
    // A left click: toggles the slice of the legend item under `pos`; false when none is hit.
    bool toggleLegendAt(const QPoint& pos);
    bool clearHover();

private:
    QString m_title = QStringLiteral("Basic Pie Chart");
    QVector<PieSlice> m_slices;
    bool m_tooltipVisible = true;
    int m_tooltipTrigger = TooltipItem;
    double m_innerRadius = 0.0;
    double m_startAngle = 0.0;
    double m_sweep = 360.0;
    bool m_outsideLabels = false;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    QPoint m_hoverPos;
};

} // namespace MOXQtLib
