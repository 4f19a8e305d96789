// ZIP archives from hostile sources: names, sizes, CRCs and truncation. Nothing may crash,
// allocate without bound or hand out bytes that were not in the archive.
#include "MOXQResourceManager.h"
#include "MOXResourceIO.h"
#include "ResourceTestUtil.h"
#include "TestSupport.h"
#include "ZipBuilder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

using namespace MOXQtLib;

namespace {

std::map<std::string, QByteArray> unpack(const QByteArray& archive, bool* opened = nullptr)
{
    std::vector<ZipEntry> entries;
    const bool ok = readZipArchive(archive, entries);
    if (opened) *opened = ok;
    std::map<std::string, QByteArray> out;
    for (ZipEntry& e : entries)
        out[e.name] = e.data;
    return out;
}

// The plain form and the ZIP64 form, whose 64-bit sizes and offsets take the same limits.
struct ResourceArchiveForms : ::testing::TestWithParam<bool>
{
};

} // namespace

TEST(ResourceArchive, HostileNamesStayHarmlessTableKeys)
{
    const std::string longName(5000, 'n');
    const std::string withNul("nul\0name.txt", 12);
    testzip::ZipBuilder zip;
    zip.add("style.json", restest::styleDocument("hostileNames", "FF000001"));
    zip.add("../../escape.txt", "up");
    zip.add("/etc/absolute.txt", "abs");
    zip.add("Dir\\Sub\\Back.TXT", "back");
    zip.add("././dot.txt", "dot");
    zip.add(longName, "long");
    zip.add(withNul, "nul");
    const QByteArray archive = zip.build();

    bool opened = false;
    const auto entries = unpack(archive, &opened);
    ASSERT_TRUE(opened);
    // Names are taken with their stored length, embedded NUL and all.
    EXPECT_EQ(entries.at(withNul), QByteArray("nul"));
    EXPECT_EQ(entries.at(longName), QByteArray("long"));

    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(
        MOXQResourceManager::getInstance()->loadSkinFile(archive.constData(), archive.size()));
    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType source = ResSourceTheme;
    auto get = [&](const QString& name) {
        return MOXQResourceManager::getInstance()->getResource(name, data, size, source)
                   ? QByteArray(data, int(size))
                   : QByteArray();
    };
    EXPECT_EQ(get("../../escape.txt"), QByteArray("up"));
    EXPECT_EQ(get("/etc/absolute.txt"), QByteArray("abs"));
    EXPECT_EQ(get("dir/sub/back.txt"), QByteArray("back"));
    EXPECT_EQ(get("DOT.txt"), QByteArray("dot"));
    EXPECT_EQ(source, ResSourceSkin);
    // Nothing is extracted anywhere.
    EXPECT_FALSE(QFile::exists(cwd + "/../../escape.txt"));
    EXPECT_FALSE(QFile::exists("/etc/absolute.txt"));
    EXPECT_EQ(QDir::currentPath(), cwd);
}

TEST_P(ResourceArchiveForms, OversizedBadAndLyingEntriesAreSkipped)
{
    testzip::ZipBuilder zip;
    zip.zip64 = GetParam();
    zip.add("keep-first.txt", "first");
    // A zip bomb: 65 MiB of zeros packs into a few kilobytes.
    zip.add("bomb.bin", QByteArray(int(kMaxResourceFileSize) + 1024 * 1024, '\0'), true);
    // Claims 5 GiB (1 GiB where only 32 bits hold it): refused before anything is allocated.
    zip.add("claims-huge.bin", "tiny").claimedSize = 5ll * 1024 * 1024 * 1024;
    // Claims more bytes than it holds.
    zip.add("claims-more.txt", "short").claimedSize = 50;
    // Claims fewer bytes than it holds: the CRC of the part read does not match.
    zip.add("claims-less.txt", "longer text").claimedSize = 3;
    zip.add("claims-less-packed.txt", QByteArray(500, 'q'), true).claimedSize = 499;
    zip.add("bad-crc.txt", "payload").claimedCrc = 0x12345678;
    zip.add("bad-crc-packed.txt", QByteArray(400, 'x'), true).claimedCrc = 1;
    zip.add("empty.txt", QByteArray());
    zip.add("folder/", QByteArray());
    zip.add("keep-last.txt", QByteArray(3000, 'z'), true);

    bool opened = false;
    const auto entries = unpack(zip.build(), &opened);
    ASSERT_TRUE(opened);
    std::set<std::string> names;
    for (const auto& e : entries)
        names.insert(e.first);
    EXPECT_EQ(names, (std::set<std::string>{"keep-first.txt", "keep-last.txt"}));
    EXPECT_EQ(entries.at("keep-last.txt"), QByteArray(3000, 'z'));
}

