// The tab strip: item geometry and hit tests with spacing, one signal per press, the selection
// and hover across removals, bounds-checked item access, and its JSON keys.

#include "ControlTestUtil.h"
#include "MOXQTabWidget.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

std::unique_ptr<MOXQTabWidget> strip(int items)
{
    auto tabs = std::make_unique<MOXQTabWidget>();
    for (int i = 0; i < items; ++i)
        tabs->addTab(QStringLiteral("tab%1").arg(i));
    return tabs;
}

} // namespace

TEST(TabWidget, HitTestsFollowTheItemGeometryWithSpacing)
{
    auto tabs = strip(3);
    tabs->resize(300, 30);
    tabs->setItemSpace(4);
    struct Case
    {
        bool horizontal;
        QPoint pos;
        int item;
    } cases[] = {
        {true, {0, 10}, 0},    {true, {49, 29}, 0},   {true, {50, 10}, -1},   {true, {53, 10}, -1},
        {true, {54, 10}, 1},   {true, {55, 10}, 1},   {true, {60, 10}, 1},    {true, {157, 0}, 2},
        {true, {162, 10}, -1}, {true, {10, 30}, -1},  {true, {-1, 10}, -1},   {false, {10, 0}, 0},
        {false, {299, 55}, 1}, {false, {10, 52}, -1}, {false, {10, 160}, -1},
    };
    for (const Case& c : cases) {
        tabs->setIsHor(c.horizontal);
        tabs->resize(c.horizontal ? QSize(300, 30) : QSize(300, 200));
        EXPECT_EQ(tabs->impl()->itemAt(c.pos, tabs->size()), c.item)
            << c.horizontal << " " << c.pos.x() << "," << c.pos.y();
    }
    EXPECT_EQ(tabs->impl()->itemRect(2, QSize(300, 30)), QRect(0, 108, 300, 50));
    // Items past the int range have no rectangle and are never hit.
    tabs->setItemSize(INT_MAX);
    EXPECT_TRUE(tabs->impl()->itemRect(2, QSize(300, 30)).isNull());
    EXPECT_EQ(tabs->impl()->itemAt(QPoint(5, 5), QSize(300, 30)), 0);
    EXPECT_EQ(tabs->impl()->itemRect(-1, QSize(300, 30)), QRect());
}

TEST(TabWidget, OneSignalPerPressAndNoneForTheCurrentIndex)
{
    auto tabs = strip(3);
    tabs->resize(300, 30);
    tabs->setItemSpace(4);
    QVector<int> emitted;
    QObject::connect(tabs.get(), &MOXQTabWidget::currentChanged,
                     [&emitted](int index) { emitted.append(index); });
    testsupport::sendMouse(tabs.get(), QEvent::MouseButtonPress, QPointF(60, 10));
    EXPECT_EQ(emitted, QVector<int>({1}));
    // The selected item again: reported again (the ribbon toggles on it).
    testsupport::sendMouse(tabs.get(), QEvent::MouseButtonPress, QPointF(60, 10));
    EXPECT_EQ(emitted, QVector<int>({1, 1}));
    emitted.clear();
    testsupport::sendMouse(tabs.get(), QEvent::MouseButtonPress, QPointF(52, 10));
    EXPECT_TRUE(emitted.isEmpty());
    EXPECT_EQ(tabs->getSelectedIndex(), 1);

    for (int index : {1, 3, -1, INT_MIN, INT_MAX})
        tabs->setSelectedIndex(index);
    EXPECT_TRUE(emitted.isEmpty());
    tabs->setSelectedIndex(2);
    EXPECT_EQ(emitted, QVector<int>({2}));

    // Hover follows the mouse, stays over gaps and clears on leaving.
    testsupport::sendMouse(tabs.get(), QEvent::MouseMove, QPointF(10, 10));
    EXPECT_EQ(tabs->impl()->getHoverIndex(), 0);
    testsupport::sendMouse(tabs.get(), QEvent::MouseMove, QPointF(51, 10));
    EXPECT_EQ(tabs->impl()->getHoverIndex(), 0);
    testsupport::sendMouse(tabs.get(), QEvent::Leave);
    EXPECT_EQ(tabs->impl()->getHoverIndex(), -1);
}

