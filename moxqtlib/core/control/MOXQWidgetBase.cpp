#include "MOXQWidgetBase.h"

#include "IMOXQPageWindow.h"
#include "IMOXQWidgetBase.h"
#include "MOXJson.h"
#include "MOXQResourceManager.h"
#include "MOXQWidgetBaseImpl.h"
#include "MOXQtLib.h"
#include "MOXThemeResScope.h"

#include <QMetaObject>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace MOXQtLib {

namespace {

constexpr int kUnlimitedSize = 16777215; // QWIDGETSIZE_MAX

const char* const kVisibilityProperty = "visibility";

} // namespace

DockLayoutType moxClampDock(int value)
{
    return DockLayoutType(std::clamp(value, int(DockLayoutNear), int(DockLayoutFar)));
}

LayoutSizePolicy moxSizePolicyFromInt(int value)
{
    return value == 0 || value == 1 ? LayoutSizePolicy(value) : LayoutPolicyUnset;
}

MOXQWidgetBase::MOXQWidgetBase(QWidget* owner) : m_owner(owner) {}

IMOXQWidgetBase* MOXQWidgetBase::ownerControl() const
{
    return qobject_cast<IMOXQWidgetBase*>(m_owner);
}

MOXQWidgetBaseImpl* MOXQWidgetBase::ownerImpl() const
{
    return m_impl ? m_impl : MOXQWidgetBaseImpl::fromWidget(m_owner);
}

void MOXQWidgetBase::setLayoutRatio(int ratio)
{
    m_layoutType = LayoutRelative;
    m_layoutData[0] = ratio > 0 ? ratio : 1;
    QWidget* parent = m_owner ? m_owner->parentWidget() : nullptr;
    if (MOXQWidgetBaseImpl* host = MOXQWidgetBaseImpl::fromWidget(parent))
        host->childLayoutChanged();
}

int MOXQWidgetBase::getLayoutRatio() const
{
    if (m_layoutType != LayoutRelative) return 1;
    return m_layoutData[0] > 0 ? m_layoutData[0] : 1;
}

void MOXQWidgetBase::setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX,
                                     int offsetY)
{
    m_absoluteDock = true;
    m_dockHor = moxClampDock(hor);
    m_dockVer = moxClampDock(ver);
    m_dockOffsetX = offsetX;
    m_dockOffsetY = offsetY;
}

void MOXQWidgetBase::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX,
                                     int& offsetY) const
{
    hor = m_dockHor;
    ver = m_dockVer;
    offsetX = m_dockOffsetX;
    offsetY = m_dockOffsetY;
}

void MOXQWidgetBase::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const
{
    hor = m_dockHor;
    ver = m_dockVer;
}

void MOXQWidgetBase::getLayoutData(void*& data) const
{
    const bool known = m_layoutType == LayoutRelative || m_layoutType == LayoutAbsolute;
    data = known ? const_cast<int*>(m_layoutData) : nullptr;
}

void MOXQWidgetBase::setGeometry(int x, int y, int w, int h)
{
    m_layoutType = LayoutAbsolute;
    m_layoutData[0] = x;
    m_layoutData[1] = y;
    m_layoutData[2] = w;
    m_layoutData[3] = h;
    if (m_owner) m_owner->QWidget::setGeometry(x, y, w, h);
}

void MOXQWidgetBase::setGeometry(const QRect& rect)
{
    setGeometry(rect.x(), rect.y(), rect.width(), rect.height());
}

void MOXQWidgetBase::setOpacity(int opacity)
{
    opacity = std::clamp(opacity, 0, 255);
    if (opacity == m_opacity) return;
    m_opacity = opacity;
    if (m_owner) m_owner->update();
}

void MOXQWidgetBase::setInnerVisible(bool visible)
{
    if (!m_owner) return;
    m_owner->setProperty(kVisibilityProperty, visible);
    m_owner->hide();
}

bool MOXQWidgetBase::getInnerVisible() const
{
    return m_owner && m_owner->property(kVisibilityProperty).toBool();
}

