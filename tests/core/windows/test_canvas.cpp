// The designer canvas: hit zones of the selection, move and resize with snapping and the
// Shift lock, selection by click, pages opened, renamed, removed, replaced and saved, drops.

#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQtLib.h"
#include "TestSupport.h"
#include "WindowTestUtil.h"

#include <QFile>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using wintest::drag;
using wintest::mouse;

namespace {

// A root container at the page's origin holding three labels; "b" is 50 pixels wide.
const char* const kPage = R"({"w": 400, "h": 300, "resize": true, "dbmax": true,
  "elements": [{"type": "qtcontainer", "name": "root", "x": 0, "y": 0, "w": 400, "h": 300,
    "child": [
      {"type": "qtlabel", "name": "a", "x": 20, "y": 20, "w": 100, "h": 40, "attr": {"text": "A"}},
      {"type": "qtlabel", "name": "b", "x": 200, "y": 100, "w": 50, "h": 40, "attr": {"text": "B"}},
      {"type": "qtlabel", "name": "c", "x": 100, "y": 200, "w": 80, "h": 30, "attr": {"text": "C"}}]}]})";

struct Canvas
{
    QString dir = testsupport::tempDir(QStringLiteral("canvas"));
    QString path = dir + QStringLiteral("/page.json");
    std::unique_ptr<MOXQCanvas> canvas;

    Canvas()
    {
        init();
        testsupport::writeFile(path, kPage);
        canvas = std::make_unique<MOXQCanvas>();
        canvas->resize(400, 300);
        canvas->show();
        EXPECT_TRUE(canvas->OpenJsonFile(path));
        testsupport::processEvents();
    }
    QWidget* widget(const char* name) const
    {
        return canvas->currentPage()->findChild<QWidget*>(name);
    }
    void select(const char* name) { canvas->AddSelectedControl(widget(name)); }
};

} // namespace

TEST(Canvas, HitZonesOfTheSelection)
{
    Canvas c;
    // Nothing selected, or a page's top-level element selected: nowhere.
    EXPECT_EQ(c.canvas->HitInSelected(210, 110), MOX_CAV_HIT_NONE);
    c.select("root");
    EXPECT_EQ(c.canvas->HitInSelected(210, 110), MOX_CAV_HIT_NONE);
    c.canvas->RemoveAllSelected();
    c.select("b"); // (200, 100, 50, 40)
    const struct
    {
        QPoint p;
        int zone;
    } cases[] = {
        {{200, 100}, MOX_CAV_HIT_TOPLEFT},   {{249, 100}, MOX_CAV_HIT_TOPRIGHT},
        {{200, 139}, MOX_CAV_HIT_BOTTOMLEFT}, {{249, 139}, MOX_CAV_HIT_BOTTOMRIGHT},
        {{204, 120}, MOX_CAV_HIT_LEFT},      {{205, 120}, MOX_CAV_HIT_INSIDE},
        {{245, 120}, MOX_CAV_HIT_RIGHT},     {{244, 120}, MOX_CAV_HIT_INSIDE},
        {{225, 104}, MOX_CAV_HIT_TOP},       {{225, 135}, MOX_CAV_HIT_BOTTOM},
        {{199, 120}, MOX_CAV_HIT_NONE},      {{250, 120}, MOX_CAV_HIT_NONE},
    };
    for (const auto& k : cases)
        EXPECT_EQ(c.canvas->HitInSelected(k.p.x(), k.p.y()), k.zone) << k.p.x() << "," << k.p.y();
}

