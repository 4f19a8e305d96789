// The switch: where the thumb rests for each side, size and margin, how a press slides it and
// when the side flips, and its JSON keys.

#include "ControlTestUtil.h"
#include "MOXQSwitch.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

TEST(Switch, ThumbRestsAtItsSideInsideTheTrack)
{
    const struct
    {
        const char* json;
        int width;
        // -1: keep the side the JSON gives; else set it afterwards.
        int setLeft;
        int resizeTo;
        int thumbLeft;
    } cases[] = {
        {"{}", 100, -1, 0, 2 + 71},
        {R"({"attr": {}})", 100, -1, 0, 2},
        {R"({"attr": {"on": true}})", 100, -1, 0, 73},
        {"{}", 100, 1, 0, 2},
        {R"({"attr": {"on": 0}})", 100, 0, 0, 73},
        {R"({"attr": {"on": 1, "margin": 10, "thumbW": 30}})", 100, -1, 0, 10 + 50},
        // Narrower than the thumb: the travel ends at 0, the thumb stays at the margin.
        {R"({"attr": {"on": 1}})", 20, -1, 0, 2},
        {R"({"attr": {"on": 1}})", 100, -1, 60, 2 + 31},
        {R"({"attr": {"on": 1, "margin": -5, "thumbW": -3}})", 50, -1, 0, 50},
    };
    for (const auto& c : cases) {
        auto sw = controlFrom<MOXQSwitch>(parsed(c.json));
        sw->resize(c.width, 29);
        if (c.setLeft >= 0) sw->setSwitchToLeft(c.setLeft == 1);
        if (c.resizeTo > 0) sw->resize(c.resizeTo, 29);
        const QRect thumb = sw->impl()->thumbRect(sw->rect());
        EXPECT_EQ(thumb.left(), c.thumbLeft) << c.json;
        EXPECT_GE(thumb.left(), 0) << c.json;
    }
}

TEST(Switch, PaintsTrackThumbAndTexts)
{
    auto sw = controlFrom<MOXQSwitch>(parsed(R"({"style": [["fillB", 1, 0], ["fillA", 1, 2],
        ["fillC", 1, 1]], "attr": {"on": 1, "leftText": "", "rightText": ""}})"));
    sw->resize(100, 29);
    auto pixel = [&](int x) { return ctltest::rendered(sw.get()).pixelColor(x, 14); };
    EXPECT_EQ(pixel(84), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(pixel(14), QColor(0x44, 0x55, 0x66));
    sw->setSwitchToLeft(true);
    EXPECT_EQ(pixel(14), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(pixel(84), QColor(0x44, 0x55, 0x66));
    // Slot 1 styles nothing, so only the background and the thumbs are written.
    EXPECT_EQ(jsonWrite(written(sw.get())["style"]), R"([["fillB",1,0],["fillA",1,2]])");
}

// The side flips when the slide finishes, never before; a press during a slide starts nothing.
TEST(Switch, PressSlidesOnceAndFlipsOnFinish)
{
    MOXQSwitch sw;
    sw.resize(100, 29);
    QVariantAnimation& slide = sw.impl()->thumbAnimation();
    testsupport::sendMouse(&sw, QEvent::MouseButtonPress, QPointF(50, 14));
    EXPECT_TRUE(sw.impl()->isAnimating());
    EXPECT_EQ(sw.impl()->getState(), CtrlStatePressed);
    slide.setCurrentTime(150);
    EXPECT_NEAR(sw.impl()->thumbX(100), 35, 1);
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    testsupport::sendMouse(&sw, QEvent::MouseButtonRelease, QPointF(50, 14));
    testsupport::sendMouse(&sw, QEvent::MouseButtonPress, QPointF(50, 14));
    EXPECT_EQ(slide.currentTime(), 150);
    slide.setCurrentTime(slide.duration());
    EXPECT_FALSE(sw.impl()->isAnimating());
    EXPECT_EQ(slide.state(), QAbstractAnimation::Stopped);
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.impl()->thumbX(100), 0);

    // Setting the side during a slide ends it there.
    testsupport::sendMouse(&sw, QEvent::MouseButtonPress, QPointF(50, 14));
    slide.setCurrentTime(100);
    sw.setSwitchToLeft(true);
    EXPECT_FALSE(sw.impl()->isAnimating());
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.impl()->thumbX(100), 0);
}

TEST(Switch, AttrKeys)
{
    const struct
    {
        const char* in;
        const char* attr;
        const char* left;
        const char* right;
    } cases[] = {
        {"{}", R"({"leftText":"On","on":true,"rightText":"Off","thumbH":25,"thumbW":25})", "On",
         "Off"},
        {R"({"attr": {}})", R"({"leftText":"On","rightText":"Off","thumbH":25,"thumbW":25})", "On",
         "Off"},
        // A text the file leaves out keeps the current one.
        {R"({"attr": {"leftText": "Yes", "speed": 0, "margin": 3, "thumbW": 0}})",
         R"({"leftText":"Yes","margin":3,"rightText":"Off","speed":0,"thumbH":25,"thumbW":0})",
         "Yes", "Off"},
        {R"({"attr": {"rightText": 5, "speed": -9, "thumbH": "tall", "on": 1}})",
         R"({"leftText":"On","on":true,"rightText":"Off","speed":0,"thumbH":25,"thumbW":25})", "On",
         "Off"},
    };
    for (const auto& c : cases) {
        auto sw = controlFrom<MOXQSwitch>(parsed(c.in));
        const Json::Value out = written(sw.get());
        EXPECT_EQ(jsonWrite(out["attr"]), c.attr) << c.in;
        EXPECT_EQ(sw->getLeftText(), c.left) << c.in;
        EXPECT_EQ(sw->getRightText(), c.right) << c.in;
        EXPECT_EQ(jsonWrite(written(controlFrom<MOXQSwitch>(out).get())), jsonWrite(out)) << c.in;
    }
}

TEST(Switch, PropertyEntriesAndTeardownMidSlide)
{
    init();
    auto entry = [](const char* name) {
        for (const PropertyDef& def : moxGetControlInfo("qtswitch")->properties)
            if (def.displayName == QLatin1String(name)) return def;
        return PropertyDef();
    };
    auto sw = std::make_unique<MOXQSwitch>();
    sw->resize(100, 29);
    entry("DefaultIsLeft").setter(sw.get(), true);
    entry("ThumbSize").setter(sw.get(), QSize(30, 20));
    EXPECT_TRUE(sw->getIsSwitchToLeft());
    EXPECT_EQ(sw->impl()->thumbRect(sw->rect()), QRect(2, 2, 30, 20));
    EXPECT_EQ(entry("Background").getter(sw.get()).toList().size(), 2);
    // The slide belongs to the switch alone: destroying it mid-slide leaves nothing behind.
    testsupport::sendMouse(sw.get(), QEvent::MouseButtonPress, QPointF(50, 14));
    ASSERT_TRUE(sw->impl()->isAnimating());
    sw.reset();
    testsupport::processEvents(40);
}
