#include "ProbeControl.h"

#include "MOXJson.h"
#include "MOXQResourceManager.h"

using namespace MOXQtLib;

bool ProbeImpl::serializeContent(Json::Value* value, bool read)
{
    if (read) {
        ++contentReads;
        jsonReadString(*value, "text", text);
        if (setSwitchWhileReading) MOXQResourceManager::getInstance()->setSwitchToThemeRes(true);
    } else if (!text.isEmpty()) {
        (*value)["text"] = text.toStdString();
    }
    return true;
}

bool ProbeImpl::serializeLook(Json::Value* value, bool read)
{
    if (read)
        jsonReadString(*value, "look", look);
    else if (!look.isEmpty())
        (*value)["look"] = look.toStdString();
    return true;
}

ProbeControl::ProbeControl(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
}

ControlInfo ProbeControl::getProps()
{
    return moxMakeControlInfo("qtprobe", "ProbeControl", "Probe", "Test probe", "probe");
}

Json::Value writeControl(QWidget* control)
{
    Json::Value out(Json::objectValue);
    if (IMOXQWidgetBase* c = qobject_cast<IMOXQWidgetBase*>(control))
        c->serializeJsonValue(&out, false);
    return out;
}

Json::Value parsed(const char* text)
{
    Json::Value value;
    jsonParse(std::string(text), value);
    return value;
}