TEST(Canvas, MoveAndResizeBySelectionZone)
{
    const struct
    {
        QPoint press;
        QPoint delta;
        Qt::KeyboardModifiers modifiers;
        QRect expected;
    } cases[] = {
        // Left edge 45 to the right: 10 wide, the edge where it went.
        {{202, 120}, {45, 0}, Qt::NoModifier, QRect(245, 100, 10, 40)},
        {{248, 138}, {30, 20}, Qt::NoModifier, QRect(200, 100, 80, 60)},
        {{225, 102}, {0, -30}, Qt::NoModifier, QRect(200, 70, 50, 70)},
        {{202, 102}, {60, 60}, Qt::NoModifier, QRect(260, 160, 10, 10)},
        // Moves: 4 pixels from a sibling's x snaps to it, 5 does not ("c" is at x 100).
        {{225, 120}, {-96, 7}, Qt::NoModifier, QRect(100, 107, 50, 40)},
        {{225, 120}, {-95, 7}, Qt::NoModifier, QRect(105, 107, 50, 40)},
        // and "a" at y 20 snaps the y the same way.
        {{225, 120}, {13, -83}, Qt::NoModifier, QRect(213, 20, 50, 40)},
        // Shift keeps to the axis that moved most.
        {{225, 120}, {30, 8}, Qt::ShiftModifier, QRect(230, 100, 50, 40)},
        {{225, 120}, {8, 30}, Qt::ShiftModifier, QRect(200, 130, 50, 40)},
        {{225, 120}, {30, 8}, Qt::ShiftModifier | Qt::ControlModifier, QRect(230, 108, 50, 40)},
    };
    for (const auto& k : cases) {
        Canvas c;
        c.select("b");
        drag(c.canvas.get(), k.press, k.delta, 3, k.modifiers);
        QWidget* b = c.widget("b");
        EXPECT_EQ(b->geometry(), k.expected) << k.press.x() << "," << k.press.y();
        // What is seen is what is saved.
        const QString json = c.canvas->currentPage()->toJsonString();
        Json::Value page;
        ASSERT_TRUE(jsonParse(json, page));
        const Json::Value& saved = page["elements"][0]["child"][1];
        EXPECT_EQ(QRect(saved["x"].asInt(), saved["y"].asInt(), saved["w"].asInt(),
                        saved["h"].asInt()),
                  k.expected);
    }
}

TEST(Canvas, ClicksSelectAndShiftToggles)
{
    Canvas c;
    std::vector<QWidget*> signalled;
    QObject::connect(c.canvas.get(), &MOXQCanvas::widgetSelected,
                     [&](QWidget* w) { signalled.push_back(w); });
    testsupport::click(c.canvas.get(), QPoint(30, 30));
    EXPECT_EQ(c.canvas->selectedWidgets(), QList<QWidget*>{c.widget("a")});
    mouse(c.canvas.get(), QEvent::MouseButtonPress, {110, 210}, {}, Qt::LeftButton,
          Qt::ShiftModifier);
    mouse(c.canvas.get(), QEvent::MouseButtonRelease, {110, 210}, {}, Qt::NoButton,
          Qt::ShiftModifier);
    EXPECT_EQ(c.canvas->selectedWidgets(), (QList<QWidget*>{c.widget("a"), c.widget("c")}));
    mouse(c.canvas.get(), QEvent::MouseButtonPress, {30, 30}, {}, Qt::LeftButton,
          Qt::ShiftModifier);
    mouse(c.canvas.get(), QEvent::MouseButtonRelease, {30, 30}, {}, Qt::NoButton,
          Qt::ShiftModifier);
    EXPECT_EQ(c.canvas->selectedWidgets(), QList<QWidget*>{c.widget("c")});
    // A plain click elsewhere makes that the only selection; on the bare container, the root.
    testsupport::click(c.canvas.get(), QPoint(210, 110));
    EXPECT_EQ(c.canvas->selectedWidgets(), QList<QWidget*>{c.widget("b")});
    testsupport::click(c.canvas.get(), QPoint(390, 290));
    EXPECT_EQ(c.canvas->selectedWidgets(), QList<QWidget*>{c.widget("root")});
    EXPECT_EQ(signalled.size(), 4u);
}

