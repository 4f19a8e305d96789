#include "MOXJson.h"
#include "MOXQContainer.h"
#include "MOXQMenu.h"
#include "MOXQPageFile.h"
#include "MOXQResourceManager.h"
#include "MOXQtLib.h"
#include "ResourceTestUtil.h"
#include "TestSupport.h"

#include <QAction>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

using namespace MOXQtLib;

namespace {

QStringList g_completed;

// Records the order in which a page completes its controls.
class RecordingContainer : public MOXQContainer
{
    Q_OBJECT
public:
    void createComplete() override
    {
        g_completed.append(objectName());
        MOXQContainer::createComplete();
    }
};

QWidget* createRecording()
{
    return new RecordingContainer;
}

class PageFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        init();
        moxRegisterQtControl(
            "qtrecorder", &createRecording,
            moxMakeControlInfo("qtrecorder", "RecordingContainer", "Recorder", "", "recorder"),
            false);
        g_completed.clear();
        dir = testsupport::tempDir(QStringLiteral("pages"));
    }

    QString write(const QString& name, const QByteArray& text)
    {
        EXPECT_TRUE(restest::writeFile(dir + '/' + name, text));
        return dir + '/' + name;
    }

    QString dir;
};

int widgetChildren(const QWidget& w)
{
    return w.findChildren<QWidget*>().size();
}

} // namespace

TEST_F(PageFile, BuildsDepthFirstAndSkipsWhatItCannotCreate)
{
    const QString path = write(QStringLiteral("order.json"), R"({
        // comments are allowed
        "elements": [{"type": "qtrecorder", "name": "root", "w": 300, "h": 100,
                      "attr": {"childLayout": 0, "space": 10},
                      "child": [
            {"type": "qtrecorder", "name": "a", "layout": {"type": 0},
             "child": [{"type": "qtrecorder", "name": "a1"}]},
            {"type": "qtnosuchtype", "name": "ghost", "child": [{"type": "qtrecorder", "name": "lost"}]},
            {"name": "untyped"}, {"type": 5}, 7,
            {"type": "qtcontainer", "name": "b", "layout": {"type": 0, "ratio": 3}}
        ]}]})");
    QWidget window;
    window.resize(400, 200);
    MOXQContainer* page = moxCreatePageByFileName(&window, path.chopped(5)); // ".json" appended
    ASSERT_TRUE(page);
    EXPECT_EQ(g_completed, (QStringList{"a1", "a", "root"}));
    EXPECT_EQ(page->objectName(), "root");
    EXPECT_FALSE(window.findChild<QWidget*>("lost"));
    ASSERT_EQ(page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    // The page fills its top-level parent and lays out: 390 shared 1:3; children without a
    // height of their own are limited to the row's.
    EXPECT_EQ(page->geometry(), QRect(0, 0, 400, 200));
    EXPECT_EQ(page->findChild<QWidget*>("a")->geometry(), QRect(0, 0, 97, 200));
    EXPECT_EQ(page->findChild<QWidget*>("b")->geometry(), QRect(107, 0, 293, 200));

    // The result is the last element's control, and only when it is a container.
    QWidget other;
    const QString twoPath = write(QStringLiteral("two.json"),
                                  R"({"elements": [{"type": "qtcontainer"}, {"type": "qtnone"}]})");
    EXPECT_FALSE(moxCreatePageByFileName(&other, twoPath));
    EXPECT_EQ(widgetChildren(other), 1); // the container stays
    // Window keys mean nothing to a plain widget.
    const QString sized = write(QStringLiteral("sized.json.txt"),
                                R"({"w": 50, "h": 60, "elements": [{"type": "qtcontainer"}]})");
    other.resize(120, 130);
    EXPECT_TRUE(moxCreatePageByFileName(&other, sized)); // contains ".json": used unchanged
    EXPECT_EQ(other.size(), QSize(120, 130));
}

