#include "MOXQLabelEx.h"

namespace MOXQtLib {

MOXQLabelEx::MOXQLabelEx(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

void MOXQLabelEx::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (selectsText() && event->button() == Qt::LeftButton) impl()->anchorAt(event->pos());
}

void MOXQLabelEx::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (selectsText() && (event->buttons() & Qt::LeftButton)) impl()->extendTo(event->pos());
}

void MOXQLabelEx::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (!selectsText()) return;
    setMouseTracking(false);
    update();
}

void MOXQLabelEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not QLabel's, which would take the second click for a press and anchor a new selection.
    if (selectsText() && event->button() == Qt::LeftButton)
        impl()->selectAll();
    else
        QLabel::mouseDoubleClickEvent(event);
}

} // namespace MOXQtLib
