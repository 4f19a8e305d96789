#pragma once

// Placement of an icon or image inside a rectangle, and its keys in a control's "attr" object.

#include <QColor>

namespace Json {
class Value;
}

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
};

// Reads the icon keys present in `attr`; absent or mistyped keys keep their values.
void readIconStyle(const Json::Value& attr, IconStyleDesc& style);
// Writes the keys whose values differ from a default IconStyleDesc.
void writeIconStyle(const IconStyleDesc& style, Json::Value& attr);

} // namespace MOXQtLib
