#include "MOXQLineChartImpl.h"

#include "ChartFunctions.h"
#include "LineColumnReducer.h"
#include "LineSpanRaster.h"
#include "MOXQChartBase.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace MOXQtLib {

using LineChartGeometry::PointMapper;
using LineChartGeometry::ValueRange;

namespace {

constexpr double kItemHoverRadius = 14.0;

QString seriesLabel(const LineSeries& s)
{
    return s.name.isEmpty() ? QStringLiteral("Series") : s.name;
}

} // namespace

MOXQLineChartImpl::MOXQLineChartImpl(MOXQChartBase* owner, const QString& name)
    : MOXQChartBaseImpl(owner, name)
{
    m_rangeSelector.setLabelFormatter([this](int index) { return categoryLabel(index); });
}

void MOXQLineChartImpl::repaint()
{
    if (owner()) owner()->update();
}

void MOXQLineChartImpl::replot()
{
    if (owner()) owner()->updatePlot();
}

void MOXQLineChartImpl::hideTooltip()
{
    if (owner()) owner()->hideTooltip();
}

void MOXQLineChartImpl::setTitle(const QString& title)
{
    m_title = title;
    replot();
}

void MOXQLineChartImpl::setCategories(const QStringList& categories)
{
    m_categories = categories;
    // The hovered index and its tooltip text belong to the old categories.
    clearHover();
    replot();
}

void MOXQLineChartImpl::resetSeriesIndexes()
{
    m_extents.clear();
    m_extents.reserve(m_series.size());
    for (const LineSeries& s : m_series)
        m_extents.append(SeriesExtentIndex(s.values));
}

void MOXQLineChartImpl::setSeries(const QVector<LineSeries>& series)
{
    if (!series.isSharedWith(m_series)) {
        m_series = series;
        resetSeriesIndexes();
        // No hover index may outlive the series it points into.
        clearHover();
    }
    replot();
    if (owner()) owner()->replayAnimation();
}

void MOXQLineChartImpl::setSingleSeries(const QString& name, const QVector<double>& values,
                                        const QColor& color)
{
    LineSeries s;
    s.name = name;
    s.values = values;
    s.color = color;
    s.smooth = m_smooth;
    s.area = m_area;
    m_series.clear();
    m_series.append(s);
    resetSeriesIndexes();
    clearHover();
    replot();
    if (owner()) owner()->replayAnimation();
}

void MOXQLineChartImpl::setColumnSpansEnabled(bool on)
{
    if (on == m_columnSpans) return;
    m_columnSpans = on;
    replot();
}

void MOXQLineChartImpl::setShowSymbols(bool on)
{
    m_showSymbols = on;
    replot();
}

void MOXQLineChartImpl::setSmooth(bool on)
{
    m_smooth = on;
    replot();
}

void MOXQLineChartImpl::setAreaFill(bool on)
{
    m_area = on;
    replot();
}

void MOXQLineChartImpl::setHoverEnabled(bool on)
{
    m_hoverEnabled = on;
    if (!on) clearHover();
    repaint();
}

void MOXQLineChartImpl::setTooltipTrigger(int trigger)
{
    m_tooltipTrigger = trigger;
    if (effectiveTrigger() == TooltipNone) clearHover();
    repaint();
}

void MOXQLineChartImpl::setTooltipVisible(bool on)
{
    m_tooltipVisible = on;
    if (!on) clearHover();
    repaint();
}

void MOXQLineChartImpl::setRangeSelectorEnabled(bool on)
{
    m_rangeSelector.setEnabled(on);
    clearHover();
    replot();
}

void MOXQLineChartImpl::setVisibleRange(double start, double end)
{
    m_rangeSelector.setRange(start, end);
    clearHover();
    replot();
}

bool MOXQLineChartImpl::toggleSeries(int index)
{
    if (index < 0 || index >= m_series.size()) return false;
    m_series[index].visible = !m_series.at(index).visible;
    clearHover();
    replot();
    return true;
}

