#pragma once

// One typed custom attribute of a control ("attr" in its JSON object).

#include <QString>
#include <QStringList>
#include <QVariant>

namespace Json {
class Value;
}

namespace MOXQtLib {

class MOXCustomAttr
{
public:
    enum Kind
    {
        Bool = 0,
        Text = 1,
        Int8 = 2,
        UInt8 = 3,
        Int16 = 4,
        UInt16 = 5,
        UInt32 = 6,
        Int32 = 7,
        Int64 = 8,
        UInt64 = 9,
        Float = 10,
        Double = 11,
        TextList = 12
    };

    MOXCustomAttr() = default;
    // The value is converted to the kind's type.
    MOXCustomAttr(Kind kind, const QVariant& value);

    Kind kind() const { return m_kind; }
    const QVariant& value() const { return m_value; }

    // The kind a JSON member reads as: bool, string, fits 32-bit signed, fits 32-bit unsigned,
    // real, fits 64-bit unsigned, fits 64-bit signed, non-empty array starting with a string.
    // Only real-typed values count as reals, so integers above 2^53 keep their integer kind.
    static bool fromJson(const Json::Value& value, MOXCustomAttr& out);
    // False for values JSON cannot carry (non-finite reals).
    bool toJson(Json::Value& out) const;

    bool operator==(const MOXCustomAttr& other) const
    {
        return m_kind == other.m_kind && m_value == other.m_value;
    }

private:
    Kind m_kind = Bool;
    QVariant m_value = false;
};

} // namespace MOXQtLib
