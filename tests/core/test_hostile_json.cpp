#include "MOXJson.h"
#include "MOXQtLib.h"
#include "ProbeControl.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <qnumeric.h>

#include <string>

using namespace MOXQtLib;

namespace {

// Every key a control reads, except "visibility" and "enable": booleans also accept numbers.
const QStringList kKeys =
    QStringLiteral("name tooltip layout x y w h absoluteLayout absoluteDockHor "
                   "absoluteDockVer absoluteDockOffsetX absoluteDockOffsetY widthPolicy "
                   "heightPolicy minWidth minHeight maxWidth maxHeight attr theme text "
                   "look type child")
        .split(' ');

const QStringList kWrongValues =
    QStringLiteral(R"(null|true|"str"|[]|[1, {"a": null}]|{}|{"type": "1", "ratio": []}|1e300|)"
                   R"(-1e300|18446744073709551615|-9223372036854775808|2147483648|0.5)")
        .split('|');

} // namespace

TEST(HostileJson, WrongTypesEverywhereKeepTheControlSane)
{
    for (const QString& wrongText : kWrongValues) {
        const std::string wrong = wrongText.toStdString();
        std::string text = "{";
        for (const QString& key : kKeys)
            text += "\"" + key.toStdString() + "\": " + wrong + ",";
        text.back() = '}';
        Json::Value value;
        ASSERT_TRUE(jsonParse(text, value)) << text;

        ProbeControl p;
        p.setObjectName("kept");
        p.setMinimumSize(3, 4);
        p.setWidthPolicy(LayoutPolicy1);
        p.readJsonValue(&value);
        const bool isString = wrong == "\"str\"";
        EXPECT_EQ(p.objectName(), isString ? "str" : "kept") << wrong;
        EXPECT_TRUE(p.isEnabled());
        EXPECT_GE(p.minimumWidth(), 0);
        EXPECT_LE(p.maximumWidth(), 16777215);
        if (!isString && wrong != "true") {
            EXPECT_EQ(p.getWidthPolicy(), LayoutPolicy1) << wrong;
        }
        EXPECT_GE(p.getLayoutRatio(), 1);
        // Whatever was read can be written and read again.
        Json::Value out = writeControl(&p);
        Json::Value again;
        ASSERT_TRUE(jsonParse(jsonWrite(out), again)) << wrong;
        ProbeControl q;
        q.readJsonValue(&again);
        EXPECT_EQ(writeControl(&q), out) << wrong;
    }
}

TEST(HostileJson, HugeNumbersDeepNestingAndBrokenText)
{
    // Out-of-range numbers count as absent instead of wrapping around.
    Json::Value value;
    ASSERT_TRUE(jsonParse(std::string(R"({"x": 1e20, "w": 4294967397, "h": 20,
        "minWidth": 99999999999, "maxHeight": 1e308, "absoluteDockHor": 1e19,
        "attr": {"r": 1e308}})"),
                          value));
    ProbeControl p;
    p.readJsonValue(&value);
    void* data = nullptr;
    p.getLayoutData(data);
    const int* d = static_cast<const int*>(data);
    EXPECT_EQ(d[0], 0);
    EXPECT_EQ(d[2], 0);
    EXPECT_EQ(d[3], 20);
    EXPECT_EQ(p.minimumWidth(), 0);
    EXPECT_FALSE(p.getAbsoluteLayout());
    // Reals JSON cannot carry are not written; numbers beyond a double do not parse.
    p.impl()->setCustomAttr("nan", MOXCustomAttr(MOXCustomAttr::Double, qQNaN()));
    p.impl()->setCustomAttr("inf", MOXCustomAttr(MOXCustomAttr::Float, qInf()));
    Json::Value out = writeControl(&p);
    EXPECT_EQ(out["attr"].getMemberNames(), std::vector<std::string>{"r"});
    EXPECT_EQ(out["h"].asInt(), 20);
    EXPECT_FALSE(jsonParse(std::string(R"({"attr": {"inf": 1e999}})"), value));

    // Nesting deeper than the parser allows fails cleanly; setJsonData ignores it.
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_FALSE(jsonParse(deep, value));
    EXPECT_TRUE(value.isNull());
    ProbeControl q;
    q.setObjectName("q");
    q.setJsonData(QString::fromStdString(deep));
    EXPECT_EQ(q.objectName(), "q");

    // Nesting the parser accepts is skipped inside "attr" and "layout".
    std::string nested = "{\"attr\": {\"a\": " + std::string(150, '[') + std::string(150, ']') +
                         ", \"b\": 1}, \"layout\": " + std::string(150, '[') +
                         std::string(150, ']') + "}";
    ASSERT_TRUE(jsonParse(nested, value));
    ProbeControl r;
    r.readJsonValue(&value);
    EXPECT_EQ(r.impl()->customAttrCount(), 1);
    EXPECT_EQ(r.getLayoutType(), LayoutAbsolute);

    for (const char* broken : {"", "{", "{\"name\": }", "\xff\xfe", "{\"a\":1}}", "[1,]"}) {
        ProbeControl s;
        s.setObjectName("s");
        s.setJsonData(QString::fromLatin1(broken));
        EXPECT_EQ(s.objectName(), "s") << broken;
    }
}
