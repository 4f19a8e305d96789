#include "MOXQSpinBox.h"

namespace MOXQtLib {

MOXQSpinBox::MOXQSpinBox(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    getControlBase()->refreshTheme();
}

} // namespace MOXQtLib
