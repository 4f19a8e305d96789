// Style records and language files: reading with defaults, malformed values, colour text,
// the scale factor, round trips and the UTF-16 language tables.
#include "MOXJson.h"
#include "MOXQResourceManager.h"
#include "MOXQResourceManagerImpl.h"
#include "MOXResourceIO.h"
#include "ResourceTestUtil.h"

#include <gtest/gtest.h>

using namespace MOXQtLib;

namespace {

Json::Value parse(const char* text)
{
    Json::Value value;
    EXPECT_TRUE(jsonParse(std::string(text), value)) << text;
    return value;
}

FillStyle readFill(const char* text, float scale = 100.0f)
{
    FillStyle style;
    MOXQResourceManager::readFillStyle(parse(text), scale, style);
    return style;
}

// Margins in the file's order: top, right, bottom, left.
QVector<int> marginsOf(const FillStyle& s)
{
    const ImageDesc& d = s.imageDesc;
    return {d.marginTop, d.marginRight, d.marginBottom, d.marginLeft};
}

std::string written(const FillStyle& style)
{
    Json::Value record;
    MOXQResourceManager::writeFillStyle(style, record);
    return jsonWrite(record);
}

} // namespace

TEST(ResourceStyle, FillRecordsReadWithDefaultsMarginsAndScale)
{
    // A record is valid by its type; the keys it lacks, and those it holds with the wrong
    // type, out of range or unparsable, read as the defaults.
    const FillStyle plain = readFill(R"({"type": 1, "name": "plain"})");
    EXPECT_TRUE(plain.valid);
    EXPECT_FALSE(readFill(R"({"name": "empty"})").valid);

    const char* margins = R"({"margin": [1, 2, 3, 4], "img": "a\\b\\c.png", "clr": "80ff00AA"})";
    const FillStyle full = readFill(margins);
    EXPECT_EQ(marginsOf(full), (QVector<int>{1, 2, 3, 4}));
    EXPECT_EQ(full.imagePath, QStringLiteral("a/b/c.png"));
    EXPECT_EQ(full.fillRes.color, QColor(0xff, 0x00, 0xAA, 0x80));
    EXPECT_EQ(marginsOf(readFill(margins, 0.5f)), (QVector<int>{0, 1, 1, 2}));

    const FillStyle bad = readFill(R"({"name": 7, "round": "abc", "clr": 5, "borderclr": "zz",
        "borderSize": 1e300, "border": "yes", "margin": [1, "x", null], "drawImg": "no",
        "topBorder": null, "repeatCenter": [true]})");
    EXPECT_EQ(bad.name, QString());
    EXPECT_EQ(bad.fillRes.round, 0);
    EXPECT_EQ(bad.fillRes.color.rgba(), 0xFFFFFFFFu);
    EXPECT_EQ(bad.fillRes.borderColor.rgba(), 0xFFFFFFFFu);
    EXPECT_EQ(bad.fillRes.borderSize, 1);
    EXPECT_FALSE(bad.fillRes.border);
    EXPECT_TRUE(bad.fillRes.topBorder);
    EXPECT_FALSE(bad.imageDesc.repeatCenter);
    EXPECT_EQ(marginsOf(bad), (QVector<int>{1, 0, 0, 0}));
    EXPECT_FALSE(bad.fillWithColor);
    EXPECT_EQ(written(readFill(R"({"margin": "x"})")).find("margin"), std::string::npos);
}

