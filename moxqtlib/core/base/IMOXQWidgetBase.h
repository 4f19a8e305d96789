#pragma once

// The interface every control widget implements. Controls get it through MOXQControl, which
// forwards each operation to the control's companion or implementation object.

#include "MOXControlTypes.h"

#include <QString>
#include <QtPlugin>

namespace Json {
class Value;
}

namespace MOXQtLib {

class MOXQWidgetBase;
class MOXQWidgetBaseImpl;

class IMOXQWidgetBase
{
public:
    virtual ~IMOXQWidgetBase() = default;

    virtual MOXQWidgetBase* getControlBase() = 0;
    // `value` is a Json::Value*. False when the control has no implementation object.
    virtual bool readJsonValue(void* value) = 0;
    virtual void setLayoutRatio(int ratio) = 0;
    virtual int getLayoutRatio() const = 0;
    virtual void setWidthPolicy(LayoutSizePolicy policy) = 0;
    virtual LayoutSizePolicy getWidthPolicy() = 0;
    virtual void setHeightPolicy(LayoutSizePolicy policy) = 0;
    virtual LayoutSizePolicy getHeightPolicy() = 0;
    virtual void setAbsoluteLayout(bool absolute) = 0;
    virtual bool getAbsoluteLayout() const = 0;
    virtual void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX,
                                 int offsetY) = 0;
    virtual void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX,
                                 int& offsetY) const = 0;
    virtual void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const = 0;
    // Points at the four layout integers (ratio first, or x, y, width, height).
    virtual void getLayoutData(void*& data) const = 0;
    virtual void setGeometry(int x, int y, int w, int h) = 0;
    virtual void setOpacity(int opacity) = 0;
    virtual int getOpacity() const = 0;
    virtual LayoutType getLayoutType() = 0;
    virtual QString getTypeName() = 0;
    virtual MOXQWidgetBaseImpl* getControlImpl() = 0;
    // Called once a page has created all its controls.
    virtual void createComplete() = 0;
    virtual void resizeWidget() = 0;
    virtual void notifyChangeLanguage() = 0;
    // Companion first, then implementation object; `read` false writes.
    virtual bool serializeJsonValue(Json::Value* value, bool read) = 0;
    virtual void setThemeName(const QString& name) = 0;
    // The Qt property "jsonData".
    virtual QString jsonData() = 0;
    virtual void setJsonData(const QString& text) = 0;
};

// The companion's theme refresh, for the layers below the companion (theme notifications).
void moxRefreshControlTheme(IMOXQWidgetBase* control);

} // namespace MOXQtLib

Q_DECLARE_INTERFACE(MOXQtLib::IMOXQWidgetBase, "IMOXQWidgetBase")
