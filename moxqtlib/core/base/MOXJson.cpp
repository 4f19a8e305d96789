#include "MOXJson.h"

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>

namespace MOXQtLib {

namespace {

// Deep enough for any real page, shallow enough that the recursive parser cannot exhaust
// the stack on a hostile file.
constexpr int kMaxDepth = 200;

const Json::Value& nullValue()
{
    static const Json::Value value;
    return value;
}

bool realFits(double d, double lo, double hi)
{
    return std::isfinite(d) && d >= lo && d <= hi && std::floor(d) == d;
}

} // namespace

bool jsonParse(const std::string& text, Json::Value& out)
{
    return jsonParse(QByteArray::fromRawData(text.data(), int(text.size())), out);
}

bool jsonParse(const QByteArray& text, Json::Value& out)
{
    out = Json::Value();
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    builder["allowComments"] = true;
    builder["stackLimit"] = kMaxDepth;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    Json::Value parsed;
    try {
        const char* begin = text.constData();
        if (!reader->parse(begin, begin + text.size(), &parsed, &errors)) return false;
    } catch (...) {
        return false;
    }
    out.swap(parsed);
    return true;
}

bool jsonParse(const QString& text, Json::Value& out)
{
    return jsonParse(text.toUtf8(), out);
}

std::string jsonWrite(const Json::Value& value, bool styled)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = styled ? "    " : "";
    builder["emitUTF8"] = true;
    builder["enableYAMLCompatibility"] = false;
    return Json::writeString(builder, value);
}

QString jsonWriteQString(const Json::Value& value, bool styled)
{
    return QString::fromStdString(jsonWrite(value, styled));
}

const Json::Value* jsonMember(const Json::Value& object, const char* key)
{
    if (!object.isObject() || !key) return nullptr;
    return object.find(key, key + std::char_traits<char>::length(key));
}

bool jsonHas(const Json::Value& object, const char* key)
{
    return jsonMember(object, key) != nullptr;
}

bool jsonToBool(const Json::Value& value, bool& out)
{
    if (value.isBool()) {
        out = value.asBool();
        return true;
    }
    // Older files write flags as 0 and 1.
    if (value.isNumeric()) {
        const double d = value.asDouble();
        if (!std::isfinite(d)) return false;
        out = d != 0.0;
        return true;
    }
    return false;
}

bool jsonToInt(const Json::Value& value, int& out)
{
    std::int64_t v = 0;
    if (!jsonToInt64(value, v) || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return false;
    out = int(v);
    return true;
}

bool jsonToInt64(const Json::Value& value, std::int64_t& out)
{
    if (value.isInt64()) {
        out = value.asInt64();
        return true;
    }
    if (value.isUInt64()) return false; // above INT64_MAX
    if (value.isDouble()) {
        const double d = value.asDouble();
        // 2^63 itself is not representable, hence the strict upper bound.
        if (!realFits(d, -9223372036854775808.0, 9223372036854774784.0)) return false;
        out = std::int64_t(d);
        return true;
    }
    return false;
}

bool jsonToUInt64(const Json::Value& value, std::uint64_t& out)
{
    if (value.isUInt64()) {
        out = value.asUInt64();
        return true;
    }
    if (value.isDouble()) {
        const double d = value.asDouble();
        if (!realFits(d, 0.0, 18446744073709549568.0)) return false;
        out = std::uint64_t(d);
        return true;
    }
    return false;
}

bool jsonToDouble(const Json::Value& value, double& out)
{
    if (!value.isNumeric() || value.isBool()) return false;
    const double d = value.asDouble();
    if (!std::isfinite(d)) return false;
    out = d;
    return true;
}

bool jsonToString(const Json::Value& value, QString& out)
{
    if (!value.isString()) return false;
    const char* begin = nullptr;
    const char* end = nullptr;
    if (!value.getString(&begin, &end)) {
        out.clear();
        return true;
    }
    out = QString::fromUtf8(begin, int(end - begin));
    return true;
}

bool jsonToStdString(const Json::Value& value, std::string& out)
{
    if (!value.isString()) return false;
    const char* begin = nullptr;
    const char* end = nullptr;
    if (!value.getString(&begin, &end))
        out.clear();
    else
        out.assign(begin, end);
    return true;
}

bool jsonToStringList(const Json::Value& value, QStringList& out)
{
    if (!value.isArray()) return false;
    QStringList list;
    for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
        QString s;
        if (jsonToString(value[i], s)) list.append(s);
    }
    out = list;
    return true;
}

#define MOX_JSON_READ(Name, Type, Conv)                                                            \
    bool Name(const Json::Value& object, const char* key, Type& out)                               \
    {                                                                                              \
        const Json::Value* v = jsonMember(object, key);                                            \
        return v && Conv(*v, out);                                                                 \
    }

MOX_JSON_READ(jsonReadBool, bool, jsonToBool)
MOX_JSON_READ(jsonReadInt, int, jsonToInt)
MOX_JSON_READ(jsonReadInt64, std::int64_t, jsonToInt64)
MOX_JSON_READ(jsonReadDouble, double, jsonToDouble)
MOX_JSON_READ(jsonReadString, QString, jsonToString)
MOX_JSON_READ(jsonReadStdString, std::string, jsonToStdString)
MOX_JSON_READ(jsonReadStringList, QStringList, jsonToStringList)

#undef MOX_JSON_READ

const Json::Value* jsonObject(const Json::Value& object, const char* key)
{
    const Json::Value* v = jsonMember(object, key);
    return v && v->isObject() ? v : nullptr;
}

const Json::Value* jsonArray(const Json::Value& object, const char* key)
{
    const Json::Value* v = jsonMember(object, key);
    return v && v->isArray() ? v : nullptr;
}

int jsonInt(const Json::Value& object, const char* key, int fallback)
{
    jsonReadInt(object, key, fallback);
    return fallback;
}

double jsonDouble(const Json::Value& object, const char* key, double fallback)
{
    jsonReadDouble(object, key, fallback);
    return fallback;
}

bool jsonBool(const Json::Value& object, const char* key, bool fallback)
{
    jsonReadBool(object, key, fallback);
    return fallback;
}

QString jsonString(const Json::Value& object, const char* key, const QString& fallback)
{
    QString s = fallback;
    jsonReadString(object, key, s);
    return s;
}

const Json::Value& jsonAt(const Json::Value& array, Json::ArrayIndex index)
{
    if (!array.isArray() || index >= array.size()) return nullValue();
    return array[index];
}

Json::Value jsonFromQString(const QString& text)
{
    return Json::Value(text.toStdString());
}

} // namespace MOXQtLib
