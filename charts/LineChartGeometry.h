#pragma once

// Geometry of the line chart: value range, index/value mapping, entry animation, axis index,
// category label thinning and path building. Pure functions, so tests call them without a
// widget.

#include "ChartCartesian.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QVector>

namespace MOXQtLib {

namespace LineChartGeometry {

struct ValueRange
{
    double lo = 0.0;
    double hi = 1.0;
};

// The value axis for finite data from `min` to `max`; `hasData` false gives 0..1. The axis
// starts at 0 for positive data and leaves head room above the maximum.
ValueRange valueRangeFor(bool hasData, double min, double max);

// Share of the entry animation reached by point `index` of `count` at overall progress
// `progress`: a smoothstep, each point starting half a share after the previous one.
double pointProgress(double progress, int index, int count);

// Maps (index, value) pairs of one frame to widget coordinates.
struct PointMapper
{
    QRectF plot;
    int first = 0;
    int last = 0;
    ValueRange range;
    double progress = 1.0;

    double x(double index) const;
    double y(double value) const;
    // The value drawn for point `index` of a series of `count` values at this progress.
    double animatedValue(double value, int index, int count) const;
    QPointF point(int index, double value, int count) const
    {
        return QPointF(x(index), y(animatedValue(value, index, count)));
    }
    // Indexes whose x lies within `radius` of `px`, clamped to first..last; empty when
    // from > to.
    void indexWindow(double px, double radius, int* from, int* to) const;
};

// The category under `mouseX` for the visible range first..last.
int axisIndex(double mouseX, const QRectF& plot, int first, int last);

// Step between drawn category labels so they fit into `plotWidth` (about 76 pixels each).
int categoryLabelStep(int count, double plotWidth);
// Indexes of the drawn category labels: every step-th from `first`, and `last` too. A thinned
// label that would overlap the last one gives way to it.
QVector<int> categoryLabelIndexes(const PointMapper& map);

// Straight segments, or with `smooth` and three or more points a cubic Bezier through them.
QPainterPath linePath(const QVector<QPointF>& points, bool smooth);
// `line` closed down to `bottom` under its last and first point.
QPainterPath areaPath(const QPainterPath& line, const QVector<QPointF>& points, double bottom);

// The same area as `areaPath` of straight segments through `points` (x ascending), built as
// narrow side-by-side pieces of at most `pointsPerPiece` points. Filling it covers the same
// pixels, but a stencil-based paint engine then touches little more than the area itself
// instead of a fan over the whole polygon.
QPainterPath stripAreaPath(const QVector<QPointF>& points, double bottom, int pointsPerPiece = 16);

// Plot rectangle of a line chart: the range selector reserves room below the plot.
ChartCartesian::PlotLayout plotLayout(const QSize& widget, const ChartCartesian::Margins& margins,
                                      bool rangeSelector, bool hasSeries, int legendPosition);
// Distance of the range bar below the plot: it shares the bottom margin with a bottom legend
// only when that margin was really applied.
double rangeBarOffset(const ChartCartesian::PlotLayout& layout);

} // namespace LineChartGeometry

} // namespace MOXQtLib
