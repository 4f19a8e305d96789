#pragma once

// Small builders of theme and skin content for the resource tests.

#include "MOXQResourceManager.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QString>

namespace restest {

using testsupport::utf16le;
using testsupport::writeFile;

inline QByteArray pngBytes(const QColor& color, int w = 4, int h = 4)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A style document with one fill style (colour `clr`) and one text style of size `size`.
inline QByteArray styleDocument(const QString& fillName, const QString& clr,
                                const QString& textName = QStringLiteral("text"), int size = 12)
{
    return QStringLiteral("{\"style\": [{\"type\": 1, \"name\": \"%1\", \"drawImg\": false, "
                          "\"clr\": \"%2\"}, {\"type\": 2, \"name\": \"%3\", \"size\": %4}]}")
        .arg(fillName, clr, textName)
        .arg(size)
        .toUtf8();
}

inline QByteArray themeDocument(const QString& entryName, int value)
{
    return QStringLiteral("{\"elements\": [{\"child\": [{\"name\": \"%1\", \"value\": %2}, "
                          "{\"name\": \"%1\", \"value\": -1}, {\"novalue\": 1}, 7]}]}")
        .arg(entryName)
        .arg(value)
        .toUtf8();
}

inline MOXQtLib::MOXQResourceManager* rm()
{
    return MOXQtLib::MOXQResourceManager::getInstance();
}

// A resource's bytes, empty when no layer has it; `from` receives the layer.
inline QByteArray resource(const QString& name, MOXQtLib::ResSourceType* from = nullptr)
{
    const char* data = nullptr;
    unsigned size = 0;
    MOXQtLib::ResSourceType source = MOXQtLib::ResSourceSkin;
    if (!rm()->getResource(name, data, size, source)) return QByteArray();
    if (from) *from = source;
    return QByteArray(data, int(size));
}

inline QColor themeFillColor(const QString& name, bool* found = nullptr)
{
    rm()->setSwitchToThemeRes(true);
    MOXQtLib::FillStyle style;
    const bool ok = rm()->getFillStyle(name, style);
    rm()->setSwitchToThemeRes(false);
    if (found) *found = ok;
    return style.fillRes.color;
}

inline int themeEntryValue(const char* name)
{
    const Json::Value* entry = rm()->getThemeJsonValue(name);
    return entry ? (*entry)["value"].asInt() : 0;
}

} // namespace restest
