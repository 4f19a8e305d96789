#pragma once

// The widget side of the line edit and the text edit: a control whose implementation object
// (an MOXQEditLookImpl) drives its state from hover and focus, and never from presses.

#include "MOXQControl.h"

#include <QFocusEvent>

namespace MOXQtLib {

template <class Widget, class Impl>
class MOXQEditControl : public MOXQControl<Widget, Impl, MOXRouteNone>
{
public:
    using MOXQControl<Widget, Impl, MOXRouteNone>::MOXQControl;

protected:
    void enterEvent(QEvent* event) override
    {
        Widget::enterEvent(event);
        this->impl()->enterControl();
    }
    void leaveEvent(QEvent* event) override
    {
        Widget::leaveEvent(event);
        this->impl()->leaveControl();
    }
    void focusInEvent(QFocusEvent* event) override
    {
        Widget::focusInEvent(event);
        this->impl()->focusControl(true);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Widget::focusOutEvent(event);
        this->impl()->focusControl(false);
    }
};

} // namespace MOXQtLib