QString MOXQLineChartImpl::categoryLabel(int index) const
{
    return chartCategoryLabel(m_categories, index);
}

QColor MOXQLineChartImpl::colorOf(int series) const
{
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    const QColor own =
        series >= 0 && series < m_series.size() ? m_series.at(series).color : QColor();
    return seriesColor(own, series, theme);
}

int MOXQLineChartImpl::itemCount() const
{
    int n = m_categories.size();
    for (const LineSeries& s : m_series)
        if (s.visible) n = std::max(n, int(s.values.size()));
    return std::max(n, 1);
}

bool MOXQLineChartImpl::reaches(const LineSeries& s, int index) const
{
    return s.visible && index >= 0 && index < s.values.size() && std::isfinite(s.values.at(index));
}

ValueRange MOXQLineChartImpl::valueRange(int first, int last) const
{
    SeriesExtentIndex::Extent all;
    for (int k = 0; k < m_series.size(); ++k) {
        const LineSeries& s = m_series.at(k);
        if (!s.visible) continue;
        const SeriesExtentIndex::Extent e = k < m_extents.size()
                                                ? m_extents.at(k).extent(s.values, first, last)
                                                : SeriesExtentIndex().extent(s.values, first, last);
        if (!e.isValid()) continue;
        if (!all.isValid()) {
            all = e;
        } else {
            all.min = std::min(all.min, e.min);
            all.max = std::max(all.max, e.max);
        }
    }
    return LineChartGeometry::valueRangeFor(all.isValid(), all.min, all.max);
}

MOXQLineChartImpl::Frame MOXQLineChartImpl::frame(const QSize& widget) const
{
    Frame f;
    const int legend = owner() ? owner()->legendPosition() : LegendBottom;
    f.layout = LineChartGeometry::plotLayout(widget, m_margins, m_rangeSelector.isEnabled(),
                                             !m_series.isEmpty(), legend);
    f.itemCount = itemCount();
    const ChartRangeSelector::IndexRange r = m_rangeSelector.visibleRange(f.itemCount);
    f.first = r.first;
    f.last = r.last;
    f.map.plot = f.layout.plot;
    f.map.first = f.first;
    f.map.last = f.last;
    f.map.range = valueRange(f.first, f.last);
    f.map.progress = owner() ? owner()->animationProgress() : 1.0;
    return f;
}

QVector<ChartCartesian::LegendItem>
MOXQLineChartImpl::legendItems(const Frame& frame, const QSize& widget, const QFont& font) const
{
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    const QVector<ChartCartesian::LegendEntry> entries =
        ChartCartesian::legendEntries(m_series, theme);
    const int legend = owner() ? owner()->legendPosition() : LegendBottom;
    return ChartCartesian::layoutLegend(entries, legend, frame.layout.plot, widget, font, 38);
}

QRectF MOXQLineChartImpl::rangeBarRect(const Frame& frame)
{
    m_rangeSelector.setItemCount(frame.itemCount < 2 ? 1 : frame.itemCount);
    return m_rangeSelector.layout(frame.layout.plot,
                                  LineChartGeometry::rangeBarOffset(frame.layout));
}

bool MOXQLineChartImpl::clearHover()
{
    const bool wasSet = m_hover.active || m_hover.index >= 0 || m_hover.series >= 0;
    m_hover.active = false;
    m_hover.index = -1;
    m_hover.series = -1;
    m_hover.point = QPointF();
    hideTooltip();
    return wasSet;
}

