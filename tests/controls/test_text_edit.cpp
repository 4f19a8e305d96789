// The text edit: the placeholder inset by the margins on every side and hidden by text, text
// kept as plain text through files (markup stays literal), its style slots, and scroll-bar
// elements read into its own bars.

#include "ControlTestUtil.h"
#include "MOXQScrollBar.h"
#include "MOXQTextEdit.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QTextCursor>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

// Pixels of the strong red of the "textBig" style inside `area`.
int redPixels(const QImage& image, const QRect& area)
{
    return ctltest::countPixels(
        image, [](const QColor& c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; },
        area);
}

} // namespace

TEST(TextEdit, PlaceholderIsInsetByTheMarginsOnEverySideAndHidesWithText)
{
    TextStyleDesc right;
    right.color = Qt::red;
    right.size = 20;
    right.horAlign = 2;
    right.verAlign = 2;
    struct Case
    {
        QMargins margins;
    } cases[] = {{{30, 10, 20, 12}}, {{0, 0, 0, 0}}, {{5, 0, 40, 25}}};
    for (const Case& c : cases) {
        MOXQTextEdit edit;
        edit.resize(200, 80);
        edit.setPlaceholderText("Type");
        edit.setPlaceholderTextStyle(right);
        const QMargins& m = c.margins;
        edit.setEditMargin(m.top(), m.bottom(), m.left(), m.right());
        edit.show();
        testsupport::processEvents();
        // The margins survive the frame's polish, and the text sits inside them too.
        int top, bottom, left, right;
        edit.getEditMargin(top, bottom, left, right);
        EXPECT_EQ(QMargins(left, top, right, bottom), m);
        EXPECT_EQ(edit.viewport()->geometry(), QRect(0, 0, 200, 80).marginsRemoved(m));
        const QImage image = ctltest::rendered(&edit);
        const QRect inside = image.rect().marginsRemoved(m);
        EXPECT_GT(redPixels(image, inside), 20) << m.right();
        EXPECT_EQ(redPixels(image, image.rect()) - redPixels(image, inside), 0) << m.right();
        edit.setPlainText("a");
        EXPECT_EQ(redPixels(ctltest::rendered(&edit), image.rect()), 0);
    }
}

TEST(TextEdit, TextTravelsAsPlainTextSoMarkupStaysLiteral)
{
    const char* const texts[] = {"<b>x</b>", "two\nlines", "<p>a &amp; b</p>", "", "  spaced  "};
    for (const char* text : texts) {
        MOXQTextEdit edit;
        edit.impl()->setText(text);
        const Json::Value out = written(&edit);
        EXPECT_EQ(out["attr"].isMember("text"), *text != 0) << text;
        auto back = controlFrom<MOXQTextEdit>(out);
        EXPECT_EQ(back->toPlainText(), text);
        EXPECT_FALSE(back->document()->toHtml().contains("font-weight:600")) << text;
        EXPECT_EQ(jsonWrite(written(back.get())), jsonWrite(out)) << text;
    }
    // Typing into a theme-styled field is never undone by a theme refresh: text is content.
    auto edit = controlFrom<MOXQTextEdit>(parsed(R"({"attr": {"text": "<i>kept</i>"}})"));
    EXPECT_EQ(edit->toPlainText(), "<i>kept</i>");
}

TEST(TextEdit, StyleSlotsAndScrollBarElements)
{
    struct Case
    {
        const char* style;
        const char* background;
        const char* pressedText;
        const char* placeholder;
    } cases[] = {
        {R"([["fillA", 1, 0], ["fillB", 1, 2], ["textBig", 2, 4], ["textGreen", 2, 8]])",
         "fillA", "textBig", "textGreen"},
        // Without a slot-8 entry the placeholder style stays what it was.
        {R"([["textGreen", 2, 4], ["textGreen", 2, 6]])", "", "textGreen", "textBig"},
        {R"([["textGreen", 2, 9], ["missing", 2, 8], ["fillC", 1, 3]])", "", "", "textBig"},
    };
    for (const Case& c : cases) {
        Json::Value json(Json::objectValue);
        json["style"] = parsed(c.style);
        MOXQTextEdit edit;
        TextStyleDesc before;
        before.name = "textBig";
        edit.setPlaceholderTextStyle(before);
        ctltest::loadTestResources();
        edit.readJsonValue(&json);
        EXPECT_EQ(edit.getBackground(CtrlStateHot).name, c.background) << c.style;
        EXPECT_EQ(edit.getTextStyle(CtrlStatePressed).name, c.pressedText) << c.style;
        EXPECT_EQ(edit.getPlaceholderTextStyle().name, c.placeholder) << c.style;
        const Json::Value out = written(&edit);
        EXPECT_EQ(jsonWrite(written(controlFrom<MOXQTextEdit>(out).get())), jsonWrite(out))
            << c.style;
    }

    // Scroll-bar elements style the edit's own bars; the step-button length is not the
    // edit's to set, from files or from code.
    auto edit = controlFrom<MOXQTextEdit>(parsed(R"({"child": [
        {"type": "scrollbar", "w": 14, "attr": {"size": 9}, "style": [["fillB", 1, 10]]},
        {"type": "scrollbar", "h": 8, "attr": {"hor": true, "upicon": "up.svg"}}]})"));
    auto* vertical = qobject_cast<MOXQScrollBar*>(edit->verticalScrollBar());
    auto* horizontal = qobject_cast<MOXQScrollBar*>(edit->horizontalScrollBar());
    ASSERT_TRUE(vertical && horizontal);
    EXPECT_EQ(vertical->getScrollbarThumb(CtrlStateDisable).name, "fillB");
    EXPECT_EQ(horizontal->getScrollbarBtnIcon(true), "up.svg");
    const QString sheet = vertical->styleSheet();
    edit->setScrollbarBtnSize(false, 30);
    EXPECT_EQ(vertical->styleSheet(), sheet);
    EXPECT_FALSE(sheet.contains("height:9px"));
    const Json::Value out = written(edit.get());
    ASSERT_EQ(out["child"].size(), 2u);
    EXPECT_FALSE(out["child"][0]["attr"].isMember("size"));
    EXPECT_EQ(out["child"][0]["w"].asInt(), 14);
    EXPECT_EQ(out["child"][1]["h"].asInt(), 8);
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQTextEdit>(out).get())), jsonWrite(out));
}
