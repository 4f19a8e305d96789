// The stack container's page list (insert, move, remove and deletion sequences with exactly
// one page shown), its settling after being shown, its style slots; and the spacer's values.

#include "ControlTestUtil.h"
#include "MOXQContainer.h"
#include "MOXQSpacer.h"
#include "MOXQStackContainer.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

// The pages by name in list order, the current one in brackets; a shown page that is not
// current is a fault, and so is a current page that is hidden.
std::string pageList(const MOXQStackContainer& stack)
{
    std::string out;
    for (int i = 0; i < stack.count(); ++i) {
        const QWidget* page = stack.widget(i);
        const bool current = i == stack.currentIndex();
        const std::string name = page->objectName().toStdString();
        out += current ? "[" + name + "]" : name;
        if (current == page->isHidden()) out += "!";
        if (page->geometry() != stack.rect()) out += "~";
    }
    return out;
}

} // namespace

TEST(StackContainer, InsertMoveAndRemoveKeepOneShownPage)
{
    QWidget host;
    auto* stack = new MOXQStackContainer(&host);
    stack->resize(200, 120);
    host.show();
    QWidget* pages[4];
    for (int i = 0; i < 4; ++i) {
        // Plain widgets and controls (the latter are placed through their companions).
        pages[i] = i % 2 ? static_cast<QWidget*>(new MOXQContainer) : new QWidget;
        pages[i]->setObjectName(QString(QChar('a' + i)));
        pages[i]->resize(10, 10);
    }
    auto widgetOf = [&](char name) -> QWidget* {
        if (name >= 'a' && name <= 'd') return pages[name - 'a'];
        return name == 'h' ? &host : name == 's' ? stack : nullptr;
    };
    // i: insertWidget(index, w), c: setCurrentIndex(index), w: setCurrentWidget(w),
    // r: removeWidget(w), x: delete w, p: w moves to another parent, z: resize.
    struct Step
    {
        char op, name;
        int index, result;
        const char* list;
    };
    const Step steps[] = {
        {'i', 'a', -1, 0, "[a]"},   {'i', 'b', -1, 1, "[a]b"},   {'i', 'c', 99, 2, "[a]bc"},
        {'c', '-', 2, 0, "ab[c]"},  {'c', '-', 3, 0, "ab[c]"},   {'i', 'd', 0, 0, "dab[c]"},
        {'i', 'c', 3, 3, "dab[c]"}, {'i', 'c', -1, 3, "dab[c]"}, {'i', 'a', 4, 3, "db[c]a"},
        {'i', 'c', 0, 0, "[c]dba"}, {'r', 'c', 0, 0, "[d]ba"},   {'r', 'h', 0, 0, "[d]ba"},
        {'w', 'a', 0, 0, "db[a]"},  {'r', 'a', 0, 0, "d[b]"},    {'z', '-', 0, 0, "d[b]"},
        {'x', 'b', 0, 0, "[d]"},    {'i', '0', 0, -1, "[d]"},    {'i', 's', 0, -1, "[d]"},
        {'i', 'h', 0, -1, "[d]"},   {'p', 'd', 0, 0, ""},        {'i', 'c', 0, 0, "[c]"},
    };
    int step = 0;
    for (const Step& s : steps) {
        QWidget* w = widgetOf(s.name);
        int result = 0;
        if (s.op == 'i') result = stack->insertWidget(s.index, w);
        if (s.op == 'c') stack->setCurrentIndex(s.index);
        if (s.op == 'w') stack->setCurrentWidget(w);
        if (s.op == 'r') stack->removeWidget(w);
        if (s.op == 'x') delete w;
        if (s.op == 'p') w->setParent(&host);
        if (s.op == 'z') stack->resize(150, 90);
        EXPECT_EQ(result, s.result) << "step " << step;
        EXPECT_EQ(pageList(*stack), s.list) << "step " << step++;
    }
    // Removed pages stay children and stay hidden.
    EXPECT_EQ(pages[0]->parentWidget(), stack);
    EXPECT_TRUE(pages[0]->isHidden());
    EXPECT_EQ(stack->widget(-1), nullptr);
    EXPECT_EQ(stack->widget(1), nullptr);
}

