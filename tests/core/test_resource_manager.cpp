// Resource layers filled from directories and archives, their precedence, theme loading and
// its failures, languages, images and the notifications that reach registered windows.
#include "MOXQControl.h"
#include "MOXQResourceManager.h"
#include "MOXResourceFunctions.h"
#include "ProbeControl.h"
#include "ResourceTestUtil.h"
#include "TestSupport.h"
#include "ZipBuilder.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QWidget>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace MOXQtLib;
using restest::writeFile;

namespace {

using restest::resource;
using restest::rm;
using restest::themeEntryValue;
using restest::themeFillColor;

struct ResourceEnv : ::testing::Test
{
    void SetUp() override
    {
        initLibraryResources();
        rm()->releaseThemeRes();
        rm()->releaseProjectRes();
        rm()->setScaleFactor(100.0f);
    }
    void TearDown() override
    {
        rm()->setSwitchToThemeRes(false);
        rm()->setSwitchToProjectRes(false);
        rm()->setScaleFactor(100.0f);
        rm()->releaseThemeRes();
        rm()->releaseProjectRes();
    }
};

} // namespace

TEST_F(ResourceEnv, ThemeDirectoryAndArchiveGiveTheSameContent)
{
    const QString dir = testsupport::tempDir(QStringLiteral("theme-dir"));
    const QByteArray logo = restest::pngBytes(Qt::red);
    writeFile(dir + "/style.json", restest::styleDocument("panel", "FF112233"));
    writeFile(dir + "/theme.json", restest::themeDocument("qtbutton", 3));
    writeFile(dir + "/Readme.TXT", "hello");
    writeFile(dir + "/IMAGES/Logo.PNG", logo);
    writeFile(dir + "/IMAGES/sub/deep.png", logo);
    writeFile(dir + "/other/x.txt", "nested");
    writeFile(dir + "/tmpTheme.zip", "skipped");
    // A FIFO must neither block the load nor be read.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/pipe").constData(), 0600), 0);

    ASSERT_TRUE(rm()->loadThemeDir(dir));
    EXPECT_EQ(rm()->getThemePath(), dir);
    auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        ResSourceType from = ResSourceSkin;
        EXPECT_EQ(resource("images/logo.png", &from), logo);
        EXPECT_EQ(from, ResSourceTheme);
        EXPECT_EQ(resource("IMAGES\\Logo.png"), logo);
        EXPECT_EQ(resource("./readme.txt"), QByteArray("hello"));
        for (const char* absent :
             {"images/sub/deep.png", "other/x.txt", "x.txt", "tmptheme.zip", "pipe", "style.json"})
            EXPECT_TRUE(resource(absent).isEmpty()) << absent;
        bool found = false;
        EXPECT_EQ(themeFillColor("panel", &found).rgba(), 0xFF112233u);
        EXPECT_TRUE(found);
        // The first theme entry of a name wins; entries without a name are not indexed.
        EXPECT_EQ(themeEntryValue("qtbutton"), 3);
        EXPECT_EQ(rm()->getThemeJsonValue("missing"), nullptr);
        EXPECT_EQ(rm()->getThemeJsonValue(nullptr), nullptr);
        QImage* image = rm()->getImage("logo.png", false);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->size(), QSize(4, 4));
        EXPECT_EQ(image->pixelColor(1, 1), QColor(Qt::red));
    };
    check("directory");

    testzip::ZipBuilder zip;
    zip.add("style.json", restest::styleDocument("panel", "FF112233"), true);
    zip.add("theme.json", restest::themeDocument("qtbutton", 3));
    zip.add("Readme.TXT", "hello");
    zip.add("IMAGES/", QByteArray());
    zip.add("IMAGES/Logo.PNG", logo, true);
    const QString archive = dir + "-archive.zip";
    writeFile(archive, zip.build());
    ASSERT_TRUE(rm()->loadThemeFile(archive));
    EXPECT_EQ(rm()->getThemePath(), archive);
    check("archive");
}

