#include "MOXQBarChartImpl.h"

#include "ChartFunctions.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace MOXQtLib {

using namespace ChartCartesian;

namespace {

bool finiteAt(const QVector<double>& values, int i)
{
    return i >= 0 && i < values.size() && std::isfinite(values.at(i));
}

} // namespace

qreal BarGeometry::valueToY(double value) const
{
    return plot.bottom() - rangeFraction(value, range.lo, range.hi) * plot.height();
}

MOXQBarChartImpl::MOXQBarChartImpl(MOXQChartBase* owner, const QString& name)
    : MOXQCartesianChartImpl(owner, name, QStringLiteral("Basic Bar Chart"), false, TooltipNone, 38)
{
    m_categories = QStringList{QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                               QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                               QStringLiteral("Sun")};
    BarSeries data;
    data.name = QStringLiteral("Data");
    data.values = {120, 200, 150, 80, 70, 110, 130};
    m_series.append(data);
}

void MOXQBarChartImpl::setCategories(const QStringList& categories)
{
    m_categories = categories;
    clearHover();
}

bool MOXQBarChartImpl::hasValues() const
{
    return !valueRange().empty;
}

bool MOXQBarChartImpl::hasValueAt(int category) const
{
    for (const BarSeries& s : m_series)
        if (s.visible && finiteAt(s.values, category)) return true;
    return false;
}

int MOXQBarChartImpl::categoryCount() const
{
    int n = std::max(1, int(m_categories.size()));
    for (const BarSeries& s : m_series)
        if (s.visible) n = std::max(n, int(s.values.size()));
    return n;
}

BarValueRange MOXQBarChartImpl::valueRange() const
{
    BarValueRange r;
    double lo = 0.0;
    double hi = 0.0;
    for (const BarSeries& s : m_series) {
        if (!s.visible) continue;
        for (double v : s.values) {
            if (!std::isfinite(v)) continue;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            r.empty = false;
        }
    }
    if (r.empty) return r;
    // Both ends hold 0: with only negative values the bars hang from a baseline inside the plot.
    if (rangeEndsEqual(lo, hi)) hi += 1.0;
    const double halfSpan = std::max(0.5, hi / 2 - lo / 2);
    hi += 0.16 * halfSpan;
    if (lo < 0) lo -= 0.1 * halfSpan;
    r.lo = std::max(lo, std::numeric_limits<double>::lowest());
    r.hi = std::min(hi, std::numeric_limits<double>::max());
    return r;
}

QColor MOXQBarChartImpl::borderColor(int seriesIndex, const ChartTheme& theme) const
{
    if (seriesIndex >= 0 && seriesIndex < m_series.size() &&
        m_series.at(seriesIndex).borderColor.isValid())
        return m_series.at(seriesIndex).borderColor;
    return seriesColorAt(seriesIndex, theme).darker(120);
}

BarGeometry MOXQBarChartImpl::geometry(const FrameInput& in) const
{
    BarGeometry g;
    g.plot = plotRect(in.size, in.legendPosition);
    g.range = valueRange();
    g.categoryCount = categoryCount();
    g.baseline = g.valueToY(0.0);
    const int n = g.categoryCount;
    const qreal groupWidth = g.plot.width() / n;
    g.groupWidth = groupWidth;
    const qreal inset = std::min<qreal>(18, 0.16 * groupWidth);
    const qreal gap = std::min<qreal>(12, 0.08 * groupWidth);
    int visible = 0;
    for (const BarSeries& s : m_series)
        visible += s.visible ? 1 : 0;
    visible = std::max(1, visible);
    const qreal width = std::max<qreal>(
        8, (std::max<qreal>(12, groupWidth - 2 * inset) - (visible - 1) * gap) / visible);
    const double progress = std::isfinite(in.progress) ? std::clamp(in.progress, 0.0, 1.0) : 1.0;
    for (int i = 0; i < n; ++i) {
        const qreal x0 = g.plot.left() + i * groupWidth + inset;
        int slot = 0;
        for (int si = 0; si < m_series.size(); ++si) {
            const BarSeries& s = m_series.at(si);
            if (!s.visible || !finiteAt(s.values, i)) continue;
            const qreal x = x0 + slot * (width + gap);
            ++slot;
            const qreal ya = g.valueToY(progress * s.values.at(i));
            if (!std::isfinite(ya)) continue;
            const qreal top = std::min(g.baseline, ya);
            const qreal height = std::max<qreal>(1, std::max(ya, g.baseline) - top);
            g.bars.append({si, i, QRectF(x, top, width, height), seriesColorAt(si, in.theme)});
        }
    }
    return g;
}

