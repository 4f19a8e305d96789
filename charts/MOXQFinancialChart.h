#pragma once

#include "FinancialData.h"
#include "MOXQChartControl.h"
#include "MOXQFinancialChartImpl.h"

#include <QVector>

namespace MOXQtLib {

// Market data chart: daily candlesticks with moving averages, an intraday price line with its
// running average, or daily volume bars, over a range selector that picks the visible slice.
// Starts with the built-in sample data. The model object holds the data and does the work; the
// setters here forward to it.
class MOXQFinancialChart : public MOXQChartControl<MOXQFinancialChartImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQFinancialChart(QWidget* parent = nullptr);

    static QString typeName() { return QStringLiteral("qtfinancialchart"); }
    static ControlInfo getProps();
    static QWidget* createMOXQFinancialChart() { return new MOXQFinancialChart; }

    void setTitle(const QString& title);
    // FinancialMode; changing it keeps the entry animation where it is.
    void setMode(int mode);
    void setMovingAverages(const QVector<int>& periods);
    void setMovingAveragesVisible(bool visible);
    void setRangeSelectorEnabled(bool enabled);
    void setVisibleRange(double start, double end);
    void setTooltipTrigger(int trigger);
    void setTooltipVisible(bool visible);
    void setCandles(const QVector<CandleRecord>& candles);
    void setTicks(const QVector<TickRecord>& ticks);

protected:
    bool hasPlotLayer() const override { return true; }
    void paintPlot(QPainter& painter) override;
    void paintOverlay(QPainter& painter) override;
    QVector<QRectF> overlayRects() const override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Shows or hides the tooltip for the model's hover state.
    void syncTooltip();
};

} // namespace MOXQtLib
