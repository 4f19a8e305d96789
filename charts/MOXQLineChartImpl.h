#pragma once

#include "ChartCartesian.h"
#include "ChartRangeSelector.h"
#include "LineChartGeometry.h"
#include "LineSeries.h"
#include "MOXQChartBaseImpl.h"
#include "SeriesExtentIndex.h"

#include <QPoint>
#include <QPointF>
#include <QStringList>
#include <QVector>

class QPainter;

namespace MOXQtLib {

// The line chart's model: data, options, hover and range state, and the frame painting. The
// widget forwards its setters and mouse events here; every geometry query recomputes from the
// current state, so tests drive it without a window.
class MOXQLineChartImpl : public MOXQChartBaseImpl
{
    Q_OBJECT
public:
    struct HoverState
    {
        bool active = false;
        int index = -1;
        int series = -1;
        QPointF point;
        QPoint lastMouse;
    };

    // What one frame is drawn from, recomputed from the model for a widget size.
    struct Frame
    {
        ChartCartesian::PlotLayout layout;
        int itemCount = 1;
        int first = 0;
        int last = 0;
        LineChartGeometry::PointMapper map;
    };

    explicit MOXQLineChartImpl(MOXQChartBase* owner = nullptr, const QString& name = QString());

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    void setCategories(const QStringList& categories);
    const QStringList& categories() const { return m_categories; }
    void setSeries(const QVector<LineSeries>& series);
    void setSingleSeries(const QString& name, const QVector<double>& values, const QColor& color);
    const QVector<LineSeries>& series() const { return m_series; }

    void setShowSymbols(bool on);
    bool showSymbols() const { return m_showSymbols; }
    void setSmooth(bool on);
    bool smooth() const { return m_smooth; }
    void setAreaFill(bool on);
    bool areaFill() const { return m_area; }
    void setHoverEnabled(bool on);
    bool hoverEnabled() const { return m_hoverEnabled; }
    // Values other than None, Item and Axis are kept but act as None.
    void setTooltipTrigger(int trigger);
    int tooltipTrigger() const { return m_tooltipTrigger; }
    int effectiveTrigger() const { return effectiveTooltipTrigger(m_tooltipTrigger); }
    void setTooltipVisible(bool on);
    bool tooltipVisible() const { return m_tooltipVisible; }
    void setRangeSelectorEnabled(bool on);
    void setVisibleRange(double start, double end);
    const ChartRangeSelector& rangeSelector() const { return m_rangeSelector; }
    const ChartCartesian::Margins& margins() const { return m_margins; }
    const HoverState& hoverState() const { return m_hover; }
    // On raster images straight series are drawn as antialiased pixel-column spans, at a cost
    // bounded by the plot width; off, they are stroked as paths there too (slower, the
    // picture the spans are held to).
    void setColumnSpansEnabled(bool on);
    bool columnSpansEnabled() const { return m_columnSpans; }
    // Flips the visibility of series `index` (a legend click); false when out of range.
    bool toggleSeries(int index);

    // Geometry, recomputed from the current state.
    int itemCount() const;
    Frame frame(const QSize& widget) const;
    // Value axis over the visible series and indexes; non-finite values are left out.
    LineChartGeometry::ValueRange valueRange(int first, int last) const;
    QVector<ChartCartesian::LegendItem> legendItems(const Frame& frame, const QSize& widget,
                                                    const QFont& font) const;
    QRectF rangeBarRect(const Frame& frame);
    QString categoryLabel(int index) const;
    QColor colorOf(int series) const;

    // Mouse handling; each returns true when the chart needs a repaint (press: consumed).
    bool updateHover(const QPoint& mouse, const QSize& widget);
    bool clearHover();
    bool mousePress(const QPoint& point, const QSize& widget, const QFont& font);
    bool mouseMove(const QPoint& point, bool leftButtonHeld, const QSize& widget);
    void mouseRelease();

    // The plot: everything a hover does not change.
    void paintPlot(QPainter& painter, const QSize& widget);
    // What a hover draws over the plot: the axis pointer and the highlighted points.
    void paintOverlay(QPainter& painter, const QSize& widget);
    // Where paintOverlay draws.
    QVector<QRectF> overlayRects(const QSize& widget) const;

private:
    bool seriesSmooth(const LineSeries& s) const { return m_smooth || s.smooth; }
    bool seriesArea(const LineSeries& s) const { return m_area || s.area; }
    bool seriesSymbols(const LineSeries& s) const { return m_showSymbols && s.showSymbols; }
    bool reaches(const LineSeries& s, int index) const;
    void resetSeriesIndexes();
    // The overlay changed (hover), or the plot did.
    void repaint();
    void replot();
    void hideTooltip();
    void paintSeries(QPainter& painter, const Frame& frame, double devicePixelRatio);
    static void paintSeriesPath(QPainter& painter, const QVector<QPointF>& points, bool smooth,
                                const QColor& color, const QColor& fill, double width,
                                double bottom);
    void paintAxisPointer(QPainter& painter, const Frame& frame);
    void paintCategoryLabels(QPainter& painter, const Frame& frame, const QSize& widget);

    QString m_title = QStringLiteral("Basic Line Chart");
    QStringList m_categories;
    QVector<LineSeries> m_series;
    QVector<SeriesExtentIndex> m_extents; // one per series, for cheap ranges on large data
    bool m_showSymbols = true;
    bool m_smooth = false;
    bool m_area = false;
    bool m_tooltipVisible = false;
    bool m_hoverEnabled = true;
    bool m_columnSpans = true;
    int m_tooltipTrigger = TooltipNone;
    ChartCartesian::Margins m_margins;
    HoverState m_hover;
    ChartRangeSelector m_rangeSelector;
};

} // namespace MOXQtLib