bool MOXQLineChartImpl::updateHover(const QPoint& mouse, const QSize& widget)
{
    const int trigger = effectiveTrigger();
    bool anySeries = false;
    for (const LineSeries& s : m_series)
        anySeries = anySeries || (s.visible && !s.values.isEmpty());
    const Frame f = frame(widget);
    if (!m_hoverEnabled || trigger == TooltipNone || !anySeries || !f.layout.plot.contains(mouse))
        return clearHover();

    QString text;
    bool changed = false;
    if (trigger == TooltipItem) {
        int bestSeries = -1, bestIndex = -1;
        QPointF bestPoint;
        int from = 0, to = -1;
        // Only points within the hover radius of the cursor's column can be accepted.
        f.map.indexWindow(mouse.x(), kItemHoverRadius, &from, &to);
        const double radius2 = kItemHoverRadius * kItemHoverRadius;
        double best2 = 1e18;
        for (int k = 0; k < m_series.size(); ++k) {
            const LineSeries& s = m_series.at(k);
            if (!s.visible) continue;
            const int count = s.values.size();
            const int end = std::min(to, count - 1);
            // On a still frame, blocks whose values all lie too far above or below the cursor
            // are passed over whole.
            const SeriesExtentIndex* index =
                k < m_extents.size() && f.map.progress >= 1.0 && m_extents.at(k).matches(s.values)
                    ? &m_extents.at(k)
                    : nullptr;
            for (int i = from; i <= end;) {
                if (index && i % SeriesExtentIndex::kBlockSize == 0 &&
                    i + SeriesExtentIndex::kBlockSize - 1 <= end) {
                    const SeriesExtentIndex::Extent& e =
                        index->block(i / SeriesExtentIndex::kBlockSize);
                    if (!e.isValid() || f.map.y(e.max) > mouse.y() + kItemHoverRadius ||
                        f.map.y(e.min) < mouse.y() - kItemHoverRadius) {
                        i += SeriesExtentIndex::kBlockSize;
                        continue;
                    }
                }
                const double v = s.values.at(i);
                if (std::isfinite(v)) {
                    const QPointF p = f.map.point(i, v, count);
                    const double dx = p.x() - mouse.x();
                    const double dy = p.y() - mouse.y();
                    const double d2 = dx * dx + dy * dy;
                    if (d2 <= radius2 && d2 < best2) {
                        best2 = d2;
                        bestSeries = k;
                        bestIndex = i;
                        bestPoint = p;
                    }
                }
                ++i;
            }
        }
        if (bestSeries < 0) return clearHover();
        changed = !m_hover.active || m_hover.index != bestIndex || m_hover.series != bestSeries ||
                  m_hover.point != bestPoint || m_hover.lastMouse != mouse;
        m_hover.active = true;
        m_hover.index = bestIndex;
        m_hover.series = bestSeries;
        m_hover.point = bestPoint;
        const LineSeries& s = m_series.at(bestSeries);
        text = QStringLiteral("%1\n%2: %3")
                   .arg(seriesLabel(s), categoryLabel(bestIndex),
                        formatChartNumber(s.values.at(bestIndex)));
    } else {
        const int index = LineChartGeometry::axisIndex(mouse.x(), f.layout.plot, f.first, f.last);
        QStringList lines{categoryLabel(index)};
        for (const LineSeries& s : m_series)
            if (reaches(s, index))
                lines.append(QStringLiteral("%1: %2").arg(seriesLabel(s),
                                                          formatChartNumber(s.values.at(index))));
        if (lines.size() < 2) return clearHover();
        changed = !m_hover.active || m_hover.index != index || m_hover.series != -1 ||
                  m_hover.lastMouse != mouse;
        m_hover.active = true;
        m_hover.index = index;
        m_hover.series = -1;
        m_hover.point = QPointF(f.map.x(index), f.layout.plot.top());
        text = lines.join(QLatin1Char('\n'));
    }
    m_hover.lastMouse = mouse;
    if (owner()) {
        if (m_tooltipVisible && !text.isEmpty())
            owner()->showTooltip(mouse, text);
        else
            owner()->hideTooltip();
    }
    return changed;
}

bool MOXQLineChartImpl::mousePress(const QPoint& point, const QSize& widget, const QFont& font)
{
    const Frame f = frame(widget);
    const QRectF bar = rangeBarRect(f);
    if (m_rangeSelector.press(point, bar)) {
        clearHover();
        replot();
        return true;
    }
    const int hit = ChartCartesian::legendHit(legendItems(f, widget, font), point);
    return hit >= 0 && toggleSeries(hit);
}

