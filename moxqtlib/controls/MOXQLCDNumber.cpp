#include "MOXQLCDNumber.h"

namespace MOXQtLib {

MOXQLCDNumber::MOXQLCDNumber(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
    // Only the fill style shows behind the digits.
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(false);
    // Flat segments in the digit colour alone: raised ones mix in the palette's light and
    // dark colours, which a fill style behind them does not match.
    setSegmentStyle(QLCDNumber::Flat);
}

ControlInfo MOXQLCDNumber::getProps()
{
    return moxMakeControlInfo("qtlcdnumber", "MOXQLCDNumber", "LCDNumber", "Control LCDNumber",
                              "led", MOXQLCDNumberImpl::keys());
}

void MOXQLCDNumber::paintEvent(QPaintEvent* event)
{
    impl()->paintControl();
    QLCDNumber::paintEvent(event);
}

} // namespace MOXQtLib
