#pragma once

// The control library's start-up as the gallery does it, right after the QApplication exists
// and before the window is built: the library itself, its global configuration and the five
// chart control types. Shared by the program, the snapshot tool and the gallery tests.
void startGalleryLibrary();