bool MOXQLineChartImpl::mouseMove(const QPoint& point, bool leftButtonHeld, const QSize& widget)
{
    if (m_rangeSelector.isDragging()) {
        // A drag whose release went elsewhere (outside the window, a grab) ends here.
        if (!leftButtonHeld) {
            m_rangeSelector.release();
        } else if (m_rangeSelector.drag(point, rangeBarRect(frame(widget)))) {
            replot();
            return true;
        }
    }
    if (updateHover(point, widget)) repaint();
    return false;
}

void MOXQLineChartImpl::mouseRelease()
{
    m_rangeSelector.release();
}

void MOXQLineChartImpl::paintPlot(QPainter& painter, const QSize& widget)
{
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    const Frame f = frame(widget);
    const QRectF& plot = f.layout.plot;
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QFont font = painter.font();

    ChartCartesian::paintPlotArea(painter, plot, theme);
    ChartCartesian::paintHorizontalGrid(painter, plot, theme);
    ChartCartesian::paintAxes(painter, plot, theme);
    paintSeries(painter, f, dpr);
    ChartCartesian::paintTitle(painter, widget.width(), m_title, theme, font);
    ChartCartesian::paintValueLabels(painter, plot, m_margins.left, f.map.range.lo, f.map.range.hi,
                                     theme, font);
    paintCategoryLabels(painter, f, widget);
    if (!m_series.isEmpty())
        ChartCartesian::paintLegend(painter, legendItems(f, widget, font),
                                    ChartCartesian::LegendMarker::LineDot, theme, font);
    const QRectF bar = rangeBarRect(f);
    if (!bar.isEmpty()) {
        m_rangeSelector.setLabelColor(theme.axisLabel);
        m_rangeSelector.paint(painter, bar, true);
    }
}

void MOXQLineChartImpl::paintOverlay(QPainter& painter, const QSize& widget)
{
    if (m_hoverEnabled && m_hover.active && m_hover.index >= 0)
        paintAxisPointer(painter, frame(widget));
}

QVector<QRectF> MOXQLineChartImpl::overlayRects(const QSize& widget) const
{
    if (!m_hoverEnabled || !m_hover.active || m_hover.index < 0) return {};
    const Frame f = frame(widget);
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    // The pointer and the highlighted points on it, pen and antialiasing included.
    const double reach = theme.hoverSymbolRadius + 2.4 / 2 + 2;
    const double x = f.map.x(m_hover.index);
    const QRectF& plot = f.layout.plot;
    return {QRectF(x - reach, plot.top() - reach, 2 * reach, plot.height() + 2 * reach)};
}

void MOXQLineChartImpl::paintAxisPointer(QPainter& painter, const Frame& f)
{
    if (!m_hoverEnabled || !m_hover.active || m_hover.index < 0) return;
    const int index = m_hover.index;
    bool any = false;
    for (const LineSeries& s : m_series)
        any = any || reaches(s, index);
    if (!any || index < f.first || index > f.last) return;
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    painter.save();
    QPen pen(theme.pointer, 1);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const double x = f.map.x(index);
    painter.drawLine(QPointF(x, f.layout.plot.top()), QPointF(x, f.layout.plot.bottom()));
    for (int k = 0; k < m_series.size(); ++k) {
        const LineSeries& s = m_series.at(k);
        if (!reaches(s, index) || (effectiveTrigger() == TooltipItem && k != m_hover.series))
            continue;
        const QColor c = colorOf(k);
        painter.setPen(QPen(c, 2.4));
        painter.setBrush(c);
        painter.drawEllipse(f.map.point(index, s.values.at(index), s.values.size()),
                            theme.hoverSymbolRadius, theme.hoverSymbolRadius);
    }
    painter.restore();
}

