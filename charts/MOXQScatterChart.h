#pragma once

#include "MOXQChartControl.h"
#include "MOXQScatterChartImpl.h"

namespace MOXQtLib {

// Points of (x, y) series over two numeric axes with a five-by-five grid. Points rise from the
// bottom edge and swell during the entry animation; the nearest point under the mouse is
// highlighted with a tooltip; the legend on any side toggles series.
class MOXQScatterChart : public MOXQChartControl<MOXQScatterChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQScatterChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtscatterchart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQScatterChart() { return new MOXQScatterChart; }

    void setTitle(const QString& title);
    QString title() const;
    // Restarts the entry animation and drops the hover state.
    void setSeries(const QVector<ScatterSeries>& series);
    QVector<ScatterSeries> series() const;

    // TooltipItem and TooltipAxis track the nearest point; other values track nothing.
    void setTooltipTrigger(int trigger);
    int tooltipTrigger() const;
    void setTooltipVisible(bool visible);
    bool tooltipVisible() const;

    void paintFrame(QPainter& painter) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace MOXQtLib
