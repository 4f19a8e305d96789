// graphdeck-preview: opens a page file in a window, as a UI designer's preview does, or renders
// it to a PNG without showing a window.
//
//   graphdeck-preview PAGE [--skin DIR|ZIP] [--theme DIR|ZIP] [--project DIR]
//                          [--size WxH] [--png OUT.png] [--hover NAME]... [--press NAME]...
//
// Pages may hold the chart controls as well as the library's own. --hover and --press put the
// controls of those object names into their Hot or Pressed looks before the PNG is taken, so
// state looks can be checked without a mouse; a page's own "previewStates" member
// ({"hover": [names], "press": [names]}) adds to them.
//
// A page that cannot be loaded is reported on stderr and the exit status is 1; bad options give
// status 2.

#include "MOXChartControls.h"
#include "MOXJson.h"
#include "MOXQChartBase.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQPushButton.h"
#include "MOXQWindow.h"
#include "MOXQtLib.h"
#include "ToolSupport.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QRegularExpression>
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
    }
    int wait = 50;
    if (auto* button = qobject_cast<MOXQPushButton*>(widget))
        if (button->getFadeEnabled()) wait += button->getFadeDuration();
    toolsupport::settle(wait);
}

// The names a page lists under "previewStates" to be shown hovered and pressed.
void pageStates(const QString& fileName, QStringList& hovered, QStringList& pressed)
{
    QByteArray text;
    Json::Value document;
    if (!moxReadPageFile(fileName, text) || !jsonParse(text, document)) return;
    const Json::Value* states = jsonObject(document, "previewStates");
    if (!states) return;
    QStringList names;
    if (jsonReadStringList(*states, "hover", names)) hovered += names;
    if (jsonReadStringList(*states, "press", names)) pressed += names;
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
    parser.addOptions({skin, theme, project, size, png, hover, press});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) return fail(2, QStringLiteral("expected one page file (see --help)"));
    QSize windowSize;
    if (!parseSize(parser.value(size), windowSize))
        return fail(2, QStringLiteral("bad --size '%1', expected WxH").arg(parser.value(size)));
    if ((parser.isSet(hover) || parser.isSet(press)) && !parser.isSet(png))
        return fail(2, QStringLiteral("--hover and --press need --png"));

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
    QApplication::processEvents();
    QStringList hovered = parser.values(hover);
    QStringList pressed = parser.values(press);
    pageStates(args[0], hovered, pressed);
    for (const bool down : {false, true}) {
        for (const QString& name : down ? pressed : hovered) {
            QWidget* target = page->window()->findChild<QWidget*>(name);
            if (!target) {
                window.hide();
                QApplication::processEvents();
                return fail(1, QStringLiteral("the page has no control named '%1'").arg(name));
            }
            pointAt(target, down);
        }
    }
    const QImage image = toolsupport::windowImage(&window);
    window.hide();
    QApplication::processEvents();
    if (!image.save(parser.value(png)))
        return fail(1, QStringLiteral("cannot write '%1'").arg(parser.value(png)));
    std::printf("%s\n", qPrintable(parser.value(png)));
    return 0;
}
