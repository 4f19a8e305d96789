#include "MOXCustomAttr.h"

#include "MOXJson.h"

#include <cmath>
#include <limits>

namespace MOXQtLib {

namespace {

QVariant converted(MOXCustomAttr::Kind kind, const QVariant& v)
{
    switch (kind) {
    case MOXCustomAttr::Bool:
        return v.toBool();
    case MOXCustomAttr::Text:
        return v.toString();
    case MOXCustomAttr::Int8:
        return int(qint8(v.toInt()));
    case MOXCustomAttr::UInt8:
        return uint(quint8(v.toUInt()));
    case MOXCustomAttr::Int16:
        return int(qint16(v.toInt()));
    case MOXCustomAttr::UInt16:
        return uint(quint16(v.toUInt()));
    case MOXCustomAttr::UInt32:
        return v.toUInt();
    case MOXCustomAttr::Int32:
        return v.toInt();
    case MOXCustomAttr::Int64:
        return v.toLongLong();
    case MOXCustomAttr::UInt64:
        return v.toULongLong();
    case MOXCustomAttr::Float:
        return v.toFloat();
    case MOXCustomAttr::Double:
        return v.toDouble();
    case MOXCustomAttr::TextList:
        return v.toStringList();
    }
    return {};
}

} // namespace

MOXCustomAttr::MOXCustomAttr(Kind kind, const QVariant& value)
    : m_kind(kind), m_value(converted(kind, value))
{
}

bool MOXCustomAttr::fromJson(const Json::Value& value, MOXCustomAttr& out)
{
    if (value.isBool()) {
        out = MOXCustomAttr(Bool, value.asBool());
        return true;
    }
    if (value.isString()) {
        QString s;
        jsonToString(value, s);
        out = MOXCustomAttr(Text, s);
        return true;
    }
    if (value.isInt()) {
        out = MOXCustomAttr(Int32, value.asInt());
        return true;
    }
    if (value.isUInt()) {
        out = MOXCustomAttr(UInt32, value.asUInt());
        return true;
    }
    // isDouble() holds for every number; asking it first would turn large integers into reals
    // and lose their low digits.
    if (value.type() == Json::realValue) {
        const double d = value.asDouble();
        if (!std::isfinite(d)) return false;
        out = MOXCustomAttr(Double, d);
        return true;
    }
    if (value.isUInt64()) {
        out = MOXCustomAttr(UInt64, qulonglong(value.asUInt64()));
        return true;
    }
    if (value.isInt64()) {
        out = MOXCustomAttr(Int64, qlonglong(value.asInt64()));
        return true;
    }
    if (value.isArray() && !value.empty() && value[0].isString()) {
        QStringList list;
        for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
            QString s;
            // Non-string elements are taken as text as far as they have one.
            if (!jsonToString(value[i], s) && !value[i].isObject() && !value[i].isArray() &&
                !value[i].isNull())
                s = QString::fromStdString(value[i].asString());
            list.append(s);
        }
        out = MOXCustomAttr(TextList, list);
        return true;
    }
    return false;
}

bool MOXCustomAttr::toJson(Json::Value& out) const
{
    switch (m_kind) {
    case Bool:
        out = Json::Value(m_value.toBool());
        return true;
    case Text:
        out = jsonFromQString(m_value.toString());
        return true;
    case Int8:
    case Int16:
    case Int32:
        out = Json::Value(m_value.toInt());
        return true;
    case UInt8:
    case UInt16:
    case UInt32:
        out = Json::Value(m_value.toUInt());
        return true;
    case Int64:
        out = Json::Value(Json::Int64(m_value.toLongLong()));
        return true;
    case UInt64:
        out = Json::Value(Json::UInt64(m_value.toULongLong()));
        return true;
    case Float:
    case Double: {
        const double d = m_value.toDouble();
        if (!std::isfinite(d)) return false;
        out = Json::Value(d);
        return true;
    }
    case TextList: {
        out = Json::Value(Json::arrayValue);
        for (const QString& s : m_value.toStringList())
            out.append(jsonFromQString(s));
        return true;
    }
    }
    return false;
}

} // namespace MOXQtLib
