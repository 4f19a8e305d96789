#pragma once

// The library's free functions that reach the resource manager, and its global configuration.

namespace MOXQtLib {

// Builds the built-in images and styles; called once by the library's start-up.
void initLibraryResources();

} // namespace MOXQtLib
