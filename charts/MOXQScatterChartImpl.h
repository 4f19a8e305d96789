#pragma once

#include "ChartCartesian.h"
#include "ChartTheme.h"
#include "MOXQChartBaseImpl.h"

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

namespace MOXQtLib {

// One series of the scatter chart. An invalid colour resolves from the theme by the series'
// place in the whole list.
struct ScatterSeries
{
    QString name;
    QVector<QPointF> points;
    QColor color;
    bool visible = true;
    double symbolSize = 8.0; // circle diameter once the entry animation has finished
};

struct ScatterRange
{
    double lo = 0.0;
    double hi = 1.0;
};

// Everything one frame of the scatter chart is drawn and hit-tested from.
struct ScatterGeometry
{
    QRectF plot;
    ScatterRange x;
    ScatterRange y;
    double progress = 1.0;

    // Where a data point sits at this frame's animation progress.
    QPointF map(const QPointF& point) const;
};

struct ScatterHit
{
    int series = -1;
    int point = -1;
};

struct ScatterHoverState
{
    bool active = false;
    int series = -1;
    int point = -1;
    QPoint position;
};

// The scatter chart's model: data, options and hover state, and the geometry derived from them.
// Every geometry call recomputes from its arguments, so it runs without a window.
class MOXQScatterChartImpl : public MOXQChartBaseImpl
{
    Q_OBJECT
public:
    explicit MOXQScatterChartImpl(MOXQChartBase* owner = nullptr, const QString& name = QString());

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    // New series drop the hover state.
    const QVector<ScatterSeries>& series() const { return m_series; }
    void setSeries(const QVector<ScatterSeries>& series);
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
    const ScatterHoverState& hover() const { return m_hover; }

    // Item and Axis both track the nearest point; every other value tracks nothing.
    bool tracksHover() const;
    bool hasPoints() const;
    // Ranges over the finite points of the visible series.
    void ranges(ScatterRange* x, ScatterRange* y) const;
    QColor pointColor(int seriesIndex, const ChartTheme& theme) const;
    // The symbol size drawn and hit-tested: non-finite or negative sizes count as 0.
    static double symbolSize(const ScatterSeries& series);

    QRectF plotRect(const QSize& size, int legendPosition) const;
    ScatterGeometry geometry(const ChartCartesian::FrameInput& in) const;
    QVector<ChartCartesian::LegendItem> legendItems(const ChartCartesian::FrameInput& in,
                                                    const QRectF& plot) const;
    // The nearest point among those within their own series' reach (symbol size + 6); on a
    // tie the earlier series, then the earlier point, wins.
    ScatterHit hitTest(const QPointF& pos, const ScatterGeometry& g) const;

    ChartCartesian::HoverResult hoverAt(const QPoint& pos, const ChartCartesian::FrameInput& in);
    // Returns true when something was hovered before.
    bool clearHover();
    // Toggles the series whose legend item holds `pos`; returns its index or -1.
    int toggleLegendAt(const QPointF& pos, const ChartCartesian::FrameInput& in);

    void paint(QPainter& painter, const ChartCartesian::FrameInput& in) const;

private:
    QString m_title = QStringLiteral("Basic Scatter Chart");
    QVector<ScatterSeries> m_series;
    bool m_tooltipVisible = true;
    int m_tooltipTrigger = TooltipItem;
    ChartCartesian::Margins m_margins;
    ScatterHoverState m_hover;
};

} // namespace MOXQtLib
