// The line edit: the hotkey table, password mode blocking the clipboard keys, the placeholder
// and its rectangle, placeholder styles from entries in any order, and its JSON keys.

#include "ControlTestUtil.h"
#include "MOXQLineEdit.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(w, &event);
}

// Pixels of the strong red of the "textBig" style.
int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 80 && c.blue() < 80) ++count;
        }
    return count;
}

} // namespace

TEST(LineEdit, HotkeyTable)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* before;
        const char* after;
        bool recorded;
    } cases[] = {
        {Qt::Key_K, Qt::ControlModifier | Qt::AltModifier, "", "CTRL+ALT+K", true},
        {Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier, "", "CTRL+SHIFT+A", true},
        {Qt::Key_Q, Qt::NoModifier, "F3", "Q", true},
        {Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier, "", "ALT+SHIFT+Z", true},
        {Qt::Key_F12, Qt::ControlModifier, "CTRL+A", "F12", true},
        {Qt::Key_F1, Qt::NoModifier, "", "F1", true},
        {Qt::Key_F35, Qt::NoModifier, "", "F35", true},
        {Qt::Key_Backspace, Qt::NoModifier, "CTRL+K", "", true},
        {Qt::Key_Delete, Qt::ShiftModifier, "F5", "", true},
        {Qt::Key_5, Qt::ControlModifier, "F5", "F5", false},
        {Qt::Key_Space, Qt::NoModifier, "Q", "Q", false},
        {Qt::Key_Control, Qt::ControlModifier, "Q", "Q", false},
    };
    for (const Case& c : cases) {
        QString text = c.before;
        EXPECT_EQ(MOXQLineEditImpl::hotkeyText(c.key, c.modifiers, text), c.recorded) << c.after;
        EXPECT_EQ(text, c.after);
    }

    // Through the widget: nothing typed ever reaches the text.
    MOXQLineEdit edit;
    edit.setHotkeyMode(true);
    press(&edit, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(edit.text(), "CTRL+ALT+K");
    press(&edit, Qt::Key_F12);
    EXPECT_EQ(edit.text(), "F12");
    press(&edit, Qt::Key_5, Qt::NoModifier, "5");
    EXPECT_EQ(edit.text(), "F12");
    press(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "");
    edit.setHotkeyMode(false);
    press(&edit, Qt::Key_5, Qt::NoModifier, "5");
    EXPECT_EQ(edit.text(), "5");
}

TEST(LineEdit, PasswordModeSwallowsSelectAllCopyAndPaste)
{
    MOXQLineEdit edit;
    edit.setText("secret");
    edit.setIsPassword(true);
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("before");
    for (const QKeySequence::StandardKey key :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Paste}) {
        const QKeySequence sequence(key);
        ASSERT_FALSE(sequence.isEmpty());
        const int combined = sequence[0];
        press(&edit, combined & ~Qt::KeyboardModifierMask,
              Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask));
    }
    EXPECT_FALSE(edit.hasSelectedText());
    EXPECT_EQ(clipboard->text(), "before");
    EXPECT_EQ(edit.text(), "secret");
    // Other keys still type.
    press(&edit, Qt::Key_X, Qt::NoModifier, "x");
    EXPECT_EQ(edit.text(), "secretx");

    edit.setIsPassword(false);
    EXPECT_FALSE(edit.getIsPassword());
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::DefaultContextMenu);
    press(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(edit.hasSelectedText());
}

TEST(LineEdit, PlaceholderIsInsetByTheMarginsAndHidesWithText)
{
    struct Case
    {
        QSize size;
        QMargins margins;
        QRect rect;
    } cases[] = {{{100, 30}, {5, 4, 6, 3}, {5, 4, 89, 23}},
                 {{100, 30}, {0, 0, 0, 0}, {0, 0, 100, 30}},
                 {{20, 10}, {15, 0, 15, 0}, {15, 0, -10, 10}}};
    for (const Case& c : cases)
        EXPECT_EQ(MOXQLineEditImpl::placeholderRect(c.size, c.margins), c.rect);

    auto edit = controlFrom<MOXQLineEdit>(parsed(R"({"style": [["textBig", 2, 9]],
        "attr": {"tip": "Search", "leftMargin": 60, "topMargin": 2}})"));
    edit->resize(200, 30);
    QImage image = ctltest::rendered(edit.get());
    EXPECT_GT(redPixels(image), 20);
    EXPECT_EQ(redPixels(image.copy(0, 0, 60, 30)), 0);
    edit->setText("a");
    EXPECT_EQ(redPixels(ctltest::rendered(edit.get())), 0);
    // Margins past any screen are cut, never overflow the rectangle arithmetic.
    edit->setEditMargin(INT_MAX, INT_MIN, INT_MAX, -5);
    int top, bottom, left, right;
    edit->getEditMargin(top, bottom, left, right);
    EXPECT_EQ(QMargins(left, top, right, bottom), QMargins(32767, 32767, 0, 0));
    edit->setText("");
    EXPECT_EQ(redPixels(ctltest::rendered(edit.get())), 0);
}

