// The stack container's page list (insert, move, remove and deletion sequences with exactly
// one page shown), its settling after being shown, its style slots; and the spacer's values.

#include "ControlTestUtil.h"
#include "MOXQContainer.h"
#include "MOXQSpacer.h"
#include "MOXQStackContainer.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <functional>
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

class CountEvents : public QObject
{
public:
    explicit CountEvents(QEvent::Type type) : m_type(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type) ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

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
    QWidget* const a = pages[0];
    QWidget* const b = pages[1];
    QWidget* const c = pages[2];
    QWidget* const d = pages[3];

    struct Step
    {
        const char* what;
        std::function<int()> run;
        int result;
        const char* list;
    };
    const Step steps[] = {
        {"add a", [&] { return stack->addWidget(a); }, 0, "[a]"},
        {"add b", [&] { return stack->addWidget(b); }, 1, "[a]b"},
        {"insert c far out", [&] { return stack->insertWidget(99, c); }, 2, "[a]bc"},
        {"show c",
         [&] {
             stack->setCurrentIndex(2);
             return 0;
         },
         0, "ab[c]"},
        {"out of range",
         [&] {
             stack->setCurrentIndex(3);
             return 0;
         },
         0, "ab[c]"},
        {"d in front", [&] { return stack->insertWidget(0, d); }, 0, "dab[c]"},
        {"c at its own index", [&] { return stack->insertWidget(3, c); }, 3, "dab[c]"},
        {"c at the end", [&] { return stack->insertWidget(-1, c); }, 3, "dab[c]"},
        {"a to the end", [&] { return stack->insertWidget(4, a); }, 3, "db[c]a"},
        {"current to the front", [&] { return stack->insertWidget(0, c); }, 0, "[c]dba"},
        {"remove current",
         [&] {
             stack->removeWidget(c);
             return 0;
         },
         0, "[d]ba"},
        {"remove a stranger",
         [&] {
             stack->removeWidget(&host);
             return 0;
         },
         0, "[d]ba"},
        {"show last",
         [&] {
             stack->setCurrentWidget(a);
             return 0;
         },
         0, "db[a]"},
        {"remove current last",
         [&] {
             stack->removeWidget(a);
             return 0;
         },
         0, "d[b]"},
        {"resize",
         [&] {
             stack->resize(150, 90);
             return 0;
         },
         0, "d[b]"},
        {"delete current",
         [&] {
             delete b;
             return 0;
         },
         0, "[d]"},
        {"null", [&] { return stack->addWidget(nullptr); }, -1, "[d]"},
        {"itself", [&] { return stack->addWidget(stack); }, -1, "[d]"},
        {"its parent", [&] { return stack->addWidget(&host); }, -1, "[d]"},
        {"re-parented away",
         [&] {
             d->setParent(&host);
             return 0;
         },
         0, ""},
        {"add again", [&] { return stack->addWidget(c); }, 0, "[c]"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.run(), step.result) << step.what;
        EXPECT_EQ(pageList(*stack), step.list) << step.what;
    }
    // Removed pages stay children and stay hidden.
    EXPECT_EQ(a->parentWidget(), stack);
    EXPECT_TRUE(a->isHidden());
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
    CountEvents requests(QEvent::LayoutRequest);
    stack->installEventFilter(&requests);
    host.show();
    testsupport::processEvents(50);
    const int refreshes = stack->impl()->refreshCount();
    const int seen = requests.count;
    EXPECT_LE(refreshes, 10);
    // Nothing left to do: further event processing brings no more layout requests.
    testsupport::processEvents(50);
    stack->setCurrentIndex(1);
    stack->setCurrentIndex(0);
    testsupport::processEvents(50);
    EXPECT_LE(requests.count - seen, 2);
    EXPECT_LE(stack->impl()->refreshCount() - refreshes, 6);
    const int settled = stack->impl()->refreshCount();
    testsupport::processEvents(50);
    EXPECT_EQ(stack->impl()->refreshCount(), settled);
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

    // The background is painted only while drawing it is on.
    stack->resize(20, 20);
    EXPECT_GT(testsupport::colorShare(ctltest::rendered(stack.get()), QColor(0, 0, 0, 0)), 0.99);
    stack->setDrawBackground(true);
    EXPECT_GT(testsupport::colorShare(ctltest::rendered(stack.get()), QColor(0x11, 0x22, 0x33)),
              0.99);

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
        {R"({"attr": {"direction": -1}})", 0, 0, "{}"},
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
    for (QWidget* w : {left, static_cast<QWidget*>(spacer), right}) {
        w->resize(80, 30);
        row.addChildWidget(w);
    }
    spacer->resize(0, 30);
    left->resize(80, 30);
    right->resize(80, 30);
    row.forceResize();
    EXPECT_EQ(right->geometry().right(), 399);
    EXPECT_EQ(spacer->width(), 240);
    EXPECT_TRUE(spacer->testAttribute(Qt::WA_TransparentForMouseEvents));
    spacer->setDirection(MOXQSpacer::Vertical);
    EXPECT_NE(left->width(), 80);
}
