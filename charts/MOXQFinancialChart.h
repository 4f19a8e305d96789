#pragma once

#include "FinancialData.h"
#include "MOXQChartBase.h"

#include <QVector>

class MOXQFinancialChartImpl;

// Market data chart: daily candlesticks with moving averages, an intraday price line with its
// running average, or daily volume bars, over a range selector that picks the visible slice.
// Starts with the built-in sample data. The model object holds the data and does the work; the
// setters here forward to it.
class MOXQFinancialChart : public MOXQChartBase
{
    Q_OBJECT
public:
    explicit MOXQFinancialChart(QWidget* parent = nullptr);
    ~MOXQFinancialChart() override;

    MOXQFinancialChartImpl* impl() const { return m_impl; }

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

    void paintFrame(QPainter& painter) override;

protected:
    void paintGL() override { paintGLFrame(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Shows or hides the tooltip for the model's hover state.
    void syncTooltip();

    MOXQFinancialChartImpl* m_impl = nullptr;
};
