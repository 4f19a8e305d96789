// Replays the page and ribbon fuzz targets' corpora (crash inputs saved there included) and the
// example pages, the page target's seeds, through the targets' own checks.
#include "FuzzTargets.h"
#include "MOXChartControls.h"
#include "MOXQtLib.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Every file of the folders through `target`; the number of files.
int replay(std::initializer_list<const char*> folders,
           bool (*target)(const std::uint8_t*, std::size_t))
{
    int count = 0;
    for (const char* folder : folders) {
        const QDir dir(QStringLiteral(GRAPHDECK_SOURCE_DIR) + folder);
        for (const QFileInfo& info : dir.entryInfoList({"*"}, QDir::Files, QDir::Name)) {
            QFile file(info.absoluteFilePath());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << info.fileName().toStdString();
            const QByteArray data = file.readAll();
            EXPECT_TRUE(target(reinterpret_cast<const std::uint8_t*>(data.data()),
                               std::size_t(data.size())))
                << info.fileName().toStdString();
            ++count;
        }
    }
    return count;
}

} // namespace

TEST(PageFuzzSeeds, CorpusAndExamplePagesBuildAndRoundTrip)
{
    MOXQtLib::init();
    MOXQtLib::registerChartControls();
    EXPECT_GE(replay({"/fuzz/corpus/page", "/examples/pages"}, &fuzztargets::pageFile), 3);
}

TEST(RibbonFuzzSeeds, CorpusKeepsOrBuildsBoundedPages)
{
    MOXQtLib::init();
    EXPECT_GE(replay({"/fuzz/corpus/ribbon"}, &fuzztargets::ribbonConfig), 4);
}
