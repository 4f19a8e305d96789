#include "IconStyleDesc.h"

#include "MOXJson.h"
#include "MOXQResourceManager.h"

namespace MOXQtLib {

void readIconStyle(const Json::Value& attr, IconStyleDesc& style)
{
    jsonReadInt(attr, "iconX", style.x);
    jsonReadInt(attr, "iconY", style.y);
    jsonReadBool(attr, "iconUseColor", style.useColor);
    if (const Json::Value* color = jsonMember(attr, "iconColor"))
        MOXQResourceManager::parseColor(*color, style.color);
    jsonReadInt(attr, "iconHor", style.horAlign);
    jsonReadInt(attr, "iconVer", style.verAlign);
}

void writeIconStyle(const IconStyleDesc& style, Json::Value& attr)
{
    const IconStyleDesc defaults;
    if (style.horAlign != defaults.horAlign) attr["iconHor"] = style.horAlign;
    if (style.verAlign != defaults.verAlign) attr["iconVer"] = style.verAlign;
    if (style.x != defaults.x) attr["iconX"] = style.x;
    if (style.y != defaults.y) attr["iconY"] = style.y;
    if (style.useColor != defaults.useColor) attr["iconUseColor"] = int(style.useColor);
    const QString color = MOXQResourceManager::colorText(style.color);
    if (color != QLatin1String("FF000000")) attr["iconColor"] = color.toStdString();
}

} // namespace MOXQtLib
