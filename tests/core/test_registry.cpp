#include "CScrollBarStyle.h"
#include "MOXPlatform.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "ProbeControl.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include <memory>

using namespace MOXQtLib;

namespace {

QWidget* createPlain()
{
    return new QWidget;
}
QWidget* createNull()
{
    return nullptr;
}

QWidget* appFactory(const QString& name, const QString& type)
{
    if (type == "appOnly") {
        auto* w = new QWidget;
        w->setObjectName("app:" + name);
        return w;
    }
    return nullptr;
}

std::unique_ptr<QWidget> create(const char* type, const char* json, QWidget* parent = nullptr)
{
    return std::unique_ptr<QWidget>(moxCreateControl(type, parsed(json), parent));
}

} // namespace

TEST(Registry, InitOnceAndTheLibraryStyle)
{
    init();
    EXPECT_TRUE(moxIsInitialised());
    QStyle* style = QApplication::style();
    EXPECT_EQ(style, moxGetStyle());
    init();
    EXPECT_EQ(QApplication::style(), style);
    shutdown();

    // QApplication deletes the style it owns when it is given another; the library makes a
    // new one instead of handing out the deleted one.
    QPointer<QStyle> old = moxGetStyle();
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    EXPECT_TRUE(old.isNull());
    QStyle* renewed = moxGetStyle();
    ASSERT_NE(renewed, nullptr);
    EXPECT_TRUE(qobject_cast<CScrollBarStyle*>(renewed));
    EXPECT_EQ(moxGetStyle(), renewed);
    QApplication::setStyle(renewed);
}

TEST(Registry, ByteOrderRecordsAndAliases)
{
    moxRegisterQtControl("qtprobe", &ProbeControl::createProbeControl, ProbeControl::getProps());
    ControlInfo window =
        moxMakeControlInfo("window", "MOXQWindow", "Window", "Control Window", "win");
    moxRegisterQtControl("Window", &createPlain, window);
    moxRegisterQtControl("qtunlisted", &createPlain,
                         moxMakeControlInfo("qtunlisted", "X", "X", "X", "x"), false);
    moxRegisterDefaultControl("probe", &ProbeControl::createProbeControl);
    // Null names or functions register nothing.
    moxRegisterQtControl(nullptr, &createPlain, window);
    moxRegisterQtControl("qtnofunction", nullptr, window);
    moxRegisterDefaultControl("nofunction", nullptr);

    const QVector<ControlInfo*> all = moxGetAllControlInfo();
    QVector<QByteArray> keys;
    for (const ControlInfo* info : all)
        keys.append(info->typeName == "window" ? QByteArray("Window") : info->typeName);
    const int w = keys.indexOf("Window"), p = keys.indexOf("qtprobe");
    ASSERT_GE(w, 0);
    EXPECT_LT(w, p); // upper case first
    for (int i = 1; i < all.size(); ++i)
        EXPECT_LT(qstrcmp(keys[i - 1], keys[i]), 0);
    EXPECT_EQ(moxGetControlInfo("qtnofunction"), nullptr);
    EXPECT_EQ(moxGetControlInfo("probe"), nullptr); // alias: function only
    EXPECT_TRUE(moxGetListedControlTypes().contains("qtprobe"));
    EXPECT_FALSE(moxGetListedControlTypes().contains("qtunlisted"));

    const ControlInfo* probe = moxGetControlInfo("qtprobe");
    ASSERT_NE(probe, nullptr);
    ASSERT_GT(probe->properties.size(), 5);

    // Re-registration overwrites the record in place.
    ControlInfo changed = ProbeControl::getProps();
    changed.description = "changed";
    moxRegisterQtControl("qtprobe", &ProbeControl::createProbeControl, changed);
    EXPECT_EQ(moxGetControlInfo("qtprobe"), probe);
    EXPECT_EQ(probe->description, "changed");

    // The common entries are bound to the control and ignore other objects.
    ProbeControl c;
    probe->properties[5].setter(&c, 999);
    EXPECT_EQ(probe->properties[5].getter(&c).toInt(), 255);
    QWidget notControl;
    probe->properties[2].setter(&notControl, true);
}