void MOXQLineChartImpl::paintSeries(QPainter& painter, const Frame& f, double dpr)
{
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    QImage* spanTarget = m_columnSpans ? LineSpanRaster::target(painter) : nullptr;
    QVector<QPointF> points;
    for (int k = 0; k < m_series.size(); ++k) {
        const LineSeries& s = m_series.at(k);
        if (!s.visible) continue;
        const int count = s.values.size();
        const int to = std::min(f.last, count - 1);
        if (f.first > to) continue;
        const bool smooth = seriesSmooth(s);
        const bool reduced = !smooth && LineColumnReducer::worthReducing(f.map, dpr);
        points.clear();
        if (reduced) {
            LineColumnReducer::reduce(s.values, f.first, to, f.map, dpr,
                                      k < m_extents.size() ? &m_extents.at(k) : nullptr, points);
        } else {
            points.reserve(to - f.first + 1);
            for (int i = f.first; i <= to; ++i)
                if (std::isfinite(s.values.at(i)))
                    points.append(f.map.point(i, s.values.at(i), count));
        }
        if (points.isEmpty()) continue;
        const QColor color = colorOf(k);
        QColor fill;
        if (seriesArea(s)) {
            fill = s.areaColor.isValid() ? s.areaColor : color;
            const double opacity = std::isfinite(s.areaOpacity) ? s.areaOpacity : 0.0;
            fill.setAlphaF(std::clamp(opacity, 0.0, 1.0));
        }
        const double width = std::max(
            std::isfinite(s.lineWidth) && s.lineWidth > 0 ? s.lineWidth : theme.lineWidth, 1.0);
        painter.save();
        LineSpanRaster::Style style;
        style.line = color;
        style.width = width;
        style.area = fill;
        style.areaBottom = f.layout.plot.bottom();
        if (!spanTarget || smooth ||
            !LineSpanRaster::paint(*spanTarget, painter.deviceTransform(), points, style))
            paintSeriesPath(painter, points, smooth, color, fill, width, style.areaBottom);
        if (seriesSymbols(s)) {
            for (int i = f.first; i <= to; ++i) {
                const double v = s.values.at(i);
                if (!std::isfinite(v)) continue;
                // The hovered point's highlight belongs to the overlay, drawn over this.
                painter.setPen(QPen(color, 1.8));
                painter.setBrush(theme.plotArea);
                painter.drawEllipse(f.map.point(i, v, count), theme.symbolRadius,
                                    theme.symbolRadius);
            }
        }
        painter.restore();
    }
}

void MOXQLineChartImpl::paintSeriesPath(QPainter& painter, const QVector<QPointF>& points,
                                        bool smooth, const QColor& color, const QColor& fill,
                                        double width, double bottom)
{
    const QPainterPath path = LineChartGeometry::linePath(points, smooth);
    if (fill.isValid()) {
        // The GL engine fills general polygons through the stencil buffer, fanning from the
        // first vertex: for a long jagged area that touches the plot many times over.
        const bool stencilFill =
            painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::OpenGL2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(!smooth && stencilFill
                             ? LineChartGeometry::stripAreaPath(points, bottom)
                             : LineChartGeometry::areaPath(path, points, bottom));
    }
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void MOXQLineChartImpl::paintCategoryLabels(QPainter& painter, const Frame& f, const QSize& widget)
{
    const ChartTheme theme = owner() ? owner()->chartTheme() : themePreset(0);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setWeight(50);
    painter.setFont(font);
    painter.setPen(theme.axisLabel);
    const QRectF& plot = f.layout.plot;
    const QFontMetricsF fm(font);
    for (int i : LineChartGeometry::categoryLabelIndexes(f.map)) {
        const QString text = categoryLabel(i);
        // Edge labels slide inwards rather than run off the widget.
        const double w = std::max(68.0, fm.horizontalAdvance(text) + 2);
        double left = f.map.x(i) - w / 2;
        left = std::max(0.0, std::min(left, widget.width() - w));
        painter.drawText(QRectF(left, plot.bottom() + 8, w, 18), Qt::AlignCenter, text);
    }
    painter.restore();
}

} // namespace MOXQtLib
