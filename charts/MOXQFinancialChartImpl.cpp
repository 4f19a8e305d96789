#include "MOXQFinancialChartImpl.h"

#include "ChartCartesian.h"
#include "ChartFunctions.h"
#include "MOXQChartBase.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace {

// Bottom gap the range bar and its labels take under the plot, and the bar's offset.
constexpr int kRangeSelectorSpace = 44;
constexpr double kRangeBarOffset = 42.0;
constexpr int kHoverSlack = 8;
constexpr int kPolylinePiece = 16;

// Volume axis texts stay inside the left margin: 63.78M rather than 63782469.
QString volumeLabel(double v)
{
    const double a = std::abs(v);
    if (a >= 1e9) return formatChartNumber(v / 1e9) + QLatin1Char('B');
    if (a >= 1e6) return formatChartNumber(v / 1e6) + QLatin1Char('M');
    if (a >= 1e4) return formatChartNumber(v / 1e3) + QLatin1Char('K');
    return formatChartNumber(v);
}

void extend(double v, double* lo, double* hi)
{
    if (!std::isfinite(v)) return;
    *lo = std::min(*lo, v);
    *hi = std::max(*hi, v);
}

} // namespace

MOXQFinancialChartImpl::MOXQFinancialChartImpl(MOXQChartBase* owner, const QString& name)
    : MOXQChartBaseImpl(owner, name)
{
    m_candles = parseDailyText(financialSampleDailyText());
    m_ticks = parseIntradayText(financialSampleIntradayText());
    m_rangeSelector.setEnabled(true);
    m_rangeSelector.setRange(0.55, 1.0);
    m_rangeSelector.setLabelFormatter([this](int index) { return recordLabel(index); });
}

void MOXQFinancialChartImpl::setTitle(const QString& title)
{
    m_title = title;
    replot();
}

void MOXQFinancialChartImpl::setMode(int mode)
{
    m_mode = mode;
    resetView();
    replot();
}

void MOXQFinancialChartImpl::setCandles(const QVector<CandleRecord>& candles)
{
    m_candles = candles;
    resetView();
    replot();
    if (owner()) owner()->replayAnimation();
}

void MOXQFinancialChartImpl::setTicks(const QVector<TickRecord>& ticks)
{
    m_ticks = ticks;
    resetView();
    replot();
    if (owner()) owner()->replayAnimation();
}

void MOXQFinancialChartImpl::setTooltipVisible(bool visible)
{
    m_tooltipVisible = visible;
    if (!visible)
        resetView();
    else
        repaint();
}

void MOXQFinancialChartImpl::setTooltipTrigger(int trigger)
{
    m_tooltipTrigger = trigger;
    if (trigger == TooltipNone)
        resetView();
    else
        repaint();
}

void MOXQFinancialChartImpl::setRangeSelectorEnabled(bool enabled)
{
    m_rangeSelector.setEnabled(enabled);
    resetView();
    replot();
}

void MOXQFinancialChartImpl::setVisibleRange(double start, double end)
{
    m_rangeSelector.setRange(start, end);
    resetView();
    replot();
}

void MOXQFinancialChartImpl::setMovingAverages(const QVector<int>& periods)
{
    m_movingAveragePeriods.clear();
    for (int p : periods)
        if (p >= 1 && !m_movingAveragePeriods.contains(p)) m_movingAveragePeriods.append(p);
    replot();
}

void MOXQFinancialChartImpl::setMovingAveragesVisible(bool visible)
{
    m_movingAveragesVisible = visible;
    replot();
}

QColor MOXQFinancialChartImpl::movingAverageColor(int k, const ChartTheme& theme) const
{
    if (m_movingAverageColors.isEmpty()) return seriesColor(QColor(), k, theme);
    return m_movingAverageColors.at(k % m_movingAverageColors.size());
}

int MOXQFinancialChartImpl::recordCount() const
{
    return m_mode == FinancialTimeSharing ? m_ticks.size() : m_candles.size();
}

QString MOXQFinancialChartImpl::recordLabel(int index) const
{
    if (m_mode == FinancialTimeSharing) {
        if (index >= 0 && index < m_ticks.size()) return m_ticks.at(index).time;
    } else if (index >= 0 && index < m_candles.size()) {
        return m_candles.at(index).date;
    }
    return QStringLiteral("Item %1").arg(index + 1);
}

