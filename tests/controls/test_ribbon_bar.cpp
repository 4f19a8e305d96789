// The ribbon bar: column layout and width hints of groups, the tab strip between the top-bar
// items, minimising by the current tab, one page signal per page change, its configuration
// (bad text keeps the pages, bounds, resources) and its JSON round trip.

#include "ControlTestUtil.h"
#include "MOXQComboBox.h"
#include "MOXQLabel.h"
#include "MOXQProgressBar.h"
#include "MOXQResourceManager.h"
#include "MOXQRibbonBar.h"
#include "MOXQTabWidget.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::written;

namespace {

const MOXRibbonItemSize kSmall{QSize(92, 24), true};
const MOXRibbonItemSize kLarge{QSize(72, 68), false};
const MOXRibbonItemSize kCombo{QSize(122, 24), true};

const char* const kTwoPages = R"({"tabHeight": 30, "tabs": [
    {"name": "home", "displayName": "Home", "groups": [
        {"name": "Clipboard", "content": [
            {"itemType": "largeButton", "text": "Paste", "dropDown": true},
            {"itemType": "smallButton", "text": "Cut"}, {"itemType": "smallButton", "text": "Copy"},
            {"itemType": "comboBox", "items": ["a", 3, "b", "c"], "currentIndex": 9},
            {"itemType": "comboBox", "items": ["a", "b"], "currentIndex": -5},
            {"itemType": "smallButton", "text": "Menu v", "dropDown": true},
            {"itemType": "hologram"}, 7, {"itemType": 5}]}]},
    {"displayName": "View", "groups": [{"content": [{"itemType": "checkBox", "width": 150}]}, 3]},
    "not a page"]})";

std::unique_ptr<MOXQRibbonBar> barFrom(const char* config, QSize size = QSize(800, 130))
{
    ctltest::loadTestResources();
    auto bar = std::make_unique<MOXQRibbonBar>();
    bar->resize(size);
    EXPECT_TRUE(bar->loadConfigJson(QString::fromUtf8(config)));
    return bar;
}

// The signals of a bar, in order.
struct Signals
{
    explicit Signals(MOXQRibbonBar& bar)
    {
        QObject::connect(&bar, &MOXQRibbonBar::currentPageChanged, [this](int i) { pages << i; });
        QObject::connect(&bar, &MOXQRibbonBar::minimizedChanged, [this](bool m) { minimized << m; });
    }
    QVector<int> pages;
    QVector<bool> minimized;
};

QStringList tabTexts(const MOXQRibbonBar& bar)
{
    QStringList texts;
    for (int i = 0; i < bar.tabStrip()->getTabCount(); ++i)
        texts << bar.tabStrip()->getTabText(i);
    return texts;
}

void pressTab(MOXQRibbonBar& bar, int index)
{
    MOXQTabWidget* tabs = bar.tabStrip();
    const QRect item = tabs->impl()->itemRect(index, tabs->size());
    ctltest::sendMouse(tabs, ctltest::Mouse::Press, item.center());
    ctltest::sendMouse(tabs, ctltest::Mouse::Release, item.center());
}

} // namespace

TEST(RibbonBar, GroupColumnsFillRowsAndFullHeightItemsBreakThem)
{
    const QVector<MOXRibbonItemSize> seven(7, kSmall);
    const struct
    {
        QVector<MOXRibbonItemSize> items;
        int rows;
        int height;
        QVector<QRect> rects;
        int end;
    } cases[] = {
        // 3/3/1 columns of 24-pixel rows: 92 - 20 = 72 high, 60 usable, 60 / 3 raised to 24.
        {seven, 3, 72,
         {{6, 6, 92, 24}, {6, 30, 92, 24}, {6, 54, 92, 24}, {104, 6, 92, 24}, {104, 30, 92, 24},
          {104, 54, 92, 24}, {202, 6, 92, 24}},
         300},
        // Taller rows centre their items; a column takes its widest item.
        {{kSmall, kCombo, {QSize(40, 10), true}}, 2, 112,
         {{6, 6 + 13, 122, 24}, {6, 56 + 13, 122, 24}, {134, 6 + 17, 40, 16}}, 180},
        // A large button closes the column; a row count below 1 counts as 1 (one 60-pixel row).
        {{kSmall, kSmall, kLarge, kSmall}, 0, 72,
         {{6, 24, 92, 24}, {104, 24, 92, 24}, {202, 6, 72, 60}, {280, 24, 92, 24}}, 378},
        // No room at all: the usable height is 0, never negative.
        {{kLarge, kSmall}, 3, 5, {{6, 6, 72, 0}, {84, 6, 92, 24}}, 182},
    };
    for (const auto& c : cases) {
        int end = 0;
        EXPECT_EQ(moxRibbonGroupLayout(c.items, c.rows, c.height, &end), c.rects) << c.rows;
        EXPECT_EQ(end, c.end) << c.rows;
    }
}

