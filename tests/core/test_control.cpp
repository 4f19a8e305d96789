#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "MOXThemeResScope.h"
#include "ProbeControl.h"

#include <QScopedPointer>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;

namespace {

std::unique_ptr<ProbeControl> readProbe(const char* text)
{
    auto probe = std::make_unique<ProbeControl>();
    Json::Value value = parsed(text);
    probe->readJsonValue(&value);
    return probe;
}

QRect storedRect(IMOXQWidgetBase* c)
{
    void* data = nullptr;
    c->getLayoutData(data);
    const int* d = static_cast<const int*>(data);
    return d ? QRect(d[0], d[1], d[2], d[3]) : QRect();
}

} // namespace

TEST(ControlLayout, AbsoluteAndRelativeKeys)
{
    // No "layout": absolute, stored but not applied; "y" absent reads 0 and is not written.
    auto p = readProbe(R"({"x": 5, "w": 100, "h": 20})");
    EXPECT_EQ(p->getLayoutType(), LayoutAbsolute);
    EXPECT_EQ(storedRect(p.get()), QRect(5, 0, 100, 20));
    Json::Value out = writeControl(p.get());
    EXPECT_EQ(out["x"].asInt(), 5);
    EXPECT_EQ(out["w"].asInt(), 100);
    EXPECT_EQ(out["h"].asInt(), 20);
    EXPECT_FALSE(out.isMember("y"));
    EXPECT_FALSE(out.isMember("layout"));

    // Relative, with a ratio of at least 1.
    p = readProbe(R"({"layout": {"type": 0, "ratio": 0}})");
    EXPECT_EQ(p->getLayoutType(), LayoutRelative);
    EXPECT_EQ(storedRect(p.get()).x(), 0);
    EXPECT_EQ(p->getLayoutRatio(), 1);
    p = readProbe(R"({"layout": {"ratio": 3}})");
    EXPECT_EQ(p->getLayoutRatio(), 3);
    out = writeControl(p.get());
    EXPECT_EQ(out["layout"]["type"].asInt(), 0);
    EXPECT_EQ(out["layout"]["ratio"].asInt(), 3);
    EXPECT_FALSE(out.isMember("w"));

    // Type 1 applies at once; a missing size keeps the widget's current one.
    auto q = std::make_unique<ProbeControl>();
    q->QWidget::resize(70, 30);
    Json::Value v = parsed(R"({"layout": {"type": 1}, "x": 2, "y": 3})");
    q->readJsonValue(&v);
    EXPECT_EQ(q->geometry(), QRect(2, 3, 70, 30));
    EXPECT_EQ(q->getLayoutRatio(), 1);

    // A "layout" that is not an object counts as absent.
    p = readProbe(R"({"layout": 7, "x": 1, "w": 9, "h": 9})");
    EXPECT_EQ(p->getLayoutType(), LayoutAbsolute);
    EXPECT_EQ(storedRect(p.get()), QRect(1, 0, 9, 9));
}

TEST(ControlLayout, DockPoliciesAndSizeLimits)
{
    auto p = readProbe(R"({"absoluteDockOffsetX": 4})");
    EXPECT_TRUE(p->getAbsoluteLayout());
    p = readProbe(R"({"absoluteDockOffsetX": 4, "absoluteLayout": false})");
    EXPECT_FALSE(p->getAbsoluteLayout());
    p = readProbe(R"({"absoluteDockHor": 9, "absoluteDockVer": -3})");
    DockLayoutType hor, ver;
    int ox = -1, oy = -1;
    p->getAbsoluteDock(hor, ver, ox, oy);
    EXPECT_EQ(hor, DockLayoutFar);
    EXPECT_EQ(ver, DockLayoutNear);
    EXPECT_EQ(ox, 0);
    Json::Value out = writeControl(p.get());
    EXPECT_TRUE(out["absoluteLayout"].asBool());
    EXPECT_EQ(out["absoluteDockHor"].asInt(), 2);
    EXPECT_FALSE(out.isMember("absoluteDockVer"));

    p->setAbsoluteDock(DockLayoutType(7), DockLayoutType(-1), 3, 4);
    p->getAbsoluteDock(hor, ver, ox, oy);
    EXPECT_EQ(hor, DockLayoutFar);
    EXPECT_EQ(ver, DockLayoutNear);
    EXPECT_EQ(oy, 4);

    p = readProbe(R"({"widthPolicy": 7, "heightPolicy": 1})");
    EXPECT_EQ(p->getWidthPolicy(), LayoutPolicyUnset);
    EXPECT_EQ(p->getHeightPolicy(), LayoutPolicy1);
    out = writeControl(p.get());
    EXPECT_FALSE(out.isMember("widthPolicy"));
    EXPECT_EQ(out["heightPolicy"].asInt(), 1);

    p = readProbe(R"({"minWidth": -5, "minHeight": 12, "maxWidth": 300})");
    EXPECT_EQ(p->minimumWidth(), 0);
    EXPECT_EQ(p->minimumHeight(), 12);
    out = writeControl(p.get());
    EXPECT_FALSE(out.isMember("minWidth"));
    EXPECT_EQ(out["minHeight"].asInt(), 12);
    EXPECT_EQ(out["maxWidth"].asInt(), 300);
    EXPECT_FALSE(out.isMember("maxHeight"));
}

