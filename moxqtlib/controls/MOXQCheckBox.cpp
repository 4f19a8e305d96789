#include "MOXQCheckBox.h"

namespace MOXQtLib {

MOXQCheckBox::MOXQCheckBox(QWidget* parent) : MOXQCheckableControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

ControlInfo MOXQCheckBox::getProps()
{
    return moxMakeControlInfo("qtcheckbox", "MOXQCheckBox", "Checkbox", "Control CheckBox",
                              "checkbox", MOXQCheckBoxImpl::keys());
}

} // namespace MOXQtLib
