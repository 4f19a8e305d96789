#pragma once

// Geometry of one financial chart frame: the plot, the visible record slice and the value scale.
// Recomputed from the model on every paint and mouse event.

#include <QRectF>

namespace MOXQtLib {

struct FinancialLayout
{
    QRectF plot;
    int mode = 0;  // 0 candles, 1 intraday lines, 2 volume bars (any other mode value)
    int count = 0; // records in use
    int first = 0; // visible slice; with no records both are 0 and nothing is drawn
    int last = 0;
    double lo = 0.0; // value scale: prices, or volumes from 0 in volume mode
    double hi = 1.0;

    int visibleCount() const { return last - first + 1 > 1 ? last - first + 1 : 1; }
    bool isEmpty() const { return count <= 0; }
    bool isVolume() const { return mode == 2; }

    // Candles and lines put the first visible record on the plot's left edge and the last on
    // its right edge.
    double edgeX(int index) const;
    // Volume bars sit in the middle of equal slots across the plot.
    double slotWidth() const;
    double slotCenterX(int index) const;
    // Where the mark, crosshair and label of a record go in this mode.
    double recordX(int index) const;
    double valueY(double value) const;
    // The visible record under `x` by the same mapping the marks use, clamped to the slice.
    int indexAt(double x) const;

    // Moves the value ends out by 8 % of the span, or by 1 when they are equal; [0, 1] when
    // `lo` is above `hi` (no values were seen).
    static void padValueRange(double* lo, double* hi);
    static bool fuzzyEqual(double a, double b);
};

} // namespace MOXQtLib
