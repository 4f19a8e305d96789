#include "MOXQComboBox.h"

#include "MOXQComboItemDelegate.h"
#include "MOXQComboList.h"
#include "MOXQtLib.h"

namespace MOXQtLib {

MOXQComboBox::MOXQComboBox(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setView(new MOXQComboList(impl()));
    setItemDelegate(new MOXQComboItemDelegate(impl(), this));
    getControlBase()->refreshTheme();
}

ControlInfo MOXQComboBox::getProps()
{
    return moxMakeControlInfo("qtcombobox", "MOXQComboBox", "ComboBox", "Control ComboBox", "combo",
                              MOXQComboBoxImpl::keys());
}

void MOXQComboBox::createComplete()
{
    MOXQControl::createComplete();
    if (!moxIsQtEmulator()) return;
    addItems({QStringLiteral("Item1"), QStringLiteral("Item2"), QStringLiteral("Item3")});
    setCurrentIndex(0);
}

} // namespace MOXQtLib
