#pragma once

#include "MOXQCartesianChartImpl.h"

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

// The scatter chart's model: the two ranges, point mapping and nearest-point hit test on top
// of the shared cartesian state. Item and Axis both track the nearest point. Every geometry call
// recomputes from its arguments, so it runs without a window.
class MOXQScatterChartImpl : public MOXQCartesianChartImpl<ScatterSeries, ScatterHoverState>
{
    Q_OBJECT
public:
    explicit MOXQScatterChartImpl(MOXQChartBase* owner = nullptr, const QString& name = QString());

    bool tracksHover() const override { return tooltipTrigger() != TooltipNone; }
    bool hasPoints() const;
    // Ranges over the finite points of the visible series.
    void ranges(ScatterRange* x, ScatterRange* y) const;
    // The symbol size drawn and hit-tested: non-finite or negative sizes count as 0.
    static double symbolSize(const ScatterSeries& series);

    ScatterGeometry geometry(const ChartCartesian::FrameInput& in) const;
    // The nearest point among those within their own series' reach (symbol size + 6); on a
    // tie the earlier series, then the earlier point, wins.
    ScatterHit hitTest(const QPointF& pos, const ScatterGeometry& g) const;

    ChartCartesian::HoverResult hoverAt(const QPoint& pos, const ChartCartesian::FrameInput& in);

    void paint(QPainter& painter, const ChartCartesian::FrameInput& in) const;
};

} // namespace MOXQtLib
