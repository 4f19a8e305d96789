// The list: the icon column by row height, hover over selection (and the tree's opposite),
// the item style groups and what the style writer keeps, states out of range, designer samples
// added once, and its JSON round trip.

#include "ControlTestUtil.h"
#include "MOXPlatform.h"
#include "MOXQItemLooks.h"
#include "MOXQList.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "MOXViewportBackground.h"
#include "TestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

const QColor kA(0x11, 0x22, 0x33), kB(0x44, 0x55, 0x66), kC(0x77, 0x88, 0x99), kD(0xAA, 0xBB, 0xCC);

QIcon redIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

// The bounding box of the pixels of `colour`.
QRect boxOf(const QImage& image, const QColor& colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

// The list's viewport as it paints, items and background.
QImage viewportImage(MOXQList* list)
{
    QImage image(list->viewport()->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    list->viewport()->render(&image);
    return image;
}

} // namespace

TEST(List, IconColumnFollowsTheRowHeight)
{
    ctltest::loadTestResources();
    struct Case
    {
        int height, icon;
    } cases[] = {{20, 16}, {24, 16}, {25, 24}, {30, 24}, {32, 24}, {33, 32}, {48, 32}};
    MOXQItemLooks looks;
    TextStyleDesc text;
    text.color = Qt::blue;
    looks.setTextStyle(CtrlStateAll, text);
    const QString path = testsupport::tempDir("list-icon") + "/red.png";
    redIcon().pixmap(64, 64).save(path);
    // A QIcon, a pixmap and an image path (shrunk when larger) sit centred in the column;
    // another valid value only makes room. The text starts right after the column.
    const QVariant decorations[] = {QVariant::fromValue(redIcon()),
                                    QVariant::fromValue(redIcon().pixmap(64, 64)), QVariant(path),
                                    QVariant(7)};
    for (const Case& c : cases) {
        const QRect row(5, 3, 120, c.height);
        EXPECT_EQ(MOXQItemLooks::iconColumn(row), QRect(5, 3, c.icon + 4, c.height)) << c.height;
        for (const QVariant& decoration : decorations) {
            QImage image(130, c.height + 6, QImage::Format_ARGB32);
            image.fill(Qt::black);
            {
                QPainter painter(&image);
                looks.paintRow(&painter, row, CtrlStateNormal, "Wide text", decoration);
            }
            const QRect icon = boxOf(image, Qt::red);
            const bool drawn = decoration.userType() != QMetaType::Int;
            EXPECT_EQ(icon.width(), drawn ? c.icon : 0) << c.height << decoration.typeName();
            EXPECT_EQ(icon.left(), drawn ? 7 : 0) << c.height << decoration.typeName();
            int textLeft = -1;
            for (int x = 0; x < image.width() && textLeft < 0; ++x)
                for (int y = 0; y < image.height() && textLeft < 0; ++y)
                    if (qBlue(image.pixel(x, y)) > qRed(image.pixel(x, y)) + 40) textLeft = x;
            EXPECT_GE(textLeft, 5 + c.icon + 4) << c.height;
            EXPECT_LE(textLeft, 5 + c.icon + 4 + 3) << c.height;
        }
    }

    // Through the control: every item takes the item height at once; 0 gives 20, negative
    // counts as 0 and huge heights are capped.
    MOXQList list;
    list.addItems({"a", "b", "c"});
    list.resize(200, 300);
    struct Height
    {
        int set, stored, row;
    } heights[] = {{20, 20, 20}, {30, 30, 30}, {0, 0, 20}, {-7, 0, 20}, {1 << 30, 4096, 4096}};
    for (const Height& h : heights) {
        list.setItemHeight(h.set);
        EXPECT_EQ(list.getItemHeight(), h.stored) << h.set;
        EXPECT_EQ(list.visualItemRect(list.item(2)).height(), h.row) << h.set;
        EXPECT_EQ(list.visualItemRect(list.item(2)).top(), 2 * h.row) << h.set;
    }
}

TEST(List, HoverBeatsSelectionAndTheTreeOrderIsTheOpposite)
{
    struct Case
    {
        QStyle::State state;
        int list, tree;
    } cases[] = {
        {QStyle::State_None, CtrlStateNormal, CtrlStateNormal},
        {QStyle::State_MouseOver, CtrlStateHot, CtrlStateHot},
        {QStyle::State_Selected, CtrlStatePressed, CtrlStatePressed},
        {QStyle::State_Selected | QStyle::State_MouseOver, CtrlStateHot, CtrlStatePressed},
        {QStyle::State_Enabled | QStyle::State_HasFocus, CtrlStateNormal, CtrlStateNormal}};
    const MOXQItemLooks list(MOXQItemLooks::HoverFirst), tree(MOXQItemLooks::SelectionFirst);
    for (const Case& c : cases) {
        EXPECT_EQ(list.rowState(c.state), c.list) << int(c.state);
        EXPECT_EQ(tree.rowState(c.state), c.tree) << int(c.state);
    }

    // The control: a selected row under the mouse is Hot; moving away shows it Pressed, and
    // leaving the list leaves no row Hot.
    auto control = controlFrom<MOXQList>(parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 2],
        ["fillC", 1, 3], ["fillD", 1, 4]], "attr": {"items": ["one", "two", "three"]}})"));
    control->resize(120, 100);
    control->show();
    testsupport::processEvents();
    control->item(1)->setSelected(true);
    struct Step
    {
        ctltest::Mouse mouse;
        int y;
        QColor rows[3];
    } steps[] = {{ctltest::Mouse::Move, 30, {kB, kC, kB}},
                 {ctltest::Mouse::Move, 50, {kB, kD, kC}},
                 {ctltest::Mouse::Move, 90, {kB, kD, kB}},
                 {ctltest::Mouse::Leave, 0, {kB, kD, kB}}};
    for (const Step& s : steps) {
        ctltest::sendMouse(control->viewport(), s.mouse, QPoint(10, s.y));
        const QImage image = viewportImage(control.get());
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(image.pixelColor(60, row * 20 + 10), s.rows[row]) << s.y << " row " << row;
        // Below the items the background shows.
        EXPECT_EQ(image.pixelColor(60, 80), kA) << s.y;
    }
}

