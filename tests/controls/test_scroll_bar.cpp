// The scroll bar: part states under the mouse (a drag that leaves the bar keeps the thumb
// Pressed), the parts drawn in their states, the thickness hint, and its JSON keys.

#include "ControlTestUtil.h"
#include "MOXQScrollBar.h"

#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::Mouse;
using ctltest::parsed;
using Part = MOXQScrollBarImpl::Part;

namespace {

const QColor kGroove(0x11, 0x22, 0x33);  // fillA
const QColor kHot(0x77, 0x88, 0x99);     // fillC
const QColor kPressed(0xAA, 0xBB, 0xCC); // fillD

// Groove fillA; every part fillB, Hot fillC, Pressed fillD, Disable fillA.
std::unique_ptr<MOXQScrollBar> styledBar()
{
    auto bar = controlFrom<MOXQScrollBar>(parsed(R"({"style": [["fillA", 1, 0],
        ["fillB", 1, 2], ["fillC", 1, 3], ["fillD", 1, 4], ["fillB", 1, 6], ["fillC", 1, 7],
        ["fillD", 1, 8], ["fillB", 1, 10], ["fillC", 1, 11], ["fillD", 1, 12], ["fillA", 1, 13]]})"));
    bar->setRange(0, 100);
    bar->setPageStep(20);
    bar->resize(16, 200);
    return bar;
}

} // namespace

TEST(ScrollBar, PartStatesFollowTheMouseAndADraggedThumbStaysPressed)
{
    auto bar = styledBar();
    auto centre = [&bar](Part part) { return bar->impl()->partRect(part).center(); };
    const QPoint thumb = centre(Part::Thumb), up = centre(Part::UpButton);
    const QPoint down = centre(Part::DownButton), out(40, 300), mid(thumb.x(), 140);
    const CtrlState N = CtrlStateNormal, H = CtrlStateHot, P = CtrlStatePressed;
    struct Case
    {
        Mouse step;
        QPoint pos;
        CtrlState thumb, up, down;
    } cases[] = {
        {Mouse::Move, thumb, H, N, N},
        {Mouse::Move, up, N, H, N},
        {Mouse::Press, up, N, P, N},
        // A pressed button the cursor slides off lets go of its look.
        {Mouse::Drag, down, N, N, H},
        {Mouse::Release, down, N, N, H},
        {Mouse::Leave, {}, N, N, N},
        {Mouse::Move, thumb, H, N, N},
        {Mouse::Press, thumb, P, N, N},
        {Mouse::Drag, mid, P, N, N},
        // Dragged out of the bar, and the bar left: still Pressed until the release.
        {Mouse::Drag, out, P, N, N},
        {Mouse::Leave, {}, P, N, N},
        {Mouse::Drag, up, P, H, N},
        {Mouse::Release, out, N, N, N},
    };
    int row = 0, dragged = 0;
    for (const Case& c : cases) {
        ctltest::sendMouse(bar.get(), c.step, c.pos);
        EXPECT_EQ(bar->partState(Part::Thumb), c.thumb) << "row " << row;
        EXPECT_EQ(bar->partState(Part::UpButton), c.up) << "row " << row;
        EXPECT_EQ(bar->partState(Part::DownButton), c.down) << "row " << row++;
        if (c.pos == mid) dragged = bar->value();
    }
    // Qt still scrolls: the thumb drag moved the value.
    EXPECT_GT(dragged, 40);
}

TEST(ScrollBar, DrawsEachPartInItsStateAndDisabledPartsInTheirDisableLook)
{
    auto bar = styledBar();
    bar->setValue(50);
    auto centre = [&bar](Part part) { return bar->impl()->partRect(part).center(); };
    ctltest::sendMouse(bar.get(), Mouse::Move, centre(Part::UpButton));
    ctltest::sendMouse(bar.get(), Mouse::Press, centre(Part::Thumb));
    QImage image = ctltest::rendered(bar.get());
    EXPECT_EQ(image.pixelColor(centre(Part::Thumb)), kPressed);
    EXPECT_EQ(image.pixelColor(centre(Part::UpButton)), kHot);
    const QRect groove = bar->impl()->partRect(Part::PartCount);
    ASSERT_GT(bar->impl()->partRect(Part::Thumb).top() - groove.top(), 2);
    EXPECT_EQ(image.pixelColor(groove.center().x(), groove.top() + 1), kGroove);
    bar->setEnabled(false);
    EXPECT_EQ(ctltest::rendered(bar.get()).pixelColor(centre(Part::Thumb)), kGroove);
}

TEST(ScrollBar, ThicknessReplacesQtsHintAcrossTheBar)
{
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal})
        for (const int size : {12, 0, -1, -40}) {
            MOXQScrollBar bar(orientation);
            const QSize qt = bar.QScrollBar::sizeHint();
            bar.setWidthHeight(size);
            const QSize expected = size < 0                      ? qt
                                   : orientation == Qt::Vertical ? QSize(size, qt.height())
                                                                 : QSize(qt.width(), size);
            EXPECT_EQ(bar.sizeHint(), expected) << orientation << " " << size;
        }
}

TEST(ScrollBar, JsonKeysRoundTripAndGroupEntriesFillTheirStates)
{
    auto bar = controlFrom<MOXQScrollBar>(parsed(R"({"attr": {"hor": true,
        "upicon": "up.svg", "downicon": "down.svg", "thumbicon": "grip.svg"},
        "style": [["fillA", 1, 0], ["fillB", 1, 10], ["fillC", 1, 12], ["fillD", 1, 6],
                  ["fillC", 1, 1], ["fillC", 1, 14], ["nosuch", 1, 2]]})"));
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(bar->getScrollbarThumb(CtrlState(state)).name, state == 2 ? "fillC" : "fillB");
        EXPECT_EQ(bar->getScrollbarDownButton(CtrlState(state)).name, "fillD");
        EXPECT_EQ(bar->getScrollbarUpButton(CtrlState(state)).name, "");
    }
    const Json::Value out = ctltest::written(bar.get());
    EXPECT_EQ(jsonWrite(out["attr"]),
              R"({"downicon":"down.svg","hor":true,"thumbicon":"grip.svg","upicon":"up.svg"})");
    EXPECT_EQ(jsonWrite(out["style"]),
              R"([["fillA",1,0],["fillD",1,6],["fillB",1,10],["fillC",1,12]])");
    auto back = controlFrom<MOXQScrollBar>(out);
    EXPECT_EQ(jsonWrite(ctltest::written(back.get())), jsonWrite(out));

    // A mistyped "hor" keeps the orientation; false turns the bar upright.
    for (const char* text : {R"({"attr": {"hor": "yes"}})", R"({"attr": {"hor": false}})"}) {
        Json::Value json = parsed(text);
        back->readJsonValue(&json);
    }
    EXPECT_EQ(back->orientation(), Qt::Vertical);
    EXPECT_FALSE(ctltest::written(back.get())["attr"].isMember("hor"));
}