TEST(Registry, CreateControlFactoryFallbackAndSwitch)
{
    moxRegisterQtControl("qtprobe", &ProbeControl::createProbeControl, ProbeControl::getProps());
    moxRegisterDefaultControl("probe", &ProbeControl::createProbeControl);
    moxRegisterDefaultControl("nullmaker", &createNull);
    QWidget parent;

    auto made = create("probe", R"({"name": "p", "text": "t", "x": 3, "w": 4, "h": 5})", &parent);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->parentWidget(), &parent);
    EXPECT_EQ(made->objectName(), "p");
    EXPECT_EQ(static_cast<ProbeControl*>(made.get())->impl()->text, "t");
    EXPECT_EQ(create("unknown", "{}"), nullptr);
    EXPECT_EQ(create("nullmaker", "{}"), nullptr);

    // The theme-resource switch is cleared for the read and restored afterwards.
    MOXQResourceManager::getInstance()->setSwitchToThemeRes(true);
    made = create("qtprobe", R"({"name": "q"})");
    EXPECT_EQ(made->objectName(), "q");
    EXPECT_TRUE(MOXQResourceManager::getInstance()->isLoadFromThemeRes());
    MOXQResourceManager::getInstance()->setSwitchToThemeRes(false);

    // A null JSON value reads nothing.
    std::unique_ptr<QWidget> bare(moxCreateControl("qtprobe", Json::Value(), nullptr));
    EXPECT_EQ(static_cast<ProbeControl*>(bare.get())->impl()->contentReads, 0);

    // The application factory comes first; its null answer falls back to the table.
    moxBindControlCreateFunction(&appFactory);
    auto fromApp = create("appOnly", R"({"name": "n"})");
    auto fromTable = create("qtprobe", "{}");
    auto noName = create("appOnly", R"({"name": 5})");
    moxBindControlCreateFunction(nullptr);
    ASSERT_NE(fromApp, nullptr);
    EXPECT_EQ(fromApp->objectName(), "app:n");
    EXPECT_EQ(noName->objectName(), "app:");
    EXPECT_NE(qobject_cast<ProbeControl*>(fromTable.get()), nullptr);
    EXPECT_EQ(create("appOnly", "{}"), nullptr);

    // Default creation and cloning read no properties and ignore the application factory.
    std::unique_ptr<QWidget> plain(moxCreateDefaultControl("qtprobe", &parent));
    EXPECT_EQ(plain->parentWidget(), &parent);
    EXPECT_EQ(moxCreateDefaultControl("appOnly", nullptr), nullptr);
    ProbeControl source(&parent);
    source.setObjectName("source");
    std::unique_ptr<QWidget> clone(source.getControlBase()->cloneWidget("copy"));
    ASSERT_NE(qobject_cast<ProbeControl*>(clone.get()), nullptr);
    EXPECT_EQ(clone->parentWidget(), &parent);
    EXPECT_EQ(clone->objectName(), "copy");
    EXPECT_FALSE(writeControl(clone.get()).isMember("visibility"));
}

TEST(Platform, HostDetectionAndPathDecoding)
{
    EXPECT_TRUE(moxIsEmulatorHostPath("/usr/bin/MoxeraQtEmulator"));
    EXPECT_FALSE(moxIsEmulatorHostPath("/opt/panelforge/bin/tool")); // case matters
    EXPECT_TRUE(moxIsEmulatorHostPath(QString("/d").repeated(200) + "/PanelForge"));

    moxSetExecutablePathOverride("/srv/PanelForge/host");
    moxInitQtControl();
    EXPECT_TRUE(moxIsQtEmulator());
    moxSetExecutablePathOverride({});
    moxInitQtControl();
    EXPECT_FALSE(moxIsQtEmulator());
    EXPECT_EQ(moxExecutablePath(), QCoreApplication::applicationFilePath());

    EXPECT_EQ(moxDecodePath(nullptr), QString());
    EXPECT_EQ(moxDecodePath("/tmp/plain"), "/tmp/plain");
    EXPECT_EQ(moxDecodePath("/tmp/\xc3\xa4pfel"), QString::fromUtf8("/tmp/\xc3\xa4pfel"));
}

TEST(ScrollBarStyle, SliderHandleIsCentredAcrossTheGroove)
{
    const QRect computed(40, 0, 10, 30);
    EXPECT_EQ(CScrollBarStyle::centredSliderHandle(computed, QSize(12, 9), QSize(200, 30), false),
              QRect(40, 11, 12, 9));
    EXPECT_EQ(CScrollBarStyle::centredSliderHandle(QRect(0, 50, 20, 10), QSize(7, 14),
                                                   QSize(20, 200), true),
              QRect(7, 50, 7, 14));
}