TEST(LineEdit, PlaceholderStyleWhateverTheEntryOrder)
{
    struct Case
    {
        const char* style;
        const char* placeholder;
    } cases[] = {
        {R"([["textBig", 2, 9], ["textGreen", 2, 4]])", "textBig"},
        {R"([["textGreen", 2, 4], ["textBig", 2, 9]])", "textBig"},
        {R"([["textBig", 2, 9], ["textGreen", 2, 9], ["fillA", 1, 0]])", "textGreen"},
        {R"([["textGreen", 2, 9], ["missing", 2, 9]])", "textGreen"},
        // No placeholder entry: a copy of the Hot text style.
        {R"([["textGreen", 2, 4], ["textBig", 2, 5]])", "textBig"},
        {R"([["missing", 2, 9], ["textGreen", 2, 4]])", "textGreen"},
        {R"([["fillA", 1, 0], ["textBig", 2, 8]])", ""},
    };
    for (const Case& c : cases) {
        Json::Value json(Json::objectValue);
        json["style"] = parsed(c.style);
        auto edit = controlFrom<MOXQLineEdit>(json);
        EXPECT_EQ(edit->getPlaceholderTextStyle(CtrlStateNormal).name, c.placeholder) << c.style;
        // What it writes reads back to the same styles.
        const Json::Value out = written(edit.get());
        EXPECT_EQ(jsonWrite(written(controlFrom<MOXQLineEdit>(out).get())), jsonWrite(out))
            << c.style;
    }
}

TEST(LineEdit, JsonKeysAndContentThatThemesNeverSet)
{
    ctltest::loadTestResources();
    MOXQLineEdit plain;
    EXPECT_EQ(jsonWrite(written(&plain)["attr"]), "{}");

    const Json::Value json = parsed(R"({"attr": {"text": "typed", "ispassord": 1, "tip": "Hint",
        "shortcut": 1, "leftMargin": 4, "rightMargin": 5, "topMargin": 2, "bottomMargin": 3}})");
    auto edit = controlFrom<MOXQLineEdit>(json);
    EXPECT_TRUE(edit->getIsPassword());
    EXPECT_TRUE(edit->getHotkeyMode());
    EXPECT_EQ(edit->contentsMargins(), QMargins(4, 2, 5, 3));
    EXPECT_EQ(jsonWrite(written(edit.get())["attr"]), jsonWrite(json["attr"]));

    // "ispassord" false changes nothing; margins missing or mistyped keep theirs.
    Json::Value again = parsed(R"({"attr": {"ispassord": false, "leftMargin": "9"}})");
    edit->readJsonValue(&again);
    EXPECT_TRUE(edit->getIsPassword());
    EXPECT_EQ(edit->contentsMargins(), QMargins(4, 2, 5, 3));
    EXPECT_EQ(edit->text(), "typed");

    // A theme entry restyles the field but never types into it.
    const QString dir = testsupport::tempDir("edit-theme");
    testsupport::writeFile(dir + "/style.json",
                           R"({"style": [{"type": 2, "name": "themed", "size": 25}]})");
    testsupport::writeFile(dir + "/theme.json", R"({"elements": [{"child": [
        {"name": "themedEdit", "style": [["themed", 2, 4]], "attr": {"text": "Themed",
         "tip": "Theme tip", "shortcut": 1, "leftMargin": 7}}]}]})");
    MOXQResourceManager* manager = MOXQResourceManager::getInstance();
    ASSERT_TRUE(manager->loadThemeDir(dir));
    auto themed = controlFrom<MOXQLineEdit>(
        parsed(R"({"theme": "themedEdit", "attr": {"text": "Mine", "leftMargin": 1}})"));
    themed->getControlBase()->refreshTheme();
    manager->releaseThemeRes();
    EXPECT_EQ(themed->text(), "Mine");
    EXPECT_EQ(themed->impl()->getPlaceholderText(), "");
    EXPECT_FALSE(themed->getHotkeyMode());
    EXPECT_EQ(themed->getTextStyle(CtrlStateHot).name, "themed");
    EXPECT_EQ(themed->contentsMargins(), QMargins(7, 0, 0, 0));
}