TEST(StackContainer, ShownStackSettles)
{
    QWidget host;
    host.resize(300, 200);
    auto* stack = new MOXQStackContainer(&host);
    stack->resize(300, 200);
    // A page holding containers, which the refresh lays out again.
    auto* page = new MOXQContainer;
    auto* inner = new MOXQContainer(page);
    inner->setChildLayout(LayoutHorizontal);
    new QWidget(inner);
    stack->addWidget(page);
    stack->addWidget(new QWidget);
    host.show();
    testsupport::processEvents(50);
    const int refreshes = stack->impl()->refreshCount();
    EXPECT_LE(refreshes, 10);
    // Nothing left to do: further event processing brings no more refreshes.
    testsupport::processEvents(50);
    EXPECT_EQ(stack->impl()->refreshCount(), refreshes);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 300, 200));
}

TEST(StackContainer, JsonKeysAndStyleSlots)
{
    ctltest::loadTestResources();
    MOXQStackContainer fresh;
    Json::Value out = written(&fresh);
    EXPECT_TRUE(out.isMember("style") && out["style"].isNull());
    EXPECT_EQ(jsonWrite(out["attr"]), "{}");

    auto stack = controlFrom<MOXQStackContainer>(
        parsed(R"({"style": [["fillA", 1, 0], ["fillB", 1, 1], ["fillC", 1, 2], ["nope", 1, 0]],
                   "attr": {"drawBackground": false}})"));
    EXPECT_EQ(stack->getBackgroundState(CtrlStateNormal).name, "fillA");
    EXPECT_EQ(stack->getBackgroundState(CtrlStateDisable).name, "fillB");
    EXPECT_EQ(stack->getBackgroundState(CtrlStateHot).name, "fillB");
    EXPECT_FALSE(stack->getDrawBackground());
    out = written(stack.get());
    EXPECT_EQ(jsonWrite(out["style"]), R"([["fillA",1,0],["fillB",1,1]])");
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"drawBackground":0})");
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQStackContainer>(out).get())), jsonWrite(out));

    // Child elements of a file are ordinary children, not pages.
    stack = controlFrom<MOXQStackContainer>(parsed(R"({"child": [{"type": "qtlabel"}]})"));
    EXPECT_EQ(stack->count(), 0);
}

TEST(Spacer, DirectionAndThicknessAreClampedAndRelayTheLayout)
{
    struct Case
    {
        const char* json;
        int direction;
        int thickness;
        const char* attr;
    };
    const Case cases[] = {
        {R"({})", 0, 0, "{}"},
        {R"({"attr": {"direction": 2, "thickness": 12}})", 2, 12,
         R"({"direction":2,"thickness":12})"},
        {R"({"attr": {"direction": 7, "thickness": -5}})", 0, 0, "{}"},
        {R"({"attr": {"direction": "1", "thickness": 1.5}})", 0, 0, "{}"},
    };
    for (const Case& c : cases) {
        auto spacer = controlFrom<MOXQSpacer>(parsed(c.json));
        EXPECT_EQ(spacer->getDirection(), c.direction) << c.json;
        EXPECT_EQ(spacer->getThickness(), c.thickness) << c.json;
        EXPECT_EQ(spacer->property("direction").toInt(), c.direction) << c.json;
        EXPECT_EQ(jsonWrite(written(spacer.get())["attr"]), c.attr) << c.json;
    }

    // In a row, a spacer pushes the second button to the right edge; turning it vertical
    // lays the row out again at once.
    MOXQContainer row;
    row.resize(400, 40);
    row.setChildLayout(LayoutHorizontal);
    auto* left = new QWidget;
    auto* spacer = new MOXQSpacer;
    auto* right = new QWidget;
    for (QWidget* w : {left, static_cast<QWidget*>(spacer), right})
        row.addChildWidget(w);
    left->resize(80, 30);
    right->resize(80, 30);
    row.forceResize();
    EXPECT_EQ(right->geometry().right(), 399);
    EXPECT_EQ(spacer->width(), 240);
    EXPECT_TRUE(spacer->testAttribute(Qt::WA_TransparentForMouseEvents));
    spacer->setDirection(MOXQSpacer::Vertical);
    EXPECT_NE(left->width(), 80);
}
