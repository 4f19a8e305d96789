#pragma once

// The styled background of an item view's viewport (list, tree): painted whole before the
// items, and the viewport marked opaque while the background covers it, so Qt scrolls by
// moving pixels and paints only the strip that comes into view.

#include "FillStyle.h"

class QEvent;
class QWidget;

namespace MOXQtLib {

class MOXViewportBackground
{
public:
    // Whether `style` paints every pixel of a rectangle opaque.
    static bool coversOpaque(const FillStyle& style);
    static void paint(QWidget* viewport, const FillStyle& style);
    static void updateOpacity(QWidget* viewport, const FillStyle& style);
    // For the view's event filter on its viewport: paints before the items on a paint event,
    // and marks the viewport again after a polish, a style change or a show (Qt takes the
    // mark away then).
    static void filter(QWidget* viewport, const QEvent* event, const FillStyle& style);
};

} // namespace MOXQtLib
