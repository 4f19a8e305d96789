#pragma once

// Base of every control's implementation object: the look (theme name, custom attributes),
// the hover / press state machine and the JSON exchange of the look keys.

#include "MOXControlTypes.h"
#include "MOXCustomAttr.h"
#include "MOXKeyTable.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <json/json.h>

#include <map>

class QPainter;

namespace MOXQtLib {

class MOXQWidgetBaseImpl : public QObject
{
    Q_OBJECT
public:
    using CustomAttrMap = std::map<QByteArray, MOXCustomAttr>;

    // Stores a pointer to itself in the owner's dynamic property "impl".
    MOXQWidgetBaseImpl(QWidget* owner, const QString& name);
    ~MOXQWidgetBaseImpl() override;

    // Opens a painter on the owner and draws the inclusive rectangle of its size; keeps the
    // Disable state in step with the owner's enabled state.
    virtual void paintControl();
    virtual void drawControl(QPainter* painter, const QRect& rect);
    // The common look keys ("attr", "theme", "child"), the keys of the control's table, then
    // serializeContent and serializeLook. Reading may redirect `value` to the control's theme
    // entry (setting the theme-resource switch; the control's read scope restores it).
    virtual bool serializeJson(Json::Value*& value, bool read);
    virtual void changeLanguage() {}
    virtual void resizeControl() {}
    virtual void pressControl();
    virtual void releaseControl();
    virtual void enterControl();
    virtual void leaveControl();
    // A child's layout inputs changed; containers lay their children out again.
    virtual void childLayoutChanged() {}
    // False for widgets that carry none of the common keys (menus).
    virtual bool hasCommonKeys() const { return true; }
    // A container placed directly in a window takes the whole window.
    virtual bool fillsHostWindow() const { return false; }

    // The keys of a class without keys of its own; each class with keys hides this with its
    // table, and the control hands the most derived one to setKeyTable.
    static const MOXKeyTable& keys() { return MOXKeyTable::none(); }
    void setKeyTable(const MOXKeyTable& table) { m_keys = &table; }
    const MOXKeyTable& keyTable() const { return *m_keys; }

    // Schedules a repaint of the owner.
    void updateOwner() const;
    // Stores `value` and schedules a repaint when it differs; false when nothing changed.
    template <class T> bool storeAndUpdate(T& field, const T& value)
    {
        if (field == value) return false;
        field = value;
        updateOwner();
        return true;
    }
    // The owner as the Qt class it is, or null.
    template <class W> W* ownerAs() const { return qobject_cast<W*>(m_owner.data()); }

    QString getName() const { return m_name; }
    QString getThemeName() const { return m_themeName; }
    void setThemeNameValue(const QString& name) { m_themeName = name; }
    bool isHovered() const { return m_hovered; }
    void setHovered(bool hovered) { m_hovered = hovered; }
    CtrlState getState() const { return m_state; }
    void setState(CtrlState state) { m_state = state; }
    void setDelegateItemVisible(bool visible) { m_delegateItemVisible = visible; }
    bool getDelegateItemVisible() const { return m_delegateItemVisible; }
    QWidget* getOwner() const { return m_owner; }

    void setCustomAttr(const QByteArray& name, const MOXCustomAttr& value);
    bool removeCustomAttr(const QByteArray& name);
    // Null when there is no attribute of that name.
    const MOXCustomAttr* getCustomAttr(const QByteArray& name) const;
    const CustomAttrMap& customAttrs() const { return m_attrs; }
    int customAttrCount() const { return int(m_attrs.size()); }

    // The implementation object of a widget (its "impl" property), or null.
    static MOXQWidgetBaseImpl* fromWidget(const QWidget* widget);

protected:
    // Content keys (texts, values, paths, configuration files): read only from the control's
    // own object, never from a theme entry.
    virtual bool serializeContent(Json::Value* value, bool read);
    // Look keys: read from the theme entry when the object names one.
    virtual bool serializeLook(Json::Value* value, bool read);
    // After every read, of the control's own object or of a theme entry.
    virtual void keysRead() {}

private:
    void readAttrs(const Json::Value& value);
    void writeAttrs(Json::Value& value) const;
    void writeChildren(Json::Value& value) const;
    void repaintOwner();

    QString m_name;
    QString m_themeName;
    bool m_hovered = false;
    bool m_delegateItemVisible = true;
    CtrlState m_state = CtrlStateNormal;
    CustomAttrMap m_attrs;
    QPointer<QWidget> m_owner;
    const MOXKeyTable* m_keys = &MOXKeyTable::none();
    // A private copy of the theme entry a read is redirected to; the shared theme document is
    // never handed out for writing.
    Json::Value m_themeEntry;
};

} // namespace MOXQtLib
