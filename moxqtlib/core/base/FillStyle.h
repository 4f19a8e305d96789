#pragma once

// Fill styles: how a control's background or part is painted, either from a colour (with an
// optional rounded border) or from a nine-patch image.

#include <QColor>
#include <QString>

namespace MOXQtLib {

// The colour part of a fill style.
struct FillRes
{
    QColor color = QColor(255, 255, 255);
    QColor gradientEndColor = QColor(255, 255, 255);
    QColor borderColor = QColor(0x80, 0x80, 0x80);
    bool gradient = false;
    int round = 0;
    int borderSize = 0;
    bool border = false;
    bool leftBorder = true;
    bool topBorder = true;
    bool rightBorder = true;
    bool bottomBorder = true;
    bool roundTopLeft = true;
    bool roundTopRight = true;
    bool roundBottomRight = true;
    bool roundBottomLeft = true;
};

// Nine-patch borders of an image in source pixels, and which pieces tile instead of stretch.
struct ImageDesc
{
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    bool repeatLeft = false;
    bool repeatRight = false;
    bool repeatTop = false;
    bool repeatBottom = false;
    bool repeatCenter = false;
};

struct FillStyle
{
    bool flag = false;
    QString name;
    // False for the "empty" styles: such a style draws nothing.
    bool valid = true;
    // True: fill with the colour part; false: draw the image.
    bool fillWithColor = true;
    QString secondName;
    FillRes fillRes;
    QString imagePath;
    ImageDesc imageDesc;
};

} // namespace MOXQtLib
