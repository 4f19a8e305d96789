// Replays the fuzz targets' seed corpora (and any crash inputs saved beside them), so a
// finding that was fixed stays fixed.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

int replay(const char* corpus, bool (*target)(const std::uint8_t*, std::size_t))
{
    const QDir dir(QStringLiteral(GRAPHDECK_SOURCE_DIR "/fuzz/corpus/") + corpus);
    int count = 0;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(info.absoluteFilePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
        const QByteArray data = file.readAll();
        EXPECT_TRUE(target(reinterpret_cast<const std::uint8_t*>(data.constData()),
                           std::size_t(data.size())))
            << info.filePath().toStdString();
        ++count;
    }
    return count;
}

} // namespace

TEST(ResourceFuzzSeeds, EveryTargetAcceptsItsCorpus)
{
    EXPECT_GE(replay("style", fuzztargets::styleDocument), 3);
    EXPECT_GE(replay("theme", fuzztargets::themeIndex), 3);
    EXPECT_GE(replay("language", fuzztargets::languageFile), 3);
    EXPECT_GE(replay("archive", fuzztargets::archive), 3);
    // The empty input reaches every reader too.
    const std::uint8_t nothing = 0;
    EXPECT_TRUE(fuzztargets::styleDocument(&nothing, 0));
    EXPECT_TRUE(fuzztargets::themeIndex(&nothing, 0));
    EXPECT_TRUE(fuzztargets::languageFile(&nothing, 0));
    EXPECT_TRUE(fuzztargets::archive(&nothing, 0));
}