QString MOXQFinancialChartImpl::recordTooltip(int index) const
{
    if (index < 0 || index >= recordCount()) return {};
    if (m_mode == FinancialTimeSharing) {
        const TickRecord& t = m_ticks.at(index);
        return QStringLiteral("%1\nPrice: %2\nAverage: %3\nVolume: %4")
            .arg(t.time, formatChartNumber(t.price), formatChartNumber(t.average),
                 formatChartNumber(t.volume));
    }
    const CandleRecord& c = m_candles.at(index);
    QString text =
        QStringLiteral("%1\nOpen: %2\nHigh: %3\nLow: %4\nClose: %5\nVolume: %6")
            .arg(c.date, formatChartNumber(c.open), formatChartNumber(c.high),
                 formatChartNumber(c.low), formatChartNumber(c.close), formatChartNumber(c.volume));
    if (m_mode == FinancialKLine && m_movingAveragesVisible) {
        for (int p : m_movingAveragePeriods) {
            const QVector<double> ma = movingAverageSeries(m_candles, p);
            if (std::isfinite(ma.at(index)))
                text += QStringLiteral("\nMA%1: %2").arg(p).arg(formatChartNumber(ma.at(index)));
        }
    }
    return text;
}

FinancialLayout MOXQFinancialChartImpl::layout(const QSize& widget) const
{
    FinancialLayout l;
    l.mode =
        (m_mode == FinancialKLine || m_mode == FinancialTimeSharing) ? m_mode : FinancialVolumeBars;
    l.count = recordCount();
    const int selectorSpace = m_rangeSelector.isEnabled() ? kRangeSelectorSpace : 0;
    l.plot = QRectF(m_marginLeft, m_marginTop,
                    std::max(1, widget.width() - m_marginLeft - m_marginRight),
                    std::max(1, widget.height() - m_marginTop - m_marginBottom - selectorSpace));
    const ChartRangeSelector::IndexRange r = m_rangeSelector.visibleRange(l.count);
    l.first = r.first;
    l.last = r.last;

    double lo = INFINITY;
    double hi = -INFINITY;
    const int end = std::min(l.last, l.count - 1);
    if (l.mode == FinancialVolumeBars) {
        // Bars grow from 0, so the scale is the volume scale they are drawn with.
        double largest = 0.0;
        for (int i = l.first; i <= end; ++i)
            if (std::isfinite(m_candles.at(i).volume))
                largest = std::max(largest, m_candles.at(i).volume);
        l.lo = 0.0;
        l.hi = std::max(1.0, largest);
        return l;
    }
    if (l.mode == FinancialTimeSharing) {
        for (int i = l.first; i <= end; ++i) {
            extend(m_ticks.at(i).price, &lo, &hi);
            extend(m_ticks.at(i).average, &lo, &hi);
        }
    } else {
        for (int i = l.first; i <= end; ++i) {
            extend(m_candles.at(i).low, &lo, &hi);
            extend(m_candles.at(i).high, &lo, &hi);
        }
        if (m_movingAveragesVisible) {
            for (int p : m_movingAveragePeriods) {
                const QVector<double> ma = movingAverageSeries(m_candles, p);
                for (int i = l.first; i <= end; ++i)
                    extend(ma.at(i), &lo, &hi);
            }
        }
    }
    FinancialLayout::padValueRange(&lo, &hi);
    l.lo = lo;
    l.hi = hi;
    return l;
}

void MOXQFinancialChartImpl::syncRangeSelector()
{
    m_rangeSelector.setItemCount(recordCount());
}

QRectF MOXQFinancialChartImpl::rangeBar(const QSize& widget)
{
    syncRangeSelector();
    return m_rangeSelector.layout(layout(widget).plot, kRangeBarOffset);
}

bool MOXQFinancialChartImpl::clearHover()
{
    const bool was = m_hoverActive;
    m_hoverActive = false;
    m_hoverIndex = -1;
    return was;
}

bool MOXQFinancialChartImpl::updateHover(const QPoint& pos, const QSize& widget)
{
    const int n = recordCount();
    if (m_tooltipTrigger == TooltipNone || !m_tooltipVisible || n <= 0) return clearHover();
    const FinancialLayout l = layout(widget);
    const QRectF area = l.plot.adjusted(-kHoverSlack, -kHoverSlack, kHoverSlack, kHoverSlack);
    if (!area.contains(pos)) return clearHover();
    const int index = l.indexAt(pos.x());
    if (index < 0 || index >= n) return clearHover();
    const bool same = m_hoverActive && m_hoverIndex == index && m_hoverPoint == pos;
    m_hoverActive = true;
    m_hoverIndex = index;
    m_hoverPoint = pos;
    return !same;
}

bool MOXQFinancialChartImpl::pressRange(const QPoint& pos, const QSize& widget)
{
    if (!m_rangeSelector.press(pos, rangeBar(widget))) return false;
    replot();
    return true;
}

bool MOXQFinancialChartImpl::dragRange(const QPoint& pos, const QSize& widget)
{
    if (!m_rangeSelector.isDragging() || !m_rangeSelector.drag(pos, rangeBar(widget))) return false;
    replot();
    return true;
}

