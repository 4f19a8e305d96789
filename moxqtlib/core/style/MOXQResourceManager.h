#pragma once

// Process-wide owner of styles, images, fonts, theme entries and language tables. Resources
// come in three layers: the skin layer (built-in defaults plus a skin directory or archive),
// the theme layer (replaceable at run time) and the project layer. The manager also keeps the
// open windows so that theme, configuration and language changes reach every control.

#include "FillStyle.h"
#include "MOXGlobalConfig.h"
#include "MOXResourceIO.h"
#include "ResSourceType.h"
#include "TextStyleDesc.h"

#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <json/json.h>

#include <memory>

class QImage;
class QSvgRenderer;

namespace MOXQtLib {

class MOXQResourceManagerImpl;

class MOXQResourceManager
{
public:
    static MOXQResourceManager* getInstance();
    ~MOXQResourceManager();

    void setCreatedByFile(bool byFile) { m_createdByFile = byFile; }
    bool isCreatedByFile() const { return m_createdByFile; }

    // Theme entries are not applied while in designer mode.
    void setIsDesigner(bool designer) { m_designer = designer; }
    bool isDesigner() const { return m_designer; }

    // While set, style look-ups read the theme layer.
    void setSwitchToThemeRes(bool on) { m_themeSwitch = on; }
    bool isLoadFromThemeRes() const { return m_themeSwitch; }

    // While set (and the theme switch is clear), look-ups use the project layer.
    void setSwitchToProjectRes(bool on) { m_projectSwitch = on; }
    bool isProjectRes() const { return m_projectSwitch; }

    // Only a factor below 1.0 has an effect: it shrinks margins read from style documents and
    // images.
    void setScaleFactor(float factor) { m_scaleFactor = factor; }
    float getScaleFactor() const { return m_scaleFactor; }

    // Loading. Every loader fills a new layer and only takes it on success, so a broken file
    // leaves what was loaded before untouched.
    // A theme directory; the same, successfully loaded directory again is true at once.
    // Notifies every window of the theme change.
    bool loadThemeDir(const QString& dir);
    // A theme archive; always loads. Windows are not notified.
    bool loadThemeFile(const QString& zip);
    // Drops the theme layer.
    void releaseThemeRes();
    // Skins add to the skin layer (same names replace); fonts and the language file come too.
    bool setSkinDirPath(const QString& dir);
    bool loadSkinFile(const QString& zip);
    bool loadSkinFile(const char* data, int size);
    // Replaces the project layer.
    bool setProjectDirPath(const QString& dir);
    void releaseProjectRes();

    void initDefaultImageRes();
    void initDefaultStyleRes();
    // true: the fonts folder of the skin directory; false: the skin layer's files whose name
    // contains "fonts".
    void initFontRes(bool fromDir);
    // Family name -> application font id of the fonts loaded into the skin layer.
    QStringList getFontFamilies() const;

    // Styles. The look-up reads one layer: the theme layer while the theme switch is set, else
    // the project layer while the project switch is set, else the skin layer. "empty" and
    // "emptyRect" always give an invalid (draw-nothing) fill style.
    bool getFillStyle(const QString& name, FillStyle& style) const;
    bool getTextStyle(const QString& name, TextStyleDesc& style) const;
    // Into the project layer while the project switch is set (nothing without one), else into
    // the skin layer.
    void setFillStyle(const QString& name, FillStyle& style);
    void setTextStyle(const QString& name, TextStyleDesc& style);
    // The project layer's styles when there is one, else the skin layer's.
    const QVector<FillStyle>& getFillStyles() const;
    const QVector<TextStyleDesc>& getTextStyles() const;

    // True when a theme layer is loaded.
    bool hasThemeRes() const;
    // The theme entry of that name, or null without a theme layer, document or entry.
    const Json::Value* getThemeJsonValue(const char* name) const;
    // The project layer's theme document (null value without one).
    const Json::Value& getProjectThemeJson() const;

