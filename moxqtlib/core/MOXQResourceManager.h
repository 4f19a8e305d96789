#pragma once

// Process-wide owner of styles, images, fonts, theme entries and language tables.
// (Seam only for now: the manager's layers and loaders are still to come.)

#include <QString>
#include <json/json.h>

namespace MOXQtLib {

class MOXQResourceManager
{
public:
    static MOXQResourceManager* getInstance();

    // Theme entries are not applied while in designer mode.
    void setIsDesigner(bool designer) { m_designer = designer; }
    bool isDesigner() const { return m_designer; }

    // While set, style look-ups read the theme layer.
    void setSwitchToThemeRes(bool on) { m_themeSwitch = on; }
    bool isLoadFromThemeRes() const { return m_themeSwitch; }

    // While set (and the theme switch is clear), look-ups use the project layer.
    void setSwitchToProjectRes(bool on) { m_projectSwitch = on; }
    bool isProjectRes() const { return m_projectSwitch; }

    // True when a theme layer is loaded.
    bool hasThemeRes() const;
    // The theme entry of that name, or null without a theme layer, document or entry.
    const Json::Value* getThemeJsonValue(const char* name) const;
    // The text of `key` in the current language table; empty when there is none.
    QString getString(const QString& key) const;

private:
    MOXQResourceManager() = default;

    bool m_designer = false;
    bool m_themeSwitch = false;
    bool m_projectSwitch = false;
};

} // namespace MOXQtLib
