// GraphDeck Designer driven as a user drives it: in a real window (Xvfb in CI), with the mouse
// and the keyboard through QTest.

#include "DesignerDocument.h"
#include "DesignerKeyKeeper.h"
#include "DesignerPalette.h"
#include "DesignerTree.h"
#include "DesignerWindow.h"
#include "MOXChartControls.h"
#include "MOXJson.h"
#include "MOXQCanvas.h"
#include "MOXQCanvasWindow.h"
#include "MOXQPropertyList.h"
#include "MOXQPushButton.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QAction>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace MOXQtLib;

namespace {

const QString kSource = QStringLiteral(GRAPHDECK_SOURCE_DIR);

void startLibrary()
{
    static bool started = false;
    if (started) return;
    started = true;
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("MoxeraTest"));
    QCoreApplication::setApplicationName(QStringLiteral("GraphDeck Designer Test"));
    init();
    registerChartControls();
}

Json::Value parseFile(const QString& path)
{
    QFile file(path);
    Json::Value document;
    if (file.open(QIODevice::ReadOnly)) jsonParse(file.readAll(), document);
    return document;
}

QPoint onCanvas(DesignerWindow& window, QWidget* widget, const QPoint& local)
{
    return widget->mapTo(window.canvas(), local);
}

// A press, moves and a release of the left button on the canvas.
void dragOnCanvas(DesignerWindow& window, const QPoint& from, const QPoint& to)
{
    QWidget* canvas = window.canvas();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step)
        testsupport::sendMouse(canvas, QEvent::MouseMove, from + (to - from) * step / 4,
                               Qt::LeftButton);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
}

// Drags a palette row to a point of the canvas: the mouse presses and moves on the palette
// until its drag starts; the drag then ends on the canvas as the window system would end it,
// with a drop whose source is the palette naming the type.
void dragFromPalette(DesignerWindow& window, const QString& type, const QPoint& to)
{
    DesignerPalette* palette = window.palette();
    QListWidgetItem* item = palette->item(palette->rowOf(type));
    ASSERT_NE(item, nullptr);
    palette->scrollToItem(item);
    bool started = false;
    DesignerPalette::setDragRunner([&](QDrag* drag) {
        started = true;
        QObject* source = drag->source();
        ASSERT_TRUE(source && source->property("TypeName").toString() == type);
        EXPECT_EQ(drag->mimeData()->text(), type);
        window.canvas()->dropControl(source->property("TypeName").toString(), to);
    });
    const QPoint start = palette->visualItemRect(item).center();
    QTest::mousePress(palette->viewport(), Qt::LeftButton, Qt::NoModifier, start);
    // The first move arms the drag, the next one starts it.
    for (int dx : {10, 40})
        testsupport::sendMouse(palette->viewport(), QEvent::MouseMove, start + QPoint(dx, 0),
                               Qt::LeftButton);
    QTest::mouseRelease(palette->viewport(), Qt::LeftButton, Qt::NoModifier, start);
    DesignerPalette::setDragRunner({});
    EXPECT_TRUE(started) << "the palette started no drag";
}

QWidget* editorFor(MOXQPropertyList* list, const QString& entry)
{
    for (int row = 0; row < list->rowCount(); ++row)
        if (list->entryAt(row) && list->entryAt(row)->displayName == entry)
            return list->editorAt(row);
    return nullptr;
}

const char* const kSmallPage = R"({
  "w": 600, "h": 400, "resize": true, "keepMe": {"by": "the designer"},
  // a comment the designer drops
  "elements": [{"type": "qtcontainer", "name": "root", "child": [
    {"type": "qtcontainer", "name": "panel", "x": 20, "y": 20, "w": 400, "h": 300,
     "unknownKey": [1, 2, 3],
     "child": [{"type": "qtlabel", "name": "caption", "x": 40, "y": 30, "w": 120, "h": 24,
                "attr": {"text": "Caption"}}]}]}]
})";

// A small page in `dir`: a panel with a caption inside the root container, and keys of its own.
QString smallPage(const QString& dir)
{
    startLibrary();
    const QString path = dir + "/small.json";
    EXPECT_TRUE(testsupport::writeFile(path, kSmallPage));
    return path;
}

} // namespace