TEST_F(ResourceEnv, FailedThemeLoadKeepsThePreviousThemeAndARetryLoadsAgain)
{
    const QString good = testsupport::tempDir(QStringLiteral("theme-good"));
    const QString bad = testsupport::tempDir(QStringLiteral("theme-bad"));
    writeFile(good + "/style.json", restest::styleDocument("themed", "FF0000FF"));
    writeFile(good + "/theme.json", restest::themeDocument("qtlabel", 5));
    ASSERT_TRUE(rm()->loadThemeDir(good));
    // The same directory again answers at once.
    EXPECT_TRUE(rm()->loadThemeDir(good));

    const QString zipPath = bad + "/broken.zip";
    testzip::ZipBuilder zip;
    zip.add("style.json", restest::styleDocument("themed", "FFFF0000"));
    const QByteArray whole = zip.build();
    writeFile(zipPath, whole.left(whole.size() - 10));
    writeFile(bad + "/garbage.zip", "PK\x03\x04 not an archive");
    const QString empty = testsupport::tempDir(QStringLiteral("theme-empty"));
    // A style document in the images folder is an image folder's file, not the theme's.
    const QString imagesOnly = testsupport::tempDir(QStringLiteral("theme-images-only"));
    writeFile(imagesOnly + "/images/style.json", restest::styleDocument("themed", "FFFF0000"));

    struct Case
    {
        const char* what;
        std::function<bool()> load;
    } cases[] = {
        {"missing directory", [&] { return rm()->loadThemeDir(bad + "/nowhere"); }},
        {"no style.json", [&] { return rm()->loadThemeDir(empty); }},
        {"style.json only in images", [&] { return rm()->loadThemeDir(imagesOnly); }},
        {"missing archive", [&] { return rm()->loadThemeFile(bad + "/nowhere.zip"); }},
        {"garbage archive", [&] { return rm()->loadThemeFile(bad + "/garbage.zip"); }},
        {"truncated archive", [&] { return rm()->loadThemeFile(zipPath); }},
        {"directory as archive", [&] { return rm()->loadThemeFile(bad); }},
        {"broken json",
         [&] {
             writeFile(bad + "/style.json", "{\"style\": [");
             return rm()->loadThemeDir(bad);
         }},
        {"no style member",
         [&] {
             writeFile(bad + "/style.json", "{\"styles\": []}");
             return rm()->loadThemeDir(bad);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(c.load());
        EXPECT_TRUE(rm()->hasThemeRes());
        EXPECT_EQ(rm()->getThemePath(), good);
        EXPECT_EQ(themeFillColor("themed").rgba(), 0xFF0000FFu);
        EXPECT_EQ(themeEntryValue("qtlabel"), 5);
    }

    // Mended, the directory that failed loads now instead of answering from the failure.
    writeFile(bad + "/style.json", restest::styleDocument("themed", "FF00FF00"));
    ASSERT_TRUE(rm()->loadThemeDir(bad));
    EXPECT_EQ(rm()->getThemePath(), bad);
    EXPECT_EQ(themeFillColor("themed").rgba(), 0xFF00FF00u);
    EXPECT_EQ(rm()->getThemeJsonValue("qtlabel"), nullptr);
    // Back to the first one: a different directory than the current one loads again.
    ASSERT_TRUE(rm()->loadThemeDir(good));
    EXPECT_EQ(themeFillColor("themed").rgba(), 0xFF0000FFu);
}

TEST_F(ResourceEnv, LayersTakePrecedenceInTheirOrder)
{
    const QString skin = testsupport::tempDir(QStringLiteral("prec-skin"));
    const QString project = testsupport::tempDir(QStringLiteral("prec-project"));
    const QString theme = testsupport::tempDir(QStringLiteral("prec-theme"));
    writeFile(skin + "/style.json", restest::styleDocument("prec", "FFFF0000", "precText", 11));
    writeFile(skin + "/shared.txt", "skin");
    writeFile(project + "/style.json", restest::styleDocument("prec", "FF00FF00", "precText", 13));
    writeFile(project + "/shared.txt", "project");
    writeFile(theme + "/style.json", restest::styleDocument("themeOnly", "FF0000FF"));
    writeFile(theme + "/shared.txt", "theme");
    writeFile(theme + "/themeonly.txt", "theme");
    ASSERT_TRUE(moxSetSkinFilePath(skin, 1.0f));
    ASSERT_TRUE(moxSetProjectFilePath(project));
    ASSERT_TRUE(rm()->loadThemeDir(theme));
    EXPECT_EQ(rm()->getSkinDirPath(), skin + "/");

    ResSourceType from = ResSourceSkin;
    EXPECT_EQ(resource("shared.txt", &from), QByteArray("project"));
    EXPECT_EQ(from, ResSourceProject);
    EXPECT_EQ(resource("themeonly.txt", &from), QByteArray("theme"));
    EXPECT_EQ(from, ResSourceTheme);

    FillStyle fill;
    TextStyleDesc text;
    ASSERT_TRUE(moxGetFillStyle("prec", fill));
    EXPECT_EQ(fill.fillRes.color.rgba(), 0xFFFF0000u);
    ASSERT_TRUE(moxGetProjectFillStyle("prec", fill));
    EXPECT_EQ(fill.fillRes.color.rgba(), 0xFF00FF00u);
    ASSERT_TRUE(moxGetProjectTextStyle("precText", text));
    EXPECT_EQ(text.size, 13);
    EXPECT_FALSE(rm()->isProjectRes());
    ASSERT_TRUE(moxGetTextStyle("precText", text));
    EXPECT_EQ(text.size, 11);
    // While the theme switch is set only the theme layer answers.
    rm()->setSwitchToThemeRes(true);
    EXPECT_FALSE(rm()->getFillStyle("prec", fill));
    EXPECT_TRUE(rm()->getFillStyle("themeOnly", fill));
    rm()->setSwitchToThemeRes(false);
    EXPECT_FALSE(rm()->getFillStyle("themeOnly", fill));
    // The special names need no style.
    EXPECT_TRUE(rm()->getFillStyle("emptyRect", fill));
    EXPECT_FALSE(fill.valid);

    // Project styles are set, listed and written on the project layer only.
    FillStyle added;
    added.fillRes.color = QColor(1, 2, 3);
    moxSetProjectFillStyle("addedToProject", added);
    EXPECT_FALSE(moxGetFillStyle("addedToProject", fill));
    EXPECT_EQ(moxGetAllFillStyle().size(), 2);
    EXPECT_TRUE(rm()->toProjectStyleString().contains("\"addedToProject\""));
    EXPECT_TRUE(rm()->toProjectStyleString().contains("\"FF010203\""));

    rm()->releaseProjectRes();
    EXPECT_EQ(resource("shared.txt", &from), QByteArray("skin"));
    moxSetProjectFillStyle("lost", added);
    EXPECT_FALSE(moxGetProjectFillStyle("lost", fill));
}

TEST_F(ResourceEnv, SkinDirectoryAndArchiveGiveTheSameFontsStringsAndImages)
{
    const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    QByteArray fontData;
    ASSERT_TRUE(readRegularFile(font, kMaxResourceFileSize, fontData));
    const QByteArray language = restest::utf16le(
        QStringLiteral("Language\tEnglish\tGerman\r\nok\tOK\tJa\r\ncancel\tCancel"));
    const QByteArray icon = restest::pngBytes(Qt::green, 6, 2);

    auto verify = [&](const char* what, const QString& prefix) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(rm()->getFontFamilies().contains(QStringLiteral("DejaVu Sans")));
        EXPECT_TRUE(rm()->getLanguageList().contains(QStringLiteral("German")));
        ASSERT_TRUE(rm()->setCurrentLanguage(QStringLiteral("English")));
        EXPECT_EQ(rm()->getString("ok"), QStringLiteral("OK"));
        EXPECT_EQ(rm()->getString("cancel"), QStringLiteral("Cancel"));
        ASSERT_TRUE(rm()->setCurrentLanguage(QStringLiteral("German")));
        EXPECT_EQ(rm()->getString("ok"), QStringLiteral("Ja"));
        // A missing field leaves the language without the key.
        EXPECT_EQ(rm()->getString("cancel"), QString());
        QImage* image = rm()->getImage(prefix + "icon.png", false);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->size(), QSize(6, 2));
        FillStyle fill;
        ASSERT_TRUE(rm()->getFillStyle(prefix + "skinFill", fill));
        EXPECT_EQ(fill.fillRes.color.rgba(), 0xFF445566u);
    };

    const QString dir = testsupport::tempDir(QStringLiteral("skin-dir"));
    writeFile(dir + "/style.json", restest::styleDocument("dir-skinFill", "FF445566"));
    writeFile(dir + "/language.txt", language);
    writeFile(dir + "/fonts/DejaVuSans.ttf", fontData);
    writeFile(dir + "/images/dir-icon.png", icon);
    ASSERT_TRUE(moxSetSkinFilePath(dir, 1.0f));
    verify("directory", "dir-");

    testzip::ZipBuilder zip;
    zip.add("style.json", restest::styleDocument("zip-skinFill", "FF445566"));
    zip.add("language.txt", language);
    zip.add("fonts/DejaVuSans.ttf", fontData, true);
    zip.add("images/zip-icon.png", icon);
    const QString archive = dir + "-skin.zip";
    writeFile(archive, zip.build());
    ASSERT_TRUE(moxLoadSkinFile(archive, 1.0f));
    EXPECT_EQ(rm()->getFileSkinPath(), archive);
    verify("archive", "zip-");

    // The in-memory form reads the same archive (without its language file).
    testzip::ZipBuilder memory;
    memory.add("style.json", restest::styleDocument("mem-skinFill", "FF445566"));
    memory.add("images/mem-icon.png", icon);
    const QByteArray bytes = memory.build();
    ASSERT_TRUE(rm()->loadSkinFile(bytes.constData(), bytes.size()));
    verify("memory", "mem-");

    // Broken skins change nothing.
    writeFile(dir + "/style.json", "{\"style\": [{\"type\": 1, \"name\": \"dir-skinFill\"");
    EXPECT_FALSE(moxSetSkinFilePath(dir, 1.0f));
    EXPECT_FALSE(moxSetSkinFilePath(QString(), 1.0f));
    EXPECT_FALSE(rm()->loadSkinFile(bytes.constData(), bytes.size() / 2));
    EXPECT_FALSE(rm()->loadSkinFile(nullptr, 10));
    EXPECT_FALSE(rm()->loadSkinFile(dir + "/language.txt"));
    verify("after broken skins", "dir-");
    EXPECT_FALSE(rm()->setCurrentLanguage(QStringLiteral("Klingon")));
    EXPECT_EQ(rm()->getCurrentLanguage(), QStringLiteral("German"));
}

