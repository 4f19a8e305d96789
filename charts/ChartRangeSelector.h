#pragma once

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace MOXQtLib {

// The draggable range bar under a cartesian plot: a selection [start, end] of the item axis,
// as fractions, with a handle on each side and a draggable body.
class ChartRangeSelector
{
public:
    enum DragMode
    {
        None = 0,
        LeftHandle = 1,
        RightHandle = 2,
        Body = 3
    };

    struct IndexRange
    {
        int first = 0;
        int last = 0;
    };

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Non-finite fractions are ignored: the previous range stays.
    void setRange(double start, double end);
    double start() const { return m_start; }
    double end() const { return m_end; }
    double minimumSpan() const { return m_minimumSpan; }

    void setItemCount(int count);
    int itemCount() const { return m_itemCount; }

    void setLabelColor(const QColor& color) { m_labelColor = color; }
    void setLabels(const QStringList& labels) { m_labels = labels; }
    void setLabelFormatter(std::function<QString(int)> formatter);

    // The bar under `plot`, `offset` below its bottom; empty when disabled or under two items.
    QRectF layout(const QRectF& plot, double offset) const;
    QRectF selectionRect(const QRectF& bar) const;

    // Left-button press; true when it hit a handle or the body and starts a drag.
    bool press(const QPoint& point, const QRectF& bar);
    // Applies a drag; true when the range changed.
    bool drag(const QPoint& point, const QRectF& bar);
    void release() { m_dragMode = None; }
    DragMode dragMode() const { return m_dragMode; }
    bool isDragging() const { return m_dragMode != None; }

    // First and last visible index for n items.
    IndexRange visibleRange(int n) const;

    QString labelText(int index) const;
    void paint(QPainter& painter, const QRectF& bar, bool drawLabels) const;

private:
    void normalize();

    bool m_enabled = false;
    double m_start = 0.0;
    double m_end = 1.0;
    double m_minimumSpan = 0.02;
    int m_itemCount = 1;
    QColor m_trackColor{231, 237, 247};
    QColor m_selectionColor{37, 99, 235, 54};
    QColor m_borderColor{37, 99, 235};
    QColor m_handleColor{37, 99, 235};
    QColor m_labelColor{87, 103, 132};
    double m_barHeight = 18.0;
    double m_cornerRadius = 4.0;
    double m_handleWidth = 6.0;
    double m_handleOverhang = 3.0;
    double m_labelGap = 4.0;
    double m_labelHeight = 16.0;
    int m_labelPixelSize = 10;
    QStringList m_labels;
    std::function<QString(int)> m_labelFormatter;
    DragMode m_dragMode = None;
    QPoint m_pressPoint;
    double m_startAtPress = 0.0;
    double m_endAtPress = 1.0;
};

} // namespace MOXQtLib
