// The table view: check column geometry and toggling (check states written as Qt writes them),
// the header check mark's signal, column widgets reporting clicks on their parts, row looks per
// state, one scroll-bar thickness per orientation, the hidden check painter kept out of files,
// and the JSON round trip.

#include "ControlTestUtil.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQScrollBar.h"
#include "MOXQTableView.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QHeaderView>
#include <QImage>
#include <QPaintEvent>
#include <QStandardItemModel>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::Mouse;
using ctltest::parsed;
using ctltest::written;

namespace {

const char* const kPage = R"({"elements": [{"type": "qtcontainer", "name": "root", "w": 400,
  "h": 300, "child": [
  {"type": "qtdatagrid", "name": "grid", "x": 0, "y": 0, "w": 360, "h": 200,
   "style": [["fillA", 1, 0], ["fillB", 1, 2], ["fillC", 1, 3], ["fillD", 1, 4],
             ["textBig", 2, 6], ["fillD", 1, 10]],
   "attr": {"checkstyle": true, "itemHeight": 30, "multiselect": 1,
            "headers": ["Name", "Kind", "Actions"],
            "rows": [[{"text": "alpha", "checked": true}, {"text": "one", "icon": "ICON"}],
                     [{"text": "beta", "checked": false}, "two"],
                     ["gamma", "three", ""]]},
   "child": [
    {"type": "scrollbar", "w": 15, "attr": {"upicon": "up.svg"}},
    {"type": "scrollbar", "h": 9, "attr": {"hor": true}, "style": [["fillB", 1, 10]]},
    {"type": "qtcontainer", "name": "stamp", "w": 100, "h": 30,
     "attr": {"column": 2, "childLayout": 0, "space": 10},
     "child": [{"type": "qtbutton", "name": "edit", "w": 40, "h": 30, "widthPolicy": 1},
               {"type": "qtbutton", "name": "remove", "w": 40, "h": 30, "widthPolicy": 1}]}]}]}]})";

// A 16 x 16 image on disk, for the icon role.
QString iconPath()
{
    const QString path = testsupport::tempDir(QStringLiteral("table-icon")) + "/icon.png";
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(path);
    return path;
}

struct Page
{
    Page()
    {
        init();
        ctltest::loadTestResources();
        host.resize(400, 300);
        Json::Value page = parsed(kPage);
        page["elements"][0]["child"][0]["attr"]["rows"][0][1]["icon"] = iconPath().toStdString();
        root = moxCreatePageFromJson(&host, page);
        grid = host.findChild<MOXQTableView*>("grid");
        host.show();
        testsupport::processEvents();
        if (grid) {
            grid->setColumnWidth(0, 120);
            grid->setColumnWidth(1, 120);
            grid->setColumnWidth(2, 100);
        }
    }
    ~Page() { delete root; }
    QRect cell(int row, int column) const { return grid->visualRect(grid->model()->index(row, column)); }
    void click(const QPoint& pos) const
    {
        ctltest::sendMouse(grid->viewport(), Mouse::Press, pos);
        ctltest::sendMouse(grid->viewport(), Mouse::Release, pos);
    }
    QVariant checkState(int row) const { return grid->model()->index(row, 0).data(Qt::CheckStateRole); }
    QWidget host;
    MOXQContainer* root = nullptr;
    MOXQTableView* grid = nullptr;
};

} // namespace

TEST(TableView, CheckColumnAndIconMoveTheTextByTheImageWidths)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    MOXQTableViewImpl* impl = page.grid->impl();
    const QRect cell(100, 40, 120, 30);
    struct Case
    {
        bool checkStyle;
        int column;
        int textLeft, checkLeft;
    } cases[] = {
        {true, 0, 134, 105}, // 10 + the 24-pixel image
        {true, 1, 100, 105},
        {false, 0, 100, 105},
    };
    for (const Case& c : cases) {
        impl->setCheckstyle(c.checkStyle);
        EXPECT_EQ(impl->textRect(cell, c.column).left(), c.textLeft) << c.column;
        EXPECT_EQ(impl->textRect(cell, c.column).bottom(), 40 + 30 - 1);
        EXPECT_EQ(impl->checkRect(cell), QRect(105, 40, 24, 30));
    }
    // A check image the resource manager has sets the width the column makes room for.
    impl->setCheckstyle(true);
    impl->setCheckBoxImage(true, iconPath());
    EXPECT_EQ(impl->textRect(cell, 0).left(), 100 + 10 + 16);
    EXPECT_EQ(impl->getCheckedImage(), iconPath());
    impl->setCheckBoxImage(false, "missing.png");
    EXPECT_EQ(impl->getCheckImageSize(), QSize(16, 16));
}

