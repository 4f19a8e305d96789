#pragma once

// The frame the cartesian charts (line, bar, scatter) share: plot rectangle from margins and
// legend position, legend layout, hit test and painting, grid, axes, title and value labels.
// Pure functions of their arguments, so tests call them without a widget.

#include "ChartFunctions.h"
#include "ChartTheme.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;

namespace MOXQtLib {

class MOXQChartBase;

namespace ChartCartesian {

// What a chart's geometry depends on besides its model: recomputed on every paint and every
// mouse event, and built by hand in tests that run without a window.
struct FrameInput
{
    QSize size;
    int legendPosition = LegendBottom;
    double progress = 1.0;
    ChartTheme theme;
    QFont font;
};

FrameInput frameInput(const MOXQChartBase& chart);

// What a mouse move over a chart did: whether its hover state changed, and the tooltip text to
// show (empty hides the tooltip).
struct HoverResult
{
    bool changed = false;
    QString tooltip;
};

// Shows the tooltip at `pos` or hides it, and repaints when the hover state changed.
void applyHover(MOXQChartBase& chart, const QPoint& pos, const HoverResult& result);
// Hides the tooltip after a hover state was cleared; repaints when something was hovered.
void endHover(MOXQChartBase& chart, bool wasHovered);

// The ends of a range count as equal when |lo - hi| * 1e12 <= min(|lo|, |hi|).
bool rangeEndsEqual(double lo, double hi);
// (v - lo) / r with r = 1 when the ends are equal and hi - lo otherwise; computed so that
// ranges near the limits of double do not overflow.
double rangeFraction(double value, double lo, double hi);

struct Margins
{
    int left = 56;
    int top = 48;
    int right = 24;
    int legendBottom = 76; // bottom margin used only with the legend at the bottom
};

struct PlotLayout
{
    QRectF plot;
    // True when the legend sits below the plot and its bottom margin was applied.
    bool legendBottomApplied = false;
};

// `bottom` is the bottom margin without a bottom legend, `legendBottom` the one with it.
// Positions other than Top, Right and Left count as Bottom.
PlotLayout plotLayout(const QSize& widget, const Margins& margins, int bottom, int legendBottom,
                      bool hasSeries, int legendPosition);

struct LegendEntry
{
    QString name;
    QColor color;
    bool visible = true;
};

struct LegendItem
{
    int series = -1;
    QRectF rect;
    QColor color;
    QString name;
    bool visible = true;
};

enum class LegendMarker
{
    LineDot,       // short line with a dot (line chart)
    RoundedSquare, // bar chart
    Ring           // scatter chart
};

QRectF legendArea(int legendPosition, const QRectF& plot, const QSize& widget);
bool legendIsVertical(int legendPosition);

// One item per entry, hidden ones included; empty names become "Series N". Flowing items are
// as wide as their text plus `textExtra`.
QVector<LegendItem> layoutLegend(const QVector<LegendEntry>& entries, int legendPosition,
                                 const QRectF& plot, const QSize& widget, const QFont& font,
                                 qreal textExtra);
// Series index of the first item whose rect grown by 2 pixels holds `point`, or -1.
int legendHit(const QVector<LegendItem>& items, const QPointF& point);

// Legend entries of series records with `name`, `color` (invalid: theme palette by index) and
// `visible` members.
template <class Series>
QVector<LegendEntry> legendEntries(const QVector<Series>& series, const ChartTheme& theme);
// Flips `visible` of the series whose legend item holds `point`; returns its index or -1.
template <class Series>
int toggleSeriesAt(QVector<Series>& series, const QVector<LegendItem>& items, const QPointF& point);
void paintLegend(QPainter& painter, const QVector<LegendItem>& items, LegendMarker marker,
                 const ChartTheme& theme, const QFont& font);

void paintPlotArea(QPainter& painter, const QRectF& plot, const ChartTheme& theme);
void paintPlotArea(QPainter& painter, const QRectF& plot, const ChartTheme& theme, qreal radius);
// `lines` evenly spaced horizontal grid lines from top to bottom.
void paintHorizontalGrid(QPainter& painter, const QRectF& plot, const ChartTheme& theme,
                         int lines = 6);
// `lines` evenly spaced vertical grid lines from left to right.
void paintVerticalGrid(QPainter& painter, const QRectF& plot, const ChartTheme& theme, int lines);
void paintAxes(QPainter& painter, const QRectF& plot, const ChartTheme& theme);
// The left axis and a horizontal axis at `baselineY` (the zero line of a value axis).
void paintAxes(QPainter& painter, const QRectF& plot, const ChartTheme& theme, qreal baselineY);
// Labels centred under the plot: text k in a box of `width` x 18 centred on xs[k], 8 pixels
// below the plot, in the axis-label colour at pixel size 11.
void paintLabelsBelow(QPainter& painter, const QRectF& plot, const QVector<qreal>& xs,
                      const QStringList& texts, qreal width, const ChartTheme& theme,
                      const QFont& font);
void paintTitle(QPainter& painter, int widgetWidth, const QString& title, const ChartTheme& theme,
                const QFont& font);
// Title at pixel size 16, weight 75 in `rect` with the given alignment; the form above centres it
// in the band from y = 10 to y = 33.
void paintTitle(QPainter& painter, const QRectF& rect, int alignment, const QString& title,
                const ChartTheme& theme, const QFont& font);

// Rect of value label k (0 at the top) of six; anchored to the plot's left edge so a legend on
// the left never covers the labels.
QRectF valueLabelRect(const QRectF& plot, int leftMargin, int k);
void paintValueLabels(QPainter& painter, const QRectF& plot, int leftMargin, double lo, double hi,
                      const ChartTheme& theme, const QFont& font);

// Rect of value label k (0 at the top) of `intervals` + 1, same anchoring as above.
QRectF valueLabelRect(const QRectF& plot, int leftMargin, int k, int intervals);
// One label per text, evenly spaced from the plot's top (first text) to its bottom, for scales
// whose label texts the chart formats itself.
void paintValueLabelTexts(QPainter& painter, const QRectF& plot, int leftMargin,
                          const QStringList& texts, const ChartTheme& theme, const QFont& font);

template <class Series>
QVector<LegendEntry> legendEntries(const QVector<Series>& series, const ChartTheme& theme)
{
    QVector<LegendEntry> entries;
    entries.reserve(series.size());
    for (int i = 0; i < series.size(); ++i)
        entries.append(
            {series.at(i).name, seriesColor(series.at(i).color, i, theme), series.at(i).visible});
    return entries;
}

template <class Series>
int toggleSeriesAt(QVector<Series>& series, const QVector<LegendItem>& items, const QPointF& point)
{
    const int hit = legendHit(items, point);
    if (hit < 0 || hit >= series.size()) return -1;
    series[hit].visible = !series.at(hit).visible;
    return hit;
}

} // namespace ChartCartesian

} // namespace MOXQtLib
