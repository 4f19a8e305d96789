#include "MOXQStylePainter.h"

#include "MOXQResourceManager.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace MOXQtLib {

namespace {

// Off-screen images made while painting (tinted SVGs, rotated text) stay below this size.
constexpr qint64 kMaxPaintPixels = 16ll * 1024 * 1024;

// Largest font pixel size drawn: style files are user input, and a font engine asked for a
// glyph millions of pixels high spends unbounded time and memory.
constexpr int kMaxFontPixelSize = 4096;

// Sums of geometry and offsets read from style files, kept inside int.
int clampedSum(qint64 value)
{
    return int(std::max<qint64>(std::numeric_limits<int>::min(),
                                std::min<qint64>(std::numeric_limits<int>::max(), value)));
}

bool paintableSize(int w, int h)
{
    return w > 0 && h > 0 && qint64(w) * h <= kMaxPaintPixels;
}

Qt::Alignment alignmentOf(int hor, int ver)
{
    Qt::Alignment align = hor == 1 ? Qt::AlignHCenter : hor == 2 ? Qt::AlignRight : Qt::AlignLeft;
    align |= ver == 0 ? Qt::AlignTop : ver == 2 ? Qt::AlignBottom : Qt::AlignVCenter;
    return align;
}

double clampedRadius(double radius, double w, double h)
{
    return std::max(0.0, std::min(radius, std::min(w, h) / 2.0));
}

} // namespace

QPainterPath roundedRectPath(const QRectF& rect, double radius, bool topLeft, bool topRight,
                             bool bottomRight, bool bottomLeft)
{
    QPainterPath path;
    const double x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w <= 0 || h <= 0) return path;
    const double r = clampedRadius(radius, w, h);
    if (r <= 0) {
        path.addRect(rect);
        return path;
    }
    const double d = 2 * r;
    path.moveTo(topLeft ? x + r : x, y);
    if (topRight) {
        path.lineTo(x + w - r, y);
        path.arcTo(QRectF(x + w - d, y, d, d), 90, -90);
    } else {
        path.lineTo(x + w, y);
    }
    if (bottomRight) {
        path.lineTo(x + w, y + h - r);
        path.arcTo(QRectF(x + w - d, y + h - d, d, d), 0, -90);
    } else {
        path.lineTo(x + w, y + h);
    }
    if (bottomLeft) {
        path.lineTo(x + r, y + h);
        path.arcTo(QRectF(x, y + h - d, d, d), 270, -90);
    } else {
        path.lineTo(x, y + h);
    }
    if (topLeft) {
        path.lineTo(x, y + r);
        path.arcTo(QRectF(x, y, d, d), 180, -90);
    } else {
        path.lineTo(x, y);
    }
    path.closeSubpath();
    return path;
}

void drawFillStyle(QPainter* painter, const FillStyle& style, const QRect& rect)
{
    drawFillStyle(painter, style, rect.x(), rect.y(), rect.width(), rect.height());
}

void drawFillStyle(QPainter* painter, const FillStyle& style, int x, int y, int w, int h)
{
    if (!painter || !style.valid) return;
    if (style.fillWithColor)
        drawFillRes(painter, style.fillRes, x, y, w, h);
    else
        drawNinePatch(painter, style.imagePath, style.imageDesc, x, y, w, h);
}