TEST_F(ResourceEnv, ImagesAreBoundedCachedAndScaled)
{
    const QString dir = testsupport::tempDir(QStringLiteral("images"));
    writeFile(dir + "/plain.png", restest::pngBytes(QColor(200, 40, 40), 8, 6));
    // A PNG claiming 20000 x 20000 pixels must not be decoded (it would take 1.6 GB).
    QByteArray huge("\x89PNG\r\n\x1a\n", 8);
    auto chunk = [&](const QByteArray& type, const QByteArray& data) {
        for (int shift : {24, 16, 8, 0})
            huge.append(char((data.size() >> shift) & 0xff));
        const QByteArray body = type + data;
        huge.append(body);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.constData()), body.size());
        for (int shift : {24, 16, 8, 0})
            huge.append(char((crc >> shift) & 0xff));
    };
    chunk("IHDR", QByteArray("\0\0\x4e\x20\0\0\x4e\x20\x08\x06\0\0\0", 13));
    chunk("IDAT", QByteArray(64, '\0'));
    chunk("IEND", QByteArray());
    writeFile(dir + "/huge.png", huge);
    ASSERT_EQ(QImageReader(dir + "/huge.png").size(), QSize(20000, 20000));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/fifo.png").constData(), 0600), 0);
    writeFile(dir + "/junk.png", "not an image at all");

    const QString plain = dir + "/plain.png";
    QImage* normal = rm()->getImage(plain, false);
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(rm()->getImage(plain, false), normal);
    QImage* gray = rm()->getImage(plain, true);
    ASSERT_NE(gray, nullptr);
    EXPECT_NE(gray, normal);
    EXPECT_EQ(gray->size(), normal->size());
    EXPECT_NE(gray->pixelColor(2, 2), normal->pixelColor(2, 2));
    for (const char* bad : {"/huge.png", "/fifo.png", "/junk.png", "/missing.png", ""})
        EXPECT_EQ(rm()->getImage(dir + bad, false), nullptr) << bad;

    writeFile(dir + "/scaled.png", restest::pngBytes(Qt::blue, 9, 5));
    rm()->setScaleFactor(0.5f);
    QImage* scaled = rm()->getImage(dir + "/scaled.png", false);
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->size(), QSize(4, 2));

    // The built-in images survive releasing the cache.
    rm()->releaseRes();
    QImage* checked = rm()->getImage("IDB_CHECKED", false);
    ASSERT_NE(checked, nullptr);
    EXPECT_FALSE(checked->isNull());
    // The library's built-in looks are its own resource; an application's document at the
    // application path (this test program ships one) adds to them and wins by name.
    rm()->initDefaultStyleRes();
    FillStyle fill;
    EXPECT_TRUE(rm()->getFillStyle("defaultPanel", fill));
    ASSERT_TRUE(rm()->getFillStyle("appPanel", fill));
    EXPECT_EQ(fill.fillRes.color, QColor(1, 2, 3));
    ASSERT_TRUE(rm()->getFillStyle("defaultButtonNormal", fill));
    EXPECT_EQ(fill.fillRes.color, QColor(4, 5, 6));
}

