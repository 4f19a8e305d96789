// The slider: fill fractions over awkward ranges, the channel and fill in both orientations,
// the thumb's size and state under the mouse, and its JSON keys (range, value and orientation
// are the slider's own, never a theme's).

#include "ControlTestUtil.h"
#include "MOXQResourceManager.h"
#include "MOXQSlider.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <climits>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

const QColor kBack(0x11, 0x22, 0x33); // fillA
const QColor kFore(0x44, 0x55, 0x66); // fillB

void mouse(QWidget* w, QEvent::Type type, const QPoint& pos, bool held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        held && type != QEvent::MouseButtonRelease ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

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
    QImage image = ctltest::rendered(slider.get());
    EXPECT_EQ(image.pixelColor(15, 199), kFore);
    EXPECT_EQ(image.pixelColor(15, 140), kFore);
    EXPECT_EQ(image.pixelColor(15, 139), kBack);
    EXPECT_EQ(image.pixelColor(15, 0), kBack);
    // The channel is centred across: 10 wide from x = 10.
    EXPECT_EQ(image.pixelColor(10, 100), kBack);
    EXPECT_EQ(image.pixelColor(19, 100), kBack);
    EXPECT_EQ(image.pixelColor(9, 100).alpha(), 0);
    EXPECT_EQ(image.pixelColor(20, 100).alpha(), 0);

    slider->setIsHorizontal(true);
    slider->resize(200, 30);
    slider->setValue(25);
    image = ctltest::rendered(slider.get());
    EXPECT_EQ(image.pixelColor(49, 15), kFore);
    EXPECT_EQ(image.pixelColor(50, 15), kBack);
}

TEST(Slider, ThumbTakesItsSizeAndFollowsTheMouse)
{
    init();
    MOXQSlider slider;
    slider.setRange(0, 100);
    slider.setValue(50);
    slider.resize(220, 40);
    slider.setThumbSize(24, 16);
    const QRect thumb = slider.getThumbRect();
    EXPECT_EQ(thumb.size(), QSize(24, 16));
    EXPECT_EQ(thumb.top(), 12);
    EXPECT_EQ(slider.getSliderLength(), 24);

    const QPoint on = thumb.center();
    const QPoint off(5, 5);
    enum Step
    {
        Move,
        Press,
        Drag,
        Release,
        Leave
    };
    struct Case
    {
        Step step;
        QPoint pos;
        CtrlState state;
    } cases[] = {
        {Move, on, CtrlStateHot},
        {Move, off, CtrlStateNormal},
        {Press, off, CtrlStateNormal},
        {Release, off, CtrlStateNormal},
        {Move, on, CtrlStateHot},
        {Press, on, CtrlStatePressed},
        {Drag, off, CtrlStatePressed},
        {Drag, {300, 80}, CtrlStatePressed},
        {Release, {300, 80}, CtrlStateNormal},
        {Move, slider.getThumbRect().center(), CtrlStateHot},
        {Leave, {}, CtrlStateNormal},
    };
    int row = 0;
    for (const Case& c : cases) {
        QPoint pos = c.pos;
        // The thumb moves with a drag; follow it where the row means "on the thumb".
        if (c.step == Move && c.state == CtrlStateHot) pos = slider.getThumbRect().center();
        switch (c.step) {
        case Move:
            mouse(&slider, QEvent::MouseMove, pos, false);
            break;
        case Press:
            mouse(&slider, QEvent::MouseButtonPress, pos, true);
            break;
        case Drag:
            mouse(&slider, QEvent::MouseMove, pos, true);
            break;
        case Release:
            mouse(&slider, QEvent::MouseButtonRelease, pos, true);
            break;
        case Leave: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&slider, &leave);
        } break;
        }
        EXPECT_EQ(slider.impl()->getState(), c.state) << "row " << row;
        ++row;
    }
}

TEST(Slider, JsonKeysRoundTripAndThemesNeverSetRangeValueOrOrientation)
{
    auto slider = controlFrom<MOXQSlider>(parsed(R"({"attr": {"isHor": false, "min": 10,
        "max": 110, "val": 60, "thumbW": 12, "thumbH": 30, "channelSize": 4},
        "style": [["fillA", 1, 0], ["fillB", 1, 2], ["fillC", 1, 4], ["fillD", 1, 6],
                  ["fillD", 1, 1], ["fillD", 1, 3]]})"));
    EXPECT_FALSE(slider->getIsHorizontal());
    EXPECT_EQ(slider->minimum(), 10);
    EXPECT_EQ(slider->maximum(), 110);
    EXPECT_EQ(slider->value(), 60);
    EXPECT_EQ(slider->getSliderLength(), 30);
    for (int state = 0; state < 4; ++state)
        EXPECT_EQ(slider->getThumbStyle(CtrlState(state)).name, state == 2 ? "fillD" : "fillC");
    const Json::Value out = written(slider.get());
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"channelSize":4,"isHor":false,"max":110,"min":10,)"
                                      R"("thumbH":30,"thumbW":12,"val":60})");
    EXPECT_EQ(jsonWrite(out["style"]),
              R"([["fillA",1,0],["fillB",1,2],["fillC",1,4],["fillD",1,6]])");
    auto back = controlFrom<MOXQSlider>(out);
    EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out));

    // A range below the current one reads (maximum first); a missing "val" means 0 (clamped
    // into the range); a missing "isHor" means horizontal.
    Json::Value json = parsed(R"({"attr": {"min": -300, "max": -200}})");
    back->readJsonValue(&json);
    EXPECT_EQ(back->minimum(), -300);
    EXPECT_EQ(back->maximum(), -200);
    EXPECT_EQ(back->value(), -200);
    EXPECT_TRUE(back->getIsHorizontal());
    json = parsed(R"({"attr": {"max": 1e300, "val": "7", "thumbW": -5}})");
    back->readJsonValue(&json);
    EXPECT_EQ(back->maximum(), -200);
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
    EXPECT_EQ(themed->minimum(), 0);
    EXPECT_EQ(themed->maximum(), 100);
    EXPECT_EQ(themed->value(), 40);
}
