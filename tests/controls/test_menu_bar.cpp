// The menu bar: per-state item looks, one repaint per hovered-item change, the pressed look
// while an item is held or its pop-up is open, and its "style" slots read back as written.

#include "ControlTestUtil.h"
#include "MOXQMenu.h"
#include "MOXQMenuBar.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include <climits>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

const QColor kA(0x11, 0x22, 0x33), kB(0x44, 0x55, 0x66), kC(0x77, 0x88, 0x99), kD(0xAA, 0xBB, 0xCC);

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

QPoint centreOf(MOXQMenuBar& bar, int item)
{
    return bar.actionGeometry(bar.actions().at(item)).center();
}

} // namespace

TEST(MenuBar, CellsTakeTheLookOfTheirState)
{
    auto bar = controlFrom<MOXQMenuBar>(parsed(R"({"style": [["fillD", 1, 0], ["fillA", 1, 1],
        ["fillB", 1, 2], ["fillC", 1, 3]]})"));
    FillStyle disabled = bar->getItemBackground(CtrlStateNormal);
    disabled.fillRes.color = QColor(0x10, 0x90, 0x10);
    bar->setItemBackground(CtrlStateDisable, disabled);
    for (const char* title : {"File", "Edit", "View", "Help"})
        bar->addAction(QString::fromLatin1(title));
    bar->actions().at(3)->setEnabled(false);
    bar->resize(400, bar->sizeHint().height() + 6);

    testsupport::sendMouse(bar.get(), QEvent::MouseMove, centreOf(*bar, 1));
    testsupport::sendMouse(bar.get(), QEvent::MouseButtonPress, centreOf(*bar, 2));
    EXPECT_EQ(bar->impl()->pressedItem(), 2);
    // The cell reaches the bar's bottom edge; right of the items is the bar's background.
    const int bottom = bar->height() - 2;
    const struct
    {
        int item;
        QColor color;
    } cells[] = {{0, kA}, {1, kB}, {2, kC}, {3, QColor(0x10, 0x90, 0x10)}};
    const QImage image = ctltest::rendered(bar.get());
    for (const auto& c : cells) {
        const QRect g = bar->actionGeometry(bar->actions().at(c.item));
        EXPECT_EQ(image.pixelColor(g.left() + 2, bottom), c.color) << c.item;
    }
    EXPECT_EQ(image.pixelColor(bar->width() - 3, 3), kD);

    // A release ends the press; a press on a disabled item or on no item presses nothing.
    testsupport::sendMouse(bar.get(), QEvent::MouseButtonRelease, centreOf(*bar, 2));
    EXPECT_EQ(bar->impl()->pressedItem(), -1);
    for (const QPoint pos : {centreOf(*bar, 3), QPoint(bar->width() - 3, 3)}) {
        testsupport::sendMouse(bar.get(), QEvent::MouseButtonPress, pos);
        EXPECT_EQ(bar->impl()->pressedItem(), -1);
    }
}

TEST(MenuBar, RepaintsOnlyWhenTheHoveredItemChanges)
{
    MOXQMenuBar bar;
    for (const char* title : {"File", "Edit"})
        bar.addAction(QString::fromLatin1(title));
    bar.resize(300, 30);
    bar.show();
    testsupport::processEvents();
    PaintCounter counter;
    bar.installEventFilter(&counter);
    const QRect first = bar.actionGeometry(bar.actions().at(0));
    const QRect second = bar.actionGeometry(bar.actions().at(1));
    const struct
    {
        QPoint pos;
        int hovered;
        bool repaint;
    } moves[] = {
        {first.topLeft(), 0, true},   {first.center(), 0, false},  {first.bottomRight(), 0, false},
        {second.topLeft(), 1, true},  {second.center(), 1, false}, {QPoint(290, 10), -1, true},
        {QPoint(295, 12), -1, false}, {first.center(), 0, true},
    };
    for (const auto& m : moves) {
        counter.paints = 0;
        testsupport::sendMouse(&bar, QEvent::MouseMove, m.pos);
        testsupport::processEvents();
        EXPECT_EQ(bar.impl()->hoveredItem(), m.hovered) << m.pos.x();
        EXPECT_EQ(counter.paints > 0, m.repaint) << m.pos.x();
    }
    counter.paints = 0;
    testsupport::sendMouse(&bar, QEvent::Leave);
    testsupport::processEvents();
    EXPECT_EQ(bar.impl()->hoveredItem(), -1);
    EXPECT_GT(counter.paints, 0);
}

TEST(MenuBar, AnItemShowsPressedWhileItsPopupIsOpen)
{
    MOXQMenuBar bar;
    auto* file = new QMenu(QStringLiteral("File"), &bar);
    file->addAction(QStringLiteral("Open"));
    auto* edit = new QMenu(QStringLiteral("Edit"), &bar);
    edit->addAction(QStringLiteral("Copy"));
    bar.addMenu(file);
    bar.addMenu(edit);
    bar.resize(300, 30);
    bar.show();
    testsupport::processEvents();

    testsupport::sendMouse(&bar, QEvent::MouseButtonPress, centreOf(bar, 1));
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(bar.impl()->pressedItem(), 1);
    // Another pop-up opening moves the pressed look; the open one closing ends it.
    file->popup(QPoint(0, 30));
    EXPECT_EQ(bar.impl()->pressedItem(), 0);
    edit->hide();
    EXPECT_EQ(bar.impl()->pressedItem(), 0);
    file->hide();
    EXPECT_EQ(bar.impl()->pressedItem(), -1);

    // A removed menu no longer reports; null menus and actions are refused.
    bar.removeAction(edit->menuAction());
    edit->popup(QPoint(0, 30));
    EXPECT_EQ(bar.impl()->pressedItem(), -1);
    edit->hide();
    EXPECT_EQ(bar.addMenu(static_cast<QMenu*>(nullptr)), nullptr);
    EXPECT_EQ(bar.actionGeometry(nullptr), QRect());
    EXPECT_EQ(bar.impl()->itemAt(QPoint(INT_MAX, INT_MIN)), -1);
}