TEST_F(PageFile, MalformedFilesGiveNullAndCreateNothing)
{
    QString deep;
    for (int i = 0; i < 80; ++i)
        deep += R"({"type": "qtcontainer", "child": [)";
    for (int i = 0; i < 80; ++i)
        deep += "]}";
    const QByteArray cases[] = {
        "",
        "   ",
        "{not json",
        "[]",
        "42",
        "null",
        R"({"elements": {}})",
        R"({"elements": []})",
        R"({"elements": "qtcontainer"})",
        R"({"elements": [{"type": "qtcontainer", "child": 5}]})",
        R"({"elements": [{"type": "qtcontainer", "child": [{"type": "qtcontainer", "child": {}}]}]})",
        QByteArray(R"({"elements": [)") + deep.toUtf8() + "]}",
    };
    QWidget window;
    auto* existing = new MOXQContainer(&window);
    existing->setObjectName("kept");
    int i = 0;
    for (const QByteArray& text : cases) {
        const QString path = write(QStringLiteral("bad%1.json").arg(i++), text);
        EXPECT_FALSE(moxCreatePageByFileName(&window, path)) << text.constData();
        EXPECT_EQ(widgetChildren(window), 1) << text.constData();
    }
    EXPECT_FALSE(moxCreatePageByFileName(&window, dir + "/missing.json"));
    EXPECT_FALSE(moxCreatePageByFileName(&window, dir)); // a directory is not a page
    EXPECT_FALSE(moxCreatePageByFileName(
        nullptr, write("ok.json", R"({"elements": [{"type": "qtcontainer"}]})")));
    EXPECT_EQ(window.findChild<QWidget*>("kept"), existing);
}

TEST_F(PageFile, WrittenPagesReadBackToTheSameTree)
{
    const QString source = write(QStringLiteral("src.json"), R"({"elements": [
        {"type": "qtcontainer", "name": "page", "attr": {"childLayout": 1, "paddingTop": 4},
         "child": [
            {"type": "qtcontainer", "name": "bar", "heightPolicy": 1, "widthPolicy": 0,
             "h": 40, "attr": {"childLayout": 2, "space": 3},
             "child": [{"type": "qtcontainer", "name": "tile", "w": 30, "h": 20}]},
            {"type": "qtcontainer", "name": "body", "layout": {"type": 0, "ratio": 2},
             "widthPolicy": 0,
             "child": [{"type": "qtcontainer", "name": "badge", "w": 24, "h": 12,
                        "absoluteDockHor": 2, "absoluteDockOffsetX": -5, "tooltip": "Grüße"}]}
         ]}]})");
    QWidget first;
    first.resize(320, 240);
    MOXQContainer* page = moxCreatePageByFileName(&first, source);
    ASSERT_TRUE(page);
    const QString saved = dir + "/saved.json";
    ASSERT_TRUE(moxSavePage(&first, saved));

    QWidget second; // not a library window: "w" and "h" are not applied to it
    second.resize(first.size());
    ASSERT_TRUE(moxCreatePageByFileName(&second, saved));
    const auto before = first.findChildren<QWidget*>();
    const auto after = second.findChildren<QWidget*>();
    ASSERT_EQ(before.size(), after.size());
    for (int i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i]->objectName(), after[i]->objectName());
        EXPECT_EQ(before[i]->geometry(), after[i]->geometry())
            << qPrintable(before[i]->objectName());
    }
    EXPECT_EQ(second.findChild<QWidget*>("badge")->toolTip(), QString::fromUtf8("Grüße"));
    EXPECT_EQ(second.findChild<QWidget*>("badge")->geometry().right(), 320 - 5 - 1);

    // The same page written twice gives the same text.
    ASSERT_TRUE(moxSavePage(&second, dir + "/saved2.json"));
    QFile a(saved), b(dir + "/saved2.json");
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // A save that cannot be written fails and leaves no file behind.
    EXPECT_FALSE(moxSavePage(&first, dir + "/no/such/dir/page.json"));
    EXPECT_FALSE(QFile::exists(dir + "/no/such/dir/page.json"));
}