TEST_P(ResourceArchiveForms, TotalSizeAndEntryCountBoundTheWholeArchive)
{
    testzip::ZipBuilder zip;
    zip.zip64 = GetParam();
    for (int i = 0; i < 6; ++i)
        zip.add("part" + std::to_string(i) + ".bin", QByteArray(1000, char('a' + i)), i % 2);
    const QByteArray archive = zip.build();

    // Small limits stand for the real ones, which would take hundreds of megabytes to reach.
    std::vector<ZipEntry> entries;
    ZipLimits limits;
    limits.totalSize = 3500;
    ASSERT_TRUE(readZipArchive(archive.constData(), archive.size(), entries, limits));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].data, QByteArray(1000, 'c'));

    // Entries that are skipped for their own size do not count towards the total.
    limits.totalSize = 2000;
    limits.entrySize = 999;
    ASSERT_TRUE(readZipArchive(archive.constData(), archive.size(), entries, limits));
    EXPECT_TRUE(entries.empty());

    limits = ZipLimits();
    limits.entries = 4;
    ASSERT_TRUE(readZipArchive(archive.constData(), archive.size(), entries, limits));
    EXPECT_EQ(entries.size(), 4u);
    limits.entries = 0;
    ASSERT_TRUE(readZipArchive(archive.constData(), archive.size(), entries, limits));
    EXPECT_TRUE(entries.empty());
}

TEST_P(ResourceArchiveForms, TruncatedAndCorruptedArchivesNeverYieldForeignBytes)
{
    testzip::ZipBuilder zip;
    zip.zip64 = GetParam();
    const QByteArray a("alpha alpha alpha"), b(300, 'b'), c("{\"style\": []}");
    zip.add("a.txt", a);
    zip.add("b.bin", b, true);
    zip.add("style.json", c);
    const QByteArray archive = zip.build();
    const std::set<QByteArray> originals{a, b, c};

    bool opened = false;
    EXPECT_EQ(unpack(archive, &opened).size(), 3u);
    EXPECT_TRUE(opened);
    // Data in front of the archive (a self-extractor stub) moves every offset.
    EXPECT_EQ(unpack(QByteArray(100, 'x') + archive).size(), 3u);
    for (int cut = 0; cut < archive.size(); ++cut) {
        for (const auto& e : unpack(archive.left(cut)))
            EXPECT_TRUE(originals.count(e.second)) << "cut at " << cut << ": " << e.first;
    }
    for (int at = 0; at < archive.size(); ++at) {
        QByteArray flipped = archive;
        flipped[at] = char(flipped[at] ^ 0x5a);
        for (const auto& e : unpack(flipped))
            EXPECT_TRUE(originals.count(e.second)) << "flip at " << at << ": " << e.first;
    }
    EXPECT_TRUE(unpack(QByteArray()).empty());
    EXPECT_FALSE(readZipArchive(nullptr, 10, *std::make_unique<std::vector<ZipEntry>>()));
}

