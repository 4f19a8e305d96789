#include "MOXQWidgetBaseImpl.h"

#include "IMOXQWidgetBase.h"
#include "MOXJson.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "MOXQWidgetBase.h"
#include "MOXSerializeHook.h"

#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace MOXQtLib {

namespace {

const char* const kImplProperty = "impl";

} // namespace

MOXQWidgetBaseImpl::MOXQWidgetBaseImpl(QWidget* owner, const QString& name)
    : m_name(name), m_themeName(name), m_owner(owner)
{
    if (m_owner) m_owner->setProperty(kImplProperty, QVariant::fromValue(static_cast<void*>(this)));
}

MOXQWidgetBaseImpl::~MOXQWidgetBaseImpl()
{
    // Nobody may find this object through its owner once it is gone.
    if (m_owner && fromWidget(m_owner) == this) m_owner->setProperty(kImplProperty, QVariant());
}

MOXQWidgetBaseImpl* MOXQWidgetBaseImpl::fromWidget(const QWidget* widget)
{
    if (!widget) return nullptr;
    // A control answers directly; the dynamic property (a name lookup) serves every other
    // widget that carries an implementation object.
    if (auto* control = qobject_cast<IMOXQWidgetBase*>(const_cast<QWidget*>(widget)))
        return control->getControlImpl();
    return static_cast<MOXQWidgetBaseImpl*>(widget->property(kImplProperty).value<void*>());
}

void MOXQWidgetBaseImpl::paintControl()
{
    if (!m_owner) return;
    if (!m_owner->isEnabled())
        m_state = CtrlStateDisable;
    else if (m_state == CtrlStateDisable)
        m_state = CtrlStateNormal;
    QPainter painter(m_owner);
    drawControl(&painter, m_owner->rect());
}

void MOXQWidgetBaseImpl::drawControl(QPainter*, const QRect&) {}

void MOXQWidgetBaseImpl::updateOwner() const
{
    if (m_owner) m_owner->update();
}

void MOXQWidgetBaseImpl::repaintOwner()
{
    if (m_owner) m_owner->repaint();
}

void MOXQWidgetBaseImpl::pressControl()
{
    m_state = CtrlStatePressed;
    repaintOwner();
}

void MOXQWidgetBaseImpl::releaseControl()
{
    m_state = m_hovered ? CtrlStateHot : CtrlStateNormal;
    repaintOwner();
}

void MOXQWidgetBaseImpl::enterControl()
{
    m_hovered = true;
    m_state = CtrlStateHot;
    repaintOwner();
}

void MOXQWidgetBaseImpl::leaveControl()
{
    m_hovered = false;
    m_state = !m_owner || m_owner->isEnabled() ? CtrlStateNormal : CtrlStateDisable;
    repaintOwner();
}

void MOXQWidgetBaseImpl::setCustomAttr(const QByteArray& name, const MOXCustomAttr& value)
{
    m_attrs[name] = value;
}

bool MOXQWidgetBaseImpl::removeCustomAttr(const QByteArray& name)
{
    return m_attrs.erase(name) > 0;
}

const MOXCustomAttr* MOXQWidgetBaseImpl::getCustomAttr(const QByteArray& name) const
{
    const auto it = m_attrs.find(name);
    return it == m_attrs.end() ? nullptr : &it->second;
}

bool MOXQWidgetBaseImpl::serializeJson(Json::Value*& value, bool read)
{
    if (!value) return false;
    if (!read) {
        if (!value->isObject()) *value = Json::Value(Json::objectValue);
        writeAttrs(*value);
        m_keys->write(*this, *value);
        if (!m_themeName.isEmpty()) (*value)["theme"] = m_themeName.toStdString();
        bool ok = serializeContent(value, false);
        ok = serializeLook(value, false) && ok;
        writeChildren(*value);
        return ok;
    }

    // A null root, or anything but an object, holds nothing.
    if (!value->isObject()) return true;
    MOXQResourceManager* rm = MOXQResourceManager::getInstance();
    // Reading a theme entry itself: theme entries carry looks only.
    if (rm->isLoadFromThemeRes()) {
        m_keys->readTheme(*this, *value);
        m_keys->readStyles(*this, *value);
        const bool ok = serializeLook(value, true);
        keysRead();
        return ok;
    }

    readAttrs(*value);
    Json::Value* own = value;
    QString theme;
    if (jsonReadString(*value, "theme", theme) && !theme.isEmpty()) {
        // Kept, so the control writes back the theme it was read with and refreshes from it.
        m_themeName = theme;
        if (!rm->isDesigner()) {
            const QByteArray name = theme.toUtf8();
            if (const Json::Value* entry = rm->getThemeJsonValue(name.constData())) {
                m_themeEntry = *entry;
                value = &m_themeEntry;
                rm->setSwitchToThemeRes(true);
            }
        }
    }
    const bool themed = value != own;
    m_keys->readOwn(*this, *own, themed);
    if (themed) m_keys->readTheme(*this, *value);
    m_keys->readStyles(*this, *value);
    bool ok = serializeContent(own, true);
    ok = serializeLook(value, true) && ok;
    keysRead();
    return ok;
}

bool MOXQWidgetBaseImpl::serializeContent(Json::Value*, bool)
{
    return true;
}

bool MOXQWidgetBaseImpl::serializeLook(Json::Value*, bool)
{
    return true;
}

void MOXQWidgetBaseImpl::readAttrs(const Json::Value& value)
{
    // A null (or otherwise mistyped) "attr" holds nothing.
    const Json::Value* attrs = jsonObject(value, "attr");
    if (!attrs) return;
    for (auto it = attrs->begin(); it != attrs->end(); ++it) {
        const char* end = nullptr;
        const char* begin = it.memberName(&end);
        // The control's own keys are its properties, never custom attributes besides.
        if (m_keys->isOwnAttr(begin, size_t(end - begin))) continue;
        MOXCustomAttr attr;
        if (!MOXCustomAttr::fromJson(*it, attr)) continue;
        m_attrs[QByteArray(begin, int(end - begin))] = attr;
    }
}

void MOXQWidgetBaseImpl::writeAttrs(Json::Value& value) const
{
    if (m_attrs.empty()) return;
    Json::Value attrs(Json::objectValue);
    for (const auto& entry : m_attrs) {
        Json::Value v;
        if (entry.second.toJson(v))
            attrs[std::string(entry.first.constData(), size_t(entry.first.size()))] = v;
    }
    if (!attrs.empty()) MOXKeyTable::attrFor(value) = attrs;
}

void MOXQWidgetBaseImpl::writeChildren(Json::Value& value) const
{
    if (!m_owner || !moxIsSerializeChild()) return;
    // After what the control wrote there itself (parts it keeps outside its children).
    Json::Value children = value.isMember("child") && value["child"].isArray()
                               ? value["child"]
                               : Json::Value(Json::arrayValue);
    for (QObject* object : m_owner->children()) {
        if (!object->isWidgetType()) continue;
        IMOXQWidgetBase* child = qobject_cast<IMOXQWidgetBase*>(object);
        if (!child || child->getControlBase()->isInternal()) continue;
        Json::Value childValue(Json::objectValue);
        moxSerializeElement(static_cast<QWidget*>(object), child, childValue);
        children.append(childValue);
    }
    if (!children.empty()) value["child"] = children;
}

} // namespace MOXQtLib