TEST(RibbonBar, GroupWidthHintHoldsEveryLaidOutColumn)
{
    const struct
    {
        QVector<MOXRibbonItemSize> items;
        int rows;
        int hint;
    } cases[] = {
        {QVector<MOXRibbonItemSize>(7, kSmall), 3, 306},
        {QVector<MOXRibbonItemSize>(7, kSmall), 1, 12 + 7 * 98},
        {{kSmall, kSmall, kLarge, kCombo}, 3, 12 + 98 + 78 + 128},
        {{{QSize(10, 10), true}}, 3, 90},
        {{{QSize(1 << 30, 10), false}, {QSize(-5, 10), true}}, 3, 12 + kRibbonMaxExtent + 6 + 6},
    };
    for (const auto& c : cases) {
        const int hint = moxRibbonGroupWidthHint(c.items, c.rows);
        EXPECT_EQ(hint, c.hint) << c.items.size();
        int right = 0;
        for (const QRect& r : moxRibbonGroupLayout(c.items, c.rows, 72))
            right = std::max(right, r.x() + r.width());
        EXPECT_GE(hint, right + kRibbonGap) << c.items.size();
    }

    // The same holds for the widgets: no column reaches under the next group.
    auto bar = barFrom(R"({"tabs": [{"groups": [{"content": [
        {"itemType": "smallButton"}, {"itemType": "smallButton"}, {"itemType": "smallButton"},
        {"itemType": "smallButton"}, {"itemType": "smallButton"}]}, {"content": []}]}]})");
    const MOXQRibbonPage* page = bar->pageAt(0);
    const MOXQRibbonGroup* first = page->getGroup(0);
    for (const QWidget* item : first->items())
        EXPECT_LE(item->geometry().right(), first->width() - kRibbonGap);
    EXPECT_GT(page->getGroup(1)->x(), first->geometry().right());
}