TEST_P(ResourceArchiveForms, AnEntryUnreadableByDesignRefusesTheWholeArchive)
{
    // Encrypted (deflated, stored), Deflate64, BZip2, LZMA, AES.
    const std::pair<int, int> methodAndFlags[] = {{8, 1},  {0, 1},  {9, 0},
                                                  {12, 0}, {14, 0}, {99, 1}};
    for (const auto& c : methodAndFlags) {
        SCOPED_TRACE(c.first);
        testzip::ZipBuilder zip;
        zip.zip64 = GetParam();
        zip.add("style.json", restest::styleDocument("refused", "FF000002"));
        zip.add("images/a.png", QByteArray(64, 'p'));
        // Only this image is unreadable, and comes after what could be read.
        testzip::Entry& bad = zip.add("images/b.png", QByteArray(64, 'q'), c.first == 8);
        bad.claimedMethod = c.first;
        bad.flags = std::uint16_t(c.second);
        const QByteArray archive = zip.build();
        bool opened = true;
        EXPECT_TRUE(unpack(archive, &opened).empty());
        EXPECT_FALSE(opened);
        EXPECT_FALSE(
            MOXQResourceManager::getInstance()->loadSkinFile(archive.constData(), archive.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(PlainAndZip64, ResourceArchiveForms, ::testing::Bool());

TEST(ResourceArchive, ThemeRootIsTheArchiveRootOrItsOneFolder)
{
    // Names, and the names read from the root (empty: the archive has no theme root).
    const std::vector<std::string> cases[][2] = {
        {{"Style.json", "images/A.png"}, {"Style.json", "images/A.png"}},
        {{"deck/style.json", "deck/images/a.png", "deck/sub/style.json"},
         {"style.json", "images/a.png", "sub/style.json"}},
        {{"Deck\\Images\\A.PNG", "./deck/STYLE.JSON"}, {"images/a.png", "style.json"}},
        // No style document in the folder, two folders, a style document only in a folder beside
        // the root's files, nothing.
        {{"deck/theme.json", "deck/images/a.png"}, {}},
        {{"deck/style.json", "other/theme.json"}, {}},
        {{"theme.json", "sub/style.json"}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0].empty() ? std::string() : c[0].front());
        std::vector<ZipEntry> entries;
        for (const std::string& name : c[0])
            entries.push_back(ZipEntry{name, QByteArray("x")});
        EXPECT_EQ(selectArchiveRoot(entries), !c[1].empty());
        std::vector<std::string> names;
        for (const ZipEntry& e : entries)
            names.push_back(e.name);
        EXPECT_EQ(names, c[1].empty() ? c[0] : c[1]);
    }
}

TEST(ResourceArchive, RegularFilesOnlyAndBounded)
{
    const QString dir = testsupport::tempDir(QStringLiteral("regular"));
    restest::writeFile(dir + "/small.txt", "12345");
    QByteArray out("previous");
    EXPECT_FALSE(readRegularFile(dir + "/small.txt", 4, out));
    EXPECT_EQ(out, QByteArray("previous"));
    EXPECT_TRUE(readRegularFile(dir + "/small.txt", 5, out));
    EXPECT_EQ(out, QByteArray("12345"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/fifo").constData(), 0600), 0);
    EXPECT_FALSE(readRegularFile(dir + "/fifo", 100, out));
    EXPECT_FALSE(readRegularFile(dir, 100, out));
    EXPECT_FALSE(readRegularFile("/dev/zero", 100, out));
    EXPECT_FALSE(readRegularFile(dir + "/missing", 100, out));
    std::vector<ZipEntry> entries;
    EXPECT_FALSE(readZipArchiveFile(dir + "/fifo", entries));

    EXPECT_EQ(normalizeResourceName(QStringLiteral("./.\\Images\\Logo.PNG")), "images/logo.png");
    EXPECT_EQ(normalizeResourceName(QStringLiteral(".x/../Y")), ".x/../y");
    EXPECT_EQ(normalizeResourceName(QStringLiteral("././A/B.png")), "a/b.png");
    EXPECT_EQ(normalizeResourceName(QStringLiteral("Ä.PNG")), "Ä.png");
}
