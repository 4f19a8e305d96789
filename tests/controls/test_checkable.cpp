// The check box and the radio button: indicator geometry in every state, clicks on the text,
// which "attr" keys they write, style slots and what a disabled box shows.

#include "ControlTestUtil.h"
#include "MOXQCheckBox.h"
#include "MOXQRadioButton.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace MOXQtLib;
using ctltest::parsed;
using ctltest::written;

namespace {

QString solidImage(const QString& name, const QSize& size, const QColor& colour)
{
    static const QString dir = testsupport::tempDir("checkable-images");
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(dir + "/" + name);
    return dir + "/" + name;
}

std::unique_ptr<QWidget> created(const char* type, const char* json)
{
    init();
    ctltest::loadTestResources();
    return std::unique_ptr<QWidget>(moxCreateControl(type, parsed(json), nullptr));
}

} // namespace

// The text never moves under the indicator: hot and disabled looks without images of their own
// are measured with the image they fall back to.
TEST(RadioButton, IndicatorAndTextGeometry)
{
    ctltest::loadTestResources();
    const QString large = solidImage("large.png", QSize(64, 64), Qt::red);
    const QString wide = solidImage("wide.png", QSize(100, 20), Qt::red);
    enum Look
    {
        Normal,
        Hot,
        Disabled
    };
    const struct
    {
        const char* name;
        QString image;
        QSize control;
        int iconX;
        Look look;
        QRect indicator;
        int textLeft;
    } cases[] = {
        {"large image, small radio", large, {200, 40}, 0, Normal, {0, 10, 20, 20}, 22},
        {"default offset", large, {200, 40}, 10, Normal, {10, 10, 20, 20}, 32},
        {"hot without hot image", large, {200, 40}, 0, Hot, {0, 10, 20, 20}, 22},
        {"disabled without image", large, {200, 40}, 0, Disabled, {0, 10, 20, 20}, 22},
        {"wide image, narrow radio", wide, {50, 40}, 0, Normal, {0, 15, 50, 10}, 52},
        {"one pixel high", large, {40, 1}, 0, Normal, {0, 0, 1, 1}, 3},
        {"missing image", "missing.png", {200, 40}, 10, Hot, {}, 0},
        {"offset beyond any widget",
         large,
         {200, 40},
         INT_MAX,
         Normal,
         {QWIDGETSIZE_MAX, 10, 20, 20},
         QWIDGETSIZE_MAX},
    };
    for (const auto& c : cases) {
        MOXQRadioButton radio;
        radio.resize(c.control);
        radio.setUncheckIcon(c.image);
        radio.setIconOffsetX(c.iconX);
        if (c.look == Hot) radio.impl()->enterControl();
        radio.setEnabled(c.look != Disabled);
        const QRect rect = radio.rect();
        EXPECT_EQ(radio.impl()->indicatorRect(rect), c.indicator) << c.name;
        EXPECT_EQ(radio.impl()->textRect(rect).left(), c.textLeft) << c.name;
        EXPECT_EQ(radio.impl()->textRect(rect).right(), rect.right()) << c.name;
        if (!rect.contains(c.indicator)) continue;
        // The fallback image is what is drawn, too.
        const QImage image = ctltest::rendered(&radio);
        EXPECT_GT(image.pixelColor(c.indicator.center()).alpha(), 0) << c.name;
        EXPECT_EQ(image.pixelColor(rect.right(), rect.top()).alpha(), 0) << c.name;
    }
}

TEST(RadioButton, ClickOnTheTextSelectsIt)
{
    MOXQRadioButton radio;
    radio.resize(200, 30);
    radio.setText("Pick me");
    int pressed = 0;
    QObject::connect(&radio, &MOXQRadioButton::pressedEvent, [&] { ++pressed; });
    testsupport::click(&radio, QPointF(180, 15));
    EXPECT_TRUE(radio.isChecked());
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(radio.impl()->getState(), CtrlStateNormal);
}

