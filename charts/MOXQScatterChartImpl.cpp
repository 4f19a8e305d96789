#include "MOXQScatterChartImpl.h"

#include "ChartFunctions.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace MOXQtLib {

using namespace ChartCartesian;

namespace {

bool finitePoint(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

void widen(ScatterRange* r)
{
    if (rangeEndsEqual(r->lo, r->hi)) {
        r->lo -= 1.0;
        r->hi += 1.0;
    }
    const double pad = 0.16 * std::max(0.5, r->hi / 2 - r->lo / 2);
    r->lo = std::max(r->lo - pad, std::numeric_limits<double>::lowest());
    r->hi = std::min(r->hi + pad, std::numeric_limits<double>::max());
}

} // namespace

QPointF ScatterGeometry::map(const QPointF& point) const
{
    return QPointF(plot.left() + rangeFraction(point.x(), x.lo, x.hi) * plot.width(),
                   plot.bottom() - progress * plot.height() * rangeFraction(point.y(), y.lo, y.hi));
}

MOXQScatterChartImpl::MOXQScatterChartImpl(MOXQChartBase* owner, const QString& name)
    : MOXQCartesianChartImpl(owner, name, QStringLiteral("Basic Scatter Chart"), true, TooltipItem,
                             36)
{
    ScatterSeries a;
    a.name = QStringLiteral("Series A");
    a.points = {{8, 15}, {12, 24}, {18, 31}, {25, 40}, {32, 28}};
    a.symbolSize = 8;
    ScatterSeries b;
    b.name = QStringLiteral("Series B");
    b.points = {{10, 8}, {16, 14}, {22, 19}, {30, 26}, {36, 21}};
    b.symbolSize = 10;
    m_series = {a, b};
}

bool MOXQScatterChartImpl::hasPoints() const
{
    for (const ScatterSeries& s : m_series)
        if (s.visible)
            for (const QPointF& p : s.points)
                if (finitePoint(p)) return true;
    return false;
}

void MOXQScatterChartImpl::ranges(ScatterRange* x, ScatterRange* y) const
{
    bool any = false;
    for (const ScatterSeries& s : m_series) {
        if (!s.visible) continue;
        for (const QPointF& p : s.points) {
            if (!finitePoint(p)) continue;
            if (!any) {
                *x = {p.x(), p.x()};
                *y = {p.y(), p.y()};
                any = true;
                continue;
            }
            x->lo = std::min(x->lo, p.x());
            x->hi = std::max(x->hi, p.x());
            y->lo = std::min(y->lo, p.y());
            y->hi = std::max(y->hi, p.y());
        }
    }
    if (!any) {
        *x = ScatterRange();
        *y = ScatterRange();
        return;
    }
    widen(x);
    widen(y);
}

double MOXQScatterChartImpl::symbolSize(const ScatterSeries& s)
{
    return std::isfinite(s.symbolSize) && s.symbolSize > 0 ? s.symbolSize : 0.0;
}

ScatterGeometry MOXQScatterChartImpl::geometry(const FrameInput& in) const
{
    ScatterGeometry g;
    g.plot = plotRect(in.size, in.legendPosition);
    ranges(&g.x, &g.y);
    g.progress = std::isfinite(in.progress) ? std::clamp(in.progress, 0.0, 1.0) : 1.0;
    return g;
}

ScatterHit MOXQScatterChartImpl::hitTest(const QPointF& pos, const ScatterGeometry& g) const
{
    ScatterHit best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int si = 0; si < m_series.size(); ++si) {
        const ScatterSeries& s = m_series.at(si);
        if (!s.visible) continue;
        const double reach = symbolSize(s) + 6;
        for (int pi = 0; pi < s.points.size(); ++pi) {
            if (!finitePoint(s.points.at(pi))) continue;
            const QPointF d = g.map(s.points.at(pi)) - pos;
            const double distance = std::hypot(d.x(), d.y());
            // Strictly nearer only: on a tie the earlier point keeps the hit.
            if (distance <= reach && distance < bestDistance) {
                bestDistance = distance;
                best = {si, pi};
            }
        }
    }
    return best;
}

HoverResult MOXQScatterChartImpl::hoverAt(const QPoint& pos, const FrameInput& in)
{
    const ScatterGeometry g = geometry(in);
    if (!tracksHover() || !hasPoints() || !g.plot.contains(pos)) return {clearHover(), QString()};
    const ScatterHit hit = hitTest(pos, g);
    if (hit.series < 0) return {clearHover(), QString()};
    const bool changed = !m_hover.active || m_hover.series != hit.series ||
                         m_hover.point != hit.point || m_hover.position != pos;
    m_hover = {true, hit.series, hit.point, pos};
    HoverResult r{changed, QString()};
    if (m_tooltipVisible) {
        const QPointF& p = m_series.at(hit.series).points.at(hit.point);
        r.tooltip =
            QStringLiteral("%1\nx: %2\ny: %3")
                .arg(seriesLabel(hit.series), formatChartNumber(p.x()), formatChartNumber(p.y()));
    }
    return r;
}

void MOXQScatterChartImpl::paint(QPainter& painter, const FrameInput& in) const
{
    const ChartTheme& theme = in.theme;
    const ScatterGeometry g = geometry(in);
    paintPlotArea(painter, g.plot, theme);
    paintHorizontalGrid(painter, g.plot, theme);
    paintVerticalGrid(painter, g.plot, theme, 6);
    paintAxes(painter, g.plot, theme);

    painter.save();
    const double grow = 0.55 + 0.45 * g.progress;
    for (int si = 0; si < m_series.size(); ++si) {
        const ScatterSeries& s = m_series.at(si);
        if (!s.visible) continue;
        const QColor color = seriesColorAt(si, theme);
        const double size = symbolSize(s);
        for (int pi = 0; pi < s.points.size(); ++pi) {
            if (!finitePoint(s.points.at(pi))) continue;
            const QPointF c = g.map(s.points.at(pi));
            const bool hot = m_hover.active && m_hover.series == si && m_hover.point == pi;
            const double d = grow * (hot ? size + 2.5 : size);
            if (d <= 0 || !std::isfinite(c.x()) || !std::isfinite(c.y())) continue;
            painter.setPen(QPen(color, hot ? 2.2 : 1.4));
            painter.setBrush(hot ? color : theme.plotArea);
            painter.drawEllipse(c, d / 2, d / 2);
        }
    }
    painter.restore();

    paintTitle(painter, QRectF(0, 10, in.size.width(), 24), Qt::AlignHCenter | Qt::AlignTop,
               m_title, theme, in.font);
    paintValueLabels(painter, g.plot, m_margins.left, g.y.lo, g.y.hi, theme, in.font);
    QVector<qreal> xs;
    QStringList labels;
    for (int j = 0; j <= 5; ++j) {
        xs.append(g.plot.left() + j * g.plot.width() / 5);
        labels.append(formatChartNumber(g.x.lo + (g.x.hi - g.x.lo) * j / 5));
    }
    paintLabelsBelow(painter, g.plot, xs, labels, 56, theme, in.font);
    paintLegend(painter, legendItems(in, g.plot), LegendMarker::Ring, theme, in.font);
}

} // namespace MOXQtLib