TEST(ResourceStyle, StyleDocumentsRoundTripAtHalfScale)
{
    MOXQResourceManager* rm = MOXQResourceManager::getInstance();
    const Json::Value document = parse(R"({"style": [
        {"type": 1, "name": "a", "drawImg": false, "clr": "FF102030", "borderclr": "7F000000",
         "round": 6, "borderSize": 2, "border": true, "leftBorder": false,
         "roundTopRight": false, "img": "x.png", "margin": [4, 6, 8, 10], "repeatCenter": true},
        {"type": 2, "name": "t", "bold": true, "size": 15, "family": "DejaVu Sans",
         "clr": "FF00FF00", "x": 3, "y": -2, "isHor": false, "hor": 2, "ver": 0},
        {"type": 1, "name": "b"},
        {"type": 3, "name": "ignored"}, 42, "text",
        {"type": 1, "name": "a", "clr": "FFFFFF00", "margin": [4, 6, 8, 10]}]})");
    MOXQResourceManagerImpl first;
    rm->setScaleFactor(0.5f);
    rm->readStyle(&first, document);
    rm->setScaleFactor(100.0f);
    ASSERT_EQ(first.fillStyles().size(), 2);
    ASSERT_EQ(first.textStyles().size(), 1);
    // A repeated name replaces the record in place.
    EXPECT_EQ(first.fillStyles()[0].name, QStringLiteral("a"));
    EXPECT_EQ(first.fillStyles()[0].fillRes.color.rgba(), 0xFFFFFF00u);
    EXPECT_EQ(first.fillStyles()[0].imageDesc.marginLeft, 5);
    EXPECT_EQ(first.textStyle("t")->size, 15);
    EXPECT_FALSE(first.textStyle("t")->isHor);
    EXPECT_EQ(first.textStyle("t")->y, -2);

    // Written and read back (at full scale) gives the same document again.
    Json::Value out;
    rm->writeStyle(&first, out);
    MOXQResourceManagerImpl second;
    rm->readStyle(&second, out);
    Json::Value again;
    rm->writeStyle(&second, again);
    EXPECT_EQ(jsonWrite(out), jsonWrite(again));
    EXPECT_NE(jsonWrite(out).find("\"FFFFFF00\""), std::string::npos);
    EXPECT_EQ(jsonWrite(out).find("\"ignored\""), std::string::npos);

    MOXQResourceManagerImpl none;
    rm->readStyle(&none, parse(R"({"style": {"type": 1}})"));
    rm->readStyle(nullptr, document);
    EXPECT_TRUE(none.fillStyles().isEmpty());
}

TEST(ResourceStyle, LanguageFilesDecodeAsUtf16LittleEndian)
{
    QStringList languages;
    LanguageTables tables;
    QByteArray file = restest::utf16le(QStringLiteral(
        "Language\tEnglish\tGerman\r\nok\tOK\r\nyes\tYes\tJa\tExtra\tMore\r\n"
        "single\r\n\r\nyes\tYES\tJA\r\numlaut\t\u00c4\u00d6\tGr\u00fc\u00dfe \U0001F600"));
    file.append('\x01'); // a trailing odd byte is dropped
    ASSERT_TRUE(parseLanguageFile(file, languages, tables));
    EXPECT_EQ(languages, QStringList({"English", "German"}));
    EXPECT_EQ(tables["English"].value("ok"), QStringLiteral("OK"));
    EXPECT_FALSE(tables["German"].contains("ok"));
    // Repeated keys replace; fields beyond the header's languages are ignored.
    EXPECT_EQ(tables["English"].value("yes"), QStringLiteral("YES"));
    EXPECT_EQ(tables["German"].value("yes"), QStringLiteral("JA"));
    EXPECT_EQ(tables.size(), 2);
    EXPECT_FALSE(tables["English"].contains("single"));
    EXPECT_EQ(tables["German"].value("umlaut"), QStringLiteral("Gr\u00fc\u00dfe \U0001F600"));

    // Without a byte-order mark the same text reads the same.
    LanguageTables plain;
    ASSERT_TRUE(
        parseLanguageFile(restest::utf16le("Language\tA\r\nk\tv", false), languages, plain));
    EXPECT_EQ(plain["A"].value("k"), QStringLiteral("v"));

    for (const QByteArray& bad :
         {restest::utf16le("Language\tA"), restest::utf16le("Lang\tA\r\nk\tv"),
          restest::utf16le("Language\r\nk\tv"), restest::utf16le("Language\tA\nk\tv"),
          QByteArray("Language\tA\r\nk\tv"), QByteArray(), QByteArray("\xFF\xFE", 2),
          QByteArray("\xFF", 1)}) {
        LanguageTables untouched = plain;
        EXPECT_FALSE(parseLanguageFile(bad, languages, untouched));
        EXPECT_EQ(untouched, plain);
    }
}
