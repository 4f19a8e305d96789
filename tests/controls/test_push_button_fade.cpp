// The Normal/Hot fade: ticks driven directly, and the button's timer and colours under it.

#include "ControlTestUtil.h"
#include "MOXQPushButton.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace MOXQtLib;

namespace {

// Ticks until the fade stops; the progress after each tick.
std::vector<double> run(MOXQPushButtonFade& fade, int& state)
{
    std::vector<double> steps;
    while (fade.isRunning() && steps.size() < 100) {
        fade.tick(state);
        steps.push_back(fade.progress());
    }
    return steps;
}

} // namespace

TEST(PushButtonFade, TicksRiseAndFallToExactEndsAndStopWithNothingToDo)
{
    MOXQPushButtonFade fade;
    fade.setEnabled(true);
    fade.setDuration(100);
    int state = CtrlStateHot;
    fade.enter(CtrlStateNormal);
    const std::vector<double> rise = run(fade, state);
    EXPECT_TRUE(std::is_sorted(rise.begin(), rise.end()));
    EXPECT_EQ(rise.size(), 7u); // 16 ms steps over 100 ms
    EXPECT_EQ(rise.back(), 1.0);
    EXPECT_FALSE(fade.isBlending());
    fade.leave(true);
    const std::vector<double> fall = run(fade, state);
    EXPECT_EQ(fall.size(), 7u);
    EXPECT_TRUE(std::is_sorted(fall.rbegin(), fall.rend()));
    EXPECT_EQ(fall.back(), 0.0);
    EXPECT_EQ(state, CtrlStateNormal);

    // Back in during a fall: the state is still Hot, so the rise has nowhere to go.
    state = CtrlStateHot;
    fade.leave(true);
    fade.tick(state);
    fade.enter(state);
    EXPECT_EQ(run(fade, state).size(), 1u);
    EXPECT_EQ(state, CtrlStateHot);
    // Leaving a button that was disabled while hovered ends at once on Disable.
    fade.leave(false);
    EXPECT_EQ(run(fade, state).size(), 1u);
    EXPECT_EQ(state, CtrlStateDisable);

    fade.setDuration(-5);
    EXPECT_EQ(fade.duration(), 150);
    EXPECT_EQ(MOXQPushButtonFade::blend(QColor(0, 0, 0, 0), QColor(200, 100, 50), 0.5).rgba(),
              QColor(100, 50, 25, 128).rgba());
}

TEST(PushButtonFade, ButtonTimerColoursAndSwitchingOff)
{
    MOXQPushButton button;
    button.resize(60, 24);
    button.setFadeEnabled(true);
    button.setFadeDuration(64);
    MOXQPushButtonImpl* impl = button.impl();
    const QPoint centre(30, 2);
    auto colour = [&] { return ctltest::rendered(&button).pixelColor(centre); };
    const QColor normal = button.getBackground(CtrlStateNormal).fillRes.color;
    const QColor hot = button.getBackground(CtrlStateHot).fillRes.color;

    impl->enterControl();
    EXPECT_TRUE(impl->isFadeTimerActive());
    EXPECT_EQ(colour(), normal);
    int lastRed = colour().red();
    while (impl->isFadeTimerActive()) {
        impl->fadeTick();
        // #F5F5F5 -> #EDFBFF: red falls, blue rises.
        EXPECT_LE(colour().red(), lastRed);
        lastRed = colour().red();
    }
    EXPECT_EQ(colour(), hot);

    impl->leaveControl();
    EXPECT_EQ(colour(), hot);
    impl->fadeTick();
    const QColor between = colour();
    EXPECT_GT(between.red(), hot.red());
    EXPECT_LT(between.red(), normal.red());
    // Switched off in the middle of the fall, outside the button: back to Normal, not Hot.
    button.setFadeEnabled(false);
    EXPECT_FALSE(impl->isFadeTimerActive());
    EXPECT_EQ(impl->getState(), CtrlStateNormal);
    EXPECT_EQ(colour(), normal);

    // Re-entry during a fall: one tick and the timer is quiet again.
    button.setFadeEnabled(true);
    impl->leaveControl();
    impl->enterControl();
    impl->fadeTick();
    EXPECT_FALSE(impl->isFadeTimerActive());
    EXPECT_EQ(colour(), hot);
}
