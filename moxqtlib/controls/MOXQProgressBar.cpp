#include "MOXQProgressBar.h"

namespace MOXQtLib {

MOXQProgressBar::MOXQProgressBar(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

ControlInfo MOXQProgressBar::getProps()
{
    return moxMakeControlInfo("qtprogressbar", "MOXQProgressBar", "ProgressBar",
                              "Control ProgressBar", "progressbar", MOXQProgressBarImpl::keys());
}

} // namespace MOXQtLib