TEST(ControlJson, RoundTripOfCommonKeysAndAttributes)
{
    const char* text = R"({"name": "sales", "tooltip": "tip", "enable": false,
        "x": 10, "y": 20, "w": 400, "h": 300, "text": "hello", "look": "flat",
        "attr": {"b": true, "s": "str", "i": -7, "u": 4000000000, "r": 2.5,
                 "big": 9007199254740993, "neg": -9007199254740993,
                 "huge": 18446744073709551615, "list": ["a", "b"],
                 "skip": {"nested": 1}, "empty": []}})";
    auto p = readProbe(text);
    EXPECT_EQ(p->objectName(), "sales");
    EXPECT_FALSE(p->isEnabled());
    EXPECT_EQ(p->impl()->text, "hello");
    ProbeImpl* impl = p->impl();
    ASSERT_EQ(impl->customAttrCount(), 9);
    EXPECT_EQ(impl->getCustomAttr("i")->kind(), MOXCustomAttr::Int32);
    EXPECT_EQ(impl->getCustomAttr("u")->kind(), MOXCustomAttr::UInt32);
    EXPECT_EQ(impl->getCustomAttr("r")->kind(), MOXCustomAttr::Double);
    // Integers beyond 2^53 keep their kind and every digit.
    EXPECT_EQ(impl->getCustomAttr("big")->kind(), MOXCustomAttr::UInt64);
    EXPECT_EQ(impl->getCustomAttr("big")->value().toULongLong(), 9007199254740993ull);
    EXPECT_EQ(impl->getCustomAttr("neg")->kind(), MOXCustomAttr::Int64);
    EXPECT_EQ(impl->getCustomAttr("neg")->value().toLongLong(), -9007199254740993ll);
    EXPECT_EQ(impl->getCustomAttr("list")->kind(), MOXCustomAttr::TextList);
    EXPECT_EQ(impl->getCustomAttr("skip"), nullptr);

    const Json::Value first = writeControl(p.get());
    EXPECT_EQ(first["attr"]["big"].asUInt64(), 9007199254740993ull);
    EXPECT_EQ(first["attr"]["huge"].asUInt64(), 18446744073709551615ull);
    EXPECT_FALSE(first.isMember("visibility"));
    EXPECT_FALSE(first["enable"].asBool());
    EXPECT_EQ(first["theme"].asString(), "qtprobe");

    // What is written reads back into the same document.
    ProbeControl second;
    Json::Value copy = first;
    second.readJsonValue(&copy);
    EXPECT_EQ(writeControl(&second), first);
}

TEST(ControlJson, VisibilityWrittenOnlyWhenExplicitlyFalse)
{
    ProbeControl made;
    EXPECT_FALSE(writeControl(&made).isMember("visibility"));
    auto hidden = readProbe(R"({"visibility": false})");
    EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(writeControl(hidden.get())["visibility"].asBool());
    auto shown = readProbe(R"({"visibility": true})");
    EXPECT_FALSE(writeControl(shown.get()).isMember("visibility"));

    // The designer's setter keeps the widget hidden whatever the value.
    shown->getControlBase()->setInnerVisible(true);
    EXPECT_TRUE(shown->isHidden());
    EXPECT_TRUE(shown->getControlBase()->getInnerVisible());
    shown->getControlBase()->setInnerVisible(false);
    EXPECT_TRUE(writeControl(shown.get()).isMember("visibility"));
}

TEST(ControlJson, NullRootAndNullAttrReadNothing)
{
    auto p = readProbe(R"({"name": "kept", "text": "t", "attr": {"a": 1}, "w": 30, "h": 5})");
    p->setToolTip("tip");
    const Json::Value before = writeControl(p.get());
    Json::Value null;
    EXPECT_TRUE(p->readJsonValue(&null));
    Json::Value nullAttr = parsed(R"({"attr": null})");
    Json::Value* ptr = &nullAttr;
    p->impl()->serializeJson(ptr, true);
    EXPECT_EQ(writeControl(p.get()), before);
    EXPECT_EQ(p->impl()->customAttrCount(), 1);

    // setJsonData("null") and other non-object roots leave everything as it was.
    ProbeControl q;
    q.setObjectName("q");
    q.setJsonData("null");
    EXPECT_EQ(q.objectName(), "q");
    EXPECT_EQ(q.jsonData(), "null");
    Json::Value arr = parsed("[1, 2]");
    EXPECT_TRUE(q.readJsonValue(&arr));
    EXPECT_EQ(q.objectName(), "q");
    EXPECT_FALSE(writeControl(&q).isMember("attr"));
}

