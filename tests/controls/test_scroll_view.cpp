// The scroll view: the content container adopted once (later containers stay ordinary children
// that do not scroll), "scrollbar" elements read as the looks of its own bars and never built
// as controls (each bar's thickness and button rules kept together), the scroll signal, and
// its JSON round trip.

#include "ControlTestUtil.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQScrollView.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::parsed;
using ctltest::written;

namespace {

const char* const kPage = R"({"elements": [{"type": "qtcontainer", "name": "root", "w": 400,
  "h": 300, "child": [
  {"type": "qtscrollview", "name": "view", "x": 0, "y": 0, "w": 200, "h": 150,
   "style": [["fillA", 1, 0]],
   "child": [
    {"type": "scrollbar", "h": 12, "attr": {"hor": true, "size": 9, "thumbicon": "grip.svg"},
     "style": [["fillB", 1, 10], ["fillC", 1, 0]]},
    {"type": "scrollbar", "w": 15, "attr": {"upicon": "up.svg"}, "style": [["fillD", 1, 2]]},
    {"type": "qtcontainer", "name": "content", "x": 0, "y": 0, "w": 500, "h": 600},
    {"type": "qtcontainer", "name": "second", "x": 10, "y": 10, "w": 50, "h": 40}]},
  {"type": "qtcontainer", "name": "plain", "x": 250, "y": 0, "w": 100, "h": 100,
   "child": [{"type": "scrollbar", "name": "standalone", "attr": {"hor": true}}]}]}]})";

struct Page
{
    Page()
    {
        init();
        ctltest::loadTestResources();
        host.resize(400, 300);
        root = moxCreatePageFromJson(&host, parsed(kPage));
        view = host.findChild<MOXQScrollView*>("view");
        host.show();
        testsupport::processEvents();
    }
    ~Page() { delete root; }
    QWidget host;
    MOXQContainer* root = nullptr;
    MOXQScrollView* view = nullptr;
};

} // namespace

TEST(ScrollView, ScrollsOnlyItsFirstContainerKeepsItAcrossResizesAndSignalsMoves)
{
    Page page;
    ASSERT_NE(page.view, nullptr);
    QPointer<QWidget> content = page.host.findChild<MOXQContainer*>("content");
    auto* second = page.host.findChild<MOXQContainer*>("second");
    ASSERT_TRUE(content && second);
    EXPECT_EQ(page.view->contentWidget(), content.data());
    EXPECT_EQ(page.view->widget(), content.data());
    EXPECT_EQ(second->parentWidget(), page.view);

    // A later completion (a relayout, a resize) keeps the content it has and deletes nothing.
    for (int i = 0; i < 2; ++i) {
        page.view->createComplete();
        page.view->resize(220 - 10 * i, 160);
        testsupport::processEvents();
    }
    ASSERT_FALSE(content.isNull());

    QVector<QPoint> moves;
    QObject::connect(page.view, &MOXQScrollView::scrollPosChanged,
                     [&moves](int dx, int dy) { moves.append(QPoint(dx, dy)); });
    const QRect secondBefore = second->geometry();
    page.view->setVScrollPos(100);
    page.view->verticalScrollBar()->setValue(80);
    page.view->setHScrollPos(40);
    EXPECT_EQ(content->pos(), QPoint(-40, -80));
    EXPECT_EQ(second->geometry(), secondBefore);
    EXPECT_EQ(moves, (QVector<QPoint>{{0, -100}, {0, 20}, {-40, 0}}));
}

TEST(ScrollView, ScrollBarElementsStyleTheirOwnBarOnlyAndAreNotBuilt)
{
    Page page;
    ASSERT_NE(page.view, nullptr);
    // Outside a scroll area a "scrollbar" is an ordinary control; inside one it is a look.
    EXPECT_NE(page.host.findChild<MOXQScrollBar*>("standalone"), nullptr);
    int bars = 0;
    for (MOXQScrollBar* bar : page.view->findChildren<MOXQScrollBar*>()) {
        ++bars;
        EXPECT_TRUE(bar->getControlBase()->isInternal());
    }
    EXPECT_EQ(bars, 2);

    auto* h = qobject_cast<MOXQScrollBar*>(page.view->horizontalScrollBar());
    auto* v = qobject_cast<MOXQScrollBar*>(page.view->verticalScrollBar());
    ASSERT_TRUE(h && v);
    EXPECT_EQ(h->getScrollbarThumb(CtrlStatePressed).name, "fillB");
    EXPECT_EQ(h->getScrollbarBackground().name, "fillC");
    EXPECT_EQ(h->getScrollbarThumbIcon(), "grip.svg");
    EXPECT_EQ(v->getScrollbarUpButton(CtrlStateHot).name, "fillD");
    EXPECT_EQ(v->getScrollbarBtnIcon(true), "up.svg");

    // Each bar's thickness from its own element, with its button rule kept beside it.
    EXPECT_EQ(h->sizeHint().height(), 12);
    EXPECT_EQ(h->height(), 12);
    EXPECT_EQ(v->width(), 15);
    EXPECT_TRUE(h->styleSheet().contains("height:12px")) << qPrintable(h->styleSheet());
    EXPECT_TRUE(h->styleSheet().contains("width:9px")) << qPrintable(h->styleSheet());
    EXPECT_FALSE(v->styleSheet().contains("12px")) << qPrintable(v->styleSheet());
}

TEST(ScrollView, WritesItsBarLooksAndContentAndReadsThemBack)
{
    Page page;
    ASSERT_NE(page.view, nullptr);
    moxEnableSerializeChild(true);
    const Json::Value out = written(page.view);
    moxEnableSerializeChild(false);
    const Json::Value& children = out["child"];
    ASSERT_EQ(children.size(), 4u) << jsonWrite(out);
    EXPECT_EQ(children[0]["name"].asString(), "content");
    EXPECT_EQ(jsonWrite(children[1]), R"({"attr":{"upicon":"up.svg"},"style":[["fillD",1,2]],)"
                                      R"("type":"scrollbar","w":15})");
    EXPECT_EQ(jsonWrite(children[2]),
              R"({"attr":{"hor":true,"size":9,"thumbicon":"grip.svg"},"h":12,)"
              R"("style":[["fillC",1,0],["fillB",1,10]],"type":"scrollbar"})");
    EXPECT_EQ(children[3]["name"].asString(), "second");
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillA",1,0]])");

    // Read back as a page: the same tree, the same document.
    Json::Value document(Json::objectValue);
    document["elements"].append(out);
    QWidget host;
    moxCreatePageFromJson(&host, document);
    auto* back = host.findChild<MOXQScrollView*>("view");
    ASSERT_NE(back, nullptr);
    moxEnableSerializeChild(true);
    EXPECT_EQ(jsonWrite(written(back)), jsonWrite(out));
    moxEnableSerializeChild(false);
    EXPECT_EQ(back->contentWidget(), host.findChild<QWidget*>("content"));

    // Elements that are not bar looks, or carry wrong types, change nothing and break nothing.
    Json::Value hostile = parsed(R"({"child": [7, {"type": "scrollbar", "attr": 3, "h": "x",
        "w": 1e300, "style": 5}, {"type": "scrollbars", "w": 30},
        {"type": "scrollbar", "attr": {"hor": "yes", "size": null}, "w": "8"}]})");
    back->readJsonValue(&hostile);
    EXPECT_EQ(back->verticalScrollBar()->sizeHint().width(), 15);
    EXPECT_EQ(back->horizontalScrollBar()->sizeHint().height(), 12);
}
