#pragma once

namespace MOXQtLib {

// The resource layer a resource was found in.
enum ResSourceType
{
    ResSourceSkin = 0,
    ResSourceTheme = 1,
    ResSourceProject = 2
};

} // namespace MOXQtLib