void MOXQFinancialChartImpl::resetView()
{
    clearHover();
    if (owner()) owner()->hideTooltip();
    repaint();
}

void MOXQFinancialChartImpl::repaint()
{
    if (owner()) owner()->update();
}

void MOXQFinancialChartImpl::replot()
{
    if (owner()) owner()->updatePlot();
}

QColor MOXQFinancialChartImpl::directionColor(const CandleRecord& record) const
{
    return record.close >= record.open ? m_risingColor : m_fallingColor;
}

double MOXQFinancialChartImpl::crosshairValue(const FinancialLayout& l, int index) const
{
    if (l.mode == FinancialTimeSharing) return m_ticks.at(index).price;
    if (l.mode == FinancialVolumeBars) return m_candles.at(index).volume;
    return m_candles.at(index).close;
}

void MOXQFinancialChartImpl::paintPlot(QPainter& painter, const QSize& size,
                                       const ChartTheme& theme, double progress)
{
    using namespace ChartCartesian;
    const FinancialLayout l = layout(size);
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const QFont font = painter.font();

    paintPlotArea(painter, l.plot, theme, 6);
    paintHorizontalGrid(painter, l.plot, theme, 5);
    paintVerticalGrid(painter, l.plot, theme, 5);
    paintAxes(painter, l.plot, theme);

    QStringList values;
    for (int j = 0; j <= 4; ++j) {
        const double v = l.hi - (l.hi - l.lo) * j / 4;
        values << (l.isVolume() && !l.isEmpty() ? volumeLabel(v) : formatChartNumber(v));
    }
    paintValueLabelTexts(painter, l.plot, m_marginLeft, values, theme, font);

    if (l.isEmpty()) {
        painter.setPen(theme.axisLabel);
        painter.drawText(l.plot, Qt::AlignCenter, QStringLiteral("No financial data"));
    } else {
        paintRecordLabels(painter, l, theme);
        if (l.mode == FinancialKLine) {
            paintCandles(painter, l, progress);
            paintMovingAverages(painter, l, theme);
        } else if (l.mode == FinancialTimeSharing) {
            paintIntraday(painter, l, theme);
        } else {
            paintVolumes(painter, l);
        }
    }

    paintTitle(painter, QRectF(0, 14, size.width(), 24), Qt::AlignCenter, m_title, theme, font);

    syncRangeSelector();
    m_rangeSelector.setLabelColor(theme.axisLabel);
    const QRectF bar = m_rangeSelector.layout(l.plot, kRangeBarOffset);
    if (bar.width() > 0 && bar.height() > 0) m_rangeSelector.paint(painter, bar, true);
    painter.restore();
}

void MOXQFinancialChartImpl::paintRecordLabels(QPainter& painter, const FinancialLayout& l,
                                               const ChartTheme& theme) const
{
    painter.save();
    QFont f = painter.font();
    f.setPixelSize(11);
    painter.setFont(f);
    painter.setPen(theme.axisLabel);
    const int m = l.visibleCount();
    const int step = std::max(1, (m + 3) / 4);
    for (int i = l.first; i <= l.last; i += step)
        painter.drawText(QRectF(l.recordX(i) - 42, l.plot.bottom() + 8, 84, 18), Qt::AlignCenter,
                         recordLabel(i));
    painter.restore();
}

void MOXQFinancialChartImpl::paintCandles(QPainter& painter, const FinancialLayout& l,
                                          double progress) const
{
    const int m = l.visibleCount();
    const double body = std::clamp(l.plot.width() / m * 0.58, 4.0, 18.0);
    // Candles appear one by one from the left while the entry animation runs.
    const int shown = int(std::floor(m * std::clamp(progress, 0.0, 1.0)));
    painter.save();
    for (int i = l.first; i <= l.last && i < m_candles.size(); ++i) {
        if (i - l.first > shown) break;
        const CandleRecord& c = m_candles.at(i);
        if (!isFiniteRecord(c)) continue;
        const QColor color = directionColor(c);
        const double x = l.edgeX(i);
        painter.setPen(QPen(color, 1.3));
        painter.drawLine(QPointF(x, l.valueY(c.high)), QPointF(x, l.valueY(c.low)));
        const double yo = l.valueY(c.open);
        const double yc = l.valueY(c.close);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRect(
            QRectF(x - body / 2, std::min(yo, yc), body, std::max(1.0, std::abs(yc - yo))));
    }
    painter.restore();
}

