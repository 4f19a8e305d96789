#include "MOXQSwitch.h"

namespace MOXQtLib {

MOXQSwitch::MOXQSwitch(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

ControlInfo MOXQSwitch::getProps()
{
    return moxMakeControlInfo("qtswitch", "MOXQSwitch", "Slider", "Control Slider", "switch",
                              MOXQSwitchImpl::keys());
}

} // namespace MOXQtLib
