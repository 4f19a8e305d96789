// The slider: fill fractions over awkward ranges, the channel and fill in both orientations,
// the thumb's size and state under the mouse, and its JSON keys (range, value and orientation
// are the slider's own, never a theme's).

#include "ControlTestUtil.h"
#include "MOXQResourceManager.h"
#include "MOXQSlider.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::Mouse;
using ctltest::parsed;
using ctltest::written;

TEST(Slider, FillsTheFractionOfTheChannel)
{
    struct Case
    {
        int minimum, maximum, value;
        bool horizontal;
        QRect filled;
    } cases[] = {
        {0, 100, 25, true, {0, 10, 50, 10}},
        {10, 110, 10, true, {0, 10, 0, 10}},
        {0, 100, 100, true, {0, 10, 200, 10}},
        {-50, 50, 0, true, {0, 10, 100, 10}},
        // An empty range counts as 100 wide.
        {5, 5, 5, true, {0, 10, 0, 10}},
        {INT_MIN, INT_MAX, 0, true, {0, 10, 100, 10}},
        // Upright channels grow from the bottom edge.
        {0, 100, 25, false, {10, 150, 10, 50}},
        {0, 100, 100, false, {10, 0, 10, 200}},
        {0, 100, 0, false, {10, 200, 10, 0}},
    };
    for (const Case& c : cases) {
        const QRect rect = c.horizontal ? QRect(0, 0, 200, 30) : QRect(0, 0, 30, 200);
        const QRect channel = MOXQSliderImpl::channelRect(rect, 10, c.horizontal);
        const double f = MOXQSliderImpl::fraction(c.value, c.minimum, c.maximum);
        EXPECT_EQ(MOXQSliderImpl::filledRect(channel, f, c.horizontal), c.filled)
            << c.minimum << ".." << c.maximum << " = " << c.value << " hor " << c.horizontal;
    }
}

TEST(Slider, DrawsTheChannelAndAVerticalFillFromTheBottom)
{
    init();
    auto slider = controlFrom<MOXQSlider>(parsed(
        R"({"attr": {"isHor": false, "val": 30}, "style": [["fillA", 1, 0], ["fillB", 1, 2]]})"));
    FillStyle none;
    none.valid = false;
    slider->setThumbStyle(CtrlStateAll, none);
    slider->resize(30, 200);
    const QImage image = ctltest::rendered(slider.get());
    const QColor back(0x11, 0x22, 0x33), fore(0x44, 0x55, 0x66);
    struct Probe
    {
        int x, y;
        QColor color;
    } probes[] = {
        {15, 199, fore}, {15, 140, fore}, {15, 139, back},           {15, 0, back},
        {10, 100, back}, {19, 100, back}, {9, 100, Qt::transparent}, {20, 100, Qt::transparent}};
    for (const Probe& p : probes)
        EXPECT_EQ(image.pixel(p.x, p.y), p.color.rgba()) << p.x << "," << p.y;
}

TEST(Slider, ThumbTakesItsSizeAndFollowsTheMouse)
{
    init();
    MOXQSlider slider;
    slider.setValue(50);
    slider.resize(220, 40);
    slider.setThumbSize(24, 16);
    EXPECT_EQ(slider.getThumbRect().size(), QSize(24, 16));
    EXPECT_EQ(slider.getThumbRect().top(), 12);

    // "on" follows the thumb, which a drag moves.
    const QPoint off(5, 5), far(300, 80), on(-1, -1);
    struct Case
    {
        Mouse step;
        QPoint pos;
        CtrlState state;
    } cases[] = {
        {Mouse::Move, on, CtrlStateHot},        {Mouse::Move, off, CtrlStateNormal},
        {Mouse::Press, off, CtrlStateNormal},   {Mouse::Release, off, CtrlStateNormal},
        {Mouse::Move, on, CtrlStateHot},        {Mouse::Press, on, CtrlStatePressed},
        {Mouse::Drag, off, CtrlStatePressed},   {Mouse::Drag, far, CtrlStatePressed},
        {Mouse::Release, far, CtrlStateNormal}, {Mouse::Move, on, CtrlStateHot},
        {Mouse::Leave, {}, CtrlStateNormal},
    };
    int row = 0;
    for (const Case& c : cases) {
        ctltest::sendMouse(&slider, c.step, c.pos == on ? slider.getThumbRect().center() : c.pos);
        EXPECT_EQ(slider.impl()->getState(), c.state) << "row " << row++;
    }
}

TEST(Slider, JsonKeysRoundTripAndThemesNeverSetRangeValueOrOrientation)
{
    auto slider = controlFrom<MOXQSlider>(parsed(R"({"attr": {"isHor": false, "min": 10,
        "max": 110, "val": 60, "thumbW": 12, "thumbH": 30, "channelSize": 4},
        "style": [["fillA", 1, 0], ["fillB", 1, 2], ["fillC", 1, 4], ["fillD", 1, 6],
                  ["fillD", 1, 1], ["fillD", 1, 3]]})"));
    EXPECT_EQ(slider->getSliderLength(), 30);
    EXPECT_EQ(slider->getThumbStyle(CtrlStateHot).name, "fillC");
    const Json::Value out = written(slider.get());
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"channelSize":4,"isHor":false,"max":110,"min":10,)"
                                      R"("thumbH":30,"thumbW":12,"val":60})");
    EXPECT_EQ(jsonWrite(out["style"]),
              R"([["fillA",1,0],["fillB",1,2],["fillC",1,4],["fillD",1,6]])");
    auto back = controlFrom<MOXQSlider>(out);
    EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out));

    // A range below the current one reads (maximum first); a missing "val" means 0, clamped
    // into the range; a missing "isHor" means horizontal; bad numbers keep what was there.
    for (const char* text : {R"({"attr": {"min": -300, "max": -200}})",
                             R"({"attr": {"max": 1e300, "val": "7", "thumbW": -5}})"}) {
        Json::Value json = parsed(text);
        back->readJsonValue(&json);
    }
    EXPECT_EQ(back->minimum(), -300);
    EXPECT_EQ(back->maximum(), -200);
    EXPECT_EQ(back->value(), -200);
    EXPECT_TRUE(back->getIsHorizontal());
    EXPECT_EQ(back->impl()->getThumbWidth(), 0);

    const QString dir = testsupport::tempDir("slider-theme");
    testsupport::writeFile(dir + "/style.json", R"({"style": []})");
    testsupport::writeFile(dir + "/theme.json", R"({"elements": [{"child": [
        {"name": "themedSlider", "attr": {"isHor": false, "min": 50, "max": 60, "val": 55,
         "channelSize": 3}}]}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    ASSERT_TRUE(manager->loadThemeDir(dir));
    auto themed =
        controlFrom<MOXQSlider>(parsed(R"({"theme": "themedSlider", "attr": {"val": 40}})"));
    manager->releaseThemeRes();
    EXPECT_EQ(themed->getChannelHeight(), 3);
    EXPECT_TRUE(themed->getIsHorizontal());
    EXPECT_EQ(std::make_pair(themed->minimum(), themed->maximum()), std::make_pair(0, 100));
    EXPECT_EQ(themed->value(), 40);
}