TEST_F(PageFile, MenusWithSubmenusIconsAndStyles)
{
    const QString path = write(QStringLiteral("menu.json"), R"({
        "background": "menuBg", "item1": "menuHot", "text0": "menuText",
        "items": [
            {"text": "Öffnen", "icon": "images/open.png"},
            {"text": "Recent", "icon": "images/recent.svg", "items": [
                {"text": "one.json"}, {"text": "More", "items": [{"text": "deep"}]}]},
            {"text": "Empty", "items": []},
            {"text": "Vector", "icon": "images/v.SVG"},
            "not an item"
        ]})");
    QWidget owner;
    MOXQMenu* menu = moxCreateMenuByFileName(&owner, path);
    ASSERT_TRUE(menu);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QString::fromUtf8("Öffnen"));
    EXPECT_EQ(actions[0]->property("mox_menu_icon_path").toString(), "images/open.png");
    EXPECT_TRUE(actions[3]->icon().isNull()); // SVG icons are drawn from the path
    EXPECT_EQ(actions[3]->property("mox_menu_icon_path").toString(), "images/v.SVG");

    auto* recent = qobject_cast<MOXQMenu*>(actions[1]->menu());
    ASSERT_TRUE(recent);
    EXPECT_EQ(recent->title(), "Recent");
    ASSERT_EQ(recent->actions().size(), 2);
    auto* more = qobject_cast<MOXQMenu*>(recent->actions()[1]->menu());
    ASSERT_TRUE(more);
    EXPECT_EQ(more->actions()[0]->text(), "deep");
    EXPECT_EQ(more->impl()->background, "menuBg"); // styles reach every level
    EXPECT_EQ(more->impl()->itemStyles[1], "menuHot");
    auto* empty = qobject_cast<MOXQMenu*>(actions[2]->menu());
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->actions().isEmpty());

    for (const char* bad : {"[]", R"({"items": {}})", R"({"items": [{"items": 3}]})", "{"}) {
        EXPECT_FALSE(moxCreateMenuByFileName(&owner, write("badmenu.json", bad))) << bad;
    }
    EXPECT_EQ(owner.findChildren<MOXQMenu*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

TEST_F(PageFile, LooksUpProjectSkinAndThemeLayersBeforeDisk)
{
    auto page = [](const char* name) {
        return QByteArray(R"({"elements": [{"type": "qtcontainer", "name": ")") + name + "\"}]}";
    };
    auto layer = [&](const QString& sub, const char* name) {
        write(sub + "/style.json", R"({"style": []})");
        write(sub + "/Shared.json", page(name)); // stored lower case, looked up lower case
        return dir + "/" + sub;
    };
    MOXQResourceManager* rm = MOXQResourceManager::getInstance();
    ASSERT_TRUE(moxLoadThemeDir(layer("theme", "fromTheme").toLocal8Bit().constData()));
    ASSERT_TRUE(moxSetProjectFilePath(layer("project", "fromProject")));
    write("skin/style.json", R"({"style": []})");
    ASSERT_TRUE(moxSetSkinFilePath(dir + "/skin", 1.0f));
    write("skin/shared.json", page("fromSkinDir")); // on disk only, after the skin was read
    write("shared.json", page("fromDisk"));

    QWidget host;
    auto nameOf = [&](const QString& file) {
        MOXQContainer* c = moxCreatePageByFileName(&host, file);
        return c ? c->objectName() : QString();
    };
    EXPECT_EQ(nameOf("SHARED"), "fromProject");
    rm->releaseProjectRes();
    EXPECT_EQ(nameOf("shared.json"), "fromTheme");
    rm->releaseThemeRes();
    EXPECT_EQ(nameOf("shared"), "fromSkinDir");
    EXPECT_EQ(nameOf(dir + "/shared"), "fromDisk");
}

TEST_F(PageFile, BackgroundsComeFromNamedStyles)
{
    FillStyle teal;
    teal.fillRes.color = QColor(0, 128, 128);
    moxSetFillStyle("pageTeal", teal);
    FillStyle grey;
    grey.fillRes.color = QColor(60, 60, 60);
    moxSetFillStyle("pageGrey", grey);
    const QString path = write("styled.json", R"({"elements": [{"type": "qtcontainer", "w": 40,
        "h": 30, "style": [["pageTeal", 1, 0], ["pageGrey", 1, 1], ["noSuchStyle", 1, 0], 5, []]}]})");
    QWidget host;
    host.resize(40, 30);
    MOXQContainer* page = moxCreatePageByFileName(&host, path);
    ASSERT_TRUE(page);
    EXPECT_GT(testsupport::colorShare(page->grab().toImage(), QColor(0, 128, 128)), 0.95);
    page->setEnabled(false);
    EXPECT_GT(testsupport::colorShare(page->grab().toImage(), QColor(60, 60, 60)), 0.95);

    Json::Value out(Json::objectValue);
    page->serializeJsonValue(&out, false);
    EXPECT_EQ(jsonWrite(out["style"]), R"([["pageTeal",1,0],["pageGrey",1,1]])");
    page->setDrawBackground(false);
    EXPECT_LT(testsupport::colorShare(page->grab().toImage(), QColor(60, 60, 60)), 0.05);
}

#include "test_page_file.moc"