TEST(DesignerKeys, UntouchedKeysKeepTheFilesForm)
{
    struct Case
    {
        const char* what;
        const char* source;
        const char* baseline;
        const char* now;
        const char* expected;
    };
    const Case cases[] = {
        {"untouched keys keep the file's spelling", R"({"x": 10.0, "w": 5})",
         R"({"x": 10, "w": 5})", R"({"x": 10, "w": 5})", R"({"x": 10.0, "w": 5})"},
        {"keys the control does not know stay", R"({"odd": [1], "w": 5})", R"({"w": 5})",
         R"({"w": 5})", R"({"odd": [1], "w": 5})"},
        {"keys only a theme gave are not written", R"({"w": 5})", R"({"w": 5, "text": "t"})",
         R"({"w": 5, "text": "t"})", R"({"w": 5})"},
        {"an edited key takes the new value", R"({"x": 10.0})", R"({"x": 10})", R"({"x": 12})",
         R"({"x": 12})"},
        {"a key edited back to its default goes", R"({"x": 10})", R"({"x": 10})", R"({})",
         R"({})"},
        {"a key the edit added comes", R"({})", R"({})", R"({"y": 3})", R"({"y": 3})"},
        {"children always come from the page", R"({"child": [1]})", R"({"child": [2]})",
         R"({"child": [3]})", R"({"child": [3]})"},
    };
    for (const Case& c : cases) {
        Json::Value source, baseline, now, expected;
        ASSERT_TRUE(jsonParse(QByteArray(c.source), source) &&
                    jsonParse(QByteArray(c.baseline), baseline) &&
                    jsonParse(QByteArray(c.now), now) &&
                    jsonParse(QByteArray(c.expected), expected));
        EXPECT_EQ(DesignerKeyKeeper::merged(source, baseline, now, "child"), expected) << c.what;
    }
}

TEST(Designer, ExamplePagesSaveAsTheyWereRead)
{
    startLibrary();
    ASSERT_TRUE(moxLoadThemeDir(QFile::encodeName(kSource + "/examples/pages/deck-theme")));
    const QString dir = testsupport::tempDir(QStringLiteral("designer-lossless"));
    DesignerWindow window;
    for (const char* name : {"dashboard.json", "controls.json"}) {
        const QString original = kSource + "/examples/pages/" + name;
        ASSERT_TRUE(window.openPage(original)) << name;
        EXPECT_EQ(window.document()->lostElements(), 0) << name;
        const QString saved = dir + "/" + name;
        ASSERT_TRUE(window.savePageAs(saved)) << name;
        EXPECT_EQ(parseFile(saved), parseFile(original)) << name;
    }
    // One edit of a themed page changes that key and nothing else.
    const QString dashboard = kSource + "/examples/pages/dashboard.json";
    ASSERT_TRUE(window.openPage(dashboard));
    auto* tab = window.canvas()->findChild<MOXQPushButton*>(QStringLiteral("tab1"));
    ASSERT_NE(tab, nullptr);
    window.canvas()->AddSelectedControl(tab);
    auto* text = qobject_cast<QLineEdit*>(editorFor(window.propertyList(), "Text"));
    ASSERT_NE(text, nullptr);
    text->setText(QStringLiteral("Graphs"));
    Json::Value expected = parseFile(dashboard);
    Json::Value& header = expected["elements"][0]["child"][0];
    ASSERT_EQ(header["name"].asString(), "header");
    ASSERT_EQ(header["child"][3]["name"].asString(), "tab1");
    header["child"][3]["attr"]["text"] = "Graphs";
    EXPECT_EQ(window.document()->document(), expected);
}

