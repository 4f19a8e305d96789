#include "MOXControlInfo.h"

#include "IMOXQWidgetBase.h"
#include "MOXKeyTable.h"
#include "MOXQWidgetBase.h"

#include <QWidget>

namespace MOXQtLib {

namespace {

IMOXQWidgetBase* control(QObject* o)
{
    return qobject_cast<IMOXQWidgetBase*>(o);
}

} // namespace

PropertyDef moxPropertyDef(const QString& displayName, std::int32_t kind,
                           PropertyDef::Setter setter, PropertyDef::Getter getter)
{
    PropertyDef def;
    def.displayName = displayName;
    def.kind = kind;
    def.setter = std::move(setter);
    def.getter = std::move(getter);
    return def;
}

QVector<PropertyDef> moxCommonPropertyDefs()
{
    QVector<PropertyDef> defs;
    defs.append(moxPropertyDef(
        QStringLiteral("Name"), PropertyDef::PlainText,
        [](QObject* o, const QVariant& v) { o->setObjectName(v.toString()); },
        [](QObject* o) { return QVariant(o->objectName()); }));
    defs.append(moxPropertyDef(QStringLiteral("Type"), PropertyDef::TypeName, {}, [](QObject* o) {
        IMOXQWidgetBase* c = control(o);
        return c ? QVariant(c->getTypeName()) : QVariant();
    }));
    defs.append(moxPropertyDef(
        QStringLiteral("Visibility"), PropertyDef::Boolean,
        [](QObject* o, const QVariant& v) {
            if (IMOXQWidgetBase* c = control(o)) c->getControlBase()->setInnerVisible(v.toBool());
        },
        [](QObject* o) {
            IMOXQWidgetBase* c = control(o);
            return c ? QVariant(c->getControlBase()->getInnerVisible()) : QVariant();
        }));
    defs.append(moxPropertyDef(
        QStringLiteral("Enable"), PropertyDef::Boolean,
        [](QObject* o, const QVariant& v) {
            if (auto* w = qobject_cast<QWidget*>(o)) w->setEnabled(v.toBool());
        },
        [](QObject* o) {
            auto* w = qobject_cast<QWidget*>(o);
            return w ? QVariant(w->isEnabled()) : QVariant();
        }));
    defs.append(moxPropertyDef(
        QStringLiteral("Tooltip"), PropertyDef::Text,
        [](QObject* o, const QVariant& v) {
            if (auto* w = qobject_cast<QWidget*>(o)) w->setToolTip(v.toString());
        },
        [](QObject* o) {
            auto* w = qobject_cast<QWidget*>(o);
            return w ? QVariant(w->toolTip()) : QVariant();
        }));
    defs.append(moxPropertyDef(
        QStringLiteral("Alpha"), PropertyDef::Integer,
        [](QObject* o, const QVariant& v) {
            if (IMOXQWidgetBase* c = control(o)) c->setOpacity(v.toInt());
        },
        [](QObject* o) {
            IMOXQWidgetBase* c = control(o);
            return c ? QVariant(c->getOpacity()) : QVariant();
        }));
    defs.last().values = {0, 255};
    defs.append(moxPropertyDef(QStringLiteral("Line"), PropertyDef::Line));
    return defs;
}

ControlInfo moxMakeControlInfo(const QByteArray& typeName, const QByteArray& className,
                               const QByteArray& displayName, const QByteArray& description,
                               const QByteArray& shortName)
{
    ControlInfo info;
    info.typeName = typeName;
    info.className = className;
    info.displayName = displayName;
    info.description = description;
    info.shortName = shortName;
    info.properties = moxCommonPropertyDefs();
    return info;
}

ControlInfo moxMakeControlInfo(const QByteArray& typeName, const QByteArray& className,
                               const QByteArray& displayName, const QByteArray& description,
                               const QByteArray& shortName, const MOXKeyTable& keys)
{
    ControlInfo info = moxMakeControlInfo(typeName, className, displayName, description, shortName);
    info.properties += keys.properties();
    return info;
}

} // namespace MOXQtLib