TEST(RibbonBar, TabStripSpansBetweenTheTopBarCursors)
{
    const QVector<QSize> none;
    const struct
    {
        int width;
        int topBar;
        QVector<QSize> left, right;
        QRect tabs;
    } cases[] = {
        // No top bar: the whole width.
        {600, 0, none, none, {0, 0, 600, 30}},
        // Top bar: 6 pixels inside each cursor (left 4 + 50 + 6 = 60, right 600 - 4 - 40 - 6).
        {600, 34, {{50, 20}}, {{40, 20}}, {66, 0, 544 - 66, 34}},
        // Cursors 100 pixels apart: the strip takes all of it, from cursor to cursor.
        {210, 34, {{50, 20}}, {{40, 20}}, {60, 0, 100, 34}},
        // Crossed cursors: an empty strip at the left cursor.
        {100, 34, {{50, 20}}, {{40, 20}}, {60, 0, 0, 34}},
        // Too narrow without a top bar: from 0 to the right cursor.
        {100, 0, none, none, {0, 0, 96, 30}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(moxRibbonStripLayout(c.width, 30, c.topBar, c.left, c.right).tabs, c.tabs)
            << c.width << " " << c.topBar;

    // Items are centred in the strip, never above the limit of strip height - 8.
    const MOXRibbonStrip strip = moxRibbonStripLayout(600, 30, 40, {{20, 60}, {20, 4}}, {{30, 20}});
    EXPECT_EQ(strip.left, (QVector<QRect>{{4, 4, 20, 32}, {30, 12, 20, 16}}));
    EXPECT_EQ(strip.right, QVector<QRect>{QRect(566, 10, 30, 20)});
}

TEST(RibbonBar, CurrentTabMinimisesAndRestoresOtherTabsSwitchOnce)
{
    auto bar = barFrom(kTwoPages);
    Signals seen(*bar);
    const struct
    {
        int tab;
        int page;
        bool minimized;
        int pageSignals;
        int minimizeSignals;
    } steps[] = {{0, 0, true, 0, 1}, {0, 0, false, 0, 1}, {1, 1, false, 1, 0},
                 {1, 1, true, 0, 1}, {0, 0, true, 1, 0},  {0, 0, false, 0, 1}};
    for (const auto& s : steps) {
        seen.pages.clear();
        seen.minimized.clear();
        pressTab(*bar, s.tab);
        EXPECT_EQ(bar->currentPage(), s.page) << s.tab;
        EXPECT_EQ(bar->isMinimized(), s.minimized) << s.tab;
        EXPECT_EQ(seen.pages.size(), s.pageSignals) << s.tab;
        EXPECT_EQ(seen.minimized.size(), s.minimizeSignals) << s.tab;
        EXPECT_EQ(bar->area()->isVisibleTo(bar.get()), !s.minimized);
        EXPECT_EQ(bar->area()->height(), s.minimized ? 0 : 100);
    }
    // Code switches pages once, the current one not at all, and never past the ends.
    seen.pages.clear();
    seen.minimized.clear();
    EXPECT_TRUE(bar->setCurrentPage(1));
    EXPECT_TRUE(bar->setCurrentPage(1));
    EXPECT_FALSE(bar->setCurrentPage(2));
    EXPECT_FALSE(bar->setCurrentPage(-1));
    EXPECT_EQ(seen.pages, QVector<int>{1});
    EXPECT_EQ(bar->tabStrip()->getSelectedIndex(), 1);
    // A bar shorter than its strip keeps an area of height 0.
    bar->resize(800, 10);
    bar->updateLayout();
    EXPECT_EQ(bar->area()->height(), 0);
}

TEST(RibbonBar, ConfigurationBuildsPagesAndSkipsWhatDoesNotFit)
{
    ctltest::loadTestResources();
    MOXQRibbonBar bar;
    bar.resize(800, 130);
    Signals seen(bar);
    ASSERT_TRUE(bar.loadConfigJson(QString::fromUtf8(kTwoPages)));
    EXPECT_EQ(seen.pages, QVector<int>{0});
    EXPECT_EQ(tabTexts(bar), (QStringList{"Home", "View"}));
    EXPECT_EQ(bar.pageAt(1)->pageName(), "View");
    EXPECT_EQ(bar.pageAt(1)->getGroupCount(), 1);
    EXPECT_EQ(bar.pageAt(1)->getGroup(0)->groupText(), "Group");
    const QVector<QWidget*> items = bar.pageAt(0)->getGroup(0)->items();
    ASSERT_EQ(items.size(), 6);
    // The items are the bar's parts, never taken for a page's own controls.
    for (QWidget* item : items)
        EXPECT_TRUE(moxControlOf(item)->getControlBase()->isInternal());
    EXPECT_EQ(static_cast<QPushButton*>(items[0])->text(), "Paste v");
    EXPECT_EQ(static_cast<QPushButton*>(items[5])->text(), "Menu v");
    EXPECT_EQ(static_cast<QComboBox*>(items[3])->count(), 3);
    EXPECT_EQ(static_cast<QComboBox*>(items[3])->currentIndex(), 2);
    EXPECT_EQ(static_cast<QComboBox*>(items[4])->currentIndex(), 0);
    EXPECT_EQ(MOXQRibbonGroup::itemSize(bar.pageAt(1)->getGroup(0)->items().at(0)),
              QSize(150, 24));

    // Huge configurations are cut to the bounds.
    std::string many = R"({"tabs": [)";
    for (int p = 0; p < 70; ++p)
        many += std::string(p ? "," : "") + R"({"groups": [{"content": [)" +
                (p ? std::string() : [] {
                    std::string items;
                    for (int i = 0; i < 200; ++i)
                        items += std::string(i ? "," : "") + R"({"itemType": "separator"})";
                    return items;
                }()) + "]}]}";
    many += "]}";
    ASSERT_TRUE(bar.loadConfigJson(QString::fromStdString(many)));
    EXPECT_EQ(bar.pageCount(), 64);
    EXPECT_EQ(bar.pageAt(0)->getGroup(0)->items().size(), 128);
}

TEST(RibbonBar, BadConfigurationTextKeepsThePages)
{
    auto bar = barFrom(kTwoPages);
    ASSERT_TRUE(bar->setCurrentPage(1));
    Signals seen(*bar);
    for (const char* bad : {"", "{", "[1, 2]", "3", "null", "\"tabs\"", "{\"tabs\": [}"}) {
        EXPECT_FALSE(bar->loadConfigJson(QString::fromUtf8(bad))) << bad;
        EXPECT_EQ(tabTexts(*bar), (QStringList{"Home", "View"})) << bad;
        EXPECT_EQ(bar->currentPage(), 1) << bad;
        EXPECT_EQ(bar->pageAt(0)->getGroup(0)->items().size(), 6) << bad;
    }
    EXPECT_FALSE(bar->loadConfigFile(QStringLiteral("/no/such/ribbon.json")));
    EXPECT_EQ(bar->pageCount(), 2);
    EXPECT_TRUE(seen.pages.isEmpty());
}

TEST(RibbonBar, RoundTripKeepsConfigFileAndWritesNoInternalChildren)
{
    ctltest::loadTestResources();
    const QString dir = testsupport::tempDir(QStringLiteral("ribbon-project"));
    testsupport::writeFile(dir + "/style.json", R"({"style": []})");
    testsupport::writeFile(dir + "/RibbonMain.json",
                           R"({"topBar": {"left": [{"itemType": "smallButton", "text": "Save"}],
                               "right": [{"itemType": "comboBox"}, {"itemType": "separator"}]},
                               "tabs": [{"name": "One"}, {"name": "Two"}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    ASSERT_TRUE(manager->setProjectDirPath(dir + "/"));

    // A relative "configFile" is a resource of the loaded layers.
    auto first = ctltest::controlFrom<MOXQRibbonBar>(ctltest::parsed(R"({"attr": {
        "configFile": "ribbonmain.json", "tabHeight": 40, "groupRowCount": 2,
        "minimized": true, "showMenuBar": true}, "style": [["fillA", 1, 1], ["fillB", 1, 8],
        ["textBig", 2, 13]]})"));
    EXPECT_EQ(tabTexts(*first), (QStringList{"One", "Two"}));
    EXPECT_EQ(first->topBarItems(false).size(), 1);
    EXPECT_EQ(first->topBarItems(true).size(), 2);
    EXPECT_EQ(first->topBarHeight(), 34);
    const Json::Value out = written(first.get());
    EXPECT_FALSE(out.isMember("child"));
    const Json::Value& attr = out["attr"];
    EXPECT_EQ(attr["configFile"].asString(), "ribbonmain.json");
    EXPECT_EQ(attr["tabHeight"].asInt(), 40);
    EXPECT_EQ(attr["groupRowCount"].asInt(), 2);
    EXPECT_EQ(attr["groupHeight"].asInt(), 92);
    EXPECT_TRUE(attr["minimized"].asBool());

    auto second = ctltest::controlFrom<MOXQRibbonBar>(out);
    EXPECT_EQ(tabTexts(*second), tabTexts(*first));
    EXPECT_EQ(jsonWrite(written(second.get())), jsonWrite(out));
    EXPECT_EQ(second->impl()->fillStyle(MOXQRibbonBarImpl::ButtonBackground + 3).name, "fillB");
    manager->releaseProjectRes();

    // Pages loaded from text no longer come from the file.
    ASSERT_TRUE(second->loadConfigJson(QStringLiteral("{}")));
    EXPECT_FALSE(written(second.get())["attr"].isMember("configFile"));
    EXPECT_EQ(second->pageCount(), 0);
    EXPECT_EQ(second->currentPage(), -1);
}

TEST(RibbonBar, PartsTakeTheBarsLooksAndItemsTheirKeys)
{
    // Slots 0, 1, 2 and 8 (button Normal) from the "style" member; items added later in code
    // take the looks too.
    auto bar = ctltest::controlFrom<MOXQRibbonBar>(ctltest::parsed(
        R"({"style": [["fillA", 1, 0], ["fillB", 1, 1], ["fillC", 1, 2], ["fillD", 1, 8]]})"));
    bar->resize(600, 130);
    ASSERT_TRUE(bar->loadConfigJson(QStringLiteral(R"({"tabs": [{"groups": [{"content": [
        {"itemType": "progressBar", "value": 40, "showText": false},
        {"itemType": "label", "text": "L"}]}]}]})")));
    MOXQRibbonGroup* group = bar->pageAt(0)->getGroup(0);
    MOXQRibbonPushButton* button = group->addButton(QStringLiteral("B"), MOX_RIBBON_BUTTON_LARGE);
    MOXQRibbonPanel* panel = group->addVerticalPanel(50);
    MOXQRibbonRowPanel* rows[] = {panel->addRowPanel(20), panel->addRowPanel(20)};
    bar->updateLayout();

    const QImage image = ctltest::rendered(bar.get());
    const QPoint groupPoint = group->mapTo(bar.get(), QPoint(group->width() - 4, 3));
    const struct
    {
        QPoint pos;
        QColor color;
    } pixels[] = {
        {{bar->width() - 3, 10}, QColor(0x11, 0x22, 0x33)},
        {{bar->width() - 3, 100}, QColor(0x44, 0x55, 0x66)},
        {groupPoint, QColor(0x77, 0x88, 0x99)},
        {button->mapTo(bar.get(), QPoint(4, 4)), QColor(0xAA, 0xBB, 0xCC)},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(image.pixelColor(p.pos), p.color) << p.pos.x() << "," << p.pos.y();

    // The progress bar's own text follows "showText"; ribbon labels are centred.
    const QVector<QWidget*> items = group->items();
    EXPECT_FALSE(static_cast<MOXQProgressBar*>(items[0])->getShowText());
    EXPECT_EQ(static_cast<MOXQLabel*>(items[1])->getTextStyle(CtrlStateNormal).horAlign, 1);
    // A vertical panel stacks its rows in equal shares of its height, at its fixed width.
    EXPECT_TRUE(panel->isVertical());
    EXPECT_EQ(panel->width(), 50);
    const int share = panel->height() / 2;
    EXPECT_EQ(rows[0]->geometry(), QRect(0, (share - 20) / 2, 50, 20));
    EXPECT_EQ(rows[1]->geometry(), QRect(0, share + (share - 20) / 2, 50, 20));
}