bool MOXQWidgetBase::serializeJsonValue(Json::Value* value, bool read)
{
    if (!value || !m_owner) return true;
    if (const MOXQWidgetBaseImpl* impl = ownerImpl(); impl && !impl->hasCommonKeys()) return true;
    if (!read) {
        if (!value->isObject()) *value = Json::Value(Json::objectValue);
        writeCommon(*value);
        return true;
    }
    // A null root (or any non-object) holds nothing to read.
    if (!value->isObject() || MOXQResourceManager::getInstance()->isLoadFromThemeRes()) return true;
    readCommon(*value);
    return true;
}

void MOXQWidgetBase::writeCommon(Json::Value& value)
{
    if (IMOXQWidgetBase* control = ownerControl())
        value["type"] = control->getTypeName().toStdString();
    value["name"] = m_owner->objectName().toStdString();
    if (!m_owner->toolTip().isEmpty()) value["tooltip"] = m_owner->toolTip().toStdString();
    // Only an explicit false hides: controls made in code or cloned never set the property.
    const QVariant visibility = m_owner->property(kVisibilityProperty);
    if (visibility.isValid() && !visibility.toBool()) value["visibility"] = false;
    if (!m_owner->isEnabled()) value["enable"] = false;
    if (m_absoluteDock) {
        value["absoluteLayout"] = true;
        if (m_dockHor != 0) value["absoluteDockHor"] = int(m_dockHor);
        if (m_dockVer != 0) value["absoluteDockVer"] = int(m_dockVer);
        if (m_dockOffsetX != 0) value["absoluteDockOffsetX"] = m_dockOffsetX;
        if (m_dockOffsetY != 0) value["absoluteDockOffsetY"] = m_dockOffsetY;
    }
    if (m_widthPolicy != LayoutPolicyUnset || m_defaultWidthPolicy != LayoutPolicyUnset)
        value["widthPolicy"] = int(m_widthPolicy);
    if (m_heightPolicy != LayoutPolicyUnset || m_defaultHeightPolicy != LayoutPolicyUnset)
        value["heightPolicy"] = int(m_heightPolicy);
    // Also written as 0 below a control's own minimum, so lowering it is not lost.
    const QSize minimum = m_owner->minimumSize();
    if (minimum.width() > 0 || minimum.width() != m_defaultMinimum.width())
        value["minWidth"] = minimum.width();
    if (minimum.height() > 0 || minimum.height() != m_defaultMinimum.height())
        value["minHeight"] = minimum.height();
    if (m_owner->maximumWidth() != kUnlimitedSize) value["maxWidth"] = m_owner->maximumWidth();
    if (m_owner->maximumHeight() != kUnlimitedSize) value["maxHeight"] = m_owner->maximumHeight();
    SaveLayout(value);
}

void MOXQWidgetBase::setDefaultPolicies(LayoutSizePolicy width, LayoutSizePolicy height)
{
    m_widthPolicy = m_defaultWidthPolicy = width;
    m_heightPolicy = m_defaultHeightPolicy = height;
}

void MOXQWidgetBase::setDefaultMinimumSize(const QSize& size)
{
    m_defaultMinimum = size.expandedTo(QSize(0, 0));
    if (m_owner) m_owner->setMinimumSize(m_defaultMinimum);
}

