// The two thin controls: a spin box that shows only its number, and a splitter bar that paints
// its style, carries its neighbours and ignores drags. Also: every name of the controls added
// with them creates its class, and only the records have information.

#include "ControlTestUtil.h"
#include "MOXQComboBox.h"
#include "MOXQLabelEx.h"
#include "MOXQLineEdit.h"
#include "MOXQList.h"
#include "MOXQTreeView.h"
#include "MOXQListView.h"
#include "MOXQProgressBar.h"
#include "MOXQScrollBar.h"
#include "MOXQScrollView.h"
#include "MOXQSlider.h"
#include "MOXQSpinBox.h"
#include "MOXQSplitter.h"
#include "MOXQTabWidget.h"
#include "MOXQTextEdit.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

int opaquePixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++count;
    return count;
}

} // namespace

TEST(BuiltInNames, CreateTheirClassAndOnlyRecordsHaveInformation)
{
    init();
    struct Case
    {
        const char* name;
        const QMetaObject* type;
        bool hasInfo;
    } cases[] = {{"qtprogressbar", &MOXQProgressBar::staticMetaObject, true},
                 {"progressbar", &MOXQProgressBar::staticMetaObject, false},
                 {"qttab", &MOXQTabWidget::staticMetaObject, true},
                 {"tab", &MOXQTabWidget::staticMetaObject, false},
                 {"qtdedit", &MOXQLineEdit::staticMetaObject, true},
                 {"dedit", &MOXQLineEdit::staticMetaObject, false},
                 {"qtcombobox", &MOXQComboBox::staticMetaObject, true},
                 {"combobox", &MOXQComboBox::staticMetaObject, false},
                 {"qtspinbox", &MOXQSpinBox::staticMetaObject, false},
                 {"spinbox", &MOXQSpinBox::staticMetaObject, false},
                 {"dnumedit", &MOXQSpinBox::staticMetaObject, false},
                 {"qtsplitter", &MOXQSplitter::staticMetaObject, false},
                 {"splitter", &MOXQSplitter::staticMetaObject, false},
                 {"qtscrollbar", &MOXQScrollBar::staticMetaObject, true},
                 {"scrollbar", &MOXQScrollBar::staticMetaObject, false},
                 {"qtslider", &MOXQSlider::staticMetaObject, true},
                 {"slider", &MOXQSlider::staticMetaObject, false},
                 {"qtscrollview", &MOXQScrollView::staticMetaObject, true},
                 {"qtlist", &MOXQList::staticMetaObject, true},
                 {"list", &MOXQList::staticMetaObject, false},
                 {"qttree", &MOXQTreeView::staticMetaObject, true},
                 {"tree", &MOXQTreeView::staticMetaObject, false},
                 {"scrollview", &MOXQScrollView::staticMetaObject, false},
                 {"qttext", &MOXQTextEdit::staticMetaObject, true},
                 {"qtlabelex", &MOXQLabelEx::staticMetaObject, false},
                 {"qtlistview", &MOXQListView::staticMetaObject, true},
                 {"listview", &MOXQListView::staticMetaObject, false},
                 {"templateList", &MOXQListView::staticMetaObject, false}};
    for (const Case& c : cases) {
        std::unique_ptr<QWidget> w(moxCreateDefaultControl(c.name, nullptr));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->metaObject(), c.type) << c.name;
        EXPECT_EQ(moxGetControlInfo(c.name) != nullptr, c.hasInfo) << c.name;
    }
}

TEST(SpinBox, CreatedByNameShowsItsNumberWithoutStepButtons)
{
    init();
    for (const char* name : {"qtspinbox", "dnumedit"}) {
        std::unique_ptr<QWidget> w(moxCreateDefaultControl(name, nullptr));
        auto* spin = qobject_cast<MOXQSpinBox*>(w.get());
        ASSERT_NE(spin, nullptr) << name;
        spin->setRange(0, 99999);
        spin->setValue(88888);
        spin->resize(120, 30);
        const QImage image = ctltest::rendered(spin);
        // Digits in the field; nothing (no frame, no buttons) at the right edge where the
        // step buttons would sit, nor in the corners.
        const QRect field = spin->findChild<QLineEdit*>()->geometry();
        EXPECT_GT(opaquePixels(image, field), 20) << name;
        EXPECT_EQ(opaquePixels(image, QRect(field.right() + 1, 0, 120 - field.right() - 1, 30)), 0)
            << name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
        EXPECT_EQ(spin->text(), "88888");
        // Only the common keys: nothing of its own is written.
        const Json::Value out = written(spin);
        EXPECT_FALSE(out.isMember("attr")) << name;
        EXPECT_FALSE(out.isMember("style")) << name;
    }
}

TEST(Splitter, PaintsOnlyAValidStyleAndIgnoresDrags)
{
    init();
    std::unique_ptr<QWidget> w(moxCreateDefaultControl("splitter", nullptr));
    auto* bar = qobject_cast<MOXQSplitter*>(w.get());
    ASSERT_NE(bar, nullptr);
    bar->resize(6, 40);
    EXPECT_EQ(opaquePixels(ctltest::rendered(bar), bar->rect()), 0);
    EXPECT_FALSE(written(bar).isMember("style"));

    auto styled = controlFrom<MOXQSplitter>(parsed(R"({"style": [["fillC", 1, 1],
        ["fillB", 1, 0], ["missing", 1, 0]]})"));
    styled->resize(6, 40);
    EXPECT_EQ(ctltest::rendered(styled.get()).pixelColor(3, 39), QColor(0x44, 0x55, 0x66));
    const Json::Value out = written(styled.get());
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillB",1,0]])");
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQSplitter>(out).get())), jsonWrite(out));

    // Neighbours are carried, not owned, and forgotten when deleted; a drag moves nothing.
    QWidget host;
    host.resize(100, 40);
    auto* left = new QWidget(&host);
    auto* right = new QWidget(&host);
    left->setGeometry(0, 0, 47, 40);
    right->setGeometry(53, 0, 47, 40);
    styled->setParent(&host);
    styled->setGeometry(47, 0, 6, 40);
    styled->setUpLeftWidget(left);
    styled->setDownRightWidget(right);
    styled->setUpLeftLimit(20);
    testsupport::sendMouse(styled.get(), QEvent::MouseButtonPress, QPointF(3, 20));
    testsupport::sendMouse(styled.get(), QEvent::MouseMove, QPointF(30, 20), Qt::LeftButton);
    testsupport::sendMouse(styled.get(), QEvent::MouseButtonRelease, QPointF(30, 20));
    EXPECT_EQ(left->geometry(), QRect(0, 0, 47, 40));
    EXPECT_EQ(styled->geometry(), QRect(47, 0, 6, 40));
    EXPECT_EQ(styled->getUpLeftLimit(), 20);
    EXPECT_EQ(styled->getDownRightLimit(), -1);
    delete right;
    EXPECT_EQ(styled->getDownRightWidget(), nullptr);
    EXPECT_EQ(styled->getUpLeftWidget(), left);
    styled->setParent(nullptr);
}
