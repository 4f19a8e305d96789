// graphdeck-designer: edits page files on the library's designer canvas.
//
//   graphdeck-designer [PAGE] [--theme DIR|ZIP] [--skin DIR|ZIP] [--project DIR]
//                      [--select NAME] [--png OUT.png]
//
// --png writes a picture of the window (with the control named by --select selected) and
// exits instead of running.

#include "DesignerWindow.h"
#include "MOXChartControls.h"
#include "MOXQCanvas.h"
#include "MOXQtLib.h"
#include "ToolSupport.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Moxera"));
    QApplication::setApplicationName(QStringLiteral("GraphDeck Designer"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits GraphDeck page files."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("page"), QStringLiteral("The page file to open."));
    const QCommandLineOption theme(QStringLiteral("theme"),
                                   QStringLiteral("Theme directory or ZIP archive."),
                                   QStringLiteral("path"));
    const QCommandLineOption skin(QStringLiteral("skin"),
                                  QStringLiteral("Skin directory or ZIP archive."),
                                  QStringLiteral("path"));
    const QCommandLineOption project(QStringLiteral("project"),
                                     QStringLiteral("Project directory."), QStringLiteral("dir"));
    const QCommandLineOption select(QStringLiteral("select"),
                                    QStringLiteral("Select the control of that name."),
                                    QStringLiteral("name"));
    const QCommandLineOption png(QStringLiteral("png"),
                                 QStringLiteral("Write a picture of the window and exit."),
                                 QStringLiteral("file"));
    parser.addOptions({theme, skin, project, select, png});
    parser.process(app);

    MOXQtLib::init();
    MOXQtLib::registerChartControls();
    DesignerWindow window;
    // Each failure is shown in the window; the designer still starts.
    if (parser.isSet(skin)) window.loadSkin(parser.value(skin));
    if (parser.isSet(project)) window.setProjectFolder(parser.value(project));
    if (parser.isSet(theme)) window.loadTheme(parser.value(theme));
    if (!parser.positionalArguments().isEmpty())
        window.openPage(parser.positionalArguments().constFirst());
    if (parser.isSet(select))
        if (QWidget* control = window.canvas()->findChild<QWidget*>(parser.value(select)))
            window.canvas()->AddSelectedControl(control);
    window.show();
    if (parser.isSet(png)) {
        toolsupport::settle(300);
        const QImage image = window.grab().toImage();
        if (!image.save(parser.value(png))) {
            std::fprintf(stderr, "graphdeck-designer: cannot write '%s'\n",
                         qPrintable(parser.value(png)));
            return 1;
        }
        return 0;
    }
    const int status = app.exec();
    MOXQtLib::shutdown();
    return status;
}