TEST(Canvas, PagesOpenRenameRemoveAndSave)
{
    Canvas c;
    MOXQCanvasWindow* page = c.canvas->currentPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->objectName(), QStringLiteral("page"));
    EXPECT_EQ(page->size(), QSize(400, 300));
    // Controls stay hidden: the canvas paints them.
    EXPECT_FALSE(c.widget("a")->isVisible());

    // Save round trip: the document written is the one opened, reopened it writes the same.
    const QString copy = c.dir + QStringLiteral("/copy.json");
    ASSERT_TRUE(c.canvas->SavePage(c.path));
    QFile::copy(c.path, copy);
    Json::Value original, saved;
    ASSERT_TRUE(jsonParse(std::string(kPage), original));
    QFile file(c.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(jsonParse(file.readAll(), saved));
    for (const char* key : {"w", "h", "resize", "dbmax"})
        EXPECT_EQ(saved[key], original[key]) << key;
    ASSERT_TRUE(c.canvas->OpenJsonFile(copy));
    EXPECT_EQ(c.canvas->currentPage()->toJsonString(), page->toJsonString());
    // Opening the first path again shows the page already open.
    ASSERT_TRUE(c.canvas->OpenJsonFile(c.path));
    EXPECT_EQ(c.canvas->currentPage(), page);

    // Failures: no page, an unwritable target, not a page at all.
    EXPECT_FALSE(c.canvas->SavePage(c.dir + QStringLiteral("/other.json")));
    c.canvas->UpdatePagePath(c.path); // unchanged name: stays
    EXPECT_FALSE(c.canvas->OpenJsonFile(c.dir + QStringLiteral("/missing.json")));
    testsupport::writeFile(c.dir + QStringLiteral("/bad.json"), "{\"elements\": [");
    EXPECT_FALSE(MOXQCanvas::CheckPageValid(c.dir + QStringLiteral("/bad.json")));
    EXPECT_FALSE(MOXQCanvas::SaveStyle(c.dir + QStringLiteral("/no/such/folder/style.json")));
    EXPECT_EQ(c.canvas->currentPage(), page);

    // Renaming onto an open page's path is refused; onto a free one moves the entry.
    page->setObjectName(QStringLiteral("copy"));
    EXPECT_EQ(c.canvas->UpdatePagePath(c.path), QString());
    EXPECT_EQ(c.canvas->pageAt(c.path), page);
    page->setObjectName(QStringLiteral("renamed"));
    const QString renamed = c.dir + QStringLiteral("/renamed.json");
    EXPECT_EQ(c.canvas->UpdatePagePath(c.path), renamed);
    EXPECT_EQ(c.canvas->pageAt(renamed), page);
    EXPECT_EQ(c.canvas->UpdatePagePath(c.path), QString());

    // Removing a page with a selection inside it leaves nothing dangling.
    c.select("b");
    QPointer<QWidget> b = c.widget("b");
    EXPECT_TRUE(c.canvas->removePage(page));
    EXPECT_FALSE(c.canvas->removePage(page));
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(c.canvas->selectedWidgets().isEmpty());
    EXPECT_EQ(c.canvas->HitInSelected(210, 110), MOX_CAV_HIT_NONE);
    c.canvas->repaint();
    drag(c.canvas.get(), QPoint(210, 110), QPoint(5, 5));
    c.canvas->closeAllWindows();
    EXPECT_TRUE(c.canvas->pagePaths().isEmpty());
    EXPECT_FALSE(c.canvas->createControl(QStringLiteral("qtlabel")));
}

