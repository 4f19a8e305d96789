#include "MOXKeyCodec.h"

#include "MOXJson.h"
#include "MOXQResourceManager.h"

#include <cstdint>

namespace MOXQtLib {

bool moxReadFlag(const Json::Value& value, bool& out)
{
    return jsonToBool(value, out);
}

Json::Value moxWriteFlagAsInt(const bool& value)
{
    return int(value);
}

Json::Value moxWriteFlagAsBool(const bool& value)
{
    return value;
}

bool moxReadInt(const Json::Value& value, int& out)
{
    return jsonToInt(value, out);
}

Json::Value moxWriteInt(const int& value)
{
    return value;
}

bool moxReadDouble(const Json::Value& value, double& out)
{
    return jsonToDouble(value, out);
}

Json::Value moxWriteDouble(const double& value)
{
    return value;
}

bool moxReadText(const Json::Value& value, QString& out)
{
    return jsonToString(value, out);
}

Json::Value moxWriteText(const QString& value)
{
    return value.toStdString();
}

bool moxReadTextList(const Json::Value& value, QStringList& out)
{
    return jsonToStringList(value, out);
}

Json::Value moxWriteTextList(const QStringList& value)
{
    Json::Value array(Json::arrayValue);
    for (const QString& text : value)
        array.append(text.toStdString());
    return array;
}

bool moxReadColor(const Json::Value& value, QColor& out)
{
    return MOXQResourceManager::parseColor(value, out);
}

bool moxReadColorOrArgb(const Json::Value& value, QColor& out)
{
    if (value.isString()) return moxReadColor(value, out);
    std::int64_t n = 0;
    if (!jsonToInt64(value, n) || n < -0x80000000LL || n > 0xFFFFFFFFLL) return false;
    out = QColor::fromRgba(QRgb(std::uint32_t(n)));
    return true;
}

Json::Value moxWriteColor(const QColor& value)
{
    return MOXQResourceManager::colorText(value).toStdString();
}

} // namespace MOXQtLib
