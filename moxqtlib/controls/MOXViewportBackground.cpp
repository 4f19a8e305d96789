#include "MOXViewportBackground.h"

#include "MOXQStylePainter.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace MOXQtLib {

bool MOXViewportBackground::coversOpaque(const FillStyle& style)
{
    const FillRes& fill = style.fillRes;
    return style.valid && style.fillWithColor && fill.round <= 0 && fill.color.alpha() == 255 &&
           (!fill.gradient || fill.gradientEndColor.alpha() == 255) &&
           (!fill.border || fill.borderSize <= 0 || fill.borderColor.alpha() == 255);
}

void MOXViewportBackground::paint(QWidget* viewport, const FillStyle& style)
{
    if (!viewport) return;
    QPainter painter(viewport);
    drawFillStyle(&painter, style, 0, 0, viewport->width(), viewport->height());
}

void MOXViewportBackground::updateOpacity(QWidget* viewport, const FillStyle& style)
{
    if (viewport) viewport->setAttribute(Qt::WA_OpaquePaintEvent, coversOpaque(style));
}

void MOXViewportBackground::filter(QWidget* viewport, const QEvent* event, const FillStyle& style)
{
    switch (event->type()) {
    case QEvent::Paint:
        paint(viewport, style);
        break;
    case QEvent::Polish:
    case QEvent::StyleChange:
    case QEvent::Show:
        updateOpacity(viewport, style);
        break;
    default:
        break;
    }
}

} // namespace MOXQtLib
