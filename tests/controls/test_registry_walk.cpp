// Every type the registry can create, the built-in controls and the chart controls alike: what
// it writes builds the same control again, and hostile objects read without harm.

#include "ControlTestUtil.h"
#include "IMOXQWidgetBase.h"
#include "MOXChartControls.h"
#include "MOXQControl.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using ctltest::written;

namespace {

QVector<QByteArray> allTypes()
{
    init();
    registerChartControls();
    ctltest::loadTestResources();
    return moxGetRegisteredTypeNames();
}

// Under a hidden host: a control reading "visibility" shows itself, and a shown top-level GL
// widget must not be destroyed before its window is exposed.
QWidget* host()
{
    // Kept for the whole run; QApplication must outlive it.
    static QWidget* widget = new QWidget;
    return widget;
}

std::unique_ptr<QWidget> create(const QByteArray& type, const Json::Value& json)
{
    return std::unique_ptr<QWidget>(moxCreateControl(type, json, host()));
}

// Values of every JSON type and the edges of the number ranges.
std::vector<Json::Value> hostileValues()
{
    std::vector<Json::Value> values = {Json::Value(),
                                       true,
                                       -1,
                                       Json::Int64(-2147483648LL),
                                       Json::UInt64(18446744073709551615ULL),
                                       1e300,
                                       -1e300,
                                       0.5,
                                       "",
                                       "FFFFFFFFFFFFFFFFFF",
                                       "|->",
                                       Json::Value(Json::arrayValue),
                                       Json::Value(Json::objectValue)};
    Json::Value deep(Json::arrayValue);
    for (int i = 0; i < 60; ++i) {
        Json::Value outer(Json::arrayValue);
        outer.append(deep);
        deep = outer;
    }
    values.push_back(deep);
    Json::Value entries(Json::arrayValue);
    for (const Json::Value& v : {Json::Value("x"), Json::Value(-1), Json::Value(1e9)}) {
        Json::Value entry(Json::arrayValue);
        entry.append(v);
        entry.append(v);
        entry.append(v);
        entries.append(entry);
    }
    values.push_back(entries);
    return values;
}

const char* const kCommonKeys[] = {
    "name",   "tooltip", "visibility", "enable", "absoluteLayout", "absoluteDockHor",
    "absoluteDockVer", "absoluteDockOffsetX", "absoluteDockOffsetY", "widthPolicy",
    "heightPolicy", "minWidth", "minHeight", "maxWidth", "maxHeight", "layout", "x", "y", "w",
    "h", "theme", "style", "attr", "child"};

} // namespace

TEST(RegistryWalk, WhatEveryTypeWritesBuildsTheSameControl)
{
    const QVector<QByteArray> types = allTypes();
    ASSERT_GE(types.size(), 8);
    for (const QByteArray& type : types) {
        std::unique_ptr<QWidget> first(moxCreateDefaultControl(type, host()));
        ASSERT_NE(first, nullptr) << type.constData();
        ASSERT_NE(moxControlOf(first.get()), nullptr) << type.constData();
        const Json::Value document = written(first.get());
        // The name a type writes is the one it reads back as, aliases included.
        EXPECT_TRUE(document["type"].isString()) << type.constData();
        std::unique_ptr<QWidget> second = create(type, document);
        ASSERT_NE(second, nullptr) << type.constData();
        EXPECT_EQ(jsonWrite(written(second.get())), jsonWrite(document)) << type.constData();
    }
}

TEST(RegistryWalk, EveryTypeReadsHostileObjects)
{
    const std::vector<Json::Value> values = hostileValues();
    for (const QByteArray& type : allTypes()) {
        std::unique_ptr<QWidget> probe(moxCreateDefaultControl(type, host()));
        const MOXQWidgetBaseImpl* impl = MOXQWidgetBaseImpl::fromWidget(probe.get());
        const QVector<QByteArray> attrKeys =
            impl ? impl->keyTable().keyNames(true) : QVector<QByteArray>();
        const QVector<QByteArray> memberKeys =
            impl ? impl->keyTable().keyNames(false) : QVector<QByteArray>();
        for (const Json::Value& value : values) {
            // The value as the whole object, as "attr", and as every key at once.
            Json::Value everyKey(Json::objectValue);
            Json::Value attr(Json::objectValue);
            for (const QByteArray& key : attrKeys)
                attr[key.toStdString()] = value;
            for (const char* key : kCommonKeys)
                everyKey[key] = value;
            for (const QByteArray& key : memberKeys)
                everyKey[key.toStdString()] = value;
            Json::Value withAttr = everyKey;
            withAttr["attr"] = attr;
            Json::Value attrOnly(Json::objectValue);
            attrOnly["attr"] = value;
            for (const Json::Value& document : {value, attrOnly, everyKey, withAttr}) {
                std::unique_ptr<QWidget> control = create(type, document);
                ASSERT_NE(control, nullptr) << type.constData();
                // Whatever it made of that, it can still write and read itself.
                const Json::Value out = written(control.get());
                EXPECT_EQ(jsonWrite(written(create(type, out).get())), jsonWrite(out))
                    << type.constData() << " after " << jsonWrite(document);
            }
        }
    }
}