TEST(List, StyleGroupsStatesAndWriterKeepEveryState)
{
    // Slot 2 fills the four item backgrounds, slot 6 the four text styles; a later slot 3
    // changes only Hot; slot 1, slots past 9 and unknown names change nothing.
    auto list = controlFrom<MOXQList>(parsed(R"({"style": [["fillA", 1, 2], ["fillB", 1, 3],
        ["textBig", 2, 6], ["textGreen", 2, 9], ["fillC", 1, 1], ["fillD", 1, 10],
        ["missing", 1, 4], ["fillD", 1, 0]]})"));
    const char* backgrounds[] = {"fillA", "fillB", "fillA", "fillA"};
    const char* texts[] = {"textBig", "textBig", "textBig", "textGreen"};
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(list->getItemBackground(CtrlState(state)).name, backgrounds[state]) << state;
        EXPECT_EQ(list->getItemTextStyle(CtrlState(state)).name, texts[state]) << state;
    }
    EXPECT_EQ(list->getBackground(CommonCtrlStateNormal).name, "fillD");

    // State 4 sets all four; other states are ignored by setters and read as Normal.
    FillStyle style;
    style.name = "fillC";
    list->setItemBackground(CtrlStateAll, style);
    for (int bad : {-1, 5, 1000}) {
        style.name = "fillB";
        list->setItemBackground(CtrlState(bad), style);
        for (int state = 0; state < 4; ++state)
            EXPECT_EQ(list->getItemBackground(CtrlState(state)).name, "fillC") << bad << state;
        EXPECT_EQ(list->getItemBackground(CtrlState(bad)).name, "fillC") << bad;
    }

    // The writer names every state that differs from Normal, so a read gives the same four
    // looks back, whatever is named and whatever is not.
    struct Write
    {
        const char* names[4];
        const char* json;
    } writes[] = {
        {{"fillA", "fillA", "fillA", "fillA"}, R"([["fillA",1,2]])"},
        {{"fillA", "fillB", "fillA", "fillA"}, R"([["fillA",1,2],["fillB",1,3]])"},
        {{"fillA", "fillB", "fillC", "fillD"},
         R"([["fillA",1,2],["fillB",1,3],["fillC",1,4],["fillD",1,5]])"},
        {{"", "fillB", "", ""}, R"([["fillB",1,3]])"},
    };
    for (const Write& w : writes) {
        MOXQList source;
        for (int state = 0; state < 4; ++state) {
            FillStyle style;
            if (*w.names[state])
                MOXQResourceManager::getInstance()->getFillStyle(w.names[state], style);
            source.setItemBackground(CtrlState(state), style);
        }
        const Json::Value out = written(&source);
        EXPECT_EQ(jsonWrite(out["style"]), w.json);
        auto back = controlFrom<MOXQList>(out);
        for (int state = 0; state < 4; ++state)
            EXPECT_EQ(back->getItemBackground(CtrlState(state)).name, w.names[state])
                << w.json << " state " << state;
    }
}

