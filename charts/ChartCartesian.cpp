#include "ChartCartesian.h"

#include "ChartFunctions.h"
#include "MOXQChartBase.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace MOXQtLib {

namespace ChartCartesian {

FrameInput frameInput(const MOXQChartBase& chart)
{
    FrameInput in;
    in.size = chart.size();
    in.legendPosition = chart.legendPosition();
    in.progress = chart.animationProgress();
    in.theme = chart.chartTheme();
    in.font = chart.font();
    return in;
}

void applyHover(MOXQChartBase& chart, const QPoint& pos, const HoverResult& result)
{
    if (result.tooltip.isEmpty())
        chart.hideTooltip();
    else
        chart.showTooltip(pos, result.tooltip);
    if (result.changed) chart.update();
}

void endHover(MOXQChartBase& chart, bool wasHovered)
{
    chart.hideTooltip();
    if (wasHovered) chart.update();
}

bool rangeEndsEqual(double lo, double hi)
{
    return std::abs(lo - hi) * 1e12 <= std::min(std::abs(lo), std::abs(hi));
}

double rangeFraction(double value, double lo, double hi)
{
    if (rangeEndsEqual(lo, hi)) return value - lo;
    return (value / 2 - lo / 2) / (hi / 2 - lo / 2);
}

PlotLayout plotLayout(const QSize& widget, const Margins& m, int bottom, int legendBottom,
                      bool hasSeries, int legendPosition)
{
    int left = m.left;
    int top = m.top;
    int right = m.right;
    PlotLayout out;
    if (hasSeries) {
        switch (legendPosition) {
        case LegendTop:
            top += 40;
            break;
        case LegendRight:
            right += 176;
            break;
        case LegendLeft:
            left += 176;
            break;
        default:
            bottom = legendBottom;
            out.legendBottomApplied = true;
            break;
        }
    }
    const int w = std::max(widget.width() - left - right, 1);
    const int h = std::max(widget.height() - top - bottom, 1);
    out.plot = QRectF(left, top, w, h);
    return out;
}

bool legendIsVertical(int legendPosition)
{
    return legendPosition == LegendRight || legendPosition == LegendLeft;
}

QRectF legendArea(int legendPosition, const QRectF& plot, const QSize& widget)
{
    switch (legendPosition) {
    case LegendTop:
        return QRectF(plot.left(), 44, plot.width(), 28);
    case LegendRight:
        return QRectF(plot.right() + 20, plot.top(),
                      std::max<qreal>(widget.width() - plot.right() - 28, 96), plot.height());
    case LegendLeft:
        return QRectF(14, plot.top(), std::max<qreal>(plot.left() - 24, 96), plot.height());
    default:
        return QRectF(plot.left(), plot.bottom() + 34, plot.width(), 36);
    }
}

QVector<LegendItem> layoutLegend(const QVector<LegendEntry>& entries, int legendPosition,
                                 const QRectF& plot, const QSize& widget, const QFont& font,
                                 qreal textExtra)
{
    QVector<LegendItem> items;
    const QRectF area = legendArea(legendPosition, plot, widget);
    if (entries.isEmpty() || area.width() <= 0 || area.height() <= 0) return items;
    QFont f = font;
    f.setPixelSize(11);
    const QFontMetricsF fm(f);
    const bool vertical = legendIsVertical(legendPosition);
    const qreal left = std::round(area.left());
    const qreal right = std::round(area.right());
    qreal x = left;
    qreal y = std::round(area.top());
    bool rowStart = true;
    items.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const LegendEntry& e = entries.at(i);
        LegendItem item;
        item.series = i;
        item.color = e.color;
        item.visible = e.visible;
        item.name = e.name.isEmpty() ? QStringLiteral("Series %1").arg(i + 1) : e.name;
        if (vertical) {
            item.rect = QRectF(left, y, std::round(area.width()) - 6, 18);
            y += 26;
        } else {
            const qreal w = fm.horizontalAdvance(item.name) + textExtra;
            if (x + w > right && !rowStart) {
                x = left;
                y += 24;
            }
            item.rect = QRectF(x, y, w, 18);
            x += w + 10;
            rowStart = false;
        }
        items.append(item);
    }
    return items;
}

int legendHit(const QVector<LegendItem>& items, const QPointF& point)
{
    for (const LegendItem& item : items)
        if (item.rect.adjusted(-2, -2, 2, 2).contains(point)) return item.series;
    return -1;
}

void paintLegend(QPainter& painter, const QVector<LegendItem>& items, LegendMarker marker,
                 const ChartTheme& theme, const QFont& font)
{
    if (items.isEmpty()) return;
    painter.save();
    QFont f = font;
    f.setPixelSize(11);
    painter.setFont(f);
    for (const LegendItem& item : items) {
        const QColor markerColor = item.visible ? item.color : item.color.lighter(160);
        const QColor textColor = item.visible ? theme.axisLabel : theme.axisLabel.lighter(145);
        const QRectF& r = item.rect;
        const qreal cy = r.center().y();
        switch (marker) {
        case LegendMarker::LineDot:
            painter.setPen(QPen(markerColor, 2));
            painter.drawLine(QPointF(r.x(), cy), QPointF(r.x() + 12, cy));
            painter.setPen(Qt::NoPen);
            painter.setBrush(item.visible ? markerColor : theme.plotArea);
            painter.drawEllipse(QPointF(r.x() + 6, cy), 3.5, 3.5);
            break;
        case LegendMarker::RoundedSquare:
            painter.setPen(Qt::NoPen);
            painter.setBrush(markerColor);
            painter.drawRoundedRect(QRectF(r.x(), r.y() + 3, 12, 12), 3, 3);
            break;
        case LegendMarker::Ring:
            painter.setPen(QPen(markerColor, 1.4));
            painter.setBrush(item.visible ? markerColor : theme.plotArea);
            painter.drawEllipse(QRectF(r.x(), r.y() + 3, 12, 12));
            break;
        }
        painter.setPen(textColor);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QRectF(r.x() + 18, r.y(), r.width() - 18, 18),
                         Qt::AlignLeft | Qt::AlignVCenter, item.name);
    }
    painter.restore();
}

