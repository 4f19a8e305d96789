// The tree view: measured row widths, selection over hover, the states and what the style
// writer keeps, the designer's sample model, and its JSON round trip with bad input.

#include "ControlTestUtil.h"
#include "MOXPlatform.h"
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"
#include "MOXQTreeView.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

const QColor kB(0x44, 0x55, 0x66), kC(0x77, 0x88, 0x99), kD(0xAA, 0xBB, 0xCC);

QIcon icon()
{
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

} // namespace

TEST(TreeView, RowWidthsCountWhatTheRowShowsOnce)
{
    ctltest::loadTestResources();
    TextStyleDesc text;
    MOXQResourceManager::getInstance()->getTextStyle("textBig", text);
    const int abc = measureText("abc", text).width() + 4;
    const int tip = measureText("tip", text).width() + 4;
    struct Case
    {
        QMap<int, QVariant> data;
        int rowHeight, width;
    } cases[] = {
        {{}, 20, 0},
        {{{Qt::DisplayRole, "abc"}}, 20, abc},
        // The edit role repeats the display text.
        {{{Qt::DisplayRole, "abc"}, {Qt::EditRole, "abc"}}, 20, abc},
        {{{Qt::EditRole, "abc"}}, 20, abc},
        {{{Qt::DisplayRole, "abc"}, {Qt::DecorationRole, QVariant::fromValue(icon())}}, 20,
         abc + 20},
        {{{Qt::DisplayRole, "abc"}, {Qt::DecorationRole, "a.png"}}, 30, abc + 28},
        {{{Qt::DecorationRole, QVariant::fromValue(icon())}}, 40, 36},
        {{{Qt::DisplayRole, "abc"}, {Qt::ToolTipRole, "tip"}}, 20, abc + tip},
        {{{Qt::CheckStateRole, 2}, {Qt::DisplayRole, "abc"}}, 20, abc},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MOXQTreeViewImpl::rowWidth(c.data, c.rowHeight, text), c.width)
            << c.data.size() << " roles, row " << c.rowHeight;

    // Through the control: rows take the item height (0 and below give 20) and the width of
    // the Normal text style; an index without data keeps Qt's own width.
    auto tree = controlFrom<MOXQTreeView>(parsed(R"({"style": [["textBig", 2, 6]],
        "attr": {"items": ["abc", {"text": "abc", "icon": "a.png"}]}})"));
    auto* model = qobject_cast<QStandardItemModel*>(tree->model());
    ASSERT_NE(model, nullptr);
    model->appendRow(new QStandardItem);
    struct Height
    {
        int set, row;
    } heights[] = {{0, 20}, {30, 30}, {-5, 20}, {40, 40}};
    for (const Height& h : heights) {
        tree->setItemHeight(h.set);
        const int column = (h.row >= 33 ? 32 : h.row >= 25 ? 24 : 16) + 4;
        QStyleOptionViewItem option;
        const QSize plain = tree->itemDelegate()->sizeHint(option, model->index(0, 0));
        EXPECT_EQ(plain, QSize(abc, h.row)) << h.set;
        EXPECT_EQ(tree->itemDelegate()->sizeHint(option, model->index(1, 0)).width(), abc + column);
        EXPECT_EQ(tree->itemDelegate()->sizeHint(option, model->index(2, 0)).height(), h.row);
    }
}

TEST(TreeView, SelectionBeatsHoverAndEmptyIndexesShowTheirBackground)
{
    // Slot 2 Normal, 3 Hot, 4 Pressed.
    auto tree = controlFrom<MOXQTreeView>(parsed(R"({"style": [["fillB", 1, 2], ["fillC", 1, 3],
        ["fillD", 1, 4], ["textBig", 2, 6]], "attr": {"items": ["a", "b"]}})"));
    auto* model = qobject_cast<QStandardItemModel*>(tree->model());
    ASSERT_NE(model, nullptr);
    model->appendRow(new QStandardItem);
    struct Case
    {
        QStyle::State state;
        int row;
        QColor colour;
        bool text;
    } cases[] = {{QStyle::State_None, 0, kB, true},
                 {QStyle::State_MouseOver, 0, kC, true},
                 {QStyle::State_Selected, 0, kD, true},
                 {QStyle::State_Selected | QStyle::State_MouseOver, 0, kD, true},
                 {QStyle::State_MouseOver, 2, kC, false}};
    for (const Case& c : cases) {
        QImage image(60, 20, QImage::Format_ARGB32);
        image.fill(Qt::black);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = c.state;
        {
            QPainter painter(&image);
            tree->itemDelegate()->paint(&painter, option, model->index(c.row, 0));
        }
        EXPECT_EQ(image.pixelColor(55, 2), c.colour) << int(c.state) << " row " << c.row;
        const int red = ctltest::countPixels(image, [](const QColor& p) {
            return p.red() > 200 && p.green() < 100;
        });
        EXPECT_EQ(red > 0, c.text) << int(c.state) << " row " << c.row;
    }
}

