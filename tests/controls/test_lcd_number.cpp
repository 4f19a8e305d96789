// The LCD number: texts and numbers written back as shown, the digit colour in every palette
// group that paints, and the background slot.

#include "ControlTestUtil.h"
#include "MOXQLCDNumber.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

TEST(LCDNumber, TextsAndNumbersRoundTrip)
{
    ctltest::loadTestResources();
    struct Case
    {
        const char* shown; // null: display(3.5) as a number
        const char* text;  // what is written, and read back the same
    };
    const Case cases[] = {{"12:34", "12:34"}, {"3.5", "3.5"}, {"-7", "-7"},    {"0", "0"},
                          {"ab c", "ab c"},   {"", ""},       {nullptr, "3.5"}};
    for (const Case& c : cases) {
        MOXQLCDNumber lcd;
        c.shown ? lcd.setNumText(c.shown) : lcd.display(3.5);
        const Json::Value out = written(&lcd);
        EXPECT_EQ(jsonString(out["attr"], "text", "<none>"), c.text);
        auto back = controlFrom<MOXQLCDNumber>(out);
        EXPECT_EQ(back->getNumText(), c.text);
        EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out)) << c.text;
    }
    // A number shown after a text replaces it, through the control or a QLCDNumber pointer.
    MOXQLCDNumber lcd;
    lcd.setNumText("12:34");
    lcd.display(0);
    EXPECT_EQ(lcd.getNumText(), "0");
    lcd.setNumText("12:34");
    static_cast<QLCDNumber&>(lcd).display(42);
    EXPECT_EQ(lcd.getNumText(), "42");
}

TEST(LCDNumber, ColourDigitCountAndBackgroundKeys)
{
    ctltest::loadTestResources();
    // Before any paint the stored colour is what is written.
    auto lcd = controlFrom<MOXQLCDNumber>(parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 1]],
                   "attr": {"color": "FFFF0000", "digitCount": 8, "text": "1"}})"));
    Json::Value out = written(lcd.get());
    EXPECT_EQ(jsonString(out["attr"], "color"), "FFFF0000");
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillA",1,0]])");
    EXPECT_EQ(lcd->digitCount(), 8);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        EXPECT_EQ(lcd->palette().color(group, QPalette::WindowText), Qt::red) << group;

    // The digits are drawn in that colour over the background.
    lcd->resize(120, 40);
    lcd->setNumText("8");
    const QImage image = ctltest::rendered(lcd.get());
    EXPECT_GT(testsupport::colorShare(image, Qt::red, 8), 0.005);
    EXPECT_GT(testsupport::colorShare(image, QColor(0x11, 0x22, 0x33)), 0.5);

    // No style writes a null "style"; a digit count of 0 survives a round trip; a file without
    // one keeps the default; counts beyond QLCDNumber's range are clamped.
    MOXQLCDNumber fresh;
    out = written(&fresh);
    EXPECT_TRUE(out.isMember("style") && out["style"].isNull());
    fresh.setDigitCount(0);
    EXPECT_EQ(controlFrom<MOXQLCDNumber>(written(&fresh))->digitCount(), 0);
    // QLCDNumber starts with 5 digits.
    for (const auto& [json, count] : {std::pair{R"({"attr": {}})", 5},
                                      {R"({"attr": {"digitCount": 100000}})", 99},
                                      {R"({"attr": {"digitCount": -4}})", 0}})
        EXPECT_EQ(controlFrom<MOXQLCDNumber>(parsed(json))->digitCount(), count) << json;
}
