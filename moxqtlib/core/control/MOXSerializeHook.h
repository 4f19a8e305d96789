#pragma once

// One hook that sees each control's JSON object as a page is read and as the control writes
// itself into a page. A page designer uses it to keep what a file holds beyond what the
// controls write (keys they do not know, values spelt another way).

#include <functional>

class QWidget;

namespace Json {
class Value;
}

namespace MOXQtLib {

class IMOXQWidgetBase;

struct MOXSerializeHook
{
    // The object a control was created from, before its children exist.
    std::function<void(QWidget* control, const Json::Value& element)> read;
    // What a control wrote of itself, children included; the hook may change it.
    std::function<void(QWidget* control, Json::Value& element)> written;
};

// Replaces the hook; empty functions remove it.
void moxSetSerializeHook(MOXSerializeHook hook);

// The object a page holds for a control: what it writes of itself, then the hook.
void moxSerializeElement(QWidget* widget, IMOXQWidgetBase* control, Json::Value& element);
// Tells the hook that a control has read the object it was created from.
void moxNotifyElementRead(QWidget* widget, const Json::Value& element);

} // namespace MOXQtLib
