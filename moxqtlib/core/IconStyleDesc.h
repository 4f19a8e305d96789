#pragma once

#include <QColor>

namespace MOXQtLib {

// Placement of an icon or image inside a rectangle.
struct IconStyleDesc
{
    int x = 0;
    int y = 0;
    // Tint SVG icons with `color`.
    bool useColor = false;
    QColor color;
    // 0 left/top, 1 centre, 2 right/bottom.
    int horAlign = 0;
    int verAlign = 0;
};

} // namespace MOXQtLib
