#include "MOXQPushButton.h"

namespace MOXQtLib {

MOXQPushButton::MOXQPushButton(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setMouseTracking(true);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQPushButton::getProps()
{
    return moxMakeControlInfo("qtbutton", "MOXQPushButton", "Button", "PushButton", "button",
                              MOXQPushButtonImpl::keys());
}

void MOXQPushButton::enterEvent(QEvent* event)
{
    MOXQControl::enterEvent(event);
    emit enterSignal();
}

void MOXQPushButton::leaveEvent(QEvent* event)
{
    MOXQControl::leaveEvent(event);
    emit leaveSignal();
}

void MOXQPushButton::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    impl()->moveControl(event->pos());
}

} // namespace MOXQtLib
