#include "MOXResourceFunctions.h"

namespace MOXQtLib {

void initLibraryResources() {}

} // namespace MOXQtLib
