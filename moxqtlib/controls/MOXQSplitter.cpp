#include "MOXQSplitter.h"

namespace MOXQtLib {

MOXQSplitter::MOXQSplitter(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

} // namespace MOXQtLib
