#pragma once

#include "LineSeries.h"
#include "MOXQChartControl.h"
#include "MOXQLineChartImpl.h"

#include <QStringList>
#include <QVector>

namespace MOXQtLib {

// Line chart: straight or smoothed series over a shared category axis, with area fills,
// symbols, a toggling legend, an optional range selector, hover tooltips and a staggered
// entry animation. Data and painting live in the model (`impl()`); this widget forwards.
class MOXQLineChart : public MOXQChartControl<MOXQLineChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQLineChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtlinechart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQLineChart() { return new MOXQLineChart; }

    void setTitle(const QString& title);
    QString title() const;
    void setCategories(const QStringList& categories);
    QStringList categories() const;
    // New data replays the entry animation and clears the hover state.
    void setSeries(const QVector<LineSeries>& series);
    void setSingleSeries(const QString& name, const QVector<double>& values,
                         const QColor& color = QColor());
    void setSingleSeries(const QVector<double>& values);
    QVector<LineSeries> series() const;

    void setShowSymbols(bool on);
    void setSmooth(bool on);
    void setAreaFill(bool on);
    void setHoverEnabled(bool on);
    void setTooltipTrigger(int trigger);
    void setTooltipVisible(bool on);
    void setRangeSelectorEnabled(bool on);
    void setVisibleRange(double start, double end);

protected:
    bool hasPlotLayer() const override { return true; }
    void paintPlot(QPainter& painter) override;
    void paintOverlay(QPainter& painter) override;
    QVector<QRectF> overlayRects() const override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