TEST(Designer, DropMoveResizeEditUndoRedoSave)
{
    const QString dir = testsupport::tempDir(QStringLiteral("designer-edit"));
    const QString path = smallPage(dir);
    DesignerWindow window;
    ASSERT_TRUE(window.openPage(path));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("GraphDeck Designer - small.json[*]"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const Json::Value original = window.document()->document();
    EXPECT_EQ(original, parseFile(path));

    QWidget* panel = window.canvas()->findChild<QWidget*>(QStringLiteral("panel"));
    QWidget* caption = window.canvas()->findChild<QWidget*>(QStringLiteral("caption"));
    ASSERT_TRUE(panel && caption);

    // 1. A button dragged from the palette lands in the panel, 100 x 100 at the drop point.
    dragFromPalette(window, QStringLiteral("qtbutton"), onCanvas(window, panel, {200, 150}));
    auto* button = panel->findChild<MOXQPushButton*>();
    ASSERT_NE(button, nullptr) << "the drop made no button in the panel";
    EXPECT_EQ(button->geometry(), QRect(200, 150, 100, 100));
    EXPECT_EQ(window.canvas()->selectedWidgets(), QList<QWidget*>{button});
    EXPECT_EQ(window.tree()->selectedControls(), QList<QWidget*>{button});
    EXPECT_EQ(window.propertyList()->boundControl(), button);

    // 2. Moved so that its left edge comes 3 pixels from the caption's: it snaps to it.
    const QPoint grip = onCanvas(window, button, {50, 50});
    dragOnCanvas(window, grip, grip + QPoint(40 + 3 - 200, 20));
    EXPECT_EQ(button->geometry(), QRect(40, 170, 100, 100));

    // 3. Resized from the bottom-right corner.
    const QPoint corner = onCanvas(window, button, {98, 98});
    dragOnCanvas(window, corner, corner + QPoint(-30, -60));
    EXPECT_EQ(button->geometry(), QRect(40, 170, 70, 40));

    // 4. Its text typed into the property list shows on the canvas.
    const QImage before = window.canvas()->grab().toImage();
    auto* text = qobject_cast<QLineEdit*>(editorFor(window.propertyList(), "Text"));
    ASSERT_NE(text, nullptr);
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("Go"));
    EXPECT_EQ(button->text(), QStringLiteral("Go"));
    QTest::qWait(50);
    const QRect shown(onCanvas(window, button, {}), button->size());
    EXPECT_GT(testsupport::differingShare(before.copy(shown),
                                          window.canvas()->grab().toImage().copy(shown), 8),
              0.0)
        << "the canvas still shows the old text";
    EXPECT_TRUE(window.isWindowModified());

    // Four steps (the two keystrokes are one): undone, the page is the original again.
    const Json::Value edited = window.document()->document();
    ASSERT_EQ(window.undoStack()->count(), 4);
    for (int i = 0; i < 4; ++i)
        window.undoStack()->undo();
    EXPECT_EQ(window.document()->document(), original);
    EXPECT_EQ(window.canvas()->findChild<MOXQPushButton*>(), nullptr);
    EXPECT_FALSE(window.isWindowModified());
    for (int i = 0; i < 4; ++i)
        window.undoStack()->redo();
    EXPECT_EQ(window.document()->document(), edited);
    auto* redone = window.canvas()->findChild<MOXQPushButton*>();
    ASSERT_NE(redone, nullptr);
    EXPECT_EQ(redone->geometry(), QRect(40, 170, 70, 40));
    EXPECT_EQ(window.canvas()->selectedWidgets(), QList<QWidget*>{redone});

    // Saved and opened again, the page is the edited one, with the file's other keys kept.
    ASSERT_TRUE(window.savePage());
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(parseFile(path), edited);
    EXPECT_EQ(edited["keepMe"]["by"].asString(), "the designer");
    EXPECT_EQ(edited["elements"][0]["child"][0]["unknownKey"].size(), 3u);
    DesignerWindow again;
    ASSERT_TRUE(again.openPage(path));
    EXPECT_EQ(again.document()->document(), edited);
    EXPECT_EQ(again.recentFiles().value(0), QFileInfo(path).absoluteFilePath());

    // Deleting is a step too; undone, the deleted control is selected again.
    window.deleteSelection();
    EXPECT_EQ(window.canvas()->findChild<MOXQPushButton*>(), nullptr);
    window.undoStack()->undo();
    EXPECT_EQ(window.document()->document(), edited);
    auto* back = window.canvas()->findChild<MOXQPushButton*>();
    EXPECT_EQ(window.canvas()->selectedWidgets(), QList<QWidget*>{back});
}

