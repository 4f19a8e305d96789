#pragma once

// Placement of an icon or image inside a rectangle ("iconX", "iconY", "iconUseColor",
// "iconColor", "iconHor", "iconVer" in a control's "attr" object).

#include <QColor>

namespace MOXQtLib {

struct IconStyleDesc
{
    // Added to the placed position ("iconX", "iconY").
    int x = 0;
    int y = 0;
    // Tint SVG icons with `color` ("iconUseColor", "iconColor").
    bool useColor = false;
    QColor color = QColor(0, 0, 0);
    // 0 left/top, 1 centre, 2 right/bottom ("iconHor", "iconVer").
    int horAlign = 1;
    int verAlign = 1;

    bool operator==(const IconStyleDesc& o) const
    {
        return x == o.x && y == o.y && useColor == o.useColor && color == o.color &&
               horAlign == o.horAlign && verAlign == o.verAlign;
    }
    bool operator!=(const IconStyleDesc& o) const { return !(*this == o); }
};

} // namespace MOXQtLib
