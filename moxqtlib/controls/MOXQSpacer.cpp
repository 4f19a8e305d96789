#include "MOXQSpacer.h"

namespace MOXQtLib {

MOXQSpacer::MOXQSpacer(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    setMinimumSize(0, 0);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQSpacer::getProps()
{
    return moxMakeControlInfo("qtspacer", "MOXQSpacer", "Spacer", "Elastic spacer", "container",
                              MOXQSpacerImpl::keys());
}

} // namespace MOXQtLib
