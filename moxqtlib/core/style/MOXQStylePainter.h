#pragma once

// The painting operations every control draws itself with: fill styles (colour, gradient,
// rounded corners, borders on chosen sides), nine-patch images, raster and SVG images and
// icons, and styled text. They keep no state; images come from the resource manager.
// Rectangles are Qt's inclusive QRect; the x, y, w, h forms take a plain size.

#include "FillStyle.h"
#include "IconStyleDesc.h"
#include "TextStyleDesc.h"

#include <QIcon>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QPainter;

namespace MOXQtLib {

// Nothing for an invalid style; the colour part or the nine-patch image otherwise.
void drawFillStyle(QPainter* painter, const FillStyle& style, const QRect& rect);
void drawFillStyle(QPainter* painter, const FillStyle& style, int x, int y, int w, int h);
void drawFillRes(QPainter* painter, const FillRes& res, int x, int y, int w, int h);
void drawNinePatch(QPainter* painter, const QString& path, const ImageDesc& desc, int x, int y,
                   int w, int h);
// An image placed by `style` in the rectangle; the disabled look when `disabled`.
void drawImage(QPainter* painter, const QString& path, const IconStyleDesc& style,
               const QRect& rect, bool disabled = false);
void drawImage(QPainter* painter, const QString& path, const IconStyleDesc& style, int x, int y,
               int w, int h, bool disabled = false);
void drawIcon(QPainter* painter, const QIcon& icon, const QSize& iconSize,
              const IconStyleDesc& style, const QRect& rect);
void drawText(QPainter* painter, const QString& text, const TextStyleDesc& style,
              const QRect& rect);
void drawText(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y,
              int w, int h);

// The natural size of an image resource; (-1, -1) when there is none.
QSize getImageSize(const QString& path, bool gray = false);
bool isSvgPath(const QString& path);
QSize measureText(const QString& text, const TextStyleDesc& style);

// The pieces the operations are made of, for controls that draw their own shapes.
// A rectangle with the flagged corners rounded; the radius is clamped to half the shorter side.
QPainterPath roundedRectPath(const QRectF& rect, double radius, bool topLeft, bool topRight,
                             bool bottomRight, bool bottomLeft);
// The font a text style draws with (the global font family wins over the style's).
QFont textStyleFont(const TextStyleDesc& style);
// Where a natural size lands in (x, y, w, h) under the style's alignment and offsets.
QPoint placeInRect(const QSize& size, const IconStyleDesc& style, int x, int y, int w, int h);

} // namespace MOXQtLib
