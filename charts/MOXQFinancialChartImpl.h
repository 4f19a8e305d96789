#pragma once

#include "ChartRangeSelector.h"
#include "ChartTheme.h"
#include "FinancialData.h"
#include "FinancialLayout.h"
#include "MOXQChartBaseImpl.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

class QPainter;

namespace MOXQtLib {

// The financial chart's model: market data, view options, range selection and hover state. It
// computes the frame geometry, runs the hover and range-drag logic and paints; the widget only
// routes its events here. With an owner, changes repaint it, hide its tooltip and restart its
// entry animation where they must.
class MOXQFinancialChartImpl : public MOXQChartBaseImpl
{
    Q_OBJECT
public:
    // Starts with the built-in sample data, candle mode and the range 0.55 to 1.
    explicit MOXQFinancialChartImpl(MOXQChartBase* owner = nullptr,
                                    const QString& name = QString());

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    void setMode(int mode);
    int mode() const { return m_mode; }

    // Replacing the data clears the hover and restarts the entry animation.
    void setCandles(const QVector<CandleRecord>& candles);
    const QVector<CandleRecord>& candles() const { return m_candles; }
    void setTicks(const QVector<TickRecord>& ticks);
    const QVector<TickRecord>& ticks() const { return m_ticks; }

    void setTooltipVisible(bool visible);
    bool tooltipVisible() const { return m_tooltipVisible; }
    // 0 switches hover tracking off; every other value tracks the record under the mouse.
    void setTooltipTrigger(int trigger);
    int tooltipTrigger() const { return m_tooltipTrigger; }

    void setRangeSelectorEnabled(bool enabled);
    bool rangeSelectorEnabled() const { return m_rangeSelector.isEnabled(); }
    void setVisibleRange(double start, double end);
    const ChartRangeSelector& rangeSelector() const { return m_rangeSelector; }

    // Keeps each period >= 1 once, in the given order.
    void setMovingAverages(const QVector<int>& periods);
    QVector<int> movingAverages() const { return m_movingAveragePeriods; }
    void setMovingAveragesVisible(bool visible);
    bool movingAveragesVisible() const { return m_movingAveragesVisible; }
    QColor movingAverageColor(int k, const ChartTheme& theme) const;

    // Tick records in intraday mode, candle records in every other.
    int recordCount() const;
    // The date or time text of a record, "Item N" (1-based) outside the list.
    QString recordLabel(int index) const;
    // The multi-line hover text of a record; empty outside the list.
    QString recordTooltip(int index) const;

    FinancialLayout layout(const QSize& widget) const;
    // The range bar under the plot; empty when the selector is off or under two records.
    QRectF rangeBar(const QSize& widget);

    // Runs the hover logic for the mouse at `pos`; true when the hover state changed.
    bool updateHover(const QPoint& pos, const QSize& widget);
    // True when a hover was active.
    bool clearHover();
    bool hoverActive() const { return m_hoverActive; }
    int hoverIndex() const { return m_hoverIndex; }
    QPoint hoverPoint() const { return m_hoverPoint; }

    // Left-button press; true when the range bar took it.
    bool pressRange(const QPoint& pos, const QSize& widget);
    // True when the drag changed the visible range.
    bool dragRange(const QPoint& pos, const QSize& widget);
    void releaseRange() { m_rangeSelector.release(); }
    bool isDraggingRange() const { return m_rangeSelector.isDragging(); }

    // The plot (everything a hover does not change) over a widget of `size`.
    void paintPlot(QPainter& painter, const QSize& size, const ChartTheme& theme, double progress);
    // The crosshair of the hovered record, and where it is drawn.
    void paintOverlay(QPainter& painter, const QSize& size, const ChartTheme& theme);
    QVector<QRectF> overlayRects(const QSize& size) const;

private:
    void paintCandles(QPainter& painter, const FinancialLayout& l, double progress) const;
    void paintMovingAverages(QPainter& painter, const FinancialLayout& l,
                             const ChartTheme& theme) const;
    void paintIntraday(QPainter& painter, const FinancialLayout& l, const ChartTheme& theme) const;
    void paintVolumes(QPainter& painter, const FinancialLayout& l) const;
    void paintRecordLabels(QPainter& painter, const FinancialLayout& l,
                           const ChartTheme& theme) const;
    // The hovered record's crosshair point; false when nothing is hovered in view.
    bool crosshairAt(const FinancialLayout& l, QPointF* point) const;
    // The value the crosshair marks for a record: close, price, or volume in volume mode.
    double crosshairValue(const FinancialLayout& l, int index) const;
    QColor directionColor(const CandleRecord& record) const;
    void syncRangeSelector();

    // Clears the hover and hides the owner's tooltip; repaints the owner.
    void resetView();
    // The overlay changed (hover), or the plot did.
    void repaint();
    void replot();

    QString m_title = QStringLiteral("Financial Chart");
    int m_mode = FinancialKLine;
    QVector<CandleRecord> m_candles;
    QVector<TickRecord> m_ticks;
    bool m_tooltipVisible = true;
    int m_tooltipTrigger = TooltipItem;
    int m_marginLeft = 66;
    int m_marginTop = 48;
    int m_marginRight = 28;
    int m_marginBottom = 82;
    ChartRangeSelector m_rangeSelector;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    QPoint m_hoverPoint;
    QColor m_risingColor{230, 76, 69};
    QColor m_fallingColor{34, 178, 115};
    QColor m_priceLineColor{35, 128, 224};
    QColor m_averageLineColor{232, 148, 54};
    bool m_movingAveragesVisible = true;
    QVector<int> m_movingAveragePeriods{5, 10, 20, 30};
    QVector<QColor> m_movingAverageColors{QColor(234, 179, 8), QColor(59, 130, 246),
                                          QColor(168, 85, 247), QColor(20, 184, 166)};
};

} // namespace MOXQtLib
