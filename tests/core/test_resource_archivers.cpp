// One theme folder (style.json, theme.json, images/) packed by Info-ZIP, 7-Zip, bsdtar and
// Python's zipfile (fixtures/archives, made by scripts/make_archive_fixtures.sh). Each archive
// loads whole, as a theme from its file and as a skin from memory, or fails ("bad-" ones) and
// leaves what was loaded before untouched: never half a theme.
#include "MOXQResourceManager.h"
#include "MOXResourceFunctions.h"
#include "MOXResourceIO.h"
#include "ResourceTestUtil.h"
#include "ZipBuilder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using namespace restest;

namespace {

const QString kFolder = QStringLiteral(GRAPHDECK_SOURCE_DIR "/tests/core/fixtures/archives/");

QByteArray readFixture(const QString& name)
{
    QFile file(kFolder + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One of the fixture's images: its size and colour.
bool isImage(const QByteArray& bytes, QSize size, QRgb color)
{
    const QImage image = QImage::fromData(bytes);
    return image.size() == size && image.pixel(size.width() - 1, size.height() - 1) == color;
}

} // namespace

// One test: skins cannot be unloaded, and the skin's images would shadow the theme's.
TEST(ResourceArchivers, ArchivesLoadWholeOrFailKeepingWhatWasLoaded)
{
    initLibraryResources();
    rm()->releaseProjectRes();
    rm()->setScaleFactor(100.0f);
    const QStringList fixtures = QDir(kFolder).entryList({"*.zip"}, QDir::Files, QDir::Name);
    ASSERT_GE(fixtures.size(), 30);

    const QString previous = testsupport::tempDir(QStringLiteral("archivers-previous"));
    writeFile(previous + "/style.json", styleDocument("deckPanel", "FF000001", "deckTitle", 9));
    writeFile(previous + "/theme.json", themeDocument("qtbutton", 1));
    writeFile(previous + "/images/deck-logo.png", pngBytes(Qt::green, 3, 3));
    for (const QString& name : fixtures) {
        SCOPED_TRACE(name.toStdString());
        const bool loads = !name.startsWith(QLatin1String("bad-"));
        ASSERT_TRUE(rm()->loadThemeDir(previous));
        const QString path = kFolder + name;
        ASSERT_EQ(moxLoadThemeFile(QFile::encodeName(path).constData()), loads);
        ResSourceType logoFrom = ResSourceSkin, badgeFrom = ResSourceSkin;
        const QByteArray logo = resource("images/deck-logo.png", &logoFrom);
        const QByteArray badge = resource("IMAGES\\Deck-Badge.png", &badgeFrom);
        if (!loads) {
            EXPECT_EQ(rm()->getThemePath(), previous);
            EXPECT_EQ(themeFillColor("deckPanel").rgba(), 0xFF000001u);
            EXPECT_EQ(themeEntryValue("qtbutton"), 1);
            EXPECT_EQ(QImage::fromData(logo).size(), QSize(3, 3));
            EXPECT_TRUE(badge.isEmpty());
            continue;
        }
        EXPECT_EQ(rm()->getThemePath(), path);
        EXPECT_EQ(themeFillColor("deckPanel").rgba(), 0xFF3366CCu);
        EXPECT_EQ(themeEntryValue("qtbutton") * themeEntryValue("qtlabel"), 27 * 11);
        EXPECT_TRUE(isImage(logo, {6, 4}, 0xFF3366CC) && isImage(badge, {2, 2}, 0xFFCC2211));
        EXPECT_TRUE(logoFrom == ResSourceTheme && badgeFrom == ResSourceTheme);
    }
    rm()->releaseThemeRes();

    // Info-ZIP from a pipe to a pipe: ZIP64 sizes, data descriptors and one entry "-".
    std::vector<ZipEntry> piped, reference;
    ASSERT_TRUE(readZipArchive(readFixture("bad-infozip-pipe.zip"), piped) && piped.size() == 1);
    ASSERT_TRUE(readZipArchive(readFixture("infozip-deflate.zip"), reference));
    EXPECT_TRUE(piped[0].name == "-" && piped[0].data == reference.at(0).data);

    // As skins from memory, each over a skin whose style and images it must replace whole.
    testzip::ZipBuilder marker;
    marker.add("style.json", styleDocument("deckPanel", "FF000002"));
    marker.add("images/deck-logo.png", "marker");
    marker.add("images/deck-badge.png", "marker");
    const QByteArray markerSkin = marker.build();
    for (const QString& name : fixtures) {
        SCOPED_TRACE(name.toStdString());
        const bool loads = !name.startsWith(QLatin1String("bad-"));
        ASSERT_TRUE(rm()->loadSkinFile(markerSkin.constData(), markerSkin.size()));
        const QByteArray archive = readFixture(name);
        EXPECT_EQ(rm()->loadSkinFile(archive.constData(), archive.size()), loads);
        FillStyle panel;
        EXPECT_TRUE(rm()->getFillStyle("deckPanel", panel));
        EXPECT_EQ(panel.fillRes.color.rgba(), loads ? 0xFF3366CCu : 0xFF000002u);
        const QByteArray logo = resource("images/deck-logo.png");
        const QByteArray badge = resource("images/deck-badge.png");
        EXPECT_TRUE(loads ? isImage(logo, {6, 4}, 0xFF3366CC) && isImage(badge, {2, 2}, 0xFFCC2211)
                          : logo == "marker" && badge == "marker");
    }
}
