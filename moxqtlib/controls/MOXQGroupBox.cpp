#include "MOXQGroupBox.h"

namespace MOXQtLib {

MOXQGroupBox::MOXQGroupBox(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

ControlInfo MOXQGroupBox::getProps()
{
    return moxMakeControlInfo("qtgroupbox", "MOXQGroupBox", "GroupBox", "Control GroupBox",
                              "groupbox", MOXQGroupBoxImpl::keys());
}

} // namespace MOXQtLib
