#include "MOXQScrollBar.h"

#include <QMouseEvent>

namespace MOXQtLib {

MOXQScrollBar::MOXQScrollBar(QWidget* parent) : MOXQScrollBar(Qt::Vertical, parent) {}

MOXQScrollBar::MOXQScrollBar(Qt::Orientation orientation, QWidget* parent)
    : MOXQControl(typeName(), orientation, parent)
{
    // Hover looks need moves without a button.
    setMouseTracking(true);
    hide();
    getControlBase()->refreshTheme();
}

ControlInfo MOXQScrollBar::getProps()
{
    return moxMakeControlInfo("qtscrollbar", "MOXQScrollBar", "ScrollBar", "Control ScrollBar",
                              "scrollbar", MOXQScrollBarImpl::keys());
}

QStyleOptionSlider MOXQScrollBar::styleOption() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return option;
}

QSize MOXQScrollBar::sizeHint() const
{
    QSize hint = QScrollBar::sizeHint();
    const int size = getWidthHeight();
    if (size < 0) return hint;
    if (orientation() == Qt::Horizontal)
        hint.setHeight(size);
    else
        hint.setWidth(size);
    return hint;
}

void MOXQScrollBar::mousePressEvent(QMouseEvent* event)
{
    QScrollBar::mousePressEvent(event);
    impl()->pressAt(event->pos());
}

void MOXQScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    QScrollBar::mouseReleaseEvent(event);
    impl()->releaseAt(event->pos());
}

void MOXQScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    QScrollBar::mouseMoveEvent(event);
    impl()->moveAt(event->pos());
}

void MOXQScrollBar::leaveEvent(QEvent* event)
{
    QScrollBar::leaveEvent(event);
    impl()->leaveControl();
}

} // namespace MOXQtLib
