// The label: its text style on screen, elision that never reaches the stored text, the
// "style" and "attr" keys, and a theme that restyles but never retitles.

#include "ControlTestUtil.h"
#include "MOXQLabel.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

TEST(Label, ElidesOnScreenButKeepsAndWritesTheFullText)
{
    auto label = controlFrom<MOXQLabel>(
        parsed(R"({"attr": {"text": "A rather long caption for a label"}})"));
    const QString full = label->getText();
    label->resize(400, 20);
    EXPECT_EQ(label->text(), full);
    label->resize(60, 20);
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026)));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), 60);
    EXPECT_EQ(jsonString(written(label.get())["attr"], "text"), full);
    label->resize(400, 20);
    EXPECT_EQ(label->text(), full);

    TextStyleDesc style = label->getTextStyle(CtrlStateNormal);
    style.elideMode = 3;
    label->setTextStyle(CtrlStateNormal, style);
    label->resize(30, 20);
    EXPECT_EQ(label->text(), full);
    style.elideMode = 42; // unknown modes elide at the right
    label->setTextStyle(CtrlStateNormal, style);
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026)));
    label->resize(0, 0);
    EXPECT_EQ(label->getText(), full);
}

TEST(Label, JsonKeysAndRoundTrips)
{
    ctltest::loadTestResources();
    MOXQLabel fresh;
    Json::Value out = written(&fresh);
    EXPECT_TRUE(out["style"].isNull());
    EXPECT_TRUE(out.isMember("style"));
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"text":"label"})");

    auto label =
        controlFrom<MOXQLabel>(parsed(R"({"style": [["textGreen", 2, 1], ["textBig", 1, 0], 4],
                                      "attr": {"text": "Hello"}})"));
    EXPECT_EQ(label->font().pixelSize(), 20);
    EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText), Qt::red);
    out = written(label.get());
    EXPECT_EQ(jsonWrite(out["style"]), R"([["textBig",2,0]])");
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQLabel>(out).get())), jsonWrite(out));

    // An empty text writes an empty "attr" and reads back empty; so does the null "attr"
    // older files hold for it.
    label->setText(QString());
    out = written(label.get());
    EXPECT_EQ(jsonWrite(out["attr"]), "{}");
    EXPECT_EQ(controlFrom<MOXQLabel>(out)->getText(), "");
    out["attr"] = Json::Value();
    EXPECT_EQ(controlFrom<MOXQLabel>(out)->getText(), "");

    // A text put on the QLabel directly is the label's text from then on.
    static_cast<QLabel*>(label.get())->setText("Direct");
    label->resize(label->width() + 1, 20);
    EXPECT_EQ(jsonString(written(label.get())["attr"], "text"), "Direct");

    // Language keys are written as keys.
    label = controlFrom<MOXQLabel>(parsed(R"({"attr": {"text": "|->cancel"}})"));
    EXPECT_EQ(label->getText(), "Cancel");
    EXPECT_EQ(jsonString(written(label.get())["attr"], "text"), "|->cancel");
}

TEST(Label, StatesAndDisabledColour)
{
    ctltest::loadTestResources();
    MOXQLabel label;
    label.setColor(Qt::blue);
    label.setDisableColor(Qt::green);
    label.setEnabled(false);
    EXPECT_EQ(label.palette().color(QPalette::Disabled, QPalette::WindowText), Qt::blue);
    TextStyleDesc big;
    big.size = 30;
    label.setTextStyle(CtrlState(9), big);
    label.setTextStyle(CtrlState(-1), big);
    label.setTextStyle(CtrlStateHot, big); // any state but Normal is the disabled style
    EXPECT_EQ(label.getTextStyle(CtrlStateDisable).size, 30);
    EXPECT_EQ(label.getTextStyle(CtrlState(6)).size, 12);
    EXPECT_EQ(label.font().pixelSize(), 12);
}

TEST(Label, ThemeRefreshRestylesButNeverRetitles)
{
    ctltest::loadTestResources();
    const QString dir = testsupport::tempDir("label-theme");
    testsupport::writeFile(dir + "/style.json",
                           R"({"style": [{"type": 2, "name": "themed", "size": 25}]})");
    testsupport::writeFile(dir + "/theme.json", R"({"elements": [{"child": [
        {"name": "qtlabel", "style": [["themed", 2, 0]], "attr": {"text": "Themed"}}]}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    auto label = controlFrom<MOXQLabel>(parsed(R"({"attr": {"text": "Mine"}})"));
    ASSERT_TRUE(manager->loadThemeDir(dir));
    label->getControlBase()->refreshTheme();
    MOXQLabel created;
    manager->releaseThemeRes();
    EXPECT_EQ(label->font().pixelSize(), 25);
    EXPECT_EQ(label->getText(), "Mine");
    EXPECT_EQ(created.getText(), "label");
}