namespace {

// The common keys of a control's object, found in one pass over its members: a page reads
// them for every control it builds.
enum CommonKey
{
    KeyName,
    KeyTooltip,
    KeyVisibility,
    KeyEnable,
    KeyLayout,
    KeyX,
    KeyY,
    KeyW,
    KeyH,
    KeyDockHor,
    KeyDockVer,
    KeyDockOffsetX,
    KeyDockOffsetY,
    KeyAbsoluteLayout,
    KeyWidthPolicy,
    KeyHeightPolicy,
    KeyMinWidth,
    KeyMinHeight,
    KeyMaxWidth,
    KeyMaxHeight,
    KeyCount
};

struct CommonMembers
{
    explicit CommonMembers(const Json::Value& object)
    {
        static const std::unordered_map<std::string_view, int> ids = {
            {"name", KeyName},
            {"tooltip", KeyTooltip},
            {"visibility", KeyVisibility},
            {"enable", KeyEnable},
            {"layout", KeyLayout},
            {"x", KeyX},
            {"y", KeyY},
            {"w", KeyW},
            {"h", KeyH},
            {"absoluteDockHor", KeyDockHor},
            {"absoluteDockVer", KeyDockVer},
            {"absoluteDockOffsetX", KeyDockOffsetX},
            {"absoluteDockOffsetY", KeyDockOffsetY},
            {"absoluteLayout", KeyAbsoluteLayout},
            {"widthPolicy", KeyWidthPolicy},
            {"heightPolicy", KeyHeightPolicy},
            {"minWidth", KeyMinWidth},
            {"minHeight", KeyMinHeight},
            {"maxWidth", KeyMaxWidth},
            {"maxHeight", KeyMaxHeight}};
        if (!object.isObject()) return;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const char* end = nullptr;
            const char* begin = it.memberName(&end);
            const auto found = ids.find(std::string_view(begin, size_t(end - begin)));
            if (found != ids.end()) at[found->second] = &*it;
        }
    }
    bool readInt(CommonKey key, int& out) const { return at[key] && jsonToInt(*at[key], out); }
    bool readBool(CommonKey key, bool& out) const
    {
        return at[key] && jsonToBool(*at[key], out);
    }
    bool readString(CommonKey key, QString& out) const
    {
        return at[key] && jsonToString(*at[key], out);
    }
    int intOr(CommonKey key, int fallback) const
    {
        readInt(key, fallback);
        return fallback;
    }

    const Json::Value* at[KeyCount] = {};
};

} // namespace

void MOXQWidgetBase::readCommon(const Json::Value& value)
{
    const CommonMembers m(value);
    QString text;
    if (m.readString(KeyName, text)) m_owner->setObjectName(text);
    if (m.readString(KeyTooltip, text)) m_owner->setToolTip(text);

    bool visible = true;
    m.readBool(KeyVisibility, visible);
    m_owner->setVisible(visible);
    m_owner->setProperty(kVisibilityProperty, visible);

    bool enabled = true;
    if (m.readBool(KeyEnable, enabled)) m_owner->setEnabled(enabled);

    if (m.at[KeyLayout] && m.at[KeyLayout]->isObject()) {
        LoadLayout(value);
    } else {
        m_layoutType = LayoutAbsolute;
        m_layoutData[0] = m.intOr(KeyX, 0);
        m_layoutData[1] = m.intOr(KeyY, 0);
        m_layoutData[2] = m.intOr(KeyW, 0);
        m_layoutData[3] = m.intOr(KeyH, 0);
    }

    int hor = 0, ver = 0, offsetX = 0, offsetY = 0;
    const bool hasHor = m.readInt(KeyDockHor, hor);
    const bool hasVer = m.readInt(KeyDockVer, ver);
    const bool hasX = m.readInt(KeyDockOffsetX, offsetX);
    const bool hasY = m.readInt(KeyDockOffsetY, offsetY);
    bool dock = hasHor || hasVer || hasX || hasY;
    m.readBool(KeyAbsoluteLayout, dock);
    m_absoluteDock = dock;
    m_dockHor = moxClampDock(hor);
    m_dockVer = moxClampDock(ver);
    m_dockOffsetX = offsetX;
    m_dockOffsetY = offsetY;

    int policy = 0;
    if (m.readInt(KeyWidthPolicy, policy)) m_widthPolicy = moxSizePolicyFromInt(policy);
    if (m.readInt(KeyHeightPolicy, policy)) m_heightPolicy = moxSizePolicyFromInt(policy);

    // Qt clamps negative sizes itself, but not up to its own unlimited size.
    int size = 0;
    if (m.readInt(KeyMinWidth, size)) m_owner->setMinimumWidth(std::clamp(size, 0, kUnlimitedSize));
    if (m.readInt(KeyMinHeight, size))
        m_owner->setMinimumHeight(std::clamp(size, 0, kUnlimitedSize));
    if (m.readInt(KeyMaxWidth, size)) m_owner->setMaximumWidth(std::clamp(size, 0, kUnlimitedSize));
    if (m.readInt(KeyMaxHeight, size))
        m_owner->setMaximumHeight(std::clamp(size, 0, kUnlimitedSize));
}

