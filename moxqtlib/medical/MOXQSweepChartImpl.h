#pragma once

#include "MOXQWidgetBaseImpl.h"

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <QVector>

#include <functional>
#include <optional>

class QPainter;
class QWidget;

namespace MOXQtLib {

// What the sweeping waveform charts share: points in widget pixels, line colours and weight,
// and the image of the previous sweep that stays visible right of the newest point.
class MOXQSweepChartImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    // Width of the blank band between the newest point and the previous sweep.
    static constexpr int kSweepGap = 40;

    MOXQSweepChartImpl(QWidget* owner, const QString& name, float lineWeight);

    void addData(float x, float y);
    void clearData();
    // Both do nothing on an empty chart.
    void popFront();
    void popBack();
    int dataSize() const { return m_points.size(); }
    // (0, 0) for any index outside the points.
    QPointF getAt(int i) const;
    const QVector<QPointF>& points() const { return m_points; }

    // Keeps the chart as it looks now, painted at `size` and device-pixel `ratio`, as the
    // previous sweep.
    void swapData(const QSize& size, qreal ratio);
    const QImage& previousSweep() const { return m_previous; }

    void setLineColor(const QColor& start, const QColor& end);
    QColor lineStartColor() const { return m_lineStart; }
    QColor lineEndColor() const { return m_lineEnd; }
    // A weight that is not finite or is negative is ignored: no pen can be made from it.
    void setLineWeight(float weight);
    float getLineWeight() const { return m_lineWeight; }

    // Paints the chart over a widget area of `size`.
    virtual void paintSweep(QPainter& painter, const QSize& size) const = 0;
    // The chart painted into a transparent image of `size` logical pixels at `ratio`.
    QImage renderSweep(const QSize& size, qreal ratio) const;

    // Where the previous sweep may show for the newest point `lastX`: from lastX + gap to the
    // right edge. No value means "draw it whole": no points, or an x that is not finite or
    // does not fit an integer.
    static std::optional<QRect> previousSweepClip(const QVector<QPointF>& points,
                                                  const QSize& size);

    // Paints over the owner's whole area.
    void drawControl(QPainter* painter, const QRect& rect) override;

protected:
    QPen tracePen() const;
    // The points as polylines, split where a coordinate is not finite.
    void drawTrace(QPainter& painter) const;
    // Calls `visit` for each run of finite points, in order, thinned to what can be seen.
    void forEachFiniteRun(const std::function<void(const QPolygonF& run)>& visit) const;
    void drawPreviousSweep(QPainter& painter, const QSize& size) const;

private:
    QColor m_lineStart{0, 255, 0};
    QColor m_lineEnd{0, 255, 0};
    QVector<QPointF> m_points;
    QImage m_previous;
    float m_lineWeight;
};

// True when both coordinates are finite.
bool isFinitePoint(const QPointF& point);

} // namespace MOXQtLib
