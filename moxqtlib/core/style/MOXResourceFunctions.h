#pragma once

// The library's free functions that reach the resource manager, and its global configuration.

#include "FillStyle.h"
#include "MOXGlobalConfig.h"
#include "TextStyleDesc.h"

#include <QString>
#include <QVector>

namespace MOXQtLib {

// Builds the built-in images and styles; called once by the library's start-up. The theme,
// skin and project functions below refuse to work (return false) until it has run.
void initLibraryResources();
bool moxResourcesInitialized();

void moxSetGlobalConfig(const MOXGlobalConfig& config);
const MOXGlobalConfig& moxGetGlobalConfig();
// Replaces only the font family and applies the whole configuration again.
void moxSetGlobalFontFamily(const QString& family);
QString moxGetGlobalFontFamily();

// Paths are Latin-1; a null path is an empty one.
bool moxLoadThemeDir(const char* path);
bool moxLoadThemeFile(const char* path);
bool moxNotifyThemeChange();
// Set the scale factor first (only a factor below 1.0 shrinks margins and images).
bool moxLoadSkinFile(const QString& path, float scale);
bool moxSetSkinFilePath(const QString& path, float scale);
bool moxSetProjectFilePath(const QString& path);

bool moxGetFillStyle(const QString& name, FillStyle& style);
void moxSetFillStyle(const QString& name, FillStyle& style);
bool moxGetTextStyle(const QString& name, TextStyleDesc& style);
void moxSetTextStyle(const QString& name, TextStyleDesc& style);
// The same on the project layer.
bool moxGetProjectFillStyle(const QString& name, FillStyle& style);
void moxSetProjectFillStyle(const QString& name, FillStyle& style);
bool moxGetProjectTextStyle(const QString& name, TextStyleDesc& style);
void moxSetProjectTextStyle(const QString& name, TextStyleDesc& style);
const QVector<FillStyle>& moxGetAllFillStyle();
const QVector<TextStyleDesc>& moxGetAllTextStyle();

} // namespace MOXQtLib
