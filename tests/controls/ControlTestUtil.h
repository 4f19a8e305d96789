#pragma once

// Shared set-up of the control tests: a skin with a few named styles and a two-language table,
// loaded once into the resource manager.

#include "MOXJson.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <json/json.h>

namespace ctltest {

// Fill styles "fillA" (#112233), "fillB" (#445566), "fillC" (#778899), "fillD" (#AABBCC);
// text styles "textBig" (size 20, red), "textGreen" (size 12, green); language keys "ok" and
// "cancel" in "English" and "German".
void loadTestResources();

Json::Value parsed(const char* text);
// A control written into a fresh object.
Json::Value written(QWidget* control);
// Paints a widget (through its paint event) into an image of its size.
QImage rendered(QWidget* widget);
// Writes `data` to `path`, creating folders.
bool writeFile(const QString& path, const QByteArray& data);
// UTF-16 little-endian text with a byte-order mark.
QByteArray utf16le(const QString& text);

} // namespace ctltest
