// The extended label: selections dragged across paragraphs and wrapped lines in either
// direction, a double-click selecting everything, stale or hostile selections, measuring HTML
// and its JSON keys.

#include "ControlTestUtil.h"
#include "MOXQLabelEx.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::Mouse;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::sendMouse;
using ctltest::written;

namespace {

const char* const kParagraphs = "First paragraph line\nSecond paragraph\nThird one";

// The middle of the glyph cell before position `pos` of line `line` in block `block`.
QPoint pointAt(const MOXQLabelEx& label, int block, int line, int pos)
{
    const QTextBlock b = label.impl()->document().findBlockByNumber(block);
    const QTextLine l = b.layout()->lineAt(line);
    const QPointF p = b.layout()->position() + QPointF(l.cursorToX(pos), l.y() + l.height() / 2);
    return p.toPoint() + QPoint(1, 0);
}

void drag(QWidget* w, const QPoint& from, const QPoint& to)
{
    sendMouse(w, Mouse::Press, from);
    sendMouse(w, Mouse::Drag, (from + to) / 2);
    sendMouse(w, Mouse::Drag, to);
    sendMouse(w, Mouse::Release, to);
}

void doubleClick(QWidget* w, const QPoint& pos)
{
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, w->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

int selectionPixels(const QImage& image)
{
    const QColor wanted = MOXQLabelExImpl::selectionColor();
    return ctltest::countPixels(image, [&wanted](const QColor& c) { return c == wanted; });
}

} // namespace

TEST(LabelEx, DragsAcrossParagraphsHighlightTheSameTextEitherWay)
{
    struct Spot
    {
        int block, line, pos;
    };
    struct Case
    {
        int width;
        Spot from, to;
        const char* text;
        int lines;
    } cases[] = {
        {400, {0, 0, 6}, {2, 0, 3}, "paragraph line\nSecond paragraph\nThi", 3},
        {400, {0, 0, 0}, {1, 0, 6}, "First paragraph line\nSecond", 2},
        {400, {1, 0, 2}, {1, 0, 10}, "cond par", 1},
        // "First paragraph line" wraps: the middle lines of the first block are whole.
        {60, {0, 0, 2}, {1, 0, 3}, "rst paragraph line\nSec", 0},
    };
    for (const Case& c : cases) {
        MOXQLabelEx forward, backward;
        for (MOXQLabelEx* label : {&forward, &backward}) {
            label->resize(c.width, 200);
            label->setText(kParagraphs);
        }
        drag(&forward, pointAt(forward, c.from.block, c.from.line, c.from.pos),
             pointAt(forward, c.to.block, c.to.line, c.to.pos));
        drag(&backward, pointAt(backward, c.to.block, c.to.line, c.to.pos),
             pointAt(backward, c.from.block, c.from.line, c.from.pos));
        EXPECT_EQ(forward.selectedText(), c.text) << c.text;
        EXPECT_EQ(backward.selectedText(), c.text) << c.text;
        const QTextDocument& doc = forward.impl()->document();
        const QVector<QRectF> rects = forward.selection().rects(doc);
        EXPECT_EQ(backward.selection().rects(backward.impl()->document()), rects) << c.text;
        if (c.lines > 0) EXPECT_EQ(rects.size(), c.lines) << c.text;
        // Each highlight lies on a line of its own block: inside the document, one per line.
        for (int i = 1; i < rects.size(); ++i)
            EXPECT_GE(rects[i].top(), rects[i - 1].bottom() - 1) << c.text;
        for (const QRectF& r : rects)
            EXPECT_LE(r.bottom(), doc.size().height()) << c.text;
    }

    // A wrapped paragraph: every line between the ends is highlighted to its natural width.
    MOXQLabelEx narrow;
    narrow.resize(60, 200);
    narrow.setText(kParagraphs);
    const QTextLayout* first = narrow.impl()->document().firstBlock().layout();
    ASSERT_GE(first->lineCount(), 3);
    drag(&narrow, pointAt(narrow, 1, 0, 3), pointAt(narrow, 0, 0, 2));
    const QVector<QRectF> rects = narrow.selection().rects(narrow.impl()->document());
    ASSERT_EQ(rects.size(), first->lineCount() + 1);
    EXPECT_DOUBLE_EQ(rects[1].width(), first->lineAt(1).naturalTextWidth());
}

TEST(LabelEx, DoubleClickSelectsAllAndDragsOnFromTheStart)
{
    MOXQLabelEx label;
    label.resize(400, 200);
    label.setText(kParagraphs);
    EXPECT_FALSE(label.selection().exists());
    const QPoint second = pointAt(label, 1, 0, 6);
    doubleClick(&label, second);
    EXPECT_EQ(label.selectedText(), kParagraphs);
    EXPECT_EQ(label.selection().end().block, 2);
    EXPECT_GT(selectionPixels(ctltest::rendered(&label)), 200);
    sendMouse(&label, Mouse::Drag, second);
    EXPECT_EQ(label.selectedText(), "First paragraph line\nSecond");
    // Below the last line no line holds the mouse: the end is nowhere and nothing shows.
    sendMouse(&label, Mouse::Drag, QPoint(10, 190));
    EXPECT_FALSE(label.selection().exists());
    EXPECT_EQ(selectionPixels(ctltest::rendered(&label)), 0);

    // With text interaction off the mouse selects nothing.
    label.setTextInteractionFlags(Qt::NoTextInteraction);
    doubleClick(&label, second);
    drag(&label, pointAt(label, 0, 0, 0), second);
    EXPECT_FALSE(label.selection().exists());
}

TEST(LabelEx, StaleAndHostileSelectionsDrawNothingWrong)
{
    MOXQLabelEx label;
    label.resize(300, 100);
    label.setText(kParagraphs);
    struct Case
    {
        MOXTextSpot start, end;
        const char* text;
    } cases[] = {
        {{0, 0, 0}, {99, 0, 0}, ""},
        {{-1, 0, 0}, {1, 0, 3}, ""},
        {{0, 0, 0}, {0, 0, 100000}, "First paragraph line"},
        // A line index left over from a narrower layout: the line holding the position.
        {{1, 7, 2}, {2, 0, 0}, "cond paragraph\n"},
        {{2, 0, 5}, {2, 0, 5}, ""},
    };
    for (const Case& c : cases) {
        label.setSelection(MOXTextSelection(c.start, c.end));
        EXPECT_EQ(label.selectedText(), c.text) << c.text;
        ctltest::rendered(&label);
    }
    // New text drops the selection that referred to the old one.
    label.setSelection(MOXTextSelection({0, 0, 0}, {0, 0, 4}));
    label.setHtmlContent("<p>one</p><p>two</p>");
    EXPECT_FALSE(label.selection().exists());
}

TEST(LabelEx, MeasuresHtmlForAWidth)
{
    MOXQLabelEx label;
    const QString words = QString("word ").repeated(40);
    const QSize one = label.calcSize(words, 100);
    const QSize two = label.calcSize(words + words, 100);
    EXPECT_LE(one.width(), 100);
    EXPECT_GT(one.height(), 3 * QFontMetrics(label.impl()->document().defaultFont()).height());
    EXPECT_GT(two.height(), one.height() + one.height() / 2);
    // A width below zero measures like a zero width, never a negative size.
    const QSize empty = label.calcSize("", -5);
    EXPECT_TRUE(empty.width() >= 0 && empty.height() > 0 && empty.height() < one.height());
}

TEST(LabelEx, JsonRoundTripKeepsMarkupLiteral)
{
    MOXQLabelEx fresh;
    EXPECT_TRUE(fresh.getHtmlContent().contains("label"));
    const Json::Value out = written(&fresh);
    EXPECT_TRUE(out["style"].isNull());
    EXPECT_EQ(out["attr"]["text"].asString(), "label");

    struct Case
    {
        const char* json;
        const char* text;
        const char* style;
    } cases[] = {
        {R"({"attr": {"text": "<b>x</b>"}})", "<b>x</b>", ""},
        {R"({"style": [["textBig", 2, 0]], "attr": {"text": "two\nlines"}})", "two\nlines",
         "textBig"},
        {R"({"style": [["textBig", 2, 1]], "attr": {}})", "", ""},
        {R"({"style": [["missing", 2, 0]], "attr": {"text": 5}})", "", ""},
    };
    for (const Case& c : cases) {
        auto label = controlFrom<MOXQLabelEx>(parsed(c.json));
        EXPECT_EQ(label->impl()->getText(), c.text) << c.json;
        EXPECT_EQ(label->getTextStyle(CtrlStateNormal).name, c.style) << c.json;
        const Json::Value again = written(label.get());
        EXPECT_EQ(jsonWrite(written(controlFrom<MOXQLabelEx>(again).get())), jsonWrite(again))
            << c.json;
    }
    auto big = controlFrom<MOXQLabelEx>(parsed(R"({"style": [["textBig", 2, 0]]})"));
    EXPECT_EQ(big->impl()->document().defaultFont().pixelSize(), 20);
}
