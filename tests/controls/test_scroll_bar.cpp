// The scroll bar: part states under the mouse (a drag that leaves the bar keeps the thumb
// Pressed), the parts drawn in their states, the thickness hint, and its JSON keys.

#include "ControlTestUtil.h"
#include "MOXQScrollBar.h"
#include "MOXQtLib.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;
using Part = MOXQScrollBarImpl::Part;

namespace {

const QColor kGroove(0x11, 0x22, 0x33);  // fillA
const QColor kNormal(0x44, 0x55, 0x66);  // fillB
const QColor kHot(0x77, 0x88, 0x99);     // fillC
const QColor kPressed(0xAA, 0xBB, 0xCC); // fillD

// Groove fillA; every part fillB, Hot fillC, Pressed fillD.
std::unique_ptr<MOXQScrollBar> styledBar()
{
    auto bar = controlFrom<MOXQScrollBar>(parsed(R"({"style": [["fillA", 1, 0],
        ["fillB", 1, 2], ["fillC", 1, 3], ["fillD", 1, 4],
        ["fillB", 1, 6], ["fillC", 1, 7], ["fillD", 1, 8],
        ["fillB", 1, 10], ["fillC", 1, 11], ["fillD", 1, 12]]})"));
    bar->setRange(0, 100);
    bar->setPageStep(20);
    bar->resize(16, 200);
    return bar;
}

QPoint centreOf(const MOXQScrollBar& bar, Part part)
{
    return bar.impl()->partRect(part).center();
}

void mouse(QWidget* w, QEvent::Type type, const QPoint& pos, bool held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        held && type != QEvent::MouseButtonRelease ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

TEST(ScrollBar, PartStatesFollowTheMouseAndADraggedThumbStaysPressed)
{
    auto bar = styledBar();
    const QPoint thumb = centreOf(*bar, Part::Thumb);
    const QPoint up = centreOf(*bar, Part::UpButton);
    const QPoint down = centreOf(*bar, Part::DownButton);
    const QPoint outside(40, 300);
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
        CtrlState thumb, up, down;
    } cases[] = {
        {Move, thumb, CtrlStateHot, CtrlStateNormal, CtrlStateNormal},
        {Move, up, CtrlStateNormal, CtrlStateHot, CtrlStateNormal},
        {Press, up, CtrlStateNormal, CtrlStatePressed, CtrlStateNormal},
        // A pressed button the cursor slides off lets go of its look.
        {Drag, down, CtrlStateNormal, CtrlStateNormal, CtrlStateHot},
        {Release, down, CtrlStateNormal, CtrlStateNormal, CtrlStateHot},
        {Leave, {}, CtrlStateNormal, CtrlStateNormal, CtrlStateNormal},
        {Move, thumb, CtrlStateHot, CtrlStateNormal, CtrlStateNormal},
        {Press, thumb, CtrlStatePressed, CtrlStateNormal, CtrlStateNormal},
        {Drag, {thumb.x(), 140}, CtrlStatePressed, CtrlStateNormal, CtrlStateNormal},
        // Dragged out of the bar, and the bar left: still Pressed until the release.
        {Drag, outside, CtrlStatePressed, CtrlStateNormal, CtrlStateNormal},
        {Leave, {}, CtrlStatePressed, CtrlStateNormal, CtrlStateNormal},
        {Drag, up, CtrlStatePressed, CtrlStateHot, CtrlStateNormal},
        {Release, outside, CtrlStateNormal, CtrlStateNormal, CtrlStateNormal},
    };
    int row = 0;
    int dragged = 0;
    for (const Case& c : cases) {
        switch (c.step) {
        case Move:
            mouse(bar.get(), QEvent::MouseMove, c.pos, false);
            break;
        case Press:
            mouse(bar.get(), QEvent::MouseButtonPress, c.pos, true);
            break;
        case Drag:
            mouse(bar.get(), QEvent::MouseMove, c.pos, true);
            break;
        case Release:
            mouse(bar.get(), QEvent::MouseButtonRelease, c.pos, true);
            break;
        case Leave: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(bar.get(), &leave);
        } break;
        }
        EXPECT_EQ(bar->partState(Part::Thumb), c.thumb) << "row " << row;
        EXPECT_EQ(bar->partState(Part::UpButton), c.up) << "row " << row;
        EXPECT_EQ(bar->partState(Part::DownButton), c.down) << "row " << row;
        if (c.pos.y() == 140) dragged = bar->value();
        ++row;
    }
    // Qt still scrolls: the thumb drag moved the value.
    EXPECT_GT(dragged, 40);
}

