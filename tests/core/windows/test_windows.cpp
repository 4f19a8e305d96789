// The library's windows: resize zones and clamping, what a press may drag the window by, the
// mouse hold shared by all windows, the modal loop, the designer stand-in and page keys.

#include "MOXQPageFile.h"
#include "MOXQSubWin.h"
#include "MOXQWindow.h"
#include "MOXQWindowDesigner.h"
#include "MOXQtLib.h"
#include "TestSupport.h"
#include "WindowTestUtil.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace MOXQtLib;
using wintest::drag;
using wintest::mouse;
using Impl = MOXQWindowImpl;

namespace {

// A shown, parentless sub-window 600 x 500 at (100, 100) holding a page: a label across the
// top and a button below it.
std::unique_ptr<MOXQSubWin> pageWindow()
{
    init();
    auto window = std::make_unique<MOXQSubWin>();
    Json::Value page;
    const bool parsed = jsonParse(std::string(R"({"w": 600, "h": 500, "elements": [
        {"type": "qtcontainer", "name": "root", "child": [
          {"type": "qtlabel", "name": "caption", "x": 0, "y": 0, "w": 600, "h": 60},
          {"type": "qtbutton", "name": "ok", "x": 100, "y": 200, "w": 120, "h": 40}]}]})"),
                                  page);
    EXPECT_TRUE(parsed);
    moxCreatePageFromJson(window.get(), page);
    window->move(100, 100);
    window->show();
    testsupport::processEvents();
    return window;
}

} // namespace

TEST(WindowGeometry, ResizeZones)
{
    const QSize size(600, 500);
    const struct
    {
        QPoint pos;
        int area;
    } cases[] = {
        {{2, 2}, Impl::AreaTopLeft},       {{598, 2}, Impl::AreaTopRight},
        {{2, 498}, Impl::AreaBottomLeft},  {{598, 498}, Impl::AreaBottomRight},
        {{2, 250}, Impl::AreaLeft},        {{598, 250}, Impl::AreaRight},
        {{300, 2}, Impl::AreaTop},         {{300, 498}, Impl::AreaBottom},
        {{4, 4}, Impl::AreaNone},          {{596, 496}, Impl::AreaNone},
        {{597, 497}, Impl::AreaBottomRight}, {{300, 250}, Impl::AreaNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Impl::resizeAreaAt(c.pos, size, 4), c.area) << c.pos.x() << "," << c.pos.y();
}

TEST(WindowGeometry, ResizeKeepsTheFarEdgeAndTheMinimum)
{
    const QRect start(100, 100, 600, 500);
    const QSize minimum(400, 400);
    const struct
    {
        int area;
        QPoint delta;
        QRect expected;
    } cases[] = {
        // Clamped at the minimum, the right and bottom edges stay where they were.
        {Impl::AreaTopLeft, {500, 500}, QRect(300, 200, 400, 400)},
        {Impl::AreaLeft, {50, 0}, QRect(150, 100, 550, 500)},
        {Impl::AreaLeft, {-50, 0}, QRect(50, 100, 650, 500)},
        {Impl::AreaTop, {0, 300}, QRect(100, 200, 600, 400)},
        {Impl::AreaRight, {-300, 7}, QRect(100, 100, 400, 500)},
        {Impl::AreaBottomRight, {20, 30}, QRect(100, 100, 620, 530)},
        {Impl::AreaTopRight, {20, -30}, QRect(100, 70, 620, 530)},
        {Impl::AreaBottomLeft, {-20, 30}, QRect(80, 100, 620, 530)},
        {Impl::AreaNone, {20, 30}, start},
        // Hostile deltas neither wrap nor grow without bound.
        {Impl::AreaBottomRight, {INT_MIN, INT_MIN}, QRect(100, 100, 400, 400)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Impl::resizedGeometry(start, c.area, c.delta, minimum), c.expected)
            << c.area << " by " << c.delta.x() << "," << c.delta.y();
}

TEST(Window, PressDragsByBodyAndCaptionOnly)
{
    auto window = pageWindow();
    QWidget* label = window->findChild<QWidget*>("caption");
    QWidget* button = window->findChild<QWidget*>("ok");
    ASSERT_TRUE(label && button);
    EXPECT_EQ(MOXQWindow::hitTest(window.get(), 110, 210), button);
    EXPECT_EQ(MOXQWindow::hitTest(window.get(), 10, 10), label);
    EXPECT_EQ(MOXQWindow::hitTest(window.get(), -1, 10), nullptr);

    const struct
    {
        QPoint press;
        bool onlyCaption;
        bool moves;
    } cases[] = {
        {{10, 10}, false, true},   // label
        {{110, 210}, false, false}, // push button
        {{300, 300}, false, true},  // container
        {{300, 40}, true, true},    // on the caption's last row
        {{300, 41}, true, false},   // just below it
    };
    for (const auto& c : cases) {
        window->setOnlyDragCaption(c.onlyCaption);
        window->move(100, 100);
        // The window sees what its children leave: send where Qt would deliver it.
        QWidget* target = MOXQWindow::hitTest(window.get(), c.press.x(), c.press.y());
        const QPoint local = target->mapFrom(window.get(), c.press);
        mouse(target, QEvent::MouseButtonPress, local, QPoint(500, 500));
        mouse(window.get(), QEvent::MouseMove, c.press + QPoint(30, 20), QPoint(530, 520));
        mouse(window.get(), QEvent::MouseButtonRelease, c.press, QPoint(530, 520));
        EXPECT_EQ(window->pos(), c.moves ? QPoint(130, 120) : QPoint(100, 100))
            << c.press.x() << "," << c.press.y();
        EXPECT_EQ(MOXQWindowImpl::mouseHolder(), nullptr);
    }
}

TEST(Window, ResizeFromTheTopLeftStopsAtTheMinimum)
{
    auto window = pageWindow();
    window->setResizeable(true);
    window->setMinWidth(400);
    window->setMinHeight(400);
    drag(window.get(), QPoint(2, 2), QPoint(500, 500));
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(300, 200, 400, 400));
    // Resized with resize(), never fixed: the window can still grow afterwards.
    window->resize(700, 600);
    EXPECT_EQ(window->size(), QSize(700, 600));
    // The root container follows the window.
    EXPECT_EQ(window->findChild<QWidget*>("root")->size(), QSize(700, 600));
}

TEST(Window, MouseHoldEndsWithItsWindow)
{
    auto first = pageWindow();
    auto second = pageWindow();
    mouse(first.get(), QEvent::MouseButtonPress, QPoint(300, 300), QPoint(400, 400));
    EXPECT_EQ(MOXQWindowImpl::mouseHolder(), first.get());
    // Holding, the first window keeps the second from starting a drag of its own.
    second->move(100, 100);
    drag(second.get(), QPoint(300, 300), QPoint(10, 10));
    EXPECT_EQ(second->pos(), QPoint(100, 100));
    // Destroyed mid-drag, it leaves the mouse to the others.
    first.reset();
    EXPECT_EQ(MOXQWindowImpl::mouseHolder(), nullptr);
    drag(second.get(), QPoint(300, 300), QPoint(10, 10));
    EXPECT_EQ(second->pos(), QPoint(110, 110));
    // Hidden mid-drag, likewise.
    mouse(second.get(), QEvent::MouseButtonPress, QPoint(300, 300), QPoint(400, 400));
    second->hide();
    EXPECT_EQ(MOXQWindowImpl::mouseHolder(), nullptr);
}

TEST(Window, ModalLoopEndsOnCloseHideDoneAndDestruction)
{
    init();
    enum Ending { Close, Hide, Done, CloseModal, Destroy };
    for (Ending ending : {Close, Hide, Done, CloseModal, Destroy}) {
        auto* window = new MOXQWindow;
        QPointer<MOXQWindow> guard(window);
        QTimer::singleShot(10, [window, ending] {
            switch (ending) {
            case Close: window->close(); break;
            case Hide: window->hide(); break;
            case Done: window->done(1); break;
            case CloseModal: window->closeModal(); break;
            case Destroy: delete window; break;
            }
        });
        // A loop that never ended would hang here; the watchdog turns that into a failure.
        bool ended = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] { if (guard) guard->closeModal(); });
        watchdog.start(5000);
        window->doModal();
        ended = watchdog.isActive();
        EXPECT_TRUE(ended) << ending;
        EXPECT_EQ(guard.isNull(), ending == Destroy);
        delete guard.data();
    }
}