TEST(MenuBar, StyleSlotsReadBackAsWritten)
{
    const struct
    {
        const char* style;
        const char* check;
    } cases[] = {
        {R"([["fillA",1,1]])", "items"},
        {R"([["fillA",1,1],["fillB",1,3]])", ""},
        {R"([["fillD",1,0],["textGreen",2,5],["textBig",2,7]])", "font"},
        {R"([["fillC",1,9]])", "popup"},
        {R"([["fillC",1,9],["fillA",1,11]])", ""},
        {R"([["textBig",2,13]])", "popupText"},
        {R"([["textGreen",2,14]])", ""},
        {R"([["textBig",2,13],["textBig",2,14],["textBig",2,15],["textBig",2,16]])", ""},
        {R"([["textBig",2,13],["textGreen",2,15]])", ""},
    };
    for (const auto& c : cases) {
        const std::string text = std::string(R"({"style": )") + c.style + "}";
        auto bar = controlFrom<MOXQMenuBar>(parsed(text.c_str()));
        const Json::Value out = written(bar.get());
        EXPECT_EQ(jsonWrite(out["style"]), jsonWrite(parsed(text.c_str())["style"])) << c.style;
        auto again = controlFrom<MOXQMenuBar>(out);
        EXPECT_EQ(jsonWrite(written(again.get())), jsonWrite(out)) << c.style;

        const std::string check = c.check;
        if (check == "items") {
            for (int state = 0; state < 4; ++state)
                EXPECT_EQ(bar->getItemBackground(CtrlState(state)).name, "fillA");
        }
        if (check == "font") {
            EXPECT_EQ(bar->font().pixelSize(), 13);
            EXPECT_EQ(bar->getTextStyle(CtrlStatePressed).name, "textBig");
        }
        if (check == "popup") {
            EXPECT_EQ(bar->getPopupBackground(CommonCtrlStateNormal).name, "fillC");
            EXPECT_EQ(bar->getPopupItemBackground(CtrlStateDisable).name, "fillC");
        }
        // A pop-up text style styles its own state only.
        if (check == "popupText") {
            EXPECT_EQ(bar->getPopupTextStyle(CtrlStateNormal).size, 20);
            EXPECT_EQ(bar->getPopupTextStyle(CtrlStateHot).name, "");
        }
    }
}

TEST(MenuBar, LibraryMenusTakeThePopupLooksAndBadInputChangesNothing)
{
    auto bar = controlFrom<MOXQMenuBar>(parsed(R"({"style": [["fillC", 1, 9], ["fillB", 1, 10],
        ["textGreen", 2, 14]], "attr": {"menus": ["&File", "Edit"]}})"));
    ASSERT_EQ(bar->actions().size(), 2);
    auto* file = qobject_cast<MOXQMenu*>(bar->actions().at(0)->menu());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->impl()->background, "fillC");
    EXPECT_EQ(file->impl()->itemStyles, QStringList({"fillC", "fillB", "fillC", "fillC"}));
    EXPECT_EQ(file->impl()->textStyles, QStringList({"", "textGreen", "", ""}));
    // A menu added later takes them too; a submenu follows its menu.
    auto* later = new MOXQMenu(QStringLiteral("Later"), bar.get());
    auto* sub = new MOXQMenu(QStringLiteral("Sub"), later);
    later->addMenu(sub);
    bar->addMenu(later);
    EXPECT_EQ(sub->impl()->itemStyles[1], "fillB");
    // Titles written as they were given; new titles replace the menus the bar made.
    const Json::Value out = written(bar.get());
    EXPECT_EQ(jsonWrite(out["attr"]["menus"]), R"(["&File","Edit","Later"])");
    EXPECT_FALSE(out.isMember("child"));
    QPointer<MOXQMenu> made(file);
    Json::Value again = parsed(R"({"attr": {"menus": ["One", 7, null]}})");
    bar->readJsonValue(&again);
    EXPECT_TRUE(made.isNull());
    EXPECT_EQ(bar->actions().size(), 1);

    // States out of range: setters ignore them, getters read Normal.
    const FillStyle before = bar->getItemBackground(CtrlStateHot);
    FillStyle other;
    other.name = QStringLiteral("other");
    for (int state : {-1, 5, INT_MAX})
        bar->setItemBackground(CtrlState(state), other);
    EXPECT_EQ(bar->getItemBackground(CtrlStateHot).name, before.name);
    EXPECT_EQ(bar->getPopupTextStyle(CtrlState(-7)).name,
              bar->getPopupTextStyle(CtrlStateNormal).name);
    // Style entries of the wrong shape or for unknown slots are skipped.
    Json::Value bad = parsed(R"({"style": [["fillA", 1, 17], ["fillA", 1, -1], ["fillA"],
        [3, 1, 1], "fillA", ["missing", 1, 1]], "attr": {"menus": "x"}})");
    bar->readJsonValue(&bad);
    EXPECT_EQ(bar->getItemBackground(CtrlStateNormal).name, "");
    EXPECT_EQ(bar->actions().size(), 1);
}

TEST(MenuBar, RegistryRows)
{
    init();
    for (const char* type : {"qtmenubar", "menubar"}) {
        std::unique_ptr<QWidget> control(moxCreateControl(type, Json::Value(), nullptr));
        ASSERT_NE(control, nullptr) << type;
        EXPECT_STREQ(control->metaObject()->className(), "MOXQtLib::MOXQMenuBar");
    }
}