namespace {

class CountingImpl : public ProbeImpl
{
public:
    using ProbeImpl::ProbeImpl;
    void changeLanguage() override { ++languageChanges; }
    int languageChanges = 0;
};

class CountingControl : public MOXQControl<QWidget, CountingImpl>
{
    Q_OBJECT
    Q_INTERFACES(MOXQtLib::IMOXQWidgetBase)
public:
    explicit CountingControl(QWidget* parent) : MOXQControl(QStringLiteral("qtprobe"), parent) {}
    CountingImpl* impl() { return static_cast<CountingImpl*>(getControlImpl()); }
};

} // namespace

TEST_F(ResourceEnv, NotificationsReachTheControlsOfLiveWindows)
{
    auto window = std::make_unique<QWidget>();
    auto* holder = new QWidget(window.get());
    auto* nested = new CountingControl(holder);
    auto* direct = new CountingControl(window.get());
    auto* inner = new CountingControl(direct);
    rm()->registerWindow(window.get());
    rm()->registerWindow(window.get());
    auto designer = std::make_unique<QWidget>();
    auto* designed = new CountingControl(designer.get());
    rm()->registerDesignerWindow(designer.get());
    const QList<CountingControl*> all{nested, direct, inner, designed};

    // A folder name outside ASCII, handed over as the platform's file-name bytes.
    const QString dir = testsupport::tempDir(QStringLiteral("notify")) +
                        QString::fromUtf8("/th\xc3\xa8me-\xe4\xb8\xbb\xe9\xa2\x98");
    writeFile(dir + "/style.json", restest::styleDocument("n", "FF000000"));
    writeFile(dir + "/theme.json",
              R"({"elements": [{"child": [{"name": "qtprobe", "look": "themed"}]}]})");
    ASSERT_TRUE(moxLoadThemeDir(QFile::encodeName(dir).constData()));
    for (CountingControl* c : all)
        EXPECT_EQ(c->impl()->look, QStringLiteral("themed"));

    // A new configuration refreshes every control of both window sets again.
    for (CountingControl* c : all)
        c->impl()->look.clear();
    MOXGlobalConfig config;
    config.buttonFadeEnabled = true;
    config.buttonFadeDuration = 0;
    moxSetGlobalConfig(config);
    EXPECT_EQ(rm()->getButtonFadeDuration(), 150); // a zero duration means the default
    for (CountingControl* c : all)
        EXPECT_EQ(c->impl()->look, QStringLiteral("themed"));

    // Language changes reach the controls of ordinary windows only, nested ones included.
    rm()->readLanguage(restest::utf16le("Language\tL1\r\nk\tv"));
    ASSERT_TRUE(rm()->setCurrentLanguage("L1"));
    EXPECT_EQ(nested->impl()->languageChanges, 1);
    EXPECT_EQ(direct->impl()->languageChanges, 1);
    EXPECT_EQ(inner->impl()->languageChanges, 1);
    EXPECT_EQ(designed->impl()->languageChanges, 0);

    // Destroyed and unregistered windows drop out.
    window.reset();
    rm()->unregisterDesignerWindow(designer.get());
    designed->impl()->look.clear();
    EXPECT_TRUE(moxNotifyThemeChange());
    EXPECT_TRUE(designed->impl()->look.isEmpty());
}

#include "test_resource_manager.moc"
