#pragma once

// Text styles: font, colour, offsets and alignment of a control's text.

#include <QColor>
#include <QString>

namespace MOXQtLib {

// The family text styles use when their record names none.
inline QString defaultTextStyleFamily()
{
    return QStringLiteral("Microsoft YaHei");
}

struct TextStyleDesc
{
    bool flag = true;
    QString name;
    bool bold = false;
    bool italic = false;
    bool thirdFlag = false;
    // Pixel size of the font.
    int size = 12;
    bool underline = false;
    QString family = defaultTextStyleFamily();
    QColor color = QColor(0, 0, 0);
    int x = 0;
    int y = 0;
    // False draws the text rotated by 90 degrees.
    bool isHor = true;
    bool singleLine = true;
    // 0 left, 1 centre, 2 right.
    int horAlign = 0;
    // 0 top, 1 centre, 2 bottom.
    int verAlign = 1;
    // 3 draws the text unelided; any other value elides at the right.
    int elideMode = 1;
};

} // namespace MOXQtLib
