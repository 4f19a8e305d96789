// The push button: styles from the "style" member, its "attr" keys, language keys, the
// extension area, icon placement and what it paints in each state.

#include "ControlTestUtil.h"
#include "MOXQPushButton.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

QString backgroundNames(const MOXQPushButton& b)
{
    QStringList names;
    for (int s = 0; s < 4; ++s)
        names << b.getBackground(CtrlState(s)).name;
    return names.join(',');
}

} // namespace

TEST(PushButton, StyleEntriesRoundTripAndStateArguments)
{
    auto button = controlFrom<MOXQPushButton>(
        parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 1], ["bad", 1, 2],
                                              ["fillC", 1, 9], ["textBig", 2, 4]]})"));
    EXPECT_EQ(backgroundNames(*button), "fillA,fillB,fillA,fillA");
    EXPECT_EQ(button->getBackground(CtrlStateHot).fillRes.color, QColor(0x44, 0x55, 0x66));
    EXPECT_EQ(button->getTextStyle(CtrlStateDisable).size, 20);
    FillStyle c;
    MOXQResourceManager::getInstance()->getFillStyle("fillC", c);
    button->setBackground(CtrlStateDisable, c);
    // Out-of-range states are ignored by setters and read as Normal.
    button->setBackground(CtrlState(7), c);
    button->setBackground(CtrlState(-1), c);
    EXPECT_EQ(button->getBackground(CtrlState(9)).name, "fillA");
    const Json::Value mixed = written(button.get());
    auto back = controlFrom<MOXQPushButton>(mixed);
    EXPECT_EQ(backgroundNames(*back), "fillA,fillB,fillA,fillC");
    EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(mixed));
}

TEST(PushButton, AttrKeysDefaultsAndBadValues)
{
    ctltest::loadTestResources();
    MOXQPushButton plain;
    const Json::Value empty = written(&plain);
    EXPECT_EQ(jsonWrite(empty["attr"]), "{}");
    EXPECT_FALSE(empty.isMember("style"));

    const Json::Value json = parsed(R"({"attr": {"hasIcon": 0, "hotIconPath": "h.png",
        "isExtBtn": 1, "extWidth": 12, "extIconPath": "e.png", "showText": 0,
        "drawBackground": 0, "fadeEnabled": 1, "fadeDuration": 300, "iconHor": 2, "iconVer": 0,
        "iconX": 3, "iconY": -2, "iconUseColor": 1, "iconColor": "80FF0000", "txtX": 4,
        "txtY": 5, "text": "Go", "iconPath": "i.png"}})");
    auto button = controlFrom<MOXQPushButton>(json);
    EXPECT_TRUE(button->hasMouseTracking());
    EXPECT_EQ(button->getIconStyle().color, QColor(255, 0, 0, 128));
    EXPECT_EQ(jsonWrite(written(button.get())["attr"]), jsonWrite(json["attr"]));

    // Mistyped values keep the defaults; durations of 0 or less become 150.
    button = controlFrom<MOXQPushButton>(parsed(R"({"attr": {"hasIcon": "yes", "extWidth": "wide",
        "fadeDuration": -4, "iconColor": "not a colour", "text": 5}, "style": "fillA"})"));
    EXPECT_EQ(button->getFadeDuration(), 150);
    EXPECT_EQ(jsonWrite(written(button.get())["attr"]), "{}");
    EXPECT_EQ(backgroundNames(*button), ",,,");
}

TEST(PushButton, LanguageKeysFollowLanguageAndRoundTrip)
{
    auto button = controlFrom<MOXQPushButton>(parsed(R"({"attr": {"text": "|->ok"}})"));
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    EXPECT_EQ(button->text(), "OK");
    manager->setCurrentLanguage("German");
    button->notifyChangeLanguage();
    EXPECT_EQ(button->text(), "Ja");
    // Written as the key, never as today's translation.
    const Json::Value out = written(button.get());
    EXPECT_EQ(jsonString(out["attr"], "text"), "|->ok");
    manager->setCurrentLanguage("English");
    EXPECT_EQ(controlFrom<MOXQPushButton>(out)->text(), "OK");

    // Plain text clears the key, through either setter.
    button->setText("Plain");
    button->notifyChangeLanguage();
    EXPECT_EQ(button->text(), "Plain");
    button->setText("|->cancel");
    static_cast<QAbstractButton*>(button.get())->setText("Direct");
    button->notifyChangeLanguage();
    EXPECT_EQ(button->text(), "Direct");
    EXPECT_EQ(jsonString(written(button.get())["attr"], "text"), "Direct");
}

