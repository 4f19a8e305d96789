#include "LineChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace LineChartGeometry {

ValueRange valueRangeFor(bool hasData, double min, double max)
{
    if (!hasData || !std::isfinite(min) || !std::isfinite(max)) return {};
    double lo = min;
    double hi = max;
    if (ChartCartesian::rangeEndsEqual(lo, hi)) {
        lo -= 1;
        hi += 1;
    }
    const double span = std::max(hi - lo, 1.0);
    if (lo > 0) {
        lo = 0;
        hi += 0.08 * span;
    } else {
        lo -= 0.05 * span;
        hi += 0.08 * span;
    }
    return {lo, hi};
}

double pointProgress(double progress, int index, int count)
{
    if (progress >= 1.0) return 1.0;
    double t = progress;
    if (count > 1) {
        const double w = 1.0 / ((count - 1) * 0.5 + 1.0);
        t = (progress - index * w * 0.5) / w;
    }
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double PointMapper::x(double index) const
{
    return plot.left() + (index - first) / std::max(last - first, 1) * plot.width();
}

double PointMapper::y(double value) const
{
    return plot.top() + plot.height() -
           ChartCartesian::rangeFraction(value, range.lo, range.hi) * plot.height();
}

double PointMapper::animatedValue(double value, int index, int count) const
{
    if (progress >= 1.0) return value;
    return range.lo + (value - range.lo) * pointProgress(progress, index, count);
}

void PointMapper::indexWindow(double px, double radius, int* from, int* to) const
{
    const double perPixel = std::max(last - first, 1) / std::max(plot.width(), 1.0);
    const double a = first + (px - radius - plot.left()) * perPixel;
    const double b = first + (px + radius - plot.left()) * perPixel;
    if (!std::isfinite(a) || !std::isfinite(b) || b < first || a > last) {
        *from = 1;
        *to = 0;
        return;
    }
    *from = std::max(first, int(std::floor(a)));
    *to = std::min(last, int(std::ceil(b)));
}

int axisIndex(double mouseX, const QRectF& plot, int first, int last)
{
    if (last <= first) return first;
    const double f = (mouseX - plot.left()) / std::max(plot.width(), 1.0);
    if (!std::isfinite(f)) return first;
    const double i = first + std::round(std::clamp(f, 0.0, 1.0) * (last - first));
    return std::clamp(int(i), first, last);
}

int categoryLabelStep(int count, double plotWidth)
{
    if (count <= 1) return 1;
    const int labelSlots = std::max(int(std::floor(plotWidth / 76)) + 1, 2);
    return std::max(int(std::ceil(double(count) / labelSlots)), 1);
}

QVector<int> categoryLabelIndexes(const PointMapper& map)
{
    QVector<int> out;
    if (map.last < map.first) return out;
    const int step = categoryLabelStep(map.last - map.first + 1, map.plot.width());
    for (qint64 i = map.first; i <= map.last; i += step)
        out.append(int(i));
    if (map.last > map.first && out.last() != map.last) {
        if (out.size() > 1 && map.x(map.last) - map.x(out.last()) < 68) out.removeLast();
        out.append(map.last);
    }
    return out;
}

QPainterPath linePath(const QVector<QPointF>& points, bool smooth)
{
    QPainterPath path;
    if (points.isEmpty()) return path;
    path.moveTo(points.first());
    if (!smooth || points.size() < 3) {
        for (int i = 1; i < points.size(); ++i)
            path.lineTo(points.at(i));
        return path;
    }
    const double k = 0.85 / 6.0;
    const int n = points.size();
    for (int i = 0; i + 1 < n; ++i) {
        const QPointF& p0 = points.at(std::max(i - 1, 0));
        const QPointF& p1 = points.at(i);
        const QPointF& p2 = points.at(i + 1);
        const QPointF& p3 = points.at(std::min(i + 2, n - 1));
        path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
    }
    return path;
}

QPainterPath areaPath(const QPainterPath& line, const QVector<QPointF>& points, double bottom)
{
    QPainterPath area = line;
    if (points.isEmpty()) return area;
    area.lineTo(points.last().x(), bottom);
    area.lineTo(points.first().x(), bottom);
    area.closeSubpath();
    return area;
}

QPainterPath stripAreaPath(const QVector<QPointF>& points, double bottom, int pointsPerPiece)
{
    QPainterPath area;
    const int n = points.size();
    if (n < 2) return n == 1 ? areaPath(linePath(points, false), points, bottom) : area;
    const int step = std::max(pointsPerPiece, 2) - 1;
    // Consecutive pieces share their boundary point, so they tile the area without gaps.
    for (int a = 0; a + 1 < n; a += step) {
        const int b = std::min(a + step, n - 1);
        area.moveTo(points.at(a).x(), bottom);
        for (int i = a; i <= b; ++i)
            area.lineTo(points.at(i));
        area.lineTo(points.at(b).x(), bottom);
        area.closeSubpath();
    }
    return area;
}

ChartCartesian::PlotLayout plotLayout(const QSize& widget, const ChartCartesian::Margins& margins,
                                      bool rangeSelector, bool hasSeries, int legendPosition)
{
    const int bottom = rangeSelector ? 92 : 42;
    const int legendBottom = margins.legendBottom + (rangeSelector ? 44 : 0);
    return ChartCartesian::plotLayout(widget, margins, bottom, legendBottom, hasSeries,
                                      legendPosition);
}

double rangeBarOffset(const ChartCartesian::PlotLayout& layout)
{
    return layout.legendBottomApplied ? 76.0 : 40.0;
}

} // namespace LineChartGeometry

} // namespace MOXQtLib
