// graphdeck-preview: opens a page file in a window, as a UI designer's preview does, or renders
// it to a PNG without showing a window.
//
//   graphdeck-preview PAGE [--skin DIR|ZIP] [--theme DIR|ZIP] [--project DIR]
//                          [--size WxH] [--png OUT.png] [--hover NAME]... [--press NAME]...
//                          [--check NAME]...
//
// Pages may hold the chart controls as well as the library's own. --hover and --press put the
// controls of those object names into their Hot or Pressed looks before the PNG is taken, so
// state looks can be checked without a mouse; --check checks check boxes and radio buttons
// first. A pressed switch is shown half-way through its slide. A page's own "previewStates"
// member ({"hover": [names], "press": [names], "checked": [names]}) adds to them; its "drag"
// list ([{"name": name, "from": [x, y], "to": [x, y]}]) drags the left button across those
// controls (in their own coordinates) the way a user would, to show a selection made so.
//
// A page that cannot be loaded is reported on stderr and the exit status is 1; bad options give
// status 2.

#include "MOXChartControls.h"
#include "MOXJson.h"
#include "MOXQChartBase.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQPushButton.h"
#include "MOXQSwitch.h"
#include "MOXQWindow.h"
#include "MOXQtLib.h"
#include "ToolSupport.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QVector>
#include <QWidget>

#include <cstdio>
#include <cstring>

using namespace MOXQtLib;

