#include "MOXJson.h"
#include "MOXNativeWindow.h"
#include "MOXQContainer.h"
#include "MOXQtLib.h"
#include "MOXThemeResScope.h"
#include "TestSupport.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;

namespace {

MOXQContainer* relativeChild(MOXQContainer* parent, int w, int h, int ratio = 1)
{
    auto* c = new MOXQContainer(parent);
    c->QWidget::resize(w, h);
    c->setLayoutRatio(ratio);
    return c;
}

QRect baseOf(const QWidget* w)
{
    return w->property("_mox_container_base_geometry").toRect();
}

Json::Value parse(const char* text)
{
    Json::Value v;
    EXPECT_TRUE(jsonParse(std::string(text), v));
    return v;
}

} // namespace

TEST(Container, LinearAndFloatLayoutsPlaceRealChildren)
{
    MOXQContainer box;
    box.QWidget::resize(300, 40);
    box.setChildSpace(10);
    MOXQContainer* a = relativeChild(&box, 5, 20);
    MOXQContainer* b = relativeChild(&box, 5, 20);
    auto* plain = new QWidget(&box);
    plain->resize(5, 25);
    box.show();
    box.setChildLayout(LayoutHorizontal);
    EXPECT_EQ(a->geometry(), QRect(0, 0, 93, 20));
    EXPECT_EQ(b->geometry(), QRect(103, 0, 93, 20));
    EXPECT_EQ(plain->geometry(), QRect(206, 0, 94, 25));
    EXPECT_EQ(baseOf(b), b->geometry());

    // Resizing lays out again; height policy 0 fills the breadth.
    a->setHeightPolicy(LayoutPolicy0);
    box.QWidget::resize(420, 60);
    EXPECT_EQ(a->geometry(), QRect(0, 0, 133, 60));
    EXPECT_EQ(plain->geometry().right(), 419);

    // The wrapping row keeps the children's own sizes, not what the row made of them.
    box.setChildLayout(LayoutHorFloat);
    EXPECT_EQ(a->geometry(), QRect(0, 0, 5, 20));
    EXPECT_EQ(b->pos(), QPoint(15, 0));
    EXPECT_EQ(plain->pos(), QPoint(30, 0));

    // A fixed child squeezed by a narrow row gets its width back when the row grows.
    box.setChildLayout(LayoutHorizontal);
    auto* fixed = relativeChild(&box, 80, 20);
    fixed->setWidthPolicy(LayoutPolicy1);
    box.QWidget::resize(50, 60);
    EXPECT_EQ(fixed->width(), 20); // all there is: 50 less three spaces
    box.QWidget::resize(600, 60);
    EXPECT_EQ(fixed->width(), 80);
}

TEST(Container, DockedChildrenFollowEveryResizeAlsoWithoutLayout)
{
    MOXQContainer box;
    box.setChildPadding(5, 6, 7, 8);
    auto* docked = new MOXQContainer(&box);
    docked->QWidget::resize(40, 21);
    docked->setAbsoluteDock(DockLayoutFar, DockLayoutCenter, -10, 0);
    box.QWidget::resize(200, 101);
    box.show();
    EXPECT_EQ(box.getChildLayout(), LayoutNoUse);
    EXPECT_EQ(docked->geometry(), QRect(5 + 188 - 40 - 10, 6 + (87 - 21) / 2, 40, 21));
    box.QWidget::resize(300, 50);
    EXPECT_EQ(docked->geometry().right(), 300 - 7 - 10 - 1);
    EXPECT_EQ(docked->geometry().y(), 6 + (36 - 21) / 2);
    EXPECT_EQ(docked->getLayoutType(), LayoutAbsolute);
    box.QWidget::resize(30, 30); // squeezed, then back to the size it asked for
    EXPECT_EQ(docked->size(), QSize(18, 16));
    box.QWidget::resize(300, 50);
    EXPECT_EQ(docked->size(), QSize(40, 21));

    // An auto-sized docked container takes its content's size.
    docked->setAbsoluteDockAutoSize(true);
    docked->setChildLayout(LayoutHorizontal);
    docked->setChildPadding(2);
    auto* inner = new QWidget(docked);
    inner->setMinimumSize(30, 12);
    box.forceResize();
    EXPECT_EQ(docked->size(), QSize(34, 16));
}

