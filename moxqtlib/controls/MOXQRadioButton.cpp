#include "MOXQRadioButton.h"

namespace MOXQtLib {

MOXQRadioButton::MOXQRadioButton(QWidget* parent) : MOXQCheckableControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

ControlInfo MOXQRadioButton::getProps()
{
    return moxMakeControlInfo("qtradiobox", "MOXQRadioButton", "RadioButton", "Control RadioButton",
                              "radio", MOXQRadioButtonImpl::keys());
}

void MOXQRadioButton::mousePressEvent(QMouseEvent* event)
{
    impl()->pressControl();
    QRadioButton::mousePressEvent(event);
    emit pressedEvent();
}

void MOXQRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    impl()->releaseControl();
    QRadioButton::mouseReleaseEvent(event);
}

void MOXQRadioButton::enterEvent(QEvent* event)
{
    QRadioButton::enterEvent(event);
    impl()->enterControl();
}

void MOXQRadioButton::leaveEvent(QEvent* event)
{
    QRadioButton::leaveEvent(event);
    impl()->leaveControl();
}

} // namespace MOXQtLib