TEST(Designer, FailuresLeaveThePageAndTheFiles)
{
    const QString dir = testsupport::tempDir(QStringLiteral("designer-failures"));
    const QString path = smallPage(dir);
    DesignerWindow window;
    window.show();
    ASSERT_TRUE(window.openPage(path));

    struct Bad
    {
        const char* file;
        QByteArray text;
        const char* says;
    };
    const Bad bad[] = {{"broken.json", "{ \"elements\": [", "not valid JSON"},
                       {"array.json", "[1, 2]", "not an object"},
                       {"noelements.json", "{\"w\": 3}", "no \"elements\" array"},
                       {"empty.json", "", "empty"},
                       {"missing.json", QByteArray(), "no such file"}};
    const Json::Value open = window.document()->document();
    for (const Bad& b : bad) {
        const QString file = dir + "/" + b.file;
        if (QByteArray(b.file) != "missing.json") {
            ASSERT_TRUE(testsupport::writeFile(file, b.text));
        }
        EXPECT_FALSE(window.openPage(file)) << b.file;
        EXPECT_TRUE(window.lastMessage().contains(b.says)) << qPrintable(window.lastMessage());
        EXPECT_TRUE(window.lastMessage().contains(b.file));
        EXPECT_EQ(window.document()->document(), open) << b.file;
        EXPECT_EQ(window.document()->path(), QFileInfo(path).absoluteFilePath());
    }
    // A page with elements no control can be made of opens, and says what a save would drop.
    const QString gaps = dir + "/gaps.json";
    ASSERT_TRUE(testsupport::writeFile(
        gaps, R"({"elements": [{"type": "qtcontainer", "child": [{"type": "qtnosuch"},
                  {"type": "qtlabel", "child": [{"type": "alsonot"}]}]}]})"));
    EXPECT_TRUE(window.openPage(gaps));
    EXPECT_TRUE(window.lastMessage().startsWith(QStringLiteral("2 element(s)")))
        << qPrintable(window.lastMessage());
    ASSERT_TRUE(window.openPage(path));

    auto* box = window.findChild<QMessageBox*>(QStringLiteral("designerMessage"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());

    // A folder that cannot be written (root may write anywhere: then a path under a file).
    const QString locked = dir + "/locked";
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString target = locked + "/page.json";
    ASSERT_TRUE(testsupport::writeFile(target, "{\"elements\": []}"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const QString unwritable = ::access(QFile::encodeName(locked), W_OK) == 0
                                   ? path + "/page.json"
                                   : target;
    window.deleteSelection(); // nothing selected: no step
    ASSERT_FALSE(window.isWindowModified());
    window.canvas()->AddSelectedControl(
        window.document()->page()->findChild<QWidget*>(QStringLiteral("panel")));
    window.deleteSelection();
    ASSERT_TRUE(window.isWindowModified());
    const Json::Value edited = window.document()->document();
    EXPECT_FALSE(window.savePageAs(unwritable));
    EXPECT_TRUE(window.lastMessage().contains(QStringLiteral("Cannot save")));
    EXPECT_TRUE(window.lastMessage().contains(QFileInfo(unwritable).fileName()));
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(window.document()->document(), edited);
    EXPECT_EQ(parseFile(target)["elements"].size(), 0u);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Designer, OneSelectionShortcutsPreviewAndThemes)
{
    const QString dir = testsupport::tempDir(QStringLiteral("designer-selection"));
    const QString path = smallPage(dir);
    DesignerWindow window;
    ASSERT_TRUE(window.openPage(path));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* panel = window.canvas()->findChild<QWidget*>(QStringLiteral("panel"));
    QWidget* caption = window.canvas()->findChild<QWidget*>(QStringLiteral("caption"));
    ASSERT_TRUE(panel && caption);

    // A row chosen in the tree selects on the canvas and binds the property list...
    EXPECT_EQ(window.tree()->rowText(caption), QStringLiteral("caption : Label"));
    window.tree()->selectControls({caption});
    emit window.tree()->controlsSelected({caption});
    EXPECT_EQ(window.canvas()->selectedWidgets(), QList<QWidget*>{caption});
    EXPECT_EQ(window.propertyList()->boundControl(), caption);
    // ...and a click on the canvas selects in the tree.
    QTest::mouseClick(window.canvas(), Qt::LeftButton, Qt::NoModifier,
                      onCanvas(window, panel, {300, 250}));
    EXPECT_EQ(window.tree()->selectedControls(), QList<QWidget*>{panel});
    EXPECT_EQ(window.propertyList()->boundControl(), panel);

    // Delete, then the usual keys undo and redo it (the window's actions: no X focus needed).
    const Json::Value original = window.document()->document();
    auto press = [&window](const QKeySequence& keys) {
        for (QAction* action : window.actions())
            if (action->shortcuts().contains(keys) && action->isEnabled()) {
                action->trigger();
                return true;
            }
        return false;
    };
    ASSERT_TRUE(press(QKeySequence::Delete));
    EXPECT_EQ(window.canvas()->findChild<QWidget*>(QStringLiteral("panel")), nullptr);
    ASSERT_TRUE(press(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_EQ(window.document()->document(), original);
    ASSERT_TRUE(press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_EQ(window.canvas()->findChild<QWidget*>(QStringLiteral("panel")), nullptr);
    ASSERT_TRUE(press(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_FALSE(press(QKeySequence(Qt::CTRL | Qt::Key_Z))) << "nothing left to undo";
    EXPECT_TRUE(press(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    window.undoStack()->undo();

    // Palette rows read as people name controls; two types called "Slider" are told apart.
    DesignerPalette* palette = window.palette();
    EXPECT_EQ(palette->item(palette->rowOf(QStringLiteral("qtswitch")))->text(),
              QStringLiteral("Slider (switch)"));
    EXPECT_EQ(palette->item(0)->text(), QStringLiteral("BarChart"));
    EXPECT_EQ(palette->rowOf(QStringLiteral("Window")), -1);

    // A double click in the palette adds inside the selected control, as one step (undo
    // rebuilt the page: its controls are new widgets).
    panel = window.canvas()->findChild<QWidget*>(QStringLiteral("panel"));
    ASSERT_NE(panel, nullptr);
    window.canvas()->AddSelectedControl(panel);
    emit window.palette()->itemDoubleClicked(
        window.palette()->item(window.palette()->rowOf(QStringLiteral("qtlabel"))));
    ASSERT_EQ(window.canvas()->selectedWidgets().size(), 1);
    EXPECT_EQ(window.canvas()->selectedWidgets().first()->parentWidget(), panel);
    window.undoStack()->undo();
    EXPECT_EQ(window.document()->document(), original);

    // The preview runs the page as it stands: real, visible controls.
    window.setPreview(true);
    ASSERT_NE(window.previewPage(), nullptr);
    QWidget* running = window.previewPage()->findChild<QWidget*>(QStringLiteral("caption"));
    ASSERT_NE(running, nullptr);
    QTest::qWait(20);
    EXPECT_TRUE(running->isVisible());
    window.setPreview(false);
    EXPECT_EQ(window.previewPage(), nullptr);

    // Another theme shows the same page, edits and undo history kept; a bad one changes nothing.
    const int steps = window.undoStack()->count();
    ASSERT_TRUE(window.loadTheme(kSource + "/examples/pages/deck-theme"));
    EXPECT_EQ(window.document()->document(), original);
    EXPECT_EQ(window.undoStack()->count(), steps);
    EXPECT_FALSE(window.loadTheme(dir + "/no-such-theme"));
    EXPECT_TRUE(window.lastMessage().contains(QStringLiteral("no-such-theme")));

    // The project's styles are saved where asked, or a message says why not.
    const QString project = dir + "/project";
    ASSERT_TRUE(testsupport::writeFile(project + "/style.json",
                                       R"({"style": [{"type": 1, "name": "projectFill",
                                           "drawImg": false, "clr": "FF010203"}]})"));
    ASSERT_TRUE(window.setProjectFolder(project));
    ASSERT_TRUE(window.saveProjectStyle(dir + "/saved-style.json"));
    EXPECT_EQ(parseFile(dir + "/saved-style.json")["style"][0]["name"].asString(), "projectFill");
    EXPECT_FALSE(window.saveProjectStyle(path + "/style.json"));
    EXPECT_TRUE(window.lastMessage().contains(QStringLiteral("Cannot save the project style")));
    EXPECT_EQ(window.document()->document(), original);
}
