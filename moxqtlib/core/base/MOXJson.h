#pragma once

// Never-throwing accessors over JsonCpp. Every document the library reads may come from a
// user's file, so a member of the wrong type counts as absent and all reads go through const
// access (no null members are ever inserted into shared documents).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <json/json.h>

#include <cstdint>
#include <string>

namespace MOXQtLib {

// Parses JSON text (comments allowed, nesting depth limited). On failure `out` is null.
bool jsonParse(const std::string& text, Json::Value& out);
bool jsonParse(const QByteArray& text, Json::Value& out);
bool jsonParse(const QString& text, Json::Value& out);

// Compact (one line) or indented text of a value; UTF-8.
std::string jsonWrite(const Json::Value& value, bool styled = false);
QString jsonWriteQString(const Json::Value& value, bool styled = false);

// The member `key` of `object`, or nullptr when `object` is not an object or lacks the key.
const Json::Value* jsonMember(const Json::Value& object, const char* key);
bool jsonHas(const Json::Value& object, const char* key);

// Conversions of one value. They return false, leaving `out` untouched, when the value has an
// incompatible type or does not fit: numbers must be finite and in range, integers accept
// integral reals only.
bool jsonToBool(const Json::Value& value, bool& out);
bool jsonToInt(const Json::Value& value, int& out);
bool jsonToInt64(const Json::Value& value, std::int64_t& out);
bool jsonToUInt64(const Json::Value& value, std::uint64_t& out);
bool jsonToDouble(const Json::Value& value, double& out);
bool jsonToString(const Json::Value& value, QString& out);
bool jsonToStdString(const Json::Value& value, std::string& out);
bool jsonToStringList(const Json::Value& value, QStringList& out);

// Member reads: true when `key` is present with a compatible type.
bool jsonReadBool(const Json::Value& object, const char* key, bool& out);
bool jsonReadInt(const Json::Value& object, const char* key, int& out);
bool jsonReadInt64(const Json::Value& object, const char* key, std::int64_t& out);
bool jsonReadDouble(const Json::Value& object, const char* key, double& out);
bool jsonReadString(const Json::Value& object, const char* key, QString& out);
bool jsonReadStdString(const Json::Value& object, const char* key, std::string& out);
bool jsonReadStringList(const Json::Value& object, const char* key, QStringList& out);
// Object and array members; nullptr when absent or of another type.
const Json::Value* jsonObject(const Json::Value& object, const char* key);
const Json::Value* jsonArray(const Json::Value& object, const char* key);

// Defaulted forms for readers that want a value either way.
int jsonInt(const Json::Value& object, const char* key, int fallback);
double jsonDouble(const Json::Value& object, const char* key, double fallback);
bool jsonBool(const Json::Value& object, const char* key, bool fallback);
QString jsonString(const Json::Value& object, const char* key, const QString& fallback = {});

// Element i of an array value, or a shared null value when out of range or not an array.
const Json::Value& jsonAt(const Json::Value& array, Json::ArrayIndex index);

Json::Value jsonFromQString(const QString& text);

} // namespace MOXQtLib
