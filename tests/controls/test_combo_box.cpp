// The combo box: the drop button's square, items added by "text" but never by a theme
// refresh, the popup rows' looks and sizes, and its style slots.

#include "ControlTestUtil.h"
#include "MOXQComboBox.h"
#include "MOXQComboItemDelegate.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStandardItemModel>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

const QColor kA(0x11, 0x22, 0x33), kB(0x44, 0x55, 0x66), kC(0x77, 0x88, 0x99), kD(0xAA, 0xBB, 0xCC);

} // namespace

TEST(ComboBox, DropButtonIsASquareAtTheRightEdge)
{
    struct Case
    {
        QSize size;
        int left, right;
    } cases[] = {{{120, 24}, 95, 118}, {{40, 30}, 9, 38}, {{20, 30}, -11, 18}, {{1, 1}, -1, -1}};
    for (const Case& c : cases) {
        const QRect r = MOXQComboBoxImpl::buttonRect(c.size);
        EXPECT_EQ(r.left(), c.left) << c.size.width();
        EXPECT_EQ(r.right(), c.right) << c.size.width();
        EXPECT_EQ(r.height(), c.size.height());
    }
    auto combo = controlFrom<MOXQComboBox>(parsed(R"({"style": [["fillA", 1, 0],
        ["fillB", 1, 4], ["fillC", 1, 5]]})"));
    combo->resize(120, 24);
    QImage image = ctltest::rendered(combo.get());
    EXPECT_EQ(image.pixelColor(94, 12), kA);
    EXPECT_EQ(image.pixelColor(95, 12), kB);
    EXPECT_EQ(image.pixelColor(118, 12), kB);
    EXPECT_EQ(image.pixelColor(119, 12), kA);
    // The button follows the state.
    combo->impl()->enterControl();
    EXPECT_EQ(ctltest::rendered(combo.get()).pixelColor(100, 12), kC);
}

TEST(ComboBox, TextAddsAnItemButThemeRefreshesNever)
{
    ctltest::loadTestResources();
    const QString dir = testsupport::tempDir("combo-theme");
    testsupport::writeFile(dir + "/style.json",
                           R"({"style": [{"type": 1, "name": "themed", "clr": "FF0000FF"}]})");
    testsupport::writeFile(dir + "/theme.json", R"({"elements": [{"child": [
        {"name": "themedCombo", "style": [["themed", 1, 0]], "attr": {"text": "FromTheme"}}]}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    ASSERT_TRUE(manager->loadThemeDir(dir));

    auto combo = controlFrom<MOXQComboBox>(parsed(R"({"theme": "themedCombo"})"));
    combo->addItems({"one", "two"});
    for (int i = 0; i < 3; ++i)
        combo->getControlBase()->refreshTheme();
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->getBackground(CtrlStateHot).name, "themed");

    Json::Value json = parsed(R"({"theme": "themedCombo", "attr": {"text": "three"}})");
    combo->readJsonValue(&json);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "three");
    // Only a string adds an item, and an empty one adds nothing.
    for (const char* bad : {R"({"attr": {"text": 5}})", R"({"attr": {"text": ""}})",
                            R"({"attr": {"text": ["x"]}})", R"({"text": "member"})"}) {
        json = parsed(bad);
        combo->readJsonValue(&json);
        EXPECT_EQ(combo->count(), 3) << bad;
    }
    manager->releaseThemeRes();

    const Json::Value out = written(combo.get());
    EXPECT_EQ(jsonString(out["attr"], "text"), "three");
    EXPECT_EQ(controlFrom<MOXQComboBox>(out)->count(), 1);
}

TEST(ComboBox, PopupRowsTakeTheirStateLookAndHeight)
{
    auto combo = controlFrom<MOXQComboBox>(parsed(R"({"style": [["fillA", 1, 13],
        ["fillB", 1, 14], ["fillC", 1, 15], ["fillD", 1, 12]]})"));
    combo->addItem("plain");
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    combo->addItem(QIcon(pixmap), "with icon");
    combo->setItemHeight(31);
    auto* delegate = qobject_cast<MOXQComboItemDelegate*>(combo->view()->itemDelegate());
    ASSERT_NE(delegate, nullptr);

    struct Case
    {
        QStyle::State state;
        QColor fill;
    } cases[] = {{QStyle::State_None, kA},
                 {QStyle::State_MouseOver, kB},
                 {QStyle::State_Selected, kC},
                 {QStyle::State_Selected | QStyle::State_MouseOver, kB}};
    for (const Case& c : cases)
        for (int row = 0; row < 2; ++row) {
            QImage image(100, 31, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QStyleOptionViewItem option;
            option.rect = QRect(0, 0, 100, 31);
            option.state = c.state;
            {
                QPainter painter(&image);
                delegate->paint(&painter, option, combo->model()->index(row, 0));
            }
            // The icon takes the first 20 pixels of its row; the fill starts after it.
            EXPECT_EQ(image.pixelColor(10, 15), row == 0 ? c.fill : QColor(Qt::red)) << row;
            EXPECT_EQ(image.pixelColor(20, 2), c.fill) << row;
            EXPECT_EQ(image.pixelColor(19, 2), row == 0 ? c.fill : QColor(Qt::white)) << row;
            EXPECT_EQ(delegate->sizeHint(option, combo->model()->index(row, 0)), QSize(100, 31));
        }
    combo->setItemHeight(-4);
    EXPECT_EQ(combo->getItemHeight(), 1);

    // The popup's viewport is filled with the popup background before the rows paint (rows
    // without a look let it show).
    FillStyle none;
    none.valid = false;
    combo->setItemBackground(CtrlStateAll, none);
    combo->setItemHeight(20);
    combo->resize(60, 24);
    combo->show();
    combo->showPopup();
    testsupport::processEvents();
    QWidget* viewport = combo->view()->viewport();
    const QImage popup = viewport->grab().toImage();
    combo->hidePopup();
    ASSERT_GT(popup.height(), 2);
    EXPECT_EQ(popup.pixelColor(popup.width() - 2, popup.height() - 2), kD);
}

TEST(ComboBox, StyleSlotsAndKeysRoundTrip)
{
    const Json::Value json = parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 4],
        ["textBig", 2, 8], ["fillC", 1, 12], ["fillD", 1, 13], ["fillB", 1, 16],
        ["textGreen", 2, 17], ["textBig", 2, 20]],
        "attr": {"btnIcon": "down.svg", "btnHotIcon": "downHot.svg"}})");
    auto combo = controlFrom<MOXQComboBox>(json);
    EXPECT_EQ(combo->getTextStyle(CtrlStateDisable).size, 20);
    EXPECT_EQ(combo->getItemBackground(CtrlStateDisable).name, "fillB");
    EXPECT_EQ(combo->getItemTextStyle(CtrlStatePressed).name, "textGreen");
    EXPECT_EQ(combo->getPopupBackground(CtrlStateDisable).name, "fillC");
    EXPECT_EQ(combo->getBtnIcon(CtrlStateHot), "downHot.svg");
    EXPECT_EQ(combo->getBtnIcon(CtrlState(9)), "down.svg");
    const Json::Value out = written(combo.get());
    EXPECT_EQ(jsonWrite(out["style"]), jsonWrite(json["style"]));
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQComboBox>(out).get())), jsonWrite(out));
}
