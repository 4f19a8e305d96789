// The group box: the outline and its title gap measured in pixels, the styles' slots, and the
// colour read from text or from a 32-bit ARGB number.

#include "ControlTestUtil.h"
#include "MOXQGroupBox.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

bool dark(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 64;
}

} // namespace

TEST(GroupBox, OutlineLeavesTheTitleGapAndRaisesTheBottomByTheLineSize)
{
    ctltest::loadTestResources();
    struct Case
    {
        const char* title;
        bool showText;
        int lineSize;
    };
    // Hostile line sizes keep the bottom edge inside the box.
    const Case cases[] = {{"", false, 1},     {"", false, 3},       {"Group", true, 1},
                          {"Group", true, 0}, {"", false, INT_MIN}, {"", false, INT_MAX}};
    for (const Case& c : cases) {
        MOXQGroupBox box;
        box.resize(120, 70);
        box.setText(c.title);
        box.setShowText(c.showText);
        box.setLineSize(c.lineSize);
        TextStyleDesc style = box.getTextStyle(CtrlStateNormal);
        style.color = Qt::white; // the title never darkens the gap
        box.setTextStyle(CtrlStateNormal, style);
        const QImage image = ctltest::rendered(&box);
        const QSize title = measureText(c.title, style);
        const int w = c.showText ? title.width() : 0;
        const int m = title.height() / 2;
        const int bottom = int(std::clamp<qint64>(69LL - c.lineSize + 1, m + 1, 69));
        SCOPED_TRACE(testing::Message() << c.title << " size " << c.lineSize);
        // The top edge: solid up to x = 5, open in the gap, solid again from the title's end.
        for (int x = 0; x <= 5; ++x)
            EXPECT_TRUE(dark(image, x, m)) << x;
        for (int x = 6; x < w + 9; ++x)
            EXPECT_FALSE(dark(image, x, m)) << x;
        for (int x = w + 9; x <= 118; ++x)
            EXPECT_TRUE(dark(image, x, m)) << x;
        EXPECT_FALSE(dark(image, 119, m)); // the right edge runs one pixel in
        // The sides and the raised bottom edge.
        for (int y = m; y <= bottom; ++y)
            EXPECT_TRUE(dark(image, 0, y) && dark(image, 118, y)) << y;
        for (int x = 0; x <= 118; x += 9)
            EXPECT_TRUE(dark(image, x, bottom)) << x;
        for (int y = bottom + 1; y < 70; ++y)
            EXPECT_FALSE(dark(image, 60, y)) << y;
    }
}

TEST(GroupBox, JsonKeysColourNumbersAndThemeEntries)
{
    ctltest::loadTestResources();
    MOXQGroupBox fresh;
    Json::Value out = written(&fresh);
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"color":"FF000000","size":1})");
    EXPECT_FALSE(out.isMember("style"));

    auto box = controlFrom<MOXQGroupBox>(parsed(
        R"({"style": [["fillA", 1, 0], ["textBig", 2, 2], ["fillB", 1, 1], ["textGreen", 2, 7]],
            "attr": {"text": "Options", "size": 3, "color": "FF00FF00", "showText": false}})"));
    EXPECT_EQ(box->getBackground(CtrlStateNormal).name, "fillA");
    EXPECT_EQ(box->getTextStyle(CtrlStateNormal).name, "textBig");
    EXPECT_EQ(box->getText(), "Options");
    EXPECT_EQ(box->getLineSize(), 3);
    EXPECT_EQ(box->getLineColor(), QColor(0, 255, 0));
    EXPECT_FALSE(box->getShowText());
    out = written(box.get());
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillA",1,0],["textBig",2,2]])");
    EXPECT_EQ(jsonWrite(out["attr"]),
              R"({"color":"FF00FF00","showText":0,"size":3,"text":"Options"})");
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQGroupBox>(out).get())), jsonWrite(out));

    // Numbers are 32-bit ARGB values, alpha on top, whether they arrive unsigned or as the
    // same bits seen signed; anything beyond 32 bits is refused and the colour stays.
    const std::pair<const char*, QRgb> colours[] = {
        {"4278190335", 0xFF0000FF},  {"-16776961", 0xFF0000FF},    {"2147483648", 0x80000000},
        {"16711680", 0x00FF0000},    {"\"FF0000FF\"", 0xFF0000FF}, {"4294967296", 0xFF000000},
        {"-2147483649", 0xFF000000}, {"1.5", 0xFF000000},          {"[1]", 0xFF000000}};
    for (const auto& [json, expected] : colours) {
        const std::string text = std::string(R"({"attr": {"color": )") + json + "}}";
        EXPECT_EQ(controlFrom<MOXQGroupBox>(parsed(text.c_str()))->getLineColor().rgba(), expected)
            << json;
    }

    // A theme entry restyles the box but never retitles it.
    const QString dir = testsupport::tempDir(QStringLiteral("groupbox-theme"));
    testsupport::writeFile(dir + "/style.json", R"({"style": []})");
    testsupport::writeFile(dir + "/theme.json", R"({"elements": [{"child": [{"name": "boxTheme",
        "attr": {"text": "From theme", "color": "FFFF0000", "size": 2}}]}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    ASSERT_TRUE(manager->loadThemeDir(dir));
    box = controlFrom<MOXQGroupBox>(
        parsed(R"({"theme": "boxTheme", "attr": {"text": "Own", "color": "FF00FF00"}})"));
    EXPECT_EQ(box->getText(), "Own");
    EXPECT_EQ(box->getLineColor(), QColor(255, 0, 0));
    EXPECT_EQ(box->getLineSize(), 2);
    manager->releaseThemeRes();
}