TEST(ControlJson, JsonDataAppliesOnlyTheFirstText)
{
    ProbeControl p;
    p.setProperty("jsonData", QStringLiteral(R"({"name": "first", "text": "one"})"));
    EXPECT_EQ(p.objectName(), "first");
    p.setProperty("jsonData", QStringLiteral(R"({"name": "second"})"));
    EXPECT_EQ(p.objectName(), "first");
    EXPECT_EQ(p.property("jsonData").toString(), R"({"name": "second"})");

    ProbeControl broken;
    broken.setJsonData("{not json");
    EXPECT_EQ(broken.jsonData(), "{not json");
    broken.setJsonData(R"({"name": "late"})");
    EXPECT_TRUE(broken.objectName().isEmpty());
}

TEST(ControlJson, ChildrenSkipInternalAndObeyTheFlag)
{
    ProbeControl parent;
    auto* a = new ProbeControl(&parent);
    a->setObjectName("a");
    auto* bar = new ProbeControl(&parent);
    bar->getControlBase()->setInternal(true);
    new QWidget(&parent); // not a control
    auto* b = new ProbeControl(&parent);
    b->setObjectName("b");
    new ProbeControl(a); // grandchild, written inside a

    Json::Value out = writeControl(&parent);
    ASSERT_EQ(out["child"].size(), 2u);
    EXPECT_EQ(out["child"][0]["name"].asString(), "a");
    EXPECT_EQ(out["child"][0]["child"].size(), 1u);
    EXPECT_EQ(out["child"][1]["name"].asString(), "b");

    moxEnableSerializeChild(false);
    out = writeControl(&parent);
    moxEnableSerializeChild(true);
    EXPECT_FALSE(out.isMember("child"));

    ProbeControl lonely;
    new QWidget(&lonely);
    auto* internal = new ProbeControl(&lonely);
    internal->getControlBase()->setInternal(true);
    EXPECT_FALSE(writeControl(&lonely).isMember("child"));
}

TEST(ControlTheme, SwitchIsScopedAndThemeEntriesGiveLooksOnly)
{
    MOXQResourceManager* rm = MOXQResourceManager::getInstance();
    ASSERT_FALSE(rm->isLoadFromThemeRes());
    // A read that sets the switch (as a theme redirect does) leaves it as it found it.
    ProbeControl p;
    p.impl()->setSwitchWhileReading = true;
    Json::Value v = parsed(R"({"text": "t"})");
    p.readJsonValue(&v);
    EXPECT_FALSE(rm->isLoadFromThemeRes());

    // Reading a theme entry (switch set) takes look keys, never content keys nor the
    // common keys.
    ProbeControl q;
    q.setObjectName("own");
    Json::Value entry = parsed(R"({"name": "x", "text": "from theme", "look": "dark",
                                   "attr": {"a": 1}, "visibility": false})");
    {
        MOXThemeResScope scope(true);
        q.serializeJsonValue(&entry, true);
        EXPECT_TRUE(rm->isLoadFromThemeRes());
    }
    EXPECT_FALSE(rm->isLoadFromThemeRes());
    EXPECT_EQ(q.impl()->look, "dark");
    EXPECT_TRUE(q.impl()->text.isEmpty());
    EXPECT_EQ(q.impl()->contentReads, 0);
    EXPECT_EQ(q.impl()->customAttrCount(), 0);
    EXPECT_EQ(q.objectName(), "own");

    // The theme a control was read with is written back.
    auto r = readProbe(R"({"theme": "fancy"})");
    EXPECT_EQ(writeControl(r.get())["theme"].asString(), "fancy");
}

TEST(ControlState, HoverPressAndDisable)
{
    ProbeControl p;
    ProbeImpl* impl = p.impl();
    impl->enterControl();
    EXPECT_EQ(impl->getState(), CtrlStateHot);
    impl->pressControl();
    EXPECT_EQ(impl->getState(), CtrlStatePressed);
    impl->releaseControl();
    EXPECT_EQ(impl->getState(), CtrlStateHot);
    impl->leaveControl();
    EXPECT_EQ(impl->getState(), CtrlStateNormal);
    // Not a control: no implementation to find.
    QWidget plain;
    EXPECT_EQ(MOXQWidgetBaseImpl::fromWidget(&plain), nullptr);

    p.setEnabled(false);
    impl->leaveControl();
    EXPECT_EQ(impl->getState(), CtrlStateDisable);
    p.setEnabled(true);
    p.QWidget::resize(10, 10);
    p.grab(); // paints through paintControl
    EXPECT_EQ(impl->getState(), CtrlStateNormal);
    p.setEnabled(false);
    p.grab();
    EXPECT_EQ(impl->getState(), CtrlStateDisable);
}
