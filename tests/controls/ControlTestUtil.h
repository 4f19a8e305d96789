#pragma once

// Shared set-up of the control tests: a skin with a few named styles and a two-language table,
// loaded once into the resource manager.

#include "MOXJson.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <json/json.h>

#include <functional>
#include <memory>

namespace ctltest {

// Fill styles "fillA" (#112233), "fillB" (#445566), "fillC" (#778899), "fillD" (#AABBCC);
// text styles "textBig" (size 20, red), "textGreen" (size 12, green); language keys "ok" and
// "cancel" in "English" and "German".
void loadTestResources();

Json::Value parsed(const char* text);
// A new control of class T that has read `json` (with the test resources loaded).
template <class T> std::unique_ptr<T> controlFrom(const Json::Value& json)
{
    loadTestResources();
    auto control = std::make_unique<T>();
    Json::Value copy(json);
    control->readJsonValue(&copy);
    return control;
}
// A control written into a fresh object.
Json::Value written(QWidget* control);
// One step of the mouse in a table of cases: a move without a button, a press, a move with the
// left button held, its release, or leaving the widget.
enum class Mouse
{
    Move,
    Press,
    Drag,
    Release,
    Leave
};
void sendMouse(QWidget* widget, Mouse step, const QPoint& pos = QPoint());
// Paints a widget (through its paint event) into an image of its size.
QImage rendered(QWidget* widget);
// The pixels of `image` inside `area` (the whole image when empty) that pass `test`.
int countPixels(const QImage& image, const std::function<bool(const QColor&)>& test,
                const QRect& area = QRect());

} // namespace ctltest