TEST(TreeView, StatesAndTheStyleWriterKeepEveryState)
{
    MOXQTreeView tree;
    FillStyle all;
    all.name = "fillC";
    tree.setItemBackground(CtrlStateAll, all);
    tree.setHeaderBgStyle(CtrlStateAll, all);
    for (int bad : {-1, 5, 1000}) {
        FillStyle other;
        other.name = "fillB";
        tree.setItemBackground(CtrlState(bad), other);
        tree.setHeaderBgStyle(CtrlState(bad), other);
        TextStyleDesc text;
        text.name = "textBig";
        tree.setItemTextStyle(CtrlState(bad), text);
        for (int state = 0; state < 4; ++state) {
            EXPECT_EQ(tree.getItemBackground(CtrlState(state)).name, "fillC") << bad << state;
            EXPECT_EQ(tree.impl()->getHeaderBgStyle(state).name, "fillC") << bad << state;
            EXPECT_TRUE(tree.getItemTextStyle(CtrlState(state)).name.isEmpty()) << bad << state;
        }
        EXPECT_EQ(tree.getItemBackground(CtrlState(bad)).name, "fillC") << bad;
    }

    // Whatever is named, a written tree reads back into the same four looks of each group.
    ctltest::loadTestResources();
    const char* cases[][4] = {{"fillA", "fillA", "fillA", "fillA"},
                              {"fillA", "fillB", "fillC", "fillD"},
                              {"", "fillB", "", "fillD"}};
    for (const auto& names : cases) {
        MOXQTreeView source;
        for (int state = 0; state < 4; ++state) {
            FillStyle style;
            if (*names[state])
                MOXQResourceManager::getInstance()->getFillStyle(names[state], style);
            source.setItemBackground(CtrlState(state), style);
        }
        auto back = controlFrom<MOXQTreeView>(written(&source));
        for (int state = 0; state < 4; ++state)
            EXPECT_EQ(back->getItemBackground(CtrlState(state)).name, names[state])
                << names[0] << names[1] << names[2] << names[3] << " state " << state;
    }
}

TEST(TreeView, DesignerSampleModelComesOnceAndReplacesTheOldOne)
{
    init();
    struct Case
    {
        bool emulator;
        int appRows;
        int completions;
        int rowsAfter;
    } cases[] = {{false, 0, 1, 0}, {true, 0, 1, 100}, {true, 0, 3, 100}, {true, 2, 2, 2}};
    for (const Case& c : cases) {
        moxSetExecutablePathOverride(c.emulator ? "/opt/MoxeraQtEmulator" : "");
        moxInitQtControl();
        MOXQTreeView tree;
        QStandardItemModel app;
        for (int i = 0; i < c.appRows; ++i)
            app.appendRow(new QStandardItem(QString::number(i)));
        if (c.appRows) tree.setModel(&app);
        QAbstractItemModel* first = nullptr;
        for (int i = 0; i < c.completions; ++i) {
            tree.createComplete();
            if (i == 0) first = tree.model();
            // Running it again keeps the model it has.
            EXPECT_EQ(tree.model(), first) << c.emulator << " run " << i;
        }
        EXPECT_EQ(tree.model() ? tree.model()->rowCount() : 0, c.rowsAfter)
            << c.emulator << c.appRows;
        if (c.rowsAfter != 100) continue;
        const QModelIndex top = tree.model()->index(99, 0);
        EXPECT_EQ(top.data().toString(), "item1");
        EXPECT_TRUE(tree.impl()->demoModel()->itemFromIndex(top)->isCheckable());
        EXPECT_EQ(tree.model()->index(0, 1, top).data().toString(), "item3");
        // The designer's samples stay out of the page it saves.
        EXPECT_FALSE(written(&tree)["attr"].isMember("items"));

        // Once the application drops its rows, a new sample model takes the place of the old
        // one, which is freed.
        QPointer<QAbstractItemModel> old = tree.model();
        QStandardItemModel empty;
        tree.setModel(&empty);
        tree.initDemoData();
        EXPECT_TRUE(old.isNull());
        EXPECT_EQ(tree.model()->rowCount(), 100);
    }
    moxSetExecutablePathOverride({});
    moxInitQtControl();
}