TEST(ScrollBar, DrawsEachPartInItsStateAndDisabledPartsInTheirDisableLook)
{
    auto bar = styledBar();
    bar->setValue(50);
    mouse(bar.get(), QEvent::MouseMove, centreOf(*bar, Part::UpButton), false);
    mouse(bar.get(), QEvent::MouseButtonPress, centreOf(*bar, Part::DownButton), true);
    QImage image = ctltest::rendered(bar.get());
    EXPECT_EQ(image.pixelColor(centreOf(*bar, Part::Thumb)), kNormal);
    // The press went to the down button; the up button keeps its hover.
    EXPECT_EQ(image.pixelColor(centreOf(*bar, Part::UpButton)), kHot);
    EXPECT_EQ(image.pixelColor(centreOf(*bar, Part::DownButton)), kPressed);
    const QRect groove = bar->impl()->partRect(Part::PartCount);
    const QRect thumb = bar->impl()->partRect(Part::Thumb);
    ASSERT_GT(thumb.top() - groove.top(), 2);
    EXPECT_EQ(image.pixelColor(groove.center().x(), groove.top() + 1), kGroove);

    bar->setScrollbarThumb(CtrlStateDisable, ctltest::controlFrom<MOXQScrollBar>(
                                                 parsed(R"({"style": [["fillA", 1, 10]]})"))
                                                 ->getScrollbarThumb(CtrlStateNormal));
    bar->setEnabled(false);
    image = ctltest::rendered(bar.get());
    EXPECT_EQ(image.pixelColor(centreOf(*bar, Part::Thumb)), kGroove);
}

TEST(ScrollBar, ThicknessReplacesQtsHintAcrossTheBar)
{
    struct Case
    {
        Qt::Orientation orientation;
        int size;
        bool replaced;
    } cases[] = {{Qt::Vertical, 12, true},
                 {Qt::Horizontal, 12, true},
                 {Qt::Vertical, 0, true},
                 {Qt::Vertical, -1, false},
                 {Qt::Horizontal, -40, false}};
    for (const Case& c : cases) {
        MOXQScrollBar bar(c.orientation);
        const QSize qt = bar.QScrollBar::sizeHint();
        bar.setWidthHeight(c.size);
        const QSize hint = bar.sizeHint();
        const bool vertical = c.orientation == Qt::Vertical;
        EXPECT_EQ(vertical ? hint.width() : hint.height(),
                  c.replaced ? c.size : (vertical ? qt.width() : qt.height()))
            << c.size;
        EXPECT_EQ(vertical ? hint.height() : hint.width(), vertical ? qt.height() : qt.width());
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
    EXPECT_EQ(bar->getScrollbarBtnIcon(false), "down.svg");

    const Json::Value out = written(bar.get());
    EXPECT_EQ(jsonWrite(out["attr"]),
              R"({"downicon":"down.svg","hor":true,"thumbicon":"grip.svg","upicon":"up.svg"})");
    EXPECT_EQ(jsonWrite(out["style"]),
              R"([["fillA",1,0],["fillD",1,6],["fillB",1,10],["fillC",1,12]])");
    auto back = controlFrom<MOXQScrollBar>(out);
    EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out));

    // "hor": false (or a wrong type) turns it upright; a vertical bar writes no "hor".
    Json::Value json = parsed(R"({"attr": {"hor": "yes"}})");
    back->readJsonValue(&json);
    EXPECT_EQ(back->orientation(), Qt::Horizontal);
    json = parsed(R"({"attr": {"hor": false}})");
    back->readJsonValue(&json);
    EXPECT_EQ(back->orientation(), Qt::Vertical);
    EXPECT_FALSE(written(back.get())["attr"].isMember("hor"));
}
