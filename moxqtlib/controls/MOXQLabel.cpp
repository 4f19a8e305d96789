#include "MOXQLabel.h"

namespace MOXQtLib {

MOXQLabel::MOXQLabel(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
    impl()->applyStyle();
}

ControlInfo MOXQLabel::getProps()
{
    return moxMakeControlInfo("qtlabel", "MOXQLabel", "Label", "Control label", "label",
                              MOXQLabelImpl::keys());
}

void MOXQLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    impl()->refreshShownText();
}

} // namespace MOXQtLib