TEST(Checkable, AttrKeysWrittenAndReadBack)
{
    const struct
    {
        const char* type;
        const char* in;
        const char* out;
    } cases[] = {
        {"qtradiobox", "{}", "{}"},
        {"qtcheckbox", "{}",
         R"({"hotIconPath":"IDB_UNCHECK","iconPath":"IDB_UNCHECK",)"
         R"("sHotIconPath":"IDB_CHECKED","siconPath":"IDB_CHECKED"})"},
        // One custom image serves the normal and the hot look.
        {"checkbox", R"({"attr": {"iconPath": "u.png", "siconPath": "c.png", "showText": 0}})",
         R"({"hotIconPath":"u.png","iconPath":"u.png","sHotIconPath":"c.png",)"
         R"("showText":0,"siconPath":"c.png"})"},
        {"radio", R"({"attr": {"iconVer": 2, "iconHor": 1, "pushlike": 1, "showIcon": 0}})",
         R"({"iconHor":1,"iconVer":2,"pushlike":1,"showIcon":0})"},
        // Language keys are written back as keys; alignments out of range are ignored.
        {"radiobox", R"({"attr": {"text": "|->ok", "iconHor": -1, "iconVer": 7, "iconX": 0}})",
         R"({"iconX":0,"text":"|->ok"})"},
        // Placement at its default is left out; an image set to none is written as "".
        {"qtcheckbox", R"({"attr": {"text": "|->cancel", "iconHor": 1, "siconPath": ""}})",
         R"({"hotIconPath":"IDB_UNCHECK","iconHor":1,"iconPath":"IDB_UNCHECK",)"
         R"("sHotIconPath":"","siconPath":"","text":"|->cancel"})"},
        {"qtcheckbox", R"({"attr": {"iconHor": 0, "iconPath": 3}})",
         R"({"hotIconPath":"IDB_UNCHECK","iconPath":"IDB_UNCHECK",)"
         R"("sHotIconPath":"IDB_CHECKED","siconPath":"IDB_CHECKED"})"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> control = created(c.type, c.in);
        ASSERT_NE(control, nullptr) << c.type;
        const Json::Value out = written(control.get());
        EXPECT_EQ(jsonWrite(out["attr"]), c.out) << c.type << " " << c.in;
        std::unique_ptr<QWidget> again = created(c.type, jsonWrite(out).c_str());
        EXPECT_EQ(jsonWrite(written(again.get())), jsonWrite(out)) << c.type << " " << c.in;
    }
    auto radio = created("qtradiobox", R"({"attr": {"text": "|->ok"}})");
    EXPECT_EQ(static_cast<QAbstractButton*>(radio.get())->text(), "OK");
}

// Styles found by name paint; a disabled box still tells checked from unchecked.
TEST(CheckBox, StyleSlotsAndDisabledIndicator)
{
    auto control = created("qtcheckbox", R"({"style": [["fillA", 1, 4], ["fillB", 1, 5],
        ["textBig", 2, 9], ["textGreen", 2, 10], ["fillC", 1, 11]]})");
    auto* box = qobject_cast<MOXQCheckBox*>(control.get());
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->getBackground(CtrlStateNormal).valid);
    EXPECT_EQ(box->getCheckedBackground(CtrlStateDisable).name, "fillA");
    EXPECT_EQ(box->getCheckedBackground(CtrlStateHot).name, "fillB");
    EXPECT_EQ(box->getTextStyle(true).size, 20);
    EXPECT_EQ(box->getDisableTextStyle().color, QColor(0, 255, 0));
    EXPECT_EQ(jsonWrite(written(box)["style"]),
              R"([["fillA",1,4],["fillB",1,5],["textBig",2,9],["textGreen",2,10]])");

    box->resize(120, 24);
    box->setChecked(true);
    EXPECT_EQ(ctltest::rendered(box).pixelColor(100, 2), QColor(0x11, 0x22, 0x33));
    box->setChecked(false);
    EXPECT_EQ(ctltest::rendered(box).pixelColor(100, 2).alpha(), 0);

    box->setEnabled(false);
    const QImage unchecked = ctltest::rendered(box);
    box->setChecked(true);
    const QImage checked = ctltest::rendered(box);
    const QRect indicator(0, 4, 16, 16);
    EXPECT_GT(testsupport::differingShare(unchecked.copy(indicator), checked.copy(indicator), 8),
              0.02);
    EXPECT_LT(testsupport::colorShare(checked.copy(indicator), Qt::transparent, 0), 0.9);
    // An image of its own is drawn as it is.
    const QString own = solidImage("disabled.png", QSize(16, 16), Qt::blue);
    box->setDisableCheckIcon(own);
    EXPECT_EQ(ctltest::rendered(box).pixelColor(8, 12), QColor(Qt::blue));
}

TEST(Checkable, RegistryRowsAndPropertyEntries)
{
    const struct
    {
        const char* type;
        const char* className;
    } rows[] = {{"qtcheckbox", "MOXQtLib::MOXQCheckBox"},    {"checkbox", "MOXQtLib::MOXQCheckBox"},
                {"qtradiobox", "MOXQtLib::MOXQRadioButton"}, {"radio", "MOXQtLib::MOXQRadioButton"},
                {"radiobox", "MOXQtLib::MOXQRadioButton"},   {"qtswitch", "MOXQtLib::MOXQSwitch"},
                {"switch", "MOXQtLib::MOXQSwitch"}};
    for (const auto& row : rows)
        EXPECT_STREQ(created(row.type, "{}")->metaObject()->className(), row.className) << row.type;

    auto entry = [](const char* type, const char* name) {
        for (const PropertyDef& def : moxGetControlInfo(type)->properties)
            if (def.displayName == QLatin1String(name)) return def;
        return PropertyDef();
    };
    MOXQCheckBox box;
    const PropertyDef hor = entry("qtcheckbox", "HorAlign");
    EXPECT_EQ(hor.labels, QStringList({"Left", "Center", "Right"}));
    hor.setter(&box, 2);
    hor.setter(&box, 5);
    EXPECT_EQ(hor.getter(&box).toInt(), 2);
    MOXQRadioButton radio;
    EXPECT_EQ(entry("qtradiobox", "TextStyle").getter(&radio).toList().size(), 3);
    entry("qtradiobox", "PushLike").setter(&radio, true);
    EXPECT_TRUE(radio.getPushlike());

    // A check box's caption follows the language and is written back as its key.
    box.setText("|->ok");
    MOXQResourceManager::getInstance()->setCurrentLanguage("German");
    box.notifyChangeLanguage();
    EXPECT_EQ(box.text(), "Ja");
    EXPECT_EQ(jsonString(written(&box)["attr"], "text"), "|->ok");
    MOXQResourceManager::getInstance()->setCurrentLanguage("English");
}