int MOXQBarChartImpl::axisCategory(const QRectF& plot, int count, qreal x)
{
    if (count <= 1) return 0;
    const double f = (x - plot.left()) / std::max<qreal>(1, plot.width()) * count;
    if (!std::isfinite(f)) return 0;
    return int(std::clamp(std::floor(f), 0.0, double(count - 1)));
}

HoverResult MOXQBarChartImpl::hoverAt(const QPoint& pos, const FrameInput& in)
{
    const int trigger = effectiveTrigger();
    const BarGeometry g = geometry(in);
    if (trigger == TooltipNone || !hasValues() || !g.plot.contains(pos))
        return {clearHover(), QString()};

    if (trigger == TooltipItem) {
        for (const BarRect& bar : g.bars) {
            if (!bar.rect.adjusted(-2, -2, 2, 2).contains(pos)) continue;
            const bool changed = !m_hover.active || m_hover.category != bar.category ||
                                 m_hover.series != bar.series || m_hover.position != pos;
            m_hover = {true, bar.category, bar.series, pos};
            HoverResult r{changed, QString()};
            if (m_tooltipVisible)
                r.tooltip =
                    QStringLiteral("%1\n%2: %3")
                        .arg(seriesLabel(bar.series),
                             chartCategoryLabel(m_categories, bar.category),
                             formatChartNumber(m_series.at(bar.series).values.at(bar.category)));
            return r;
        }
        return {clearHover(), QString()};
    }

    const int c = axisCategory(g.plot, g.categoryCount, pos.x());
    if (!hasValueAt(c)) return {clearHover(), QString()};
    const bool changed = !m_hover.active || m_hover.category != c || m_hover.position != pos;
    m_hover = {true, c, -1, pos};
    HoverResult r{changed, QString()};
    if (m_tooltipVisible) {
        QStringList lines{chartCategoryLabel(m_categories, c)};
        for (int si = 0; si < m_series.size(); ++si) {
            const BarSeries& s = m_series.at(si);
            if (s.visible && finiteAt(s.values, c))
                lines.append(QStringLiteral("%1: %2").arg(seriesLabel(si),
                                                          formatChartNumber(s.values.at(c))));
        }
        r.tooltip = lines.join(QLatin1Char('\n'));
    }
    return r;
}

void MOXQBarChartImpl::paint(QPainter& painter, const FrameInput& in) const
{
    const ChartTheme& theme = in.theme;
    const BarGeometry g = geometry(in);
    paintPlotArea(painter, g.plot, theme);
    paintHorizontalGrid(painter, g.plot, theme);
    paintAxes(painter, g.plot, theme, g.baseline);

    const int trigger = effectiveTrigger();
    if (m_hover.active && m_hover.category >= 0 && hasValueAt(m_hover.category)) {
        painter.save();
        painter.setPen(QPen(theme.pointer, 1, Qt::DashLine));
        const qreal x = g.plot.left() + g.groupWidth * (m_hover.category + 0.5);
        painter.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
        painter.restore();
    }

    painter.save();
    for (const BarRect& bar : g.bars) {
        if (bar.rect.width() <= 0 || bar.rect.height() <= 0) continue;
        const bool sameCategory = m_hover.active && m_hover.category == bar.category;
        const bool hotItem = trigger == TooltipItem && sameCategory && m_hover.series == bar.series;
        const bool hotColumn = trigger == TooltipAxis && sameCategory;
        painter.setBrush(hotItem || hotColumn ? bar.color.lighter(115) : bar.color);
        painter.setPen(QPen(borderColor(bar.series, theme), hotItem ? 2 : 1));
        painter.drawRoundedRect(bar.rect, theme.cornerRadius, theme.cornerRadius);
    }
    painter.restore();

    paintTitle(painter, QRectF(0, 10, in.size.width(), 24), Qt::AlignHCenter | Qt::AlignTop,
               m_title, theme, in.font);
    paintValueLabels(painter, g.plot, m_margins.left, g.range.lo, g.range.hi, theme, in.font);

    QVector<qreal> xs;
    QStringList labels;
    for (int i = 0; i < g.categoryCount; ++i) {
        xs.append(g.plot.left() + i * g.groupWidth + g.groupWidth / 2);
        labels.append(chartCategoryLabel(m_categories, i));
    }
    paintLabelsBelow(painter, g.plot, xs, labels, 68, theme, in.font);
    paintLegend(painter, legendItems(in, g.plot), LegendMarker::RoundedSquare, theme, in.font);
}

} // namespace MOXQtLib
