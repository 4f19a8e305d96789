#pragma once

// The companion every control owns: the properties all controls share (layout, docking, size
// policies, opacity) and their JSON keys.

#include "MOXControlTypes.h"

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace Json {
class Value;
}

namespace MOXQtLib {

class IMOXQWidgetBase;
class MOXQWidgetBaseImpl;

class MOXQWidgetBase
{
public:
    explicit MOXQWidgetBase(QWidget* owner);
    virtual ~MOXQWidgetBase() = default;

    // The common keys. Reading happens only while the theme-resource switch is clear, so theme
    // entries never change them; a value that is not an object reads as "nothing present".
    virtual bool serializeJsonValue(Json::Value* value, bool read);

    void setLayoutRatio(int ratio);
    int getLayoutRatio() const;
    void setWidthPolicy(LayoutSizePolicy policy) { m_widthPolicy = policy; }
    LayoutSizePolicy getWidthPolicy() const { return m_widthPolicy; }
    void setHeightPolicy(LayoutSizePolicy policy) { m_heightPolicy = policy; }
    LayoutSizePolicy getHeightPolicy() const { return m_heightPolicy; }
    void setAbsoluteLayout(bool absolute) { m_absoluteDock = absolute; }
    bool getAbsoluteLayout() const { return m_absoluteDock; }
    // Sets the absolute-dock flag; hor and ver are clamped into the DockLayoutType range.
    void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY);
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX,
                         int& offsetY) const;
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const;
    void getLayoutData(void*& data) const;
    // Absolute layout with that rectangle, applied to the widget at once.
    void setGeometry(int x, int y, int w, int h);
    void setGeometry(const QRect& rect);
    void setOpacity(int opacity);
    int getOpacity() const { return m_opacity; }
    LayoutType getLayoutType() const { return m_layoutType; }

    void LoadLayout(const Json::Value& value);
    void SaveLayout(Json::Value& value);

    // The implementation's theme name; empty when the control has none.
    QString getThemeName() const;
    // Only with theme resources loaded and outside the designer: stores and refreshes.
    void setThemeName(const QString& name);
    // Re-reads the look keys from the control's theme entry and repaints.
    void refreshTheme();
    void resizeWidget();
    // A new control of the owner's type under the owner's parent, no properties applied;
    // `name` becomes its object name when not empty.
    QWidget* cloneWidget(const QString& name);
    QWidget* getOwner() const { return m_owner; }

    // The property-list "Visibility": stored in the dynamic property "visibility"; the widget
    // itself stays hidden (designer canvases draw from the property).
    void setInnerVisible(bool visible);
    bool getInnerVisible() const;

    // Children a control makes for itself (bound scroll bars, tab strips ...) are internal:
    // they are never written under "child", so reloading a page does not duplicate them.
    void setInternal(bool internal) { m_internal = internal; }
    // The owner's implementation object, known to the control that makes both (null: look it
    // up through the owner).
    void bindImpl(MOXQWidgetBaseImpl* impl) { m_impl = impl; }
    // A minimum size the control keeps unless its file says otherwise; files then also write
    // a minimum of 0, which would otherwise read back as this one.
    void setDefaultMinimumSize(const QSize& size);
    // Policies the control starts with; files then also write an unset policy (as -1), which
    // would otherwise read back as these.
    void setDefaultPolicies(LayoutSizePolicy width, LayoutSizePolicy height);
    bool isInternal() const { return m_internal; }

private:
    void writeCommon(Json::Value& value);
    void readCommon(const Json::Value& value);
    IMOXQWidgetBase* ownerControl() const;
    MOXQWidgetBaseImpl* ownerImpl() const;

    int m_opacity = 255;
    LayoutSizePolicy m_widthPolicy = LayoutPolicyUnset;
    LayoutSizePolicy m_heightPolicy = LayoutPolicyUnset;
    bool m_absoluteDock = false;
    DockLayoutType m_dockHor = DockLayoutNear;
    DockLayoutType m_dockVer = DockLayoutNear;
    int m_dockOffsetX = 0;
    int m_dockOffsetY = 0;
    LayoutType m_layoutType = LayoutAbsolute;
    QSize m_defaultMinimum{0, 0};
    LayoutSizePolicy m_defaultWidthPolicy = LayoutPolicyUnset;
    LayoutSizePolicy m_defaultHeightPolicy = LayoutPolicyUnset;
    MOXQWidgetBaseImpl* m_impl = nullptr;
    int m_layoutData[4] = {0, 0, 0, 0};
    QWidget* m_owner = nullptr;
    bool m_internal = false;
};

// Clamps into the DockLayoutType range; reads other than -1, 0 and 1 as unset.
DockLayoutType moxClampDock(int value);
LayoutSizePolicy moxSizePolicyFromInt(int value);

} // namespace MOXQtLib
