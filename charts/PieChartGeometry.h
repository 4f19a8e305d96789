#pragma once

// The pie chart's data records and its geometry: slice shares and arcs, the pie square, the
// legend, the hit test and the outside labels. Pure functions of their arguments, so tests call
// them without a widget.

#include "ChartCartesian.h"
#include "ChartTheme.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>

namespace MOXQtLib {

// One slice, kept in list order.
struct PieSlice
{
    QString name; // empty: "Slice N" in the legend, "Slice" in the tooltip
    double value = 0.0;
    QColor color; // invalid: the theme palette by the slice's index in the whole list
    bool visible = true;
};

inline bool operator==(const PieSlice& a, const PieSlice& b)
{
    return a.name == b.name && a.value == b.value && a.color == b.color && a.visible == b.visible;
}
inline bool operator!=(const PieSlice& a, const PieSlice& b)
{
    return !(a == b);
}

// A slice as drawn: angles in degrees, clockwise from 12 o'clock.
struct SliceArc
{
    int slice = -1;
    double value = 0.0;
    double start = 0.0;
    double span = 0.0;
    double middle = 0.0;
    QColor color;
};

// An outside label: a radial leader from `inner` to `elbow`, then a line to `anchor` on the
// near edge of `box`, where `text` is drawn.
struct PieLabel
{
    int slice = -1;
    QPointF inner;
    QPointF elbow;
    QPointF anchor;
    QRectF box;
    bool rightSide = true;
    QString text;
    QColor color;
};

namespace PieGeometry {

// Brings finite degrees into [0, 360) with a modulo; a result that rounds to 360 becomes 0.
// Non-finite input gives 0.
double normalizeAngle(double degrees);
// The start angle to store: normalised, or `previous` when `degrees` is not finite.
double startAngleFor(double degrees, double previous);
// The sweep to store: [1, 360]; non-finite means a full turn.
double sweepFor(double degrees);
// The hole ratio to store: [0, 0.8]; non-finite keeps `previous`.
double innerRadiusFor(double ratio, double previous);

// What a slice counts for in the total: its value when visible, finite and positive, else 0.
double sliceWeight(const PieSlice& slice);
// Each slice's share (0..1) of the visible total, in list order; all zero when the total is
// not positive. Computed relative to the largest weight, so huge values cannot overflow.
QVector<double> sliceShares(const QVector<PieSlice>& slices);

// Arcs of the visible slices with positive weight. Each slice starts where its full-size
// predecessor ends and grows clockwise with `progress`.
QVector<SliceArc> sliceArcs(const QVector<PieSlice>& slices, double startAngle, double sweep,
                            double progress, const ChartTheme& theme);

// The square the pie is drawn in; its side is never negative (zero for tiny widgets).
QRectF pieSquare(const QSize& widget, int legendPosition);
QRectF legendArea(const QSize& widget, int legendPosition, const QRectF& pie, bool hasSlices);
// "Slice N" (1-based) for an unnamed slice.
QString legendName(const QVector<PieSlice>& slices, int index);
// One item per slice, hidden ones included: stacked on the left and right, flowing in rows at
// the top and bottom.
QVector<ChartCartesian::LegendItem> layoutLegend(const QVector<PieSlice>& slices,
                                                 const QRectF& area, int legendPosition,
                                                 const QFont& font, const ChartTheme& theme);

// The point at `distance` from `center` in direction `degrees`.
QPointF pointAt(const QPointF& center, double distance, double degrees);
// True when `degrees` (normalised) lies in the arc; a full-turn arc holds every angle.
bool arcContains(const SliceArc& arc, double degrees);
// The slice index under `point`, or -1 (outside the pie, in the hole, or on no arc).
int hitTest(const QVector<SliceArc>& arcs, const QRectF& pie, double innerRadius,
            const QPointF& point);

// Outside labels for `arcs`. Labels that would overlap on one side are pushed apart
// vertically, within `bounds` when they fit.
QVector<PieLabel> outsideLabels(const QVector<SliceArc>& arcs, const QVector<PieSlice>& slices,
                                const QVector<double>& shares, const QRectF& pie,
                                const QRectF& bounds, const QFont& font);

// "name\nvalue (share%)".
QString tooltipText(const PieSlice& slice, double share);

} // namespace PieGeometry

} // namespace MOXQtLib
