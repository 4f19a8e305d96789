#pragma once

// The spin box's implementation object: the common look only. It draws nothing, so only the
// spin box's own line edit shows.

#include "MOXQWidgetBaseImpl.h"

namespace MOXQtLib {

class MOXQSpinBoxImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    using MOXQWidgetBaseImpl::MOXQWidgetBaseImpl;
};

} // namespace MOXQtLib
