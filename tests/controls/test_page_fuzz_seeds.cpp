// Replays the page fuzz target's corpus (crash inputs saved there included) and the example
// pages, its seeds, through the target's own check.
#include "FuzzTargets.h"
#include "MOXChartControls.h"
#include "MOXQtLib.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(PageFuzzSeeds, CorpusAndExamplePagesBuildAndRoundTrip)
{
    MOXQtLib::init();
    MOXQtLib::registerChartControls();
    int count = 0;
    for (const char* folder : {"/fuzz/corpus/page", "/examples/pages"}) {
        const QDir dir(QStringLiteral(GRAPHDECK_SOURCE_DIR) + folder);
        for (const QFileInfo& info : dir.entryInfoList({"*"}, QDir::Files, QDir::Name)) {
            QFile file(info.absoluteFilePath());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            EXPECT_TRUE(fuzztargets::pageFile(reinterpret_cast<const std::uint8_t*>(data.data()),
                                              std::size_t(data.size())))
                << info.fileName().toStdString();
            ++count;
        }
    }
    EXPECT_GE(count, 3);
}

// The ribbon fuzz target's corpus (crash inputs saved there included) through its own check.
TEST(RibbonFuzzSeeds, CorpusKeepsOrBuildsBoundedPages)
{
    MOXQtLib::init();
    const QDir dir(QStringLiteral(GRAPHDECK_SOURCE_DIR "/fuzz/corpus/ribbon"));
    int count = 0;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(info.absoluteFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        EXPECT_TRUE(fuzztargets::ribbonConfig(reinterpret_cast<const std::uint8_t*>(data.data()),
                                              std::size_t(data.size())))
            << info.fileName().toStdString();
        ++count;
    }
    EXPECT_GE(count, 4);
}