    // A resource file by name, searched in the project, skin and theme layers. The buffer
    // stays owned by its layer.
    bool getResource(const QString& name, const char*& data, unsigned& size,
                     ResSourceType& source) const;
    // A decoded image (the disabled-look variant when `gray`), cached; null when not found.
    QImage* getImage(const QString& name, bool gray);
    // Null for a drawing that refers to anything outside itself (images in other files), or
    // embeds an image of a size no image may have.
    QSvgRenderer* getSvgRenderer(const QString& name);
    // Whether a decoder may allocate an image of that size; false for invalid sizes.
    static bool imageSizeAllowed(const QSize& size);

    // Languages.
    // The text of `key` in the current language table; empty when there is none.
    QString getString(const QString& key) const;
    QStringList getLanguageList() const;
    QString getCurrentLanguage() const;
    // False for a language that was not loaded; else notifies every window.
    bool setCurrentLanguage(const QString& language);
    // Merges a language file into the tables; false when it holds no table.
    bool readLanguage(const QByteArray& data);

    // Global configuration.
    void setGlobalConfig(const MOXGlobalConfig& config);
    const MOXGlobalConfig& getGlobalConfig() const { return m_config; }
    void setGlobalFontFamily(const QString& family);
    QString getGlobalFontFamily() const { return m_config.fontFamily; }
    bool getButtonFadeEnabled() const { return m_config.buttonFadeEnabled; }
    int getButtonFadeDuration() const;

    // Windows. Destroyed windows drop out of the sets by themselves.
    bool themeChange();
    void registerWindow(QWidget* window);
    void unregisterWindow(QWidget* window);
    void registerDesignerWindow(QWidget* window);
    void unregisterDesignerWindow(QWidget* window);
    // Runs the theme refresh (companion's refreshTheme) of every control below `window`,
    // depth first.
    static void notifyThemeChange(QWidget* window);
    // Runs notifyChangeLanguage of every control below `window`, depth first.
    static void notifyLanguageChange(QWidget* window);

    // Empties the skin layer's image cache but the built-in images.
    void releaseRes();
    QString getThemePath() const;
    QString getSkinDirPath() const;
    QString getFileSkinPath() const;

    // Style documents: "style" is a list of fill (type 1) and text (type 2) style records.
    void readStyle(MOXQResourceManagerImpl* layer, const Json::Value& document) const;
    void writeStyle(MOXQResourceManagerImpl* layer, Json::Value& document) const;
    QString toProjectStyleString() const;
    static void readFillStyle(const Json::Value& record, float scaleFactor, FillStyle& style);
    static void readTextStyle(const Json::Value& record, TextStyleDesc& style);
    static void writeFillStyle(const FillStyle& style, Json::Value& record);
    static void writeTextStyle(const TextStyleDesc& style, Json::Value& record);

    // Colours of style documents: eight hexadecimal digits, alpha first (AARRGGBB).
    static bool parseColor(const Json::Value& value, QColor& color);
    static QString colorText(const QColor& color);

private:
    MOXQResourceManager();
    MOXQResourceManagerImpl* lookupLayer() const;
    // Where styles set at run time go: the project layer while it is switched in, else the skin.
    MOXQResourceManagerImpl* writableLayer() const;
    // Parses the last style document of `layer` into its styles; false without one, when it
    // does not parse or has no "style" member.
    bool loadLayerStyles(MOXQResourceManagerImpl* layer) const;
    bool loadThemeLayer(std::unique_ptr<MOXQResourceManagerImpl> layer);
    QImage* findCachedImage(const QString& key) const;
    static QVector<QWidget*> liveWindows(const QVector<QPointer<QWidget>>& set);

    bool m_createdByFile = false;
    bool m_themeSwitch = false;
    bool m_projectSwitch = false;
    bool m_designer = false;
    float m_scaleFactor = 100.0f;
    MOXGlobalConfig m_config;
    QString m_currentLanguage;
    LanguageTables m_languages;
    QVector<QPointer<QWidget>> m_windows;
    QVector<QPointer<QWidget>> m_designerWindows;
    std::unique_ptr<MOXQResourceManagerImpl> m_skin;
    std::unique_ptr<MOXQResourceManagerImpl> m_project;
    std::unique_ptr<MOXQResourceManagerImpl> m_theme;
};

} // namespace MOXQtLib
