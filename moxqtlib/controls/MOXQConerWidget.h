#pragma once

// The corner between a table view's two scroll bars, filled with the table's background.

#include "MOXQViewport.h"

namespace MOXQtLib {

class MOXQConerWidget : public MOXQViewport
{
    Q_OBJECT
public:
    using MOXQViewport::MOXQViewport;
};

} // namespace MOXQtLib
