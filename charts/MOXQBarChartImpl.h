#pragma once

#include "ChartCartesian.h"
#include "ChartTheme.h"
#include "MOXQChartBaseImpl.h"

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;

namespace MOXQtLib {

// One series of the bar chart. Invalid colours resolve from the theme by the series' place in
// the whole list, so hiding a series never recolours the others.
struct BarSeries
{
    QString name;
    QVector<double> values;
    QColor color;
    QColor borderColor;
    bool visible = true;
};

// One bar of one frame.
struct BarRect
{
    int series = -1;
    int category = -1;
    QRectF rect;
    QColor color;
};

// Value range of the visible series; always holds 0, so the baseline lies inside the plot.
struct BarValueRange
{
    double lo = 0.0;
    double hi = 1.0;
    bool empty = true; // no finite value at all
};

// Everything one frame of the bar chart is drawn and hit-tested from.
struct BarGeometry
{
    QRectF plot;
    BarValueRange range;
    int categoryCount = 1;
    qreal groupWidth = 0.0;
    qreal baseline = 0.0;
    QVector<BarRect> bars;

    qreal valueToY(double value) const;
};

struct BarHoverState
{
    bool active = false;
    int category = -1;
    int series = -1;
    QPoint position;
};

// The bar chart's model: data, options and hover state, and the geometry derived from them.
// Every geometry call recomputes from its arguments, so it runs without a window.
class MOXQBarChartImpl : public MOXQChartBaseImpl
{
    Q_OBJECT
public:
    explicit MOXQBarChartImpl(MOXQChartBase* owner = nullptr, const QString& name = QString());

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    // New categories and new series drop the hover state.
    QStringList categories() const { return m_categories; }
    void setCategories(const QStringList& categories);
    const QVector<BarSeries>& series() const { return m_series; }
    void setSeries(const QVector<BarSeries>& series);
    // False for an index out of range.
    bool setSeriesVisible(int index, bool visible);
    bool tooltipVisible() const { return m_tooltipVisible; }
    // Hiding tooltips drops the hover state.
    void setTooltipVisible(bool visible);
    // The stored value, which may be undefined.
    int tooltipTrigger() const { return m_tooltipTrigger; }
    // A trigger that tracks nothing drops the hover state.
    void setTooltipTrigger(int trigger);
    const ChartCartesian::Margins& margins() const { return m_margins; }
    void setMargins(const ChartCartesian::Margins& margins);
    const BarHoverState& hover() const { return m_hover; }

    // The stored trigger, with values other than None, Item and Axis read as None.
    int effectiveTrigger() const;
    bool hasValues() const;
    // True when a visible series has a finite value at `category`.
    bool hasValueAt(int category) const;
    int categoryCount() const;
    BarValueRange valueRange() const;
    QColor fillColor(int seriesIndex, const ChartTheme& theme) const;
    QColor borderColor(int seriesIndex, const ChartTheme& theme) const;

    QRectF plotRect(const QSize& size, int legendPosition) const;
    BarGeometry geometry(const ChartCartesian::FrameInput& in) const;
    QVector<ChartCartesian::LegendItem> legendItems(const ChartCartesian::FrameInput& in,
                                                    const QRectF& plot) const;
    // Category column under `x` for a plot `plot` holding `count` categories.
    static int axisCategory(const QRectF& plot, int count, qreal x);

    ChartCartesian::HoverResult hoverAt(const QPoint& pos, const ChartCartesian::FrameInput& in);
    // Returns true when something was hovered before.
    bool clearHover();
    // Toggles the series whose legend item holds `pos`; returns its index or -1.
    int toggleLegendAt(const QPointF& pos, const ChartCartesian::FrameInput& in);

    void paint(QPainter& painter, const ChartCartesian::FrameInput& in) const;

private:
    QString seriesLabel(int seriesIndex) const;

    QString m_title = QStringLiteral("Basic Bar Chart");
    QStringList m_categories;
    QVector<BarSeries> m_series;
    bool m_tooltipVisible = false;
    int m_tooltipTrigger = TooltipNone;
    ChartCartesian::Margins m_margins;
    BarHoverState m_hover;
};

} // namespace MOXQtLib