void drawFillRes(QPainter* painter, const FillRes& res, int x, int y, int w, int h)
{
    if (!painter || w <= 0 || h <= 0) return;
    // A border wider than the rectangle covers it all; wider pens only cost time.
    const int b = std::min(std::max(0, res.borderSize), std::max(w, h));
    const double half = b > 0 ? b / 2.0 : 0.0;
    const QRectF outer(x, y, w, h);
    const QRectF inner(x + half, y + half, std::max(w - b, 0), std::max(h - b, 0));
    const bool drawBorder = res.border && b != 0;
    const QRectF shape = drawBorder ? inner : outer;

    painter->save();
    painter->setPen(QPen(QBrush(res.borderColor), b, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);

    auto fillBrush = [&](const QRectF& area) {
        if (!res.gradient) return QBrush(res.color);
        QLinearGradient gradient(area.left(), 0, area.right(), 0);
        gradient.setColorAt(0, res.color);
        gradient.setColorAt(1, res.gradientEndColor);
        return QBrush(gradient);
    };
    const bool allSides = res.leftBorder && res.topBorder && res.rightBorder && res.bottomBorder;
    // Side lines in the order bottom, top, right, left; `inset(corner)` moves an end inwards.
    auto drawSides = [&](auto inset) {
        if (res.bottomBorder)
            painter->drawLine(QPointF(x + inset(res.roundBottomLeft), y + h - half),
                              QPointF(x + w - inset(res.roundBottomRight), y + h - half));
        if (res.topBorder)
            painter->drawLine(QPointF(x + inset(res.roundTopLeft), y + half),
                              QPointF(x + w - inset(res.roundTopRight), y + half));
        if (res.rightBorder)
            painter->drawLine(QPointF(x + w - half, y + inset(res.roundTopRight)),
                              QPointF(x + w - half, y + h - inset(res.roundBottomRight)));
        if (res.leftBorder)
            painter->drawLine(QPointF(x + half, y + inset(res.roundTopLeft)),
                              QPointF(x + half, y + h - inset(res.roundBottomLeft)));
    };

    if (res.round <= 0) {
        painter->fillRect(outer, fillBrush(outer));
        if (drawBorder) {
            if (allSides) {
                // A pen wider than one pixel is centred on its line: inset by half so the
                // border stays inside the rectangle, as the side lines do.
                if (b == 1)
                    painter->drawRect(x, y, w - b, h - b);
                else
                    painter->drawRect(QRectF(x + half, y + half, w - b, h - b));
            } else {
                drawSides([&](bool) { return half; });
            }
        }
    } else {
        painter->setRenderHint(QPainter::Antialiasing, true);
        const QPainterPath path =
            roundedRectPath(shape, res.round, res.roundTopLeft, res.roundTopRight,
                            res.roundBottomRight, res.roundBottomLeft);
        painter->fillPath(path, fillBrush(shape));
        if (drawBorder) {
            if (allSides) {
                painter->strokePath(path, painter->pen());
            } else {
                const double r = clampedRadius(res.round, shape.width(), shape.height());
                drawSides([&](bool rounded) { return rounded ? std::max(r, half) : half; });
            }
        }
    }
    painter->restore();
}

void drawNinePatch(QPainter* painter, const QString& path, const ImageDesc& desc, int x, int y,
                   int w, int h)
{
    if (!painter || w <= 0 || h <= 0) return;
    const QImage* image = MOXQResourceManager::getInstance()->getImage(path, false);
    if (!image || image->width() == 0 || image->height() == 0) return;
    const int W = image->width(), H = image->height();
    // Margins beyond the image select no source pixels; clamping keeps the arithmetic in range.
    const int l = std::clamp(desc.marginLeft, 0, W), r = std::clamp(desc.marginRight, 0, W);
    const int t = std::clamp(desc.marginTop, 0, H), b = std::clamp(desc.marginBottom, 0, H);

    auto piece = [&](const QRect& target, const QRect& source) {
        if (target.isEmpty() || source.isEmpty()) return;
        painter->drawImage(target, *image, source);
    };
    // Edges.
    if (t)
        piece(QRect(QPoint(x + l, y), QPoint(x + w - 1 - r, y + t - 1)),
              QRect(QPoint(l, 0), QPoint(W - r - 1, t - 1)));
    if (b)
        piece(QRect(QPoint(x + l, y + h - b), QPoint(x + w - 1 - r, y + h - 1)),
              QRect(QPoint(l, H - b), QPoint(W - r - 1, H - 1)));
    if (l)
        piece(QRect(QPoint(x, y + t), QPoint(x + l - 1, y + h - 1 - b)),
              QRect(QPoint(0, t), QPoint(l - 1, H - b - 1)));
    if (r) {
        const QRect target(QPoint(x + w - r, y + t), QPoint(x + w - 1, y + h - 1 - b));
        const QRect source(QPoint(W - r, t), QPoint(W - 1, H - b - 1));
        if (w < l + r) {
            painter->save();
            painter->setClipRect(QRect(QPoint(x + l, y), QPoint(x + w - 1, y + h - 1)),
                                 Qt::IntersectClip);
            piece(target, source);
            painter->restore();
        } else {
            piece(target, source);
        }
    }
    // Corners.
    if (l && t) piece(QRect(x, y, l, t), QRect(0, 0, l, t));
    if (r && t) piece(QRect(x + w - r, y, r, t), QRect(W - r, 0, r, t));
    if (l && b) piece(QRect(x, y + h - b, l, b), QRect(0, H - b, l, b));
    if (r && b) piece(QRect(x + w - r, y + h - b, r, b), QRect(W - r, H - b, r, b));
    // Centre.
    const QRect target(QPoint(x + l, y + t), QPoint(x + w - 1 - r, y + h - 1 - b));
    const QRect source(QPoint(l, t), QPoint(W - r - 1, H - b - 1));
    if (target.isEmpty() || source.isEmpty()) return;
    if (desc.repeatCenter) {
        // One tiled call anchored at the target's top-left: the same pixels as tile-by-tile
        // drawing, without one call per tile for a tiny source on a large control.
        painter->drawTiledPixmap(target, QPixmap::fromImage(image->copy(source)));
    } else {
        painter->drawImage(target, *image, source);
    }
}

QPoint placeInRect(const QSize& size, const IconStyleDesc& style, int x, int y, int w, int h)
{
    const qint64 iw = size.width(), ih = size.height();
    const qint64 px = style.horAlign == 1 ? x + (w - iw) / 2 : style.horAlign == 2 ? x + w - iw : x;
    const qint64 py = style.verAlign == 1 ? y + (h - ih) / 2 : style.verAlign == 2 ? y + h - ih : y;
    return QPoint(clampedSum(px + style.x), clampedSum(py + style.y));
}

void drawImage(QPainter* painter, const QString& path, const IconStyleDesc& style,
               const QRect& rect, bool disabled)
{
    drawImage(painter, path, style, rect.x(), rect.y(), rect.width(), rect.height(), disabled);
}

void drawImage(QPainter* painter, const QString& path, const IconStyleDesc& style, int x, int y,
               int w, int h, bool disabled)
{
    if (!painter || path.isEmpty()) return;
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    if (!isSvgPath(path)) {
        const QImage* image = manager->getImage(path, disabled);
        if (!image || image->isNull()) return;
        painter->drawImage(placeInRect(image->size(), style, x, y, w, h), *image);
        return;
    }
    QSvgRenderer* renderer = manager->getSvgRenderer(path);
    if (!renderer || !renderer->isValid()) return;
    QSize size = renderer->defaultSize();
    if (size.width() <= 0 || size.height() <= 0) {
        const int side = std::min(w, h) > 1 ? std::min(w, h) : 1;
        size = QSize(side, side);
    }
    const QPoint at = placeInRect(size, style, x, y, w, h);
    if (!style.useColor && !disabled) {
        renderer->render(painter, QRectF(at, size));
        return;
    }
    if (!paintableSize(size.width(), size.height())) return;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        renderer->render(&p, QRectF(QPointF(0, 0), size));
        if (style.useColor) {
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(image.rect(), style.color);
        }
    }
    if (style.useColor) {
        painter->drawImage(at, image);
        return;
    }
    const QIcon icon(QPixmap::fromImage(image));
    painter->drawPixmap(at, icon.pixmap(size, QIcon::Disabled));
}

