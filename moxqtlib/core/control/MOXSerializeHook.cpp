#include "MOXSerializeHook.h"

#include "IMOXQWidgetBase.h"
#include "MOXJson.h"

namespace MOXQtLib {

namespace {

MOXSerializeHook& hook()
{
    static MOXSerializeHook instance;
    return instance;
}

} // namespace

void moxSetSerializeHook(MOXSerializeHook h)
{
    hook() = std::move(h);
}

void moxSerializeElement(QWidget* widget, IMOXQWidgetBase* control, Json::Value& element)
{
    if (!control) return;
    control->serializeJsonValue(&element, false);
    if (hook().written) hook().written(widget, element);
}

void moxNotifyElementRead(QWidget* widget, const Json::Value& element)
{
    if (hook().read) hook().read(widget, element);
}

} // namespace MOXQtLib
