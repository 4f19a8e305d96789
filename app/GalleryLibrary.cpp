#include "GalleryLibrary.h"

#include "MOXChartControls.h"
#include "MOXQtLib.h"

void startGalleryLibrary()
{
    MOXQtLib::init();
    MOXQtLib::registerChartControls();
}