TEST(Window, DesignerStandInCoversItsParent)
{
    init();
    QWidget parent;
    parent.resize(300, 200);
    auto* designer = new MOXQWindowDesigner(&parent);
    parent.show();
    testsupport::processEvents();
    EXPECT_EQ(designer->geometry(), QRect(0, 0, 300, 200));
    designer->move(10, 10);
    EXPECT_EQ(designer->pos(), QPoint(0, 0));
    parent.resize(420, 380);
    EXPECT_EQ(designer->geometry(), QRect(0, 0, 420, 380));
    // A new parent is watched instead of the old one.
    QWidget other;
    other.resize(50, 60);
    designer->setParent(&other);
    parent.resize(500, 500);
    EXPECT_EQ(designer->size(), QSize(50, 60));
}

TEST(Window, PageKeysReachTheWindowWithoutElements)
{
    init();
    MOXQSubWin window;
    Json::Value page;
    ASSERT_TRUE(jsonParse(std::string(R"({"w": 640, "h": 480, "resize": true, "drag": false,
        "minW": 320, "minH": 240, "onlyDragCaption": true, "elements": []})"),
                          page));
    EXPECT_EQ(moxCreatePageFromJson(&window, page), nullptr);
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_TRUE(window.getResizeable());
    EXPECT_FALSE(window.getCanGrag());
    EXPECT_TRUE(window.getOnlyDragCaption());
    EXPECT_EQ(window.minimumSize(), QSize(320, 240));
    // A plain parent is left alone.
    QWidget plain;
    plain.resize(10, 10);
    moxCreatePageFromJson(&plain, page);
    EXPECT_EQ(plain.size(), QSize(10, 10));
}