void MOXQFinancialChartImpl::paintMovingAverages(QPainter& painter, const FinancialLayout& l,
                                                 const ChartTheme& theme) const
{
    if (!m_movingAveragesVisible || m_candles.isEmpty()) return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < m_movingAveragePeriods.size(); ++k) {
        const QVector<double> ma = movingAverageSeries(m_candles, m_movingAveragePeriods.at(k));
        painter.setPen(QPen(movingAverageColor(k, theme), 1.5));
        QPolygonF run;
        for (int i = l.first; i <= l.last + 1; ++i) {
            const bool defined = i <= l.last && i < ma.size() && std::isfinite(ma.at(i));
            if (defined) run << QPointF(l.edgeX(i), l.valueY(ma.at(i)));
            // Long lines go out in short pieces: one stroke over thousands of points costs far
            // more to fill than the same points in pieces.
            if (!defined || run.size() >= kPolylinePiece) {
                if (run.size() > 1) painter.drawPolyline(run);
                const QPointF joint = run.isEmpty() ? QPointF() : run.last();
                run.clear();
                if (defined) run << joint;
            }
        }
    }
    QFont f = painter.font();
    f.setPixelSize(10);
    painter.setFont(f);
    for (int k = 0; k < m_movingAveragePeriods.size(); ++k) {
        painter.setPen(movingAverageColor(k, theme));
        painter.drawText(QRectF(l.plot.left() + 8 + 50 * k, l.plot.top() + 8, 46, 16),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("MA%1").arg(m_movingAveragePeriods.at(k)));
    }
    painter.restore();
}

void MOXQFinancialChartImpl::paintIntraday(QPainter& painter, const FinancialLayout& l,
                                           const ChartTheme& theme) const
{
    QPainterPath price;
    QPainterPath average;
    bool started = false;
    for (int i = l.first; i <= l.last && i < m_ticks.size(); ++i) {
        const TickRecord& t = m_ticks.at(i);
        if (!isFiniteRecord(t)) continue;
        const double x = l.edgeX(i);
        const QPointF p(x, l.valueY(t.price));
        const QPointF a(x, l.valueY(t.average));
        if (started) {
            price.lineTo(p);
            average.lineTo(a);
        } else {
            price.moveTo(p);
            average.moveTo(a);
            started = true;
        }
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_priceLineColor, theme.lineWidth));
    painter.drawPath(price);
    QPen dashed(m_averageLineColor, 1.6);
    dashed.setStyle(Qt::DashLine);
    painter.setPen(dashed);
    painter.drawPath(average);
    painter.restore();
}

void MOXQFinancialChartImpl::paintVolumes(QPainter& painter, const FinancialLayout& l) const
{
    const double slot = l.slotWidth();
    const double w = std::clamp(0.58 * slot, 3.0, 16.0);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = l.first; i <= l.last && i < m_candles.size(); ++i) {
        const CandleRecord& c = m_candles.at(i);
        if (!isFiniteRecord(c)) continue;
        const double h = std::max(0.0, c.volume) * l.plot.height() / l.hi;
        QColor color = directionColor(c);
        color.setAlpha(190);
        painter.setBrush(color);
        painter.drawRect(
            QRectF(l.slotCenterX(i) - w / 2, l.plot.bottom() - h, w, std::max(1.0, h)));
    }
    painter.restore();
}

bool MOXQFinancialChartImpl::crosshairAt(const FinancialLayout& l, QPointF* point) const
{
    if (!m_hoverActive || l.isEmpty() || m_hoverIndex < l.first || m_hoverIndex > l.last ||
        m_hoverIndex >= l.count)
        return false;
    const double v = crosshairValue(l, m_hoverIndex);
    if (!std::isfinite(v)) return false;
    *point = QPointF(l.recordX(m_hoverIndex), l.valueY(v));
    return true;
}

void MOXQFinancialChartImpl::paintOverlay(QPainter& painter, const QSize& size,
                                          const ChartTheme& theme)
{
    const FinancialLayout l = layout(size);
    QPointF p;
    if (!crosshairAt(l, &p)) return;
    QPen pen(theme.pointer, 1);
    pen.setStyle(Qt::DashLine);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.drawLine(QPointF(p.x(), l.plot.top()), QPointF(p.x(), l.plot.bottom()));
    painter.drawLine(QPointF(l.plot.left(), p.y()), QPointF(l.plot.right(), p.y()));
    painter.restore();
}

QVector<QRectF> MOXQFinancialChartImpl::overlayRects(const QSize& size) const
{
    const FinancialLayout l = layout(size);
    QPointF p;
    if (!crosshairAt(l, &p)) return {};
    // Each 1-pixel line with its antialiased neighbours.
    return {QRectF(p.x() - 2, l.plot.top() - 2, 4, l.plot.height() + 4),
            QRectF(l.plot.left() - 2, p.y() - 2, l.plot.width() + 4, 4)};
}

} // namespace MOXQtLib