TEST(TabWidget, RemovalsKeepSelectionAndHoverOnTheirItems)
{
    struct Case
    {
        int selected, hover, removed;
        int selectedAfter, hoverAfter;
    } cases[] = {{2, 3, 0, 1, 2},   {2, 3, 2, 2, 2},  {3, 1, 3, 2, 1}, {1, 1, 1, 1, -1},
                 {0, -1, 9, 0, -1}, {3, 2, -1, 3, 2}, {3, 0, 3, 2, 0}};
    for (const Case& c : cases) {
        auto tabs = strip(4);
        tabs->resize(400, 30);
        tabs->setSelectedIndex(c.selected);
        if (c.hover >= 0)
            testsupport::sendMouse(tabs.get(), QEvent::MouseMove, QPointF(c.hover * 50 + 5, 5));
        tabs->removeTab(c.removed);
        EXPECT_EQ(tabs->getSelectedIndex(), c.selectedAfter) << c.removed;
        EXPECT_EQ(tabs->impl()->getHoverIndex(), c.hoverAfter) << c.removed;
    }
    auto tabs = strip(2);
    tabs->setSelectedIndex(1);
    tabs->clear();
    EXPECT_EQ(tabs->getSelectedIndex(), 0);
    EXPECT_EQ(tabs->getTabCount(), 0);
    tabs->removeTab(0);

    // Item access out of range answers empty.
    tabs = strip(2);
    EXPECT_TRUE(tabs->setItemData(1, 42));
    EXPECT_EQ(tabs->getItemData(1).toInt(), 42);
    for (int index : {-1, 2, INT_MAX}) {
        EXPECT_FALSE(tabs->setItemData(index, 1));
        EXPECT_FALSE(tabs->getItemData(index).isValid());
        EXPECT_EQ(tabs->getTabText(index), "");
    }
}

TEST(TabWidget, PaintsSelectedPressedAndHoveredHot)
{
    auto tabs = controlFrom<MOXQTabWidget>(parsed(R"({"style": [["fillD", 1, 0],
        ["fillA", 1, 1], ["fillB", 1, 2], ["fillC", 1, 3]], "attr": {"itemSpace": 10}})"));
    for (int i = 0; i < 3; ++i)
        tabs->addTab(QString());
    tabs->resize(300, 20);
    tabs->setSelectedIndex(1);
    testsupport::sendMouse(tabs.get(), QEvent::MouseMove, QPointF(125, 5));
    const QImage image = ctltest::rendered(tabs.get());
    EXPECT_EQ(image.pixelColor(25, 10), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(image.pixelColor(55, 10), QColor(0xAA, 0xBB, 0xCC)); // the gap: background
    EXPECT_EQ(image.pixelColor(85, 10), QColor(0x77, 0x88, 0x99));
    EXPECT_EQ(image.pixelColor(145, 10), QColor(0x44, 0x55, 0x66));
    EXPECT_EQ(image.pixelColor(250, 10), QColor(0xAA, 0xBB, 0xCC));
}

TEST(TabWidget, JsonKeysRoundTrip)
{
    ctltest::loadTestResources();
    MOXQTabWidget plain;
    EXPECT_EQ(jsonWrite(written(&plain)["attr"]), "{}");

    const Json::Value json = parsed(R"({"style": [["fillD", 1, 0], ["fillA", 1, 1],
        ["fillB", 1, 3], ["textBig", 2, 5]], "attr": {"isHor": 0, "itemSize": 80,
        "itemSpace": 6, "showText": 0, "hasIcon": 0, "tabs": ["One", "Two"]}})");
    auto tabs = controlFrom<MOXQTabWidget>(json);
    EXPECT_FALSE(tabs->getIsHor());
    EXPECT_EQ(tabs->getTabText(1), "Two");
    EXPECT_EQ(tabs->getItemTextStyle(CtrlStateDisable).size, 20);
    const Json::Value out = written(tabs.get());
    EXPECT_EQ(jsonWrite(out["attr"]), jsonWrite(json["attr"]));
    EXPECT_EQ(jsonWrite(out["style"]), jsonWrite(json["style"]));

    // An "attr" without "isHor" lays the items side by side again; mistyped values keep theirs.
    Json::Value again = parsed(R"({"attr": {"itemSize": "wide", "tabs": [1, "x", null]}})");
    tabs->readJsonValue(&again);
    EXPECT_TRUE(tabs->getIsHor());
    EXPECT_EQ(tabs->getItemSize(), 80);
    EXPECT_EQ(tabs->getTabCount(), 1);
}
