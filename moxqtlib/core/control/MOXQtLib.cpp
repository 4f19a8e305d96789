#include "MOXQtLib.h"

#include "CScrollBarStyle.h"
#include "IMOXQWidgetBase.h"
#include "MOXJson.h"
#include "MOXPlatform.h"
#include "MOXSerializeHook.h"
#include "MOXThemeResScope.h"

#include <QApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QWidget>

#include <map>
#include <set>
#include <string>

namespace MOXQtLib {

namespace {

// std::string compares bytewise (as unsigned char), shorter prefix first.
struct Registry
{
    std::map<std::string, MOXControlCreateFunction> createFunctions;
    std::map<std::string, ControlInfo> infos;
    std::set<std::string> listed;
    MOXAppCreateFunction appCreate = nullptr;
    bool initialised = false;
    bool inDesigner = false;
    bool emulatorHost = false;
    bool serializeChild = true;
};

Registry& registry()
{
    static Registry r;
    return r;
}

std::string key(const QByteArray& name)
{
    return std::string(name.constData(), size_t(name.size()));
}

} // namespace

void init()
{
    Registry& r = registry();
    if (r.initialised) return;
    // Widgets, and so styles, exist only in a QApplication.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(moxGetStyle());
    moxInitQtControl();
    initLibraryResources();
    r.initialised = true;
}

void shutdown() {}

bool moxIsInitialised()
{
    return registry().initialised;
}

void moxInitQtControl()
{
    moxRegisterBuiltInControls();

    registry().emulatorHost = moxIsEmulatorHostPath(moxExecutablePath());
}

void moxRegisterQtControl(const char* typeName, MOXControlCreateFunction create, ControlInfo info,
                          bool listed)
{
    if (!typeName || !create) return;
    Registry& r = registry();
    const std::string name(typeName);
    r.createFunctions[name] = create;
    // Assigning into the existing node keeps handed-out pointers valid.
    r.infos[name] = std::move(info);
    if (listed) r.listed.insert(name);
}

void moxRegisterDefaultControl(const char* name, MOXControlCreateFunction create)
{
    if (!name || !create) return;
    registry().createFunctions[std::string(name)] = create;
}

void moxBindControlCreateFunction(MOXAppCreateFunction create)
{
    registry().appCreate = create;
}

ControlInfo* moxGetControlInfo(const QString& typeName)
{
    auto& infos = registry().infos;
    const auto it = infos.find(key(typeName.toUtf8()));
    return it == infos.end() ? nullptr : &it->second;
}

QVector<ControlInfo*> moxGetAllControlInfo()
{
    QVector<ControlInfo*> all;
    for (auto& entry : registry().infos)
        all.append(&entry.second);
    return all;
}

QVector<QByteArray> moxGetListedControlTypes()
{
    QVector<QByteArray> names;
    for (const std::string& name : registry().listed)
        names.append(QByteArray(name.data(), int(name.size())));
    return names;
}

QVector<QByteArray> moxGetRegisteredTypeNames()
{
    QVector<QByteArray> names;
    for (const auto& entry : registry().createFunctions)
        names.append(QByteArray(entry.first.data(), int(entry.first.size())));
    return names;
}

QWidget* moxCreateControl(const QByteArray& typeName, const Json::Value& json, QWidget* parent)
{
    Registry& r = registry();
    QWidget* widget = nullptr;
    if (r.appCreate) widget = r.appCreate(jsonString(json, "name"), QString::fromUtf8(typeName));
    if (!widget) {
        const auto it = r.createFunctions.find(key(typeName));
        if (it == r.createFunctions.end()) return nullptr;
        widget = it->second();
        if (!widget) return nullptr;
    }
    widget->setParent(parent);
    if (IMOXQWidgetBase* control = qobject_cast<IMOXQWidgetBase*>(widget)) {
        MOXThemeResScope scope(false);
        // Readers only read (every JSON accessor of the library is const), so the caller's
        // document is handed over as it is: copying each element with its subtree would cost
        // the square of the page's depth.
        if (!json.isNull()) {
            control->readJsonValue(const_cast<Json::Value*>(&json));
            moxNotifyElementRead(widget, json);
        }
    }
    return widget;
}

QWidget* moxCreateDefaultControl(const QByteArray& typeName, QWidget* parent)
{
    const auto& functions = registry().createFunctions;
    const auto it = functions.find(key(typeName));
    if (it == functions.end()) return nullptr;
    QWidget* widget = it->second();
    if (widget) widget->setParent(parent);
    return widget;
}

void moxEnableSerializeChild(bool enable)
{
    registry().serializeChild = enable;
}

bool moxIsSerializeChild()
{
    return registry().serializeChild;
}

void moxSetIsInDesigner(bool designer)
{
    registry().inDesigner = designer;
}

bool moxIsInDesigner()
{
    return registry().inDesigner;
}

bool moxIsQtEmulator()
{
    return registry().emulatorHost;
}

QStyle* moxGetStyle()
{
    static QMutex mutex;
    static QPointer<CScrollBarStyle> style;
    QMutexLocker lock(&mutex);
    if (!style) style = new CScrollBarStyle();
    return style.data();
}

} // namespace MOXQtLib