void drawIcon(QPainter* painter, const QIcon& icon, const QSize& iconSize,
              const IconStyleDesc& style, const QRect& rect)
{
    if (!painter || icon.isNull()) return;
    const QPixmap pixmap = icon.pixmap(iconSize, QIcon::Normal);
    if (pixmap.isNull()) return;
    const QSize size = pixmap.size() / pixmap.devicePixelRatio();
    painter->drawPixmap(placeInRect(size, style, rect.x(), rect.y(), rect.width(), rect.height()),
                        pixmap);
}

QFont textStyleFont(const TextStyleDesc& style)
{
    QFont font;
    font.setPixelSize(std::clamp(style.size, 1, kMaxFontPixelSize));
    const QString global = MOXQResourceManager::getInstance()->getGlobalFontFamily();
    font.setFamily(global.isEmpty() ? style.family : global);
    font.setWeight(style.bold ? 75 : 50);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

void drawText(QPainter* painter, const QString& text, const TextStyleDesc& style, const QRect& rect)
{
    drawText(painter, text, style, rect.x(), rect.y(), rect.width(), rect.height());
}

void drawText(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y,
              int w, int h)
{
    if (!painter || text.isEmpty()) return;
    QRect area(QPoint(clampedSum(qint64(x) + style.x), clampedSum(qint64(y) + style.y)),
               QPoint(x + w - 1, y + h - 1));
    if (style.verAlign == 2) area.setBottom(clampedSum(qint64(y) + 2 * qint64(style.y) + h - 1));
    const Qt::Alignment align = alignmentOf(style.horAlign, style.verAlign);
    const QFont font = textStyleFont(style);

    if (style.isHor) {
        painter->save();
        painter->setRenderHint(QPainter::TextAntialiasing, true);
        painter->setFont(font);
        painter->setPen(style.color);
        const QString shown = style.elideMode == 3
                                  ? text
                                  : QFontMetrics(font).elidedText(text, Qt::ElideRight, w - 2);
        painter->drawText(area, int(align), shown);
        painter->restore();
        return;
    }
    // Vertical text: drawn upright into an image h wide and w high, then turned by 90 degrees.
    // After rotate(90) a point (u, v) lands at (-v, u), so (y, -x - w) puts the image's
    // rotated corner at (x, y) for any x.
    if (!paintableSize(w, h)) return;
    QImage image(h, w, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(style.color);
        p.drawText(image.rect(), int(align), text);
    }
    painter->save();
    painter->rotate(90);
    painter->drawImage(QPoint(y, -x - w), image);
    painter->restore();
}

QSize getImageSize(const QString& path, bool gray)
{
    if (path.isEmpty()) return QSize(-1, -1);
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    if (isSvgPath(path)) {
        QSvgRenderer* renderer = manager->getSvgRenderer(path);
        if (!renderer) return QSize(-1, -1);
        const QSize size = renderer->defaultSize();
        return size.isValid() && !size.isEmpty() ? size : QSize(16, 16);
    }
    const QImage* image = manager->getImage(path, gray);
    return image ? image->size() : QSize(-1, -1);
}

bool isSvgPath(const QString& path)
{
    return path.trimmed().endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

QSize measureText(const QString& text, const TextStyleDesc& style)
{
    const QFontMetrics metrics(textStyleFont(style));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

} // namespace MOXQtLib