void MOXQWidgetBase::LoadLayout(const Json::Value& value)
{
    const Json::Value* layout = jsonObject(value, "layout");
    int type = 0;
    if (layout) jsonReadInt(*layout, "type", type);
    if (!layout || type == LayoutRelative) {
        m_layoutType = LayoutRelative;
        m_layoutData[0] = layout ? jsonInt(*layout, "ratio", 1) : 1;
        return;
    }
    m_layoutType = LayoutAbsolute;
    if (type != LayoutAbsolute) return;
    const int x = jsonInt(value, "x", 0);
    const int y = jsonInt(value, "y", 0);
    const int w = jsonInt(value, "w", m_owner ? m_owner->width() : 0);
    const int h = jsonInt(value, "h", m_owner ? m_owner->height() : 0);
    setGeometry(x, y, w, h);
}

void MOXQWidgetBase::SaveLayout(Json::Value& value)
{
    if (!value.isObject()) value = Json::Value(Json::objectValue);
    if (m_layoutType == LayoutRelative) {
        Json::Value layout(Json::objectValue);
        layout["type"] = 0;
        layout["ratio"] = m_layoutData[0];
        value["layout"] = layout;
        return;
    }
    if (moxIsInDesigner() && m_owner) {
        const QRect g = m_owner->geometry();
        m_layoutData[0] = g.x();
        m_layoutData[1] = g.y();
        m_layoutData[2] = g.width();
        m_layoutData[3] = g.height();
    }
    if (m_layoutData[0] != 0) value["x"] = m_layoutData[0];
    if (m_layoutData[1] != 0) value["y"] = m_layoutData[1];
    value["w"] = m_layoutData[2];
    value["h"] = m_layoutData[3];
}

QString MOXQWidgetBase::getThemeName() const
{
    MOXQWidgetBaseImpl* impl = ownerImpl();
    return impl ? impl->getThemeName() : QString();
}

void MOXQWidgetBase::setThemeName(const QString& name)
{
    MOXQResourceManager* rm = MOXQResourceManager::getInstance();
    MOXQWidgetBaseImpl* impl = ownerImpl();
    if (!impl || !rm->hasThemeRes() || rm->isDesigner()) return;
    impl->setThemeNameValue(name);
    refreshTheme();
}

void MOXQWidgetBase::refreshTheme()
{
    MOXQWidgetBaseImpl* impl = ownerImpl();
    IMOXQWidgetBase* control = ownerControl();
    if (!impl || !control || moxIsInDesigner() || impl->getThemeName().isEmpty()) return;
    const QByteArray name = impl->getThemeName().toUtf8();
    const Json::Value* entry =
        MOXQResourceManager::getInstance()->getThemeJsonValue(name.constData());
    if (!entry) return;
    // The control reads a private copy: the theme document stays untouched.
    Json::Value copy(*entry);
    {
        MOXThemeResScope scope(true);
        control->serializeJsonValue(&copy, true);
    }
    m_owner->update();
}

void moxRefreshControlTheme(IMOXQWidgetBase* control)
{
    if (MOXQWidgetBase* base = control ? control->getControlBase() : nullptr) base->refreshTheme();
}

void MOXQWidgetBase::resizeWidget()
{
    QWidget* parent = m_owner ? m_owner->parentWidget() : nullptr;
    if (!parent) return;
    const bool fillsWindow = dynamic_cast<IMOXQPageWindow*>(parent) || parent->isWindow();
    const MOXQWidgetBaseImpl* impl = ownerImpl();
    if (impl && impl->fillsHostWindow() && fillsWindow && m_layoutType == LayoutAbsolute) {
        m_layoutData[0] = 0;
        m_layoutData[1] = 0;
        m_layoutData[2] = parent->width();
        m_layoutData[3] = parent->height();
    }
    if (m_layoutType == LayoutAbsolute)
        setGeometry(m_layoutData[0], m_layoutData[1], m_layoutData[2], m_layoutData[3]);
}

QWidget* MOXQWidgetBase::cloneWidget(const QString& name)
{
    IMOXQWidgetBase* control = ownerControl();
    if (!control) return nullptr;
    QWidget* clone =
        moxCreateDefaultControl(control->getTypeName().toUtf8(), m_owner->parentWidget());
    if (clone && !name.isEmpty()) clone->setObjectName(name);
    return clone;
}

} // namespace MOXQtLib
