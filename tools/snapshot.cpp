// graphdeck-snapshot: builds the gallery window, puts every chart at its final animation state
// and writes PNGs of the window, and of every family page and tab.
//
//   graphdeck-snapshot [--out DIR] [--theme N|all] [--size WxH] [--family NAME]
//
// Files: window-<theme>.png, and <family>-<tab index>-<tab title>-<theme>.png, names in lower
// case with spaces as dashes (for example line-0-simple-line-dark.png).

#include "Gallery.h"
#include "GalleryLibrary.h"
#include "MOXQChartBase.h"
#include "MOXQtLib.h"
#include "ToolSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextStream>

#include <cstdio>

namespace {

const char* const kFamilyNames[FamilyCount] = {"line", "bar", "pie", "scatter", "financial"};

QString slug(const QString& text)
{
    QString s = text.toLower();
    s.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    while (s.startsWith(QLatin1Char('-')))
        s.remove(0, 1);
    while (s.endsWith(QLatin1Char('-')))
        s.chop(1);
    return s;
}

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    startGalleryLibrary();
    QString outDir = QStringLiteral("snapshots");
    QString themeArg = QStringLiteral("0");
    QString familyFilter;
    QSize size(1280, 800);
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--out") && hasValue) {
            outDir = args.at(++i);
        } else if (a == QLatin1String("--theme") && hasValue) {
            themeArg = args.at(++i);
        } else if (a == QLatin1String("--family") && hasValue) {
            familyFilter = args.at(++i);
        } else if (a == QLatin1String("--size") && hasValue) {
            const QStringList wh = args.at(++i).split(QLatin1Char('x'));
            if (wh.size() == 2)
                size = QSize(wh.at(0).toInt(), wh.at(1).toInt()).expandedTo(QSize(320, 240));
        } else {
            std::fprintf(stderr,
                         "usage: graphdeck-snapshot [--out DIR] [--theme N|all] [--size WxH] "
                         "[--family line|bar|pie|scatter|financial]\n");
            return 2;
        }
    }
    QList<int> themes;
    if (themeArg == QLatin1String("all"))
        themes = {0, 1, 2, 3};
    else
        themes = {qBound(0, themeArg.toInt(), 3)};

    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    GalleryWindow g = buildGalleryWindow();
    g.window->resize(size);
    g.window->show();
    toolsupport::settle(200);
    for (const auto& list : g.familyCharts)
        for (QWidget* w : list)
            if (auto* chart = qobject_cast<MOXQtLib::MOXQChartBase*>(w))
                chart->setAnimationEnabled(false);

    bool ok = true;
    for (int theme : themes) {
        g.themeCombo->setCurrentIndex(theme);
        const QString themeName = slug(g.themeCombo->itemText(theme));
        g.familyButtons->button(0)->click();
        g.pages.at(0).tabBar->setCurrentIndex(0);
        toolsupport::settle(60);
        ok &= save(toolsupport::windowImage(g.window),
                   QDir(outDir).filePath(QStringLiteral("window-%1.png").arg(themeName)));
        for (int f = 0; f < FamilyCount; ++f) {
            if (!familyFilter.isEmpty() && familyFilter != QLatin1String(kFamilyNames[f])) continue;
            g.familyButtons->button(f)->click();
            const CategoryPage& page = g.pages.at(f);
            for (int t = 0; t < page.tabBar->count(); ++t) {
                page.tabBar->setCurrentIndex(t);
                toolsupport::settle(60);
                const QString name = QStringLiteral("%1-%2-%3-%4.png")
                                         .arg(QLatin1String(kFamilyNames[f]))
                                         .arg(t)
                                         .arg(slug(page.tabBar->tabText(t)), themeName);
                ok &= save(toolsupport::windowImage(g.window), QDir(outDir).filePath(name));
            }
            page.tabBar->setCurrentIndex(0);
        }
    }
    g.window->hide();
    toolsupport::settle(20);
    MOXQtLib::shutdown();
    delete g.window;
    return ok ? 0 : 1;
}
