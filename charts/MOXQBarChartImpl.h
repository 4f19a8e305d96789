#pragma once

#include "ChartCartesian.h"
#include "ChartTheme.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;
class QWidget;

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
class MOXQBarChartImpl : public QObject
{
    Q_OBJECT
public:
    explicit MOXQBarChartImpl(QWidget* owner, QObject* parent = nullptr);

    QWidget* owner() const { return m_owner; }

    QString title = QStringLiteral("Basic Bar Chart");
    QStringList categories;
    QVector<BarSeries> series;
    bool tooltipVisible = false;
    int tooltipTrigger = TooltipNone;
    ChartCartesian::Margins margins;
    BarHoverState hover;

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

    QWidget* m_owner = nullptr;
};
