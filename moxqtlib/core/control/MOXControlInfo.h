#pragma once

// Descriptive records of control types: what a designer's property list shows and what the
// registry hands out through moxGetControlInfo.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdint>
#include <functional>

namespace MOXQtLib {

class MOXKeyTable;

// One entry of a designer property list.
struct PropertyDef
{
    enum Kind
    {
        PlainText = 0,
        Text = 1,
        TypeName = 2,
        Boolean = 3,
        Line = 4,
        FillStylePerState = 5,
        TextStylePerState = 6,
        // The values the accessors carry: a QString path, an int, a QSize, a QVariantList of
        // four ints (left, top, right, bottom), the chosen value, a QColor.
        ImagePath = 9,
        Integer = 10,
        Size = 11,
        Margins = 12,
        Enumeration = 13,
        Color = 14
    };

    using Setter = std::function<void(QObject*, const QVariant&)>;
    using Getter = std::function<QVariant(QObject*)>;

    QString displayName;
    std::int32_t kind = PlainText;
    // Bound to the control (or the part of it that owns the value); empty for read-only and
    // separator entries.
    Setter setter;
    Getter getter;
    // Filled when a property list shows the entry.
    QObject* object = nullptr;
    // State numbers or enumeration values, with their labels.
    QVector<std::int32_t> values;
    QStringList labels;
    QString extra;
};

// The information record of one control type, copied by value into the registry.
struct ControlInfo
{
    std::int32_t flags = 1;
    QByteArray typeName;
    QByteArray className;
    QByteArray displayName;
    std::int32_t flags2 = 0;
    QByteArray description;
    QByteArray shortName;
    QVector<PropertyDef> properties;
    // Carried as plain data; no built-in type fills them.
    QVector<QVariantMap> extraRecords;
    std::int32_t reservedA[3] = {0, 0, 0};
    std::int32_t reservedB[3] = {0, 0, 0};
};

// An entry with its accessors; the setter and getter receive the object the entry is bound to.
PropertyDef moxPropertyDef(const QString& displayName, std::int32_t kind,
                           PropertyDef::Setter setter = {}, PropertyDef::Getter getter = {});

// The entries every control's property list begins with: "Name", "Type", "Visibility",
// "Enable", "Tooltip", "Alpha", "Line".
QVector<PropertyDef> moxCommonPropertyDefs();

// A record with the common property entries and the given strings.
ControlInfo moxMakeControlInfo(const QByteArray& typeName, const QByteArray& className,
                               const QByteArray& displayName, const QByteArray& description,
                               const QByteArray& shortName);
// The same, followed by the property entries of a control's key table.
ControlInfo moxMakeControlInfo(const QByteArray& typeName, const QByteArray& className,
                               const QByteArray& displayName, const QByteArray& description,
                               const QByteArray& shortName, const MOXKeyTable& keys);

} // namespace MOXQtLib
