#pragma once

#include "MOXQCartesianChartImpl.h"

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

// The bar chart's model: categories and the bar geometry on top of the shared cartesian state.
// Every geometry call recomputes from its arguments, so it runs without a window.
class MOXQBarChartImpl : public MOXQCartesianChartImpl<BarSeries, BarHoverState>
{
    Q_OBJECT
public:
    explicit MOXQBarChartImpl(MOXQChartBase* owner = nullptr, const QString& name = QString());

    // New categories drop the hover state.
    QStringList categories() const { return m_categories; }
    void setCategories(const QStringList& categories);

    bool hasValues() const;
    // True when a visible series has a finite value at `category`.
    bool hasValueAt(int category) const;
    int categoryCount() const;
    BarValueRange valueRange() const;
    QColor borderColor(int seriesIndex, const ChartTheme& theme) const;

    BarGeometry geometry(const ChartCartesian::FrameInput& in) const;
    // Category column under `x` for a plot `plot` holding `count` categories.
    static int axisCategory(const QRectF& plot, int count, qreal x);

    ChartCartesian::HoverResult hoverAt(const QPoint& pos, const ChartCartesian::FrameInput& in);

    void paint(QPainter& painter, const ChartCartesian::FrameInput& in) const;

private:
    QStringList m_categories;
};

} // namespace MOXQtLib