namespace {

int fail(int status, const QString& message)
{
    std::fprintf(stderr, "graphdeck-preview: %s\n", qPrintable(message));
    return status;
}

bool isArchive(const QString& path)
{
    return QFileInfo(path).isFile() && path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

bool parseSize(const QString& text, QSize& size)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(text);
    if (!m.hasMatch()) return false;
    size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    return size.width() > 0 && size.height() > 0 && size.width() <= 16384 && size.height() <= 16384;
}

// Sends what the mouse would when it rests on (and, for a press, holds down on) the widget's
// centre, then lets a button's hover fade run to its end.
void pointAt(QWidget* widget, bool press)
{
    // A scroll area takes the mouse through its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) widget = area->viewport();
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global(widget->mapToGlobal(local.toPoint()));
    const QPointF inWindow(widget->mapTo(widget->window(), local.toPoint()));
    QEnterEvent enter(local, inWindow, global);
    QApplication::sendEvent(widget, &enter);
    QMouseEvent move(QEvent::MouseMove, local, inWindow, global, Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    if (press) {
        QMouseEvent down(QEvent::MouseButtonPress, local, inWindow, global, Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &down);
        // A still image shows a slide in its middle, not wherever the clock left it.
        if (auto* toggle = qobject_cast<MOXQSwitch*>(widget)) {
            QVariantAnimation& slide = toggle->impl()->thumbAnimation();
            slide.pause();
            slide.setCurrentTime(slide.duration() / 2);
        }
    }
    int wait = 50;
    if (auto* button = qobject_cast<MOXQPushButton*>(widget))
        if (button->getFadeEnabled()) wait += button->getFadeDuration();
    toolsupport::settle(wait);
}

// A drag of the left button across a named control, from one point to another.
struct Drag
{
    QString name;
    QPoint from;
    QPoint to;
};

bool readPoint(const Json::Value& object, const char* key, QPoint& point)
{
    const Json::Value* pair = jsonArray(object, key);
    if (!pair || pair->size() != 2 || !jsonAt(*pair, 0).isInt() || !jsonAt(*pair, 1).isInt())
        return false;
    point = QPoint(jsonAt(*pair, 0).asInt(), jsonAt(*pair, 1).asInt());
    return true;
}

void dragAcross(QWidget* widget, const QPoint& from, const QPoint& to)
{
    auto send = [widget](QEvent::Type type, const QPoint& at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        send(QEvent::MouseMove, from + (to - from) * i / kSteps, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    toolsupport::settle(50);
}

// The names a page lists under "previewStates" to be shown hovered, pressed and checked, and
// the drags it lists; entries that are not well formed are skipped.
void pageStates(const QString& fileName, QStringList& hovered, QStringList& pressed,
                QStringList& checked, QVector<Drag>& drags)
{
    QByteArray text;
    Json::Value document;
    if (!moxReadPageFile(fileName, text) || !jsonParse(text, document)) return;
    const Json::Value* states = jsonObject(document, "previewStates");
    if (!states) return;
    QStringList names;
    if (jsonReadStringList(*states, "hover", names)) hovered += names;
    if (jsonReadStringList(*states, "press", names)) pressed += names;
    if (jsonReadStringList(*states, "checked", names)) checked += names;
    if (const Json::Value* list = jsonArray(*states, "drag"))
        for (Json::ArrayIndex i = 0; i < list->size(); ++i) {
            const Json::Value& entry = jsonAt(*list, i);
            Drag drag;
            if (entry.isObject() && jsonReadString(entry, "name", drag.name) &&
                readPoint(entry, "from", drag.from) && readPoint(entry, "to", drag.to))
                drags.append(drag);
        }
}

} // namespace

int main(int argc, char** argv)
{
    // A PNG needs no screen: without a display, render off screen instead of failing.
    bool wantsPng = false;
    for (int i = 1; i < argc; ++i)
        wantsPng = wantsPng || std::strncmp(argv[i], "--png", 5) == 0;
    if (wantsPng && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("graphdeck-preview"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows a page file in a window, or renders it to a PNG."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("page"), QStringLiteral("The page file."));
    const QCommandLineOption skin(QStringLiteral("skin"),
                                  QStringLiteral("Skin directory or ZIP archive."),
                                  QStringLiteral("path"));
    const QCommandLineOption theme(QStringLiteral("theme"),
                                   QStringLiteral("Theme directory or ZIP archive."),
                                   QStringLiteral("path"));
    const QCommandLineOption project(QStringLiteral("project"),
                                     QStringLiteral("Project directory."), QStringLiteral("dir"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Window size; default the page's \"w\" and \"h\", else 800x600."),
                                  QStringLiteral("WxH"), QStringLiteral("800x600"));
    const QCommandLineOption png(QStringLiteral("png"),
                                 QStringLiteral("Write a PNG instead of showing a window."),
                                 QStringLiteral("file"));
    const QCommandLineOption hover(
        QStringLiteral("hover"),
        QStringLiteral("With --png: show the named control hovered (may be repeated)."),
        QStringLiteral("name"));
    const QCommandLineOption press(
        QStringLiteral("press"),
        QStringLiteral("With --png: show the named control pressed (may be repeated)."),
        QStringLiteral("name"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("With --png: check the named check box or radio button (may be repeated)."),
        QStringLiteral("name"));
    parser.addOptions({skin, theme, project, size, png, hover, press, check});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) return fail(2, QStringLiteral("expected one page file (see --help)"));
    QSize windowSize;
    if (!parseSize(parser.value(size), windowSize))
        return fail(2, QStringLiteral("bad --size '%1', expected WxH").arg(parser.value(size)));
    if ((parser.isSet(hover) || parser.isSet(press) || parser.isSet(check)) && !parser.isSet(png))
        return fail(2, QStringLiteral("--hover, --press and --check need --png"));

    MOXQtLib::init();
    registerChartControls();
    if (parser.isSet(skin)) {
        const QString path = parser.value(skin);
        const bool ok =
            isArchive(path) ? moxLoadSkinFile(path, 1.0f) : moxSetSkinFilePath(path, 1.0f);
        if (!ok)
            return fail(1, QStringLiteral("cannot load skin '%1' (a directory or ZIP archive "
                                          "holding style.json)")
                               .arg(path));
    }
    if (parser.isSet(project) && !moxSetProjectFilePath(parser.value(project)))
        return fail(
            1, QStringLiteral("cannot load project directory '%1'").arg(parser.value(project)));
    if (parser.isSet(theme)) {
        const QByteArray path = QFile::encodeName(parser.value(theme));
        const bool ok = isArchive(parser.value(theme)) ? moxLoadThemeFile(path.constData())
                                                       : moxLoadThemeDir(path.constData());
        if (!ok)
            return fail(1, QStringLiteral("cannot load theme '%1' (a directory or ZIP archive "
                                          "holding style.json)")
                               .arg(parser.value(theme)));
    }

    // A library window, so the page's window keys (size, drag, resize, minimum) take effect.
    MOXQWindow window;
    window.setWindowTitle(QStringLiteral("Preview - %1").arg(QFileInfo(args[0]).fileName()));
    window.resize(windowSize);
    MOXQContainer* page = moxCreatePageByFileName(&window, args[0]);
    if (parser.isSet(size)) window.resize(windowSize);
    if (!page) {
        QByteArray text;
        const bool found = moxReadPageFile(args[0], text);
        return fail(1, found ? QStringLiteral("'%1' is not a page: it must be a JSON object "
                                              "whose \"elements\" array ends with a container")
                                   .arg(args[0])
                             : QStringLiteral("cannot read page '%1'").arg(args[0]));
    }

    if (!parser.isSet(png)) {
        window.show();
        return app.exec();
    }
    // Shown off screen so that GL content and pending layouts are real, then grabbed.
    window.setAttribute(Qt::WA_DontShowOnScreen, true);
    window.show();
    // A still image shows charts as their entry animations end, not at some frame on the way.
    for (MOXQChartBase* chart : window.findChildren<MOXQChartBase*>())
        chart->setAnimationEnabled(false);
    // Expose and font changes come back from the display at their own pace: wait them out, so
    // the same page always gives the same picture.
    toolsupport::settle(300);
    QStringList hovered = parser.values(hover);
    QStringList pressed = parser.values(press);
    QStringList checked = parser.values(check);
    QVector<Drag> drags;
    pageStates(args[0], hovered, pressed, checked, drags);
    auto named = [&](const QString& name) { return page->window()->findChild<QWidget*>(name); };
    QStringList all = checked + hovered + pressed;
    for (const Drag& drag : drags)
        all.append(drag.name);
    for (const QString& name : all) {
        if (named(name)) continue;
        window.hide();
        QApplication::processEvents();
        return fail(1, QStringLiteral("the page has no control named '%1'").arg(name));
    }
    for (const QString& name : checked)
        if (auto* button = qobject_cast<QAbstractButton*>(named(name))) button->setChecked(true);
    for (const QString& name : hovered)
        pointAt(named(name), false);
    for (const QString& name : pressed)
        pointAt(named(name), true);
    for (const Drag& drag : drags)
        dragAcross(named(drag.name), drag.from, drag.to);
    toolsupport::settle(100);
    const QImage image = toolsupport::windowImage(&window);
    window.hide();
    QApplication::processEvents();
    if (!image.save(parser.value(png)))
        return fail(1, QStringLiteral("cannot write '%1'").arg(parser.value(png)));
    std::printf("%s\n", qPrintable(parser.value(png)));
    return 0;
}