void paintPlotArea(QPainter& painter, const QRectF& plot, const ChartTheme& theme)
{
    // A zero radius draws the plain rectangle.
    paintPlotArea(painter, plot, theme, 0);
}

void paintPlotArea(QPainter& painter, const QRectF& plot, const ChartTheme& theme, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme.plotArea);
    painter.drawRoundedRect(plot, radius, radius);
    painter.restore();
}

static void paintGridLines(QPainter& painter, const QRectF& plot, const ChartTheme& theme,
                           int lines, Qt::Orientation orientation)
{
    if (lines < 2) return;
    painter.save();
    painter.setPen(QPen(theme.grid, 1));
    for (int k = 0; k < lines; ++k) {
        if (orientation == Qt::Horizontal) {
            const qreal y = plot.top() + k * plot.height() / (lines - 1);
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        } else {
            const qreal x = plot.left() + k * plot.width() / (lines - 1);
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    }
    painter.restore();
}

void paintHorizontalGrid(QPainter& painter, const QRectF& plot, const ChartTheme& theme, int lines)
{
    paintGridLines(painter, plot, theme, lines, Qt::Horizontal);
}

void paintVerticalGrid(QPainter& painter, const QRectF& plot, const ChartTheme& theme, int lines)
{
    paintGridLines(painter, plot, theme, lines, Qt::Vertical);
}

void paintAxes(QPainter& painter, const QRectF& plot, const ChartTheme& theme)
{
    paintAxes(painter, plot, theme, plot.bottom());
}

void paintAxes(QPainter& painter, const QRectF& plot, const ChartTheme& theme, qreal baselineY)
{
    painter.save();
    painter.setPen(QPen(theme.axis, 1));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(QPointF(plot.left(), baselineY), QPointF(plot.right(), baselineY));
    painter.restore();
}

// Axis labels of both axes: pixel size 11, normal weight, the axis-label colour.
static void setAxisLabelStyle(QPainter& painter, const ChartTheme& theme, const QFont& font)
{
    QFont f = font;
    f.setPixelSize(11);
    f.setWeight(50);
    painter.setFont(f);
    painter.setPen(theme.axisLabel);
}

void paintLabelsBelow(QPainter& painter, const QRectF& plot, const QVector<qreal>& xs,
                      const QStringList& texts, qreal width, const ChartTheme& theme,
                      const QFont& font)
{
    painter.save();
    setAxisLabelStyle(painter, theme, font);
    const int n = std::min(int(xs.size()), int(texts.size()));
    for (int k = 0; k < n; ++k)
        painter.drawText(QRectF(xs.at(k) - width / 2, plot.bottom() + 8, width, 18),
                         Qt::AlignCenter, texts.at(k));
    painter.restore();
}

void paintTitle(QPainter& painter, int widgetWidth, const QString& title, const ChartTheme& theme,
                const QFont& font)
{
    paintTitle(painter, QRectF(0, 10, widgetWidth, 23), Qt::AlignHCenter | Qt::AlignVCenter, title,
               theme, font);
}

void paintTitle(QPainter& painter, const QRectF& rect, int alignment, const QString& title,
                const ChartTheme& theme, const QFont& font)
{
    painter.save();
    QFont f = font;
    f.setPixelSize(16);
    f.setWeight(75);
    painter.setFont(f);
    painter.setPen(theme.title);
    painter.drawText(rect, alignment, title);
    painter.restore();
}

QRectF valueLabelRect(const QRectF& plot, int leftMargin, int k)
{
    return valueLabelRect(plot, leftMargin, k, 5);
}

void paintValueLabels(QPainter& painter, const QRectF& plot, int leftMargin, double lo, double hi,
                      const ChartTheme& theme, const QFont& font)
{
    QStringList texts;
    for (int k = 0; k <= 5; ++k)
        texts << formatChartNumber(hi - (hi - lo) * k / 5);
    paintValueLabelTexts(painter, plot, leftMargin, texts, theme, font);
}

QRectF valueLabelRect(const QRectF& plot, int leftMargin, int k, int intervals)
{
    const qreal y = plot.top() + k * plot.height() / std::max(intervals, 1);
    return QRectF(plot.left() - leftMargin + 4, y - 8, leftMargin - 10, 16);
}

void paintValueLabelTexts(QPainter& painter, const QRectF& plot, int leftMargin,
                          const QStringList& texts, const ChartTheme& theme, const QFont& font)
{
    if (texts.isEmpty()) return;
    painter.save();
    setAxisLabelStyle(painter, theme, font);
    const int intervals = int(texts.size()) - 1;
    for (int k = 0; k < texts.size(); ++k)
        painter.drawText(valueLabelRect(plot, leftMargin, k, intervals),
                         Qt::AlignRight | Qt::AlignVCenter, texts.at(k));
    painter.restore();
}

} // namespace ChartCartesian

} // namespace MOXQtLib
