#pragma once

// A popup menu drawn from library styles, built from a menu file: a background, item and
// text styles per state, items with icons, and nested submenus.

#include "MOXQControl.h"
#include "MOXQWidgetBaseImpl.h"

#include <QMenu>
#include <QStringList>

namespace MOXQtLib {

class MOXQMenuImpl : public MOXQWidgetBaseImpl
{
    Q_OBJECT
public:
    MOXQMenuImpl(QWidget* owner, const QString& name);
    bool hasCommonKeys() const override { return false; }

    // Style names: the background, and item and text styles for Normal, Hot, Pressed, Disable.
    QString background;
    QStringList itemStyles{QString(), QString(), QString(), QString()};
    QStringList textStyles{QString(), QString(), QString(), QString()};

protected:
    bool serializeContent(Json::Value* value, bool read) override;
    bool serializeLook(Json::Value* value, bool read) override;
};

class MOXQMenu : public MOXQControl<QMenu, MOXQMenuImpl, MOXRouteNone>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit MOXQMenu(QWidget* parent = nullptr);
    MOXQMenu(const QString& title, QWidget* parent);

    static QString typeName();

    // Adds the items of a menu file's "items" array: an item with "items" becomes a submenu
    // that takes this menu's styles. Nesting beyond a sane depth is ignored.
    void addItems(const Json::Value& items);
    // A menu document whose "items" members are all arrays, nested no deeper than allowed.
    static bool isWellFormed(const Json::Value& document);

    // Width of the icon column left of the texts; 0 for none.
    void setIconOffset(int offset);
    int getIconOffset() const { return m_iconOffset; }
    // Styles copied into a new submenu, and into every submenu below this menu.
    void copyStylesFrom(const MOXQMenu& other);
    void propagateStyles();

    QSize sizeHint() const override;

protected:
    // Drawn from the styles when the menu has any; Qt's own look otherwise.
    void paintEvent(QPaintEvent* event) override;

private:
    void addItems(const Json::Value& items, int depth);

    int m_iconOffset = 0;
};

} // namespace MOXQtLib