TEST(TableView, ClickingACheckMarkTogglesItAsQtWritesCheckStates)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    auto* model = qobject_cast<QStandardItemModel*>(page.grid->model());
    ASSERT_NE(model, nullptr);
    // Whatever a model holds reads as checked unless it is Qt::Unchecked.
    const QVariant none;
    struct Case
    {
        QVariant before;
        Qt::CheckState after;
    } cases[] = {
        {int(Qt::Checked), Qt::Unchecked},   {int(Qt::Unchecked), Qt::Checked},
        {int(Qt::PartiallyChecked), Qt::Unchecked}, {true, Qt::Unchecked},
        {false, Qt::Checked},                {none, Qt::Checked},
    };
    for (const Case& c : cases) {
        model->setData(model->index(2, 0), c.before, Qt::CheckStateRole);
        page.click(page.cell(2, 0).topLeft() + QPoint(10, 10));
        EXPECT_EQ(page.checkState(2), QVariant(int(c.after))) << c.before.toString().toStdString();
        EXPECT_EQ(model->item(2, 0)->checkState(), c.after);
    }
    // Elsewhere in the cell the click selects the row and leaves the mark alone.
    page.click(page.cell(1, 0).topLeft() + QPoint(60, 10));
    EXPECT_EQ(page.checkState(1), QVariant(int(Qt::Unchecked)));
    EXPECT_EQ(page.grid->selectedRows(), QList<int>{1});
    // Without the check style nothing toggles.
    page.grid->setCheckstyle(false);
    page.click(page.cell(0, 0).topLeft() + QPoint(10, 10));
    EXPECT_EQ(page.checkState(0), QVariant(int(Qt::Checked)));
}

TEST(TableView, HeaderCheckMarkSignalsAndLeavesTheRowsAlone)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    QList<bool> signalled;
    QObject::connect(page.grid, &MOXQTableView::headerCheckedChanged,
                     [&signalled](bool on) { signalled.append(on); });
    QHeaderView* header = page.grid->horizontalHeader();
    const QPoint mark(10, header->height() / 2), text(60, header->height() / 2);
    for (const QPoint& at : {mark, text, mark})
        ctltest::sendMouse(header->viewport(), Mouse::Press, at);
    EXPECT_EQ(signalled, (QList<bool>{true, false}));
    EXPECT_EQ(page.checkState(0), QVariant(int(Qt::Checked)));
    EXPECT_EQ(page.checkState(1), QVariant(int(Qt::Unchecked)));
    page.grid->setCheckstyle(false);
    ctltest::sendMouse(header->viewport(), Mouse::Press, mark);
    EXPECT_EQ(signalled.size(), 2);
}

TEST(TableView, ColumnWidgetsReportClicksOnTheirParts)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    QPointer<MOXQContainer> stamp = page.host.findChild<MOXQContainer*>("stamp");
    ASSERT_TRUE(stamp);
    EXPECT_EQ(page.grid->getColumnWidget(2), stamp.data());
    EXPECT_TRUE(stamp->isHidden());
    QStringList clicks;
    QObject::connect(page.grid, &MOXQTableView::customControlClicked,
                     [&clicks](int row, const QString& name) {
                         clicks.append(QStringLiteral("%1:%2").arg(row).arg(name));
                     });
    const QPoint cell = page.cell(1, 2).topLeft();
    for (int x : {5, 45, 55, 95})
        page.click(cell + QPoint(x, 10));
    page.click(page.cell(2, 1).topLeft() + QPoint(5, 10));
    EXPECT_EQ(clicks, (QStringList{"1:edit", "1:remove"}));

    // Removed, or deleted elsewhere: the column draws text again and reports nothing.
    page.grid->setColumnWidget(-1, stamp);
    page.grid->setColumnWidget(2, nullptr);
    EXPECT_EQ(page.grid->getColumnWidget(2), nullptr);
    page.grid->setColumnWidget(2, stamp);
    delete stamp.data();
    EXPECT_EQ(page.grid->getColumnWidget(2), nullptr);
    page.click(cell + QPoint(5, 10));
    ctltest::rendered(page.grid);
    EXPECT_EQ(clicks.size(), 2);
}