TEST(List, DesignerSamplesComeOnceAndNeverOverItems)
{
    init();
    struct Case
    {
        bool emulator;
        int itemsBefore;
        int completions;
        int itemsAfter;
    } cases[] = {{false, 0, 1, 0}, {true, 0, 1, 20}, {true, 0, 3, 20}, {true, 2, 2, 2}};
    for (const Case& c : cases) {
        moxSetExecutablePathOverride(c.emulator ? "/opt/MoxeraQtEmulator" : "");
        moxInitQtControl();
        MOXQList list;
        for (int i = 0; i < c.itemsBefore; ++i)
            list.addItem(QString::number(i));
        for (int i = 0; i < c.completions; ++i)
            list.createComplete();
        EXPECT_EQ(list.count(), c.itemsAfter) << c.emulator << c.itemsBefore << c.completions;
        if (c.itemsAfter == 20) {
            EXPECT_EQ(list.item(19)->text(), "item 19");
            // A page saved in the designer keeps its list empty.
            EXPECT_FALSE(written(&list)["attr"].isMember("items"));
        }
    }
    moxSetExecutablePathOverride({});
    moxInitQtControl();
}

TEST(List, JsonRoundTripAndBadInput)
{
    auto list = controlFrom<MOXQList>(parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 2],
        ["fillC", 1, 3], ["textBig", 2, 6]],
        "attr": {"itemHeight": 32, "multiselect": true,
                 "items": ["plain", {"text": "icon", "icon": "a.svg", "selected": true},
                           {"text": "chosen", "selected": true}, 5, null, {"icon": "b.svg"}]},
        "child": [{"type": "scrollbar", "w": 9, "style": [["fillD", 1, 10]]}]})"));
    EXPECT_EQ(list->getItemHeight(), 32);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->data(Qt::DecorationRole).toString(), "a.svg");
    // Both selections hold although "items" is read before the mode is multi.
    EXPECT_TRUE(list->item(1)->isSelected());
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_EQ(list->item(3)->text(), "");

    const Json::Value out = written(list.get());
    EXPECT_EQ(jsonWrite(out["attr"]),
              R"({"itemHeight":32,"items":["plain",{"icon":"a.svg","selected":true,"text":"icon"},)"
              R"({"selected":true,"text":"chosen"},{"icon":"b.svg","text":""}],"multiselect":1})");
    EXPECT_EQ(jsonWrite(out["style"]),
              R"([["fillA",1,0],["fillB",1,2],["fillC",1,3],["textBig",2,6]])");
    // The bar looks come back too.
    auto back = controlFrom<MOXQList>(out);
    EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out));

    // Extended selection reads as multi but is not written as it; the default height is not
    // written either.
    back->setSelectionMode(QAbstractItemView::ExtendedSelection);
    back->setItemHeight(20);
    EXPECT_TRUE(back->getIsMultiSelected());
    EXPECT_EQ(jsonWrite(written(back.get())["attr"]).find("multiselect"), std::string::npos);
    EXPECT_EQ(jsonWrite(written(back.get())["attr"]).find("itemHeight"), std::string::npos);

    // Mistyped members change nothing.
    for (const char* bad :
         {R"({"attr": {"itemHeight": "x", "multiselect": "yes", "items": 5}})",
          R"({"attr": {"itemHeight": 1e300, "items": {"text": "a"}}, "style": 7})",
          R"({"attr": null, "child": [{"type": "scrollbar", "w": "x", "attr": 4}]})"}) {
        Json::Value json = parsed(bad);
        list->readJsonValue(&json);
        EXPECT_EQ(list->getItemHeight(), 32) << bad;
        EXPECT_EQ(list->count(), 4) << bad;
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection) << bad;
        EXPECT_EQ(list->getItemBackground(CtrlStateHot).name, "fillC") << bad;
    }
}

TEST(List, ViewportIsOpaqueOnlyUnderABackgroundThatCoversIt)
{
    // An opaque viewport lets Qt scroll by moving pixels; one the parent shows through must
    // be painted whole.
    using Change = void (*)(FillStyle&);
    struct Case
    {
        Change change;
        bool opaque;
    } cases[] = {{[](FillStyle&) {}, true},
                 {[](FillStyle& s) { s.fillRes.color.setAlpha(128); }, false},
                 {[](FillStyle& s) { s.fillRes.round = 4; }, false},
                 {[](FillStyle& s) { s.valid = false; }, false},
                 {[](FillStyle& s) { s.fillWithColor = false; }, false}};
    MOXQList list;
    list.resize(100, 80);
    list.show();
    testsupport::processEvents();
    for (const Case& c : cases) {
        FillStyle style;
        c.change(style);
        EXPECT_EQ(MOXViewportBackground::coversOpaque(style), c.opaque);
        list.setBackground(CommonCtrlStateNormal, style);
        list.hide();
        list.show();
        testsupport::processEvents();
        EXPECT_EQ(list.viewport()->testAttribute(Qt::WA_OpaquePaintEvent), c.opaque);
    }
}