TEST(PushButton, IconPlacementAndStateVariants)
{
    ctltest::loadTestResources();
    const QString dir = testsupport::tempDir("button-icons");
    auto square = [&](const QString& name, const QColor& colour) {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(colour);
        image.save(dir + "/" + name);
        return dir + "/" + name;
    };
    MOXQPushButton button;
    button.resize(40, 20);
    button.setDrawBackground(false);
    button.setIcon(square("n.png", Qt::red));
    button.setHotIcon(square("h.png", Qt::blue));
    auto at = [&](int x, int y) { return ctltest::rendered(&button).pixelColor(x, y); };
    // Centred by default: 8 x 8 at (16, 6).
    EXPECT_EQ(at(16, 6), QColor(Qt::red));
    EXPECT_EQ(at(15, 6).alpha(), 0);
    IconStyleDesc right;
    right.horAlign = 2;
    right.verAlign = 0;
    right.x = -1;
    right.y = 2;
    button.setIconStyle(right);
    EXPECT_EQ(at(31, 2), QColor(Qt::red));
    EXPECT_EQ(at(39, 2).alpha() + at(31, 1).alpha(), 0);
    button.impl()->enterControl();
    EXPECT_EQ(at(31, 2), QColor(Qt::blue));
    button.impl()->pressControl(); // no pressed icon: the normal one
    EXPECT_EQ(at(31, 2), QColor(Qt::red));
    button.setUseIcon(false);
    EXPECT_EQ(at(31, 2).alpha(), 0);
}

TEST(PushButton, RegistryRowsAndPropertyList)
{
    init();
    ctltest::loadTestResources();
    for (const char* name : {"qtbutton", "button"}) {
        std::unique_ptr<QWidget> w(
            moxCreateControl(name, parsed(R"({"attr": {"text": "x"}})"), nullptr));
        ASSERT_TRUE(qobject_cast<MOXQPushButton*>(w.get())) << name;
        EXPECT_EQ(static_cast<MOXQPushButton*>(w.get())->text(), "x");
    }
    ControlInfo* info = moxGetControlInfo("qtbutton");
    ASSERT_TRUE(info && !moxGetControlInfo("button"));
    ASSERT_EQ(info->properties.value(7).displayName, "Background");

    // The designer entry for a per-state style: [state, record] in, all four out.
    MOXQPushButton button;
    FillStyle b;
    MOXQResourceManager::getInstance()->getFillStyle("fillB", b);
    info->properties[7].setter(&button, QVariantList{2, QVariant::fromValue(b)});
    info->properties[7].setter(&button, QVariantList{"x"});
    EXPECT_EQ(backgroundNames(button), ",,fillB,");
    EXPECT_EQ(info->properties[7].getter(&button).toList().size(), 4);
}

TEST(PushButton, QtEventsReachTheLook)
{
    auto button = controlFrom<MOXQPushButton>(parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 1],
        ["fillC", 1, 2], ["fillD", 1, 3]], "attr": {"isExtBtn": 1, "extWidth": 20}})"));
    button->resize(100, 30);
    int entered = 0, left = 0;
    QObject::connect(button.get(), &MOXQPushButton::enterSignal, [&] { ++entered; });
    QObject::connect(button.get(), &MOXQPushButton::leaveSignal, [&] { ++left; });
    auto pixel = [&](int x) { return ctltest::rendered(button.get()).pixelColor(x, 15); };
    auto mouse = [&](QEvent::Type type, int x) {
        QMouseEvent event(
            type, QPointF(x, 15), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button.get(), &event);
    };
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QApplication::sendEvent(button.get(), &enter);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(pixel(50), QColor(0x44, 0x55, 0x66));
    // x <= width - extWidth is the main area; right of it the extension lights on its own.
    mouse(QEvent::MouseMove, 80);
    EXPECT_FALSE(button->impl()->isExtensionHot());
    mouse(QEvent::MouseMove, 81);
    EXPECT_TRUE(button->impl()->isExtensionHot());
    EXPECT_EQ(pixel(79), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(pixel(80), QColor(0x44, 0x55, 0x66));
    mouse(QEvent::MouseButtonPress, 50);
    EXPECT_EQ(pixel(90), QColor(0x77, 0x88, 0x99));
    mouse(QEvent::MouseButtonRelease, 50);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button.get(), &leave);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(pixel(90), QColor(0x11, 0x22, 0x33));
    button->setEnabled(false);
    EXPECT_EQ(pixel(50), QColor(0xAA, 0xBB, 0xCC));
    button->setEnabled(true);
    EXPECT_EQ(pixel(50), QColor(0x11, 0x22, 0x33));
}