TEST(TableView, RowsTakeTheirStateLooksAndTheHoverRowFollowsTheMouse)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    page.grid->selectRow(0);
    ctltest::sendMouse(page.grid->viewport(), Mouse::Move, page.cell(1, 1).center());
    EXPECT_EQ(page.grid->impl()->getHoverRow(), 1);
    const QImage image = ctltest::rendered(page.grid);
    const QPoint offset = page.grid->viewport()->pos();
    auto at = [&](int row) { return image.pixelColor(page.cell(row, 1).bottomRight() + offset - QPoint(3, 3)); };
    EXPECT_EQ(at(0), QColor(0xAA, 0xBB, 0xCC)); // selected: Pressed
    EXPECT_EQ(at(1), QColor(0x77, 0x88, 0x99)); // hover row: Hot
    EXPECT_EQ(at(2), QColor(0x44, 0x55, 0x66)); // Normal
    EXPECT_EQ(image.pixelColor(offset + QPoint(300, 150)), QColor(0x11, 0x22, 0x33));
    const QHeaderView* header = page.grid->horizontalHeader();
    EXPECT_EQ(image.pixelColor(header->pos() + QPoint(335, header->height() / 2)),
              QColor(0xAA, 0xBB, 0xCC));
    // Moving to another row repaints both rows whole, not just the cell the mouse left, also
    // when the application selects single cells (Qt then repaints single cells).
    struct Probe : QObject
    {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } probe;
    page.grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    testsupport::processEvents();
    page.grid->viewport()->installEventFilter(&probe);
    ctltest::sendMouse(page.grid->viewport(), Mouse::Move, page.cell(2, 0).center());
    testsupport::processEvents();
    const int width = page.grid->viewport()->width();
    for (int row : {1, 2})
        EXPECT_TRUE((QRegion(0, page.cell(row, 0).top(), width, 30) - probe.painted).isEmpty())
            << row;
    EXPECT_EQ(page.grid->impl()->getHoverRow(), 2);
    ctltest::sendMouse(page.grid->viewport(), Mouse::Leave);
    EXPECT_EQ(page.grid->impl()->getHoverRow(), -1);

    // Scrolls move the pixels only while the background covers the whole viewport, whatever
    // the viewport's style sheet did to it when it was shown.
    QWidget* viewport = page.grid->viewport();
    EXPECT_TRUE(viewport->testAttribute(Qt::WA_OpaquePaintEvent));
    FillStyle seeThrough = page.grid->getBackground(CommonCtrlStateNormal);
    seeThrough.fillRes.color.setAlpha(128);
    page.grid->setBackground(CommonCtrlStateNormal, seeThrough);
    EXPECT_FALSE(viewport->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(TableView, EachScrollBarKeepsItsOwnThicknessAndTheCheckPainterIsNeverWritten)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    auto* h = qobject_cast<MOXQScrollBar*>(page.grid->horizontalScrollBar());
    auto* v = qobject_cast<MOXQScrollBar*>(page.grid->verticalScrollBar());
    ASSERT_TRUE(h && v);
    EXPECT_EQ(v->sizeHint().width(), 15);
    EXPECT_EQ(h->sizeHint().height(), 9);
    EXPECT_FALSE(v->styleSheet().contains("9px")) << qPrintable(v->styleSheet());
    EXPECT_FALSE(h->styleSheet().contains("15px")) << qPrintable(h->styleSheet());
    EXPECT_EQ(h->getScrollbarThumb(CtrlStateHot).name, "fillB");
    EXPECT_EQ(v->getScrollbarBtnIcon(true), "up.svg");
    page.grid->setScrollbarSize(true, 11);
    EXPECT_EQ(v->sizeHint().width(), 15);
    EXPECT_EQ(h->sizeHint().height(), 11);

    // The hidden painter, the bars and the headers are the table's own parts.
    moxEnableSerializeChild(true);
    const Json::Value out = written(page.grid);
    moxEnableSerializeChild(false);
    std::vector<std::string> types;
    for (const Json::Value& child : out["child"])
        types.push_back(child["type"].asString());
    EXPECT_EQ(types, (std::vector<std::string>{"scrollbar", "scrollbar", "qtcontainer"}))
        << jsonWrite(out);
}

TEST(TableView, WritesWhatItReadAndReadsHostileValuesWithoutHarm)
{
    Page page;
    ASSERT_NE(page.grid, nullptr);
    moxEnableSerializeChild(true);
    const Json::Value out = written(page.grid);
    const Json::Value& attr = out["attr"];
    EXPECT_EQ(attr["multiselect"], 1);
    EXPECT_EQ(attr["itemHeight"], 30);
    EXPECT_EQ(attr["checkstyle"], true);
    EXPECT_FALSE(attr.isMember("checkedImg"));
    EXPECT_EQ(jsonWrite(attr["rows"][0]),
              R"([{"checked":true,"text":"alpha"},{"icon":")" + iconPath().toStdString() +
                  R"(","text":"one"}])");
    EXPECT_EQ(jsonWrite(attr["rows"][2]), R"(["gamma","three",""])");
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillA",1,0],["fillB",1,2],["fillC",1,3],)"
                                       R"(["fillD",1,4],["textBig",2,6],["fillD",1,10]])");

    Json::Value document(Json::objectValue);
    document["elements"].append(out);
    QWidget host;
    moxCreatePageFromJson(&host, document);
    auto* back = host.findChild<MOXQTableView*>("grid");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(jsonWrite(written(back)), jsonWrite(out));
    EXPECT_EQ(back->getColumnWidget(2), host.findChild<MOXQContainer*>("stamp"));
    moxEnableSerializeChild(false);

    // Mistyped members change nothing they do not fit; odd cells become empty ones.
    Json::Value hostile = parsed(R"({"attr": {"rows": [7, [null, {"text": 3, "checked": "x"},
        [[]]], "x"], "headers": 5, "itemHeight": -4, "checkstyle": "yes", "column": "2"},
        "child": [{"type": "scrollbar", "w": "8", "attr": 3}]})");
    back->readJsonValue(&hostile);
    EXPECT_EQ(back->model()->rowCount(), 3);
    EXPECT_EQ(back->model()->columnCount(), 3);
    EXPECT_EQ(back->model()->headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(back->getItemHeight(), 30);
    EXPECT_TRUE(back->getCheckstyle());
    EXPECT_EQ(back->verticalScrollBar()->sizeHint().width(), 15);
    ctltest::rendered(back);
}
