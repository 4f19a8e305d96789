#include "MOXResourceFunctions.h"

#include "MOXPlatform.h"
#include "MOXQResourceManager.h"

#include <QtGlobal>

// Qt resources of a static library are registered by hand, from outside any namespace.
static void registerLibraryQtResources()
{
    Q_INIT_RESOURCE(moxqtlib_resources);
}

namespace MOXQtLib {

namespace {

bool g_initialized = false;

MOXQResourceManager* manager()
{
    return MOXQResourceManager::getInstance();
}

// Runs `call` with the project switch set, clearing it afterwards.
template <typename Call> auto onProjectLayer(Call call)
{
    struct Reset
    {
        ~Reset() { MOXQResourceManager::getInstance()->setSwitchToProjectRes(false); }
    } reset;
    manager()->setSwitchToProjectRes(true);
    return call();
}

} // namespace

void initLibraryResources()
{
    if (g_initialized) return;
    registerLibraryQtResources();
    manager()->initDefaultImageRes();
    manager()->initDefaultStyleRes();
    g_initialized = true;
}

bool moxResourcesInitialized()
{
    return g_initialized;
}

void moxSetGlobalConfig(const MOXGlobalConfig& config)
{
    manager()->setGlobalConfig(config);
}

const MOXGlobalConfig& moxGetGlobalConfig()
{
    return manager()->getGlobalConfig();
}

void moxSetGlobalFontFamily(const QString& family)
{
    manager()->setGlobalFontFamily(family);
}

QString moxGetGlobalFontFamily()
{
    return manager()->getGlobalFontFamily();
}

bool moxLoadThemeDir(const char* path)
{
    return g_initialized && manager()->loadThemeDir(moxDecodePath(path));
}

bool moxLoadThemeFile(const char* path)
{
    return g_initialized && manager()->loadThemeFile(moxDecodePath(path));
}

bool moxNotifyThemeChange()
{
    return g_initialized && manager()->themeChange();
}

bool moxLoadSkinFile(const QString& path, float scale)
{
    if (!g_initialized) return false;
    manager()->setScaleFactor(scale);
    return manager()->loadSkinFile(path);
}

bool moxSetSkinFilePath(const QString& path, float scale)
{
    if (!g_initialized) return false;
    manager()->setScaleFactor(scale);
    return manager()->setSkinDirPath(path);
}

bool moxSetProjectFilePath(const QString& path)
{
    return g_initialized && manager()->setProjectDirPath(path);
}

bool moxGetFillStyle(const QString& name, FillStyle& style)
{
    return manager()->getFillStyle(name, style);
}

void moxSetFillStyle(const QString& name, FillStyle& style)
{
    manager()->setFillStyle(name, style);
}

bool moxGetTextStyle(const QString& name, TextStyleDesc& style)
{
    return manager()->getTextStyle(name, style);
}

void moxSetTextStyle(const QString& name, TextStyleDesc& style)
{
    manager()->setTextStyle(name, style);
}

bool moxGetProjectFillStyle(const QString& name, FillStyle& style)
{
    return onProjectLayer([&] { return manager()->getFillStyle(name, style); });
}

void moxSetProjectFillStyle(const QString& name, FillStyle& style)
{
    onProjectLayer([&] { manager()->setFillStyle(name, style); });
}

bool moxGetProjectTextStyle(const QString& name, TextStyleDesc& style)
{
    return onProjectLayer([&] { return manager()->getTextStyle(name, style); });
}

void moxSetProjectTextStyle(const QString& name, TextStyleDesc& style)
{
    onProjectLayer([&] { manager()->setTextStyle(name, style); });
}

const QVector<FillStyle>& moxGetAllFillStyle()
{
    return manager()->getFillStyles();
}

const QVector<TextStyleDesc>& moxGetAllTextStyle()
{
    return manager()->getTextStyles();
}

} // namespace MOXQtLib