TEST(Canvas, ControlsCreatedByTypeAndByName)
{
    Canvas c;
    EXPECT_FALSE(c.canvas->createControl(QStringLiteral("qtlabel")));
    c.select("root");
    ASSERT_TRUE(c.canvas->createControl(QStringLiteral("qtlabel")));
    ASSERT_TRUE(c.canvas->createControl(QStringLiteral("qtlabel")));
    EXPECT_FALSE(c.canvas->createControl(QStringLiteral("nosuchtype")));
    QWidget* first = c.widget("qtlabel0");
    QWidget* second = c.widget("qtlabel1");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 100, 100));
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(first->property("visibility").toBool());
    // A name already taken is skipped.
    auto* taken = new QWidget(c.widget("root"));
    taken->setObjectName(QStringLiteral("qtbutton2"));
    ASSERT_TRUE(c.canvas->createControl(QStringLiteral("qtbutton")));
    EXPECT_NE(c.widget("qtbutton3"), nullptr);
}

TEST(Canvas, ScrollBarsFollowThePage)
{
    Canvas c;
    QScrollBar h(Qt::Horizontal), v(Qt::Vertical);
    c.canvas->SetScrollbar(&h, true);
    c.canvas->SetScrollbar(&v, false);
    c.canvas->resize(200, 500);
    MOXQCanvasWindow* page = c.canvas->currentPage();
    // Wider than the canvas: scrolled; shorter: centred with its bar hidden.
    EXPECT_EQ(h.maximum(), 200);
    EXPECT_EQ(h.pageStep(), 200);
    EXPECT_EQ(page->y(), 100);
    EXPECT_TRUE(v.isHidden());
    h.setValue(150);
    EXPECT_EQ(page->x(), -150);
    // Clicks land on the control under the scrolled page.
    testsupport::click(c.canvas.get(), QPoint(210 - 150, 110 + 100));
    EXPECT_EQ(c.canvas->selectedWidgets(), QList<QWidget*>{c.widget("b")});
}

TEST(Canvas, TransparentControlsDropsSignalsAndReplacedPages)
{
    Canvas c;
    // A label paints no background: the canvas shows what lies under it, not a window colour.
    const QImage shot = c.canvas->grab().toImage();
    EXPECT_EQ(shot.pixelColor(22, 22), shot.pixelColor(15, 15));

    // A drop lands 100 x 100 at the point, inside the control under it.
    QWidget* dropped = c.canvas->dropControl(QStringLiteral("qtbutton"), QPoint(300, 250));
    ASSERT_NE(dropped, nullptr);
    EXPECT_EQ(dropped->parentWidget(), c.widget("root"));
    EXPECT_EQ(dropped->geometry(), QRect(300, 250, 100, 100));
    EXPECT_EQ(c.canvas->dropControl(QStringLiteral("nosuchtype"), QPoint(5, 5)), nullptr);

    // One selection change per click; none when nothing changes; a finished drag is told.
    int changes = 0, edits = 0;
    QObject::connect(c.canvas.get(), &MOXQCanvas::selectionChanged, [&] { ++changes; });
    QObject::connect(c.canvas.get(), &MOXQCanvas::editFinished, [&] { ++edits; });
    c.canvas->RemoveAllSelected();
    c.canvas->RemoveAllSelected();
    EXPECT_EQ(changes, 0);
    drag(c.canvas.get(), {210, 110}, {0, 0}, 1);
    EXPECT_EQ(changes, 1);
    drag(c.canvas.get(), {210, 110}, {10, 0});
    EXPECT_EQ(c.widget("b")->x(), 210);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(changes, 1);

    // A page replaced from a document keeps its place; a document that is no page changes
    // nothing.
    Json::Value document;
    ASSERT_TRUE(jsonParse(std::string(kPage), document));
    document["elements"][0]["child"].resize(1);
    EXPECT_FALSE(c.canvas->OpenJsonDocument(c.path, Json::Value(Json::arrayValue)));
    EXPECT_NE(c.widget("c"), nullptr);
    ASSERT_TRUE(c.canvas->OpenJsonDocument(c.path, document));
    EXPECT_EQ(c.canvas->pagePaths(), QStringList{c.path});
    EXPECT_NE(c.widget("a"), nullptr);
    EXPECT_EQ(c.widget("c"), nullptr);
    EXPECT_TRUE(c.canvas->selectedWidgets().isEmpty());
}
