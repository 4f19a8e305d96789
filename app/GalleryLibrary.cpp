#include "GalleryLibrary.h"

#include "MOXChartControls.h"
#include "MOXGlobalConfig.h"
#include "MOXQtLib.h"
#include "MOXResourceFunctions.h"

void startGalleryLibrary()
{
    MOXQtLib::init();
    // The family the gallery's labels ask for, so widgets without a font of their own match
    // them; where the machine lacks it, Qt falls back as for any missing family.
    MOXQtLib::MOXGlobalConfig config;
    config.fontFamily = QStringLiteral("Microsoft YaHei");
    config.buttonFadeEnabled = false;
    config.buttonFadeDuration = 150;
    MOXQtLib::moxSetGlobalConfig(config);
    MOXQtLib::registerChartControls();
}