TEST(TreeView, JsonRoundTripAndBadInput)
{
    // Every item height reads back as written: the default 0 (20-pixel rows) is left out, an
    // explicit 20 is kept.
    for (int height : {0, 20, 33}) {
        MOXQTreeView source;
        source.setItemHeight(height);
        const Json::Value out = written(&source);
        EXPECT_EQ(out["attr"].isMember("itemHeight"), height != 0) << height;
        auto back = controlFrom<MOXQTreeView>(out);
        EXPECT_EQ(back->getItemHeight(), height);
        EXPECT_EQ(back->impl()->rowHeight(), height ? height : 20);
    }

    auto tree = controlFrom<MOXQTreeView>(parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 2],
        ["fillC", 1, 3], ["textBig", 2, 6]],
        "attr": {"itemHeight": 32, "items": ["one", {"text": "two", "icon": "a.svg",
            "expanded": true, "children": ["x", {"text": "y", "children": ["z"]}, 5]}, null]},
        "child": [{"type": "scrollbar", "w": 9, "attr": {"size": 7}, "style": [["fillD", 1, 10]]}]})"));
    EXPECT_EQ(tree->getItemHeight(), 32);
    ASSERT_EQ(tree->model()->rowCount(), 2);
    const QModelIndex two = tree->model()->index(1, 0);
    EXPECT_TRUE(tree->isExpanded(two));
    EXPECT_EQ(tree->model()->rowCount(two), 2);
    EXPECT_EQ(tree->impl()->bars().buttonSize(false), 7);

    const Json::Value out = written(tree.get());
    EXPECT_EQ(jsonWrite(out["attr"]),
              R"({"itemHeight":32,"items":["one",{"children":["x",{"children":["z"],"text":"y"}],)"
              R"("expanded":true,"icon":"a.svg","text":"two"}]})");
    EXPECT_EQ(jsonWrite(out["style"]),
              R"([["fillA",1,0],["fillB",1,2],["fillC",1,3],["textBig",2,6]])");
    auto back = controlFrom<MOXQTreeView>(out);
    EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out));

    // A model of the application's is never written as items.
    QStandardItemModel app;
    app.appendRow(new QStandardItem("app"));
    back->setModel(&app);
    EXPECT_FALSE(written(back.get())["attr"].isMember("items"));

    // Mistyped members change nothing; endless nesting is cut off.
    std::string deep = "\"leaf\"";
    for (int i = 0; i < 90; ++i)
        deep = R"({"text": "n", "expanded": true, "children": [)" + deep + "]}";
    const std::string deepPage = R"({"attr": {"items": [)" + deep + "]}}";
    for (const char* bad :
         {R"({"attr": {"itemHeight": "x", "items": 5}})",
          R"({"attr": {"itemHeight": 1e300, "items": {"text": "a"}}, "style": 7})",
          R"({"attr": null, "child": [{"type": "scrollbar", "w": "x", "attr": 4}]})"}) {
        Json::Value json = parsed(bad);
        tree->readJsonValue(&json);
        EXPECT_EQ(tree->getItemHeight(), 32) << bad;
        EXPECT_EQ(tree->model()->rowCount(), 2) << bad;
        EXPECT_EQ(tree->getItemBackground(CtrlStateHot).name, "fillC") << bad;
    }
    Json::Value json = parsed(deepPage.c_str());
    tree->readJsonValue(&json);
    int depth = 0;
    for (QModelIndex index = tree->model()->index(0, 0); index.isValid();
         index = tree->model()->index(0, 0, index))
        ++depth;
    EXPECT_EQ(depth, 65);
}