TEST(Container, BoundScrollBarsTrackContentAndMoveChildren)
{
    MOXQContainer box;
    box.QWidget::resize(200, 100);
    auto* child = new QWidget(&box);
    child->setGeometry(0, 0, 150, 80);
    box.show();
    auto* h = new QScrollBar;
    auto* v = new QScrollBar;
    box.bindScrollBar(h, true);
    box.bindScrollBar(v, false);
    EXPECT_EQ(h->parentWidget(), &box);
    EXPECT_TRUE(h->property("_mox_container_bound_scrollbar").toBool());
    EXPECT_TRUE(h->isHidden());
    EXPECT_TRUE(v->isHidden());

    // Wider and taller than the container: both bars, each shortening the other.
    child->resize(400, 300);
    const int vw = v->sizeHint().width(), hh = h->sizeHint().height();
    ASSERT_FALSE(h->isHidden());
    ASSERT_FALSE(v->isHidden());
    EXPECT_EQ(h->pageStep(), 200 - vw);
    EXPECT_EQ(h->maximum(), 400 - (200 - vw));
    EXPECT_EQ(v->pageStep(), 100 - hh);
    EXPECT_EQ(v->maximum(), 300 - (100 - hh));
    EXPECT_EQ(v->geometry(), QRect(200 - vw, 0, vw, 100 - hh));

    h->setValue(50);
    v->setValue(30);
    EXPECT_EQ(child->pos(), QPoint(-50, -30));
    EXPECT_EQ(box.getScrollPos(true), 50);
    EXPECT_EQ(baseOf(child).topLeft(), QPoint(0, 0));
    // A column leaves the bars out and gives the child the breadth left of the vertical bar;
    // the content then fits across, so the horizontal bar goes and the vertical offset stays.
    box.setChildLayout(LayoutVertical);
    EXPECT_EQ(child->width(), 200 - vw);
    EXPECT_TRUE(h->isHidden());
    EXPECT_EQ(box.getScrollPos(true), 0);
    EXPECT_EQ(child->pos(), QPoint(0, -30));

    // A child moved by hand is placed in scrolled coordinates; once everything fits the bars
    // hide and the offset is gone.
    box.setChildLayout(LayoutNoUse);
    child->setGeometry(0, 0, 20, 20);
    EXPECT_TRUE(h->isHidden());
    EXPECT_TRUE(v->isHidden());
    EXPECT_EQ(box.getScrollPos(false), 0);
    EXPECT_EQ(child->pos(), QPoint(0, 30));

    // Replacing a bar releases the old one.
    auto* h2 = new QScrollBar;
    box.bindScrollBar(h2, true);
    EXPECT_FALSE(h->property("_mox_container_bound_scrollbar").toBool());
    EXPECT_EQ(box.getBindScrollBar(true), h2);
}

TEST(Container, JsonKeysThemeEntriesAndRoundTrip)
{
    MOXQContainer box;
    Json::Value v = parse(R"({"attr": {"childLayout": 1, "space": 4, "paddingLeft": 3,
                              "paddingBottom": -2, "absoluteDockAutoSize": true}})");
    ASSERT_TRUE(box.readJsonValue(&v));
    int l, t, r, b;
    box.getChildPadding(l, t, r, b);
    EXPECT_EQ(box.getChildLayout(), LayoutVertical);
    EXPECT_EQ(QMargins(l, t, r, b), QMargins(3, 0, 0, -2));
    EXPECT_TRUE(box.getAbsoluteDockAutoSize());

    // Written and read back by a second container: the same settings.
    Json::Value out(Json::objectValue);
    box.serializeJsonValue(&out, false);
    const Json::Value* attr = jsonObject(out, "attr");
    ASSERT_TRUE(attr);
    EXPECT_FALSE(jsonHas(*attr, "paddingTop"));
    MOXQContainer copy;
    copy.readJsonValue(&out);
    copy.getChildPadding(l, t, r, b);
    EXPECT_EQ(copy.getChildLayout(), LayoutVertical);
    EXPECT_EQ(copy.getChildSpace(), 4);
    EXPECT_EQ(QMargins(l, t, r, b), QMargins(3, 0, 0, -2));

    // A theme entry that says nothing of the layout leaves it alone; one that does, sets it.
    {
        MOXThemeResScope themed(true);
        Json::Value entry = parse(R"({"style": []})");
        box.serializeJsonValue(&entry, true);
        EXPECT_EQ(box.getChildLayout(), LayoutVertical);
        EXPECT_EQ(box.getChildSpace(), 4);
        entry = parse(R"({"attr": {"childLayout": 2}})");
        box.serializeJsonValue(&entry, true);
        EXPECT_EQ(box.getChildLayout(), LayoutHorFloat);
    }

    // Out of range, absent, or of the wrong type in the control's own object: No Use.
    for (const char* text : {R"({"attr": {"childLayout": 7}})", R"({"attr": {"childLayout": -1}})",
                             R"({"attr": {"childLayout": "1"}})", R"({"attr": {}})",
                             R"({"attr": null})"}) {
        box.setChildLayout(LayoutVertical);
        Json::Value bad = parse(text);
        box.readJsonValue(&bad);
        EXPECT_EQ(box.getChildLayout(), LayoutNoUse) << text;
    }
}

TEST(Container, ResizeAnimationReachesItsTarget)
{
    MOXQContainer box;
    EXPECT_TRUE(box.startResizeAnimation(QSize(50, 50), QSize(50, 50), 200));
    EXPECT_EQ(box.size(), QSize(50, 50));
    EXPECT_FALSE(box.isResizeAnimationRunning());

    auto* child = relativeChild(&box, 1, 1);
    box.setChildLayout(LayoutHorizontal);
    ASSERT_TRUE(box.startResizeAnimation(QSize(50, 50), QSize(120, 80), 40));
    EXPECT_TRUE(box.isResizeAnimationRunning());
    for (int i = 0; i < 50 && box.isResizeAnimationRunning(); ++i)
        testsupport::processEvents(10);
    EXPECT_FALSE(box.isResizeAnimationRunning());
    EXPECT_EQ(box.size(), QSize(120, 80));
    EXPECT_EQ(child->width(), 120);

    // A window handle the platform cannot move (no foreign windows here) is kept harmlessly.
    box.bindWindowHandle(reinterpret_cast<void*>(quintptr(0x4321)));
    box.QWidget::resize(90, 90);
    EXPECT_EQ(box.getWindowHandle(), reinterpret_cast<void*>(quintptr(0x4321)));
    EXPECT_FALSE(moxMoveNativeWindow(nullptr, QRect(0, 0, 10, 10)));

    // Hostile sizes do not leave a half-running animation.
    EXPECT_TRUE(box.startResizeAnimation(QSize(10, 10), QSize(-5, -5), 0));
    EXPECT_FALSE(box.isResizeAnimationRunning());
}
