#include "PieChartGeometry.h"

#include "ChartFunctions.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace MOXQtLib {

namespace PieGeometry {

namespace {

constexpr double kPi = 3.14159265358979323846;

QFont labelFont(const QFont& font)
{
    QFont f = font;
    f.setPixelSize(11);
    return f;
}

} // namespace

double normalizeAngle(double degrees)
{
    if (!std::isfinite(degrees)) return 0.0;
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    // A tiny negative remainder plus a whole turn rounds to exactly 360.
    if (a >= 360.0) a = 0.0;
    return a;
}

double startAngleFor(double degrees, double previous)
{
    return std::isfinite(degrees) ? normalizeAngle(degrees) : previous;
}

double sweepFor(double degrees)
{
    if (!std::isfinite(degrees)) return 360.0;
    return std::clamp(degrees, 1.0, 360.0);
}

double innerRadiusFor(double ratio, double previous)
{
    if (!std::isfinite(ratio)) return previous;
    return std::max(std::min(ratio, 0.8), 0.0);
}

double sliceWeight(const PieSlice& slice)
{
    return slice.visible && std::isfinite(slice.value) && slice.value > 0 ? slice.value : 0.0;
}

QVector<double> sliceShares(const QVector<PieSlice>& slices)
{
    QVector<double> shares(slices.size(), 0.0);
    double largest = 0.0;
    for (const PieSlice& s : slices)
        largest = std::max(largest, sliceWeight(s));
    if (largest <= 0) return shares;
    double sum = 0.0;
    for (const PieSlice& s : slices)
        sum += sliceWeight(s) / largest;
    for (int i = 0; i < slices.size(); ++i)
        shares[i] = sliceWeight(slices.at(i)) / largest / sum;
    return shares;
}

QVector<SliceArc> sliceArcs(const QVector<PieSlice>& slices, double startAngle, double sweep,
                            double progress, const ChartTheme& theme)
{
    QVector<SliceArc> arcs;
    const QVector<double> shares = sliceShares(slices);
    const double p = std::isfinite(progress) ? std::clamp(progress, 0.0, 1.0) : 1.0;
    const double total = sweepFor(sweep);
    double s = normalizeAngle(startAngle);
    for (int i = 0; i < slices.size(); ++i) {
        if (shares.at(i) <= 0) continue;
        const double full = shares.at(i) * total;
        SliceArc arc;
        arc.slice = i;
        arc.value = slices.at(i).value;
        arc.start = s;
        arc.span = full * p;
        arc.middle = s + arc.span / 2;
        arc.color = seriesColor(slices.at(i).color, i, theme);
        arcs.append(arc);
        s += full;
    }
    return arcs;
}

QRectF pieSquare(const QSize& widget, int legendPosition)
{
    const int w = widget.width();
    const int h = widget.height();
    int d = 0;
    int x = 0;
    int y = 68;
    switch (legendPosition) {
    case LegendTop:
        d = std::max(0, std::min({420, h - 170, w - 96}));
        x = (w - d) / 2;
        y = 132;
        break;
    case LegendRight:
        d = std::max(0, std::min({420, h - 116, w - 284}));
        x = std::max(0, w - 284 - d) / 2 + 24;
        break;
    case LegendLeft: {
        const int l = std::min(w / 3, 220) + 40;
        d = std::max(0, std::min({420, h - 116, w - l - 28}));
        x = std::max(0, w - l - d - 28) / 2 + l;
        break;
    }
    default:
        d = std::max(0, std::min({420, h - 188, w - 96}));
        x = (w - d) / 2;
        break;
    }
    return QRectF(x, y, d, d);
}

QRectF legendArea(const QSize& widget, int legendPosition, const QRectF& pie, bool hasSlices)
{
    if (!hasSlices) return {};
    const int w = widget.width();
    const int h = widget.height();
    switch (legendPosition) {
    case LegendTop:
        return QRectF(48, 48, w - 96, 62);
    case LegendRight:
        return QRectF(pie.right() + 20, 72, w - pie.right() - 36, h - 120);
    case LegendLeft:
        return QRectF(24, 72, std::min(w / 3, 220), h - 120);
    default:
        return QRectF(48, pie.bottom() + 24, w - 96, 88);
    }
}

QString legendName(const QVector<PieSlice>& slices, int index)
{
    if (index >= 0 && index < slices.size() && !slices.at(index).name.isEmpty())
        return slices.at(index).name;
    return QStringLiteral("Slice %1").arg(index + 1);
}

QVector<ChartCartesian::LegendItem> layoutLegend(const QVector<PieSlice>& slices,
                                                 const QRectF& area, int legendPosition,
                                                 const QFont& font, const ChartTheme& theme)
{
    QVector<ChartCartesian::LegendItem> items;
    if (slices.isEmpty() || !(area.width() > 0) || !(area.height() > 0)) return items;
    const QFontMetricsF fm(labelFont(font));
    const bool stacked = legendPosition == LegendLeft || legendPosition == LegendRight;
    const qreal left = std::round(area.left());
    const qreal right = area.right();
    qreal x = left;
    qreal y = std::round(area.top());
    items.reserve(slices.size());
    for (int i = 0; i < slices.size(); ++i) {
        ChartCartesian::LegendItem item;
        item.series = i;
        item.color = seriesColor(slices.at(i).color, i, theme);
        item.visible = slices.at(i).visible;
        item.name = legendName(slices, i);
        if (stacked) {
            item.rect = QRectF(left, y, std::round(area.width()) - 6, 18);
            y += 24;
        } else {
            const qreal width = std::min<qreal>(200, fm.horizontalAdvance(item.name) + 84);
            item.rect = QRectF(x, y, width, 18);
            x += width + 10;
            if (x + 140 > right) {
                x = left;
                y += 22;
            }
        }
        items.append(item);
    }
    return items;
}

QPointF pointAt(const QPointF& center, double distance, double degrees)
{
    const double a = degrees * kPi / 180.0;
    return QPointF(center.x() + distance * std::sin(a), center.y() - distance * std::cos(a));
}

bool arcContains(const SliceArc& arc, double degrees)
{
    if (!(arc.span > 0)) return false;
    if (arc.span >= 360.0) return true;
    const double a = normalizeAngle(degrees);
    const double s = normalizeAngle(arc.start);
    const double e = normalizeAngle(arc.start + arc.span);
    if (e >= s) return a >= s && a <= e;
    return a >= s || a <= e;
}

int hitTest(const QVector<SliceArc>& arcs, const QRectF& pie, double innerRadius,
            const QPointF& point)
{
    const double r = pie.width() / 2;
    if (!(r > 0) || !std::isfinite(point.x()) || !std::isfinite(point.y())) return -1;
    const QPointF c = pie.center();
    const double dx = point.x() - c.x();
    const double dy = point.y() - c.y();
    const double d = std::hypot(dx, dy);
    if (d > r || d < r * innerRadius) return -1;
    const double a = normalizeAngle(std::atan2(dx, -dy) * 180.0 / kPi);
    for (const SliceArc& arc : arcs)
        if (arcContains(arc, a)) return arc.slice;
    return -1;
}

namespace {

// Moves label centres `ys` (sorted ascending) apart to at least `gap`, each run of crowded
// labels spread evenly around its mean; kept within [lo, hi] when the run fits there.
void spreadApart(std::vector<double>& ys, double gap, double lo, double hi)
{
    struct Run
    {
        double sum;
        int count;
        double first;
    };
    const bool fits = hi >= lo && double(ys.size() - 1) * gap <= hi - lo;
    auto place = [&](Run& run) {
        run.first = run.sum / run.count - (run.count - 1) * gap / 2;
        if (fits) run.first = std::clamp(run.first, lo, hi - (run.count - 1) * gap);
    };
    std::vector<Run> runs;
    for (double y : ys) {
        runs.push_back({y, 1, y});
        place(runs.back());
        while (runs.size() > 1) {
            Run& a = runs[runs.size() - 2];
            const Run& b = runs.back();
            if (a.first + a.count * gap <= b.first) break;
            a.sum += b.sum;
            a.count += b.count;
            runs.pop_back();
            place(a);
        }
    }
    size_t k = 0;
    for (const Run& run : runs)
        for (int i = 0; i < run.count; ++i)
            ys[k++] = run.first + i * gap;
}

} // namespace

QVector<PieLabel> outsideLabels(const QVector<SliceArc>& arcs, const QVector<PieSlice>& slices,
                                const QVector<double>& shares, const QRectF& pie,
                                const QRectF& bounds, const QFont& font)
{
    QVector<PieLabel> labels;
    const double r = pie.width() / 2;
    if (!(r > 0) || arcs.isEmpty()) return labels;
    const QPointF c = pie.center();
    for (const SliceArc& arc : arcs) {
        if (arc.slice < 0 || arc.slice >= slices.size()) continue;
        PieLabel label;
        label.slice = arc.slice;
        label.inner = pointAt(c, 0.88 * r, arc.middle);
        label.elbow = pointAt(c, r + 16, arc.middle);
        label.rightSide = label.elbow.x() >= c.x();
        const double share = arc.slice < shares.size() ? shares.at(arc.slice) : 0.0;
        label.text = QStringLiteral("%1  %2%").arg(legendName(slices, arc.slice),
                                                   formatChartNumber(share * 100));
        label.color = arc.color;
        labels.append(label);
    }

    // Small neighbouring slices put their elbows close together: spread each side's label
    // centres by at least a text line so no two labels overlap.
    const double gap = QFontMetricsF(labelFont(font)).height() + 2;
    for (const bool right : {false, true}) {
        std::vector<int> side;
        for (int i = 0; i < labels.size(); ++i)
            if (labels.at(i).rightSide == right) side.push_back(i);
        std::stable_sort(side.begin(), side.end(), [&](int a, int b) {
            return labels.at(a).elbow.y() < labels.at(b).elbow.y();
        });
        std::vector<double> ys;
        for (int i : side)
            ys.push_back(labels.at(i).elbow.y());
        if (ys.empty()) continue;
        spreadApart(ys, gap, bounds.top() + gap / 2, bounds.bottom() - gap / 2);
        for (size_t k = 0; k < side.size(); ++k) {
            PieLabel& label = labels[side[k]];
            const double y = ys[k];
            const double x = right ? label.elbow.x() + 18 : label.elbow.x() - 18 - 120;
            label.box = QRectF(x, y - 14, 120, 28);
            label.anchor = QPointF(right ? label.box.left() : label.box.right(), y);
        }
    }
    return labels;
}

QString tooltipText(const PieSlice& slice, double share)
{
    const QString name = slice.name.isEmpty() ? QStringLiteral("Slice") : slice.name;
    return QStringLiteral("%1\n%2 (%3%)")
        .arg(name, formatChartNumber(slice.value), formatChartNumber(share * 100));
}

} // namespace PieGeometry

} // namespace MOXQtLib
