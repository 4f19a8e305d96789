// The image control: placement with and without stretch, SVG recolouring measured in pixels,
// the "attr" keys, movies that finish (or never can), and hostile picture files.

#include "ControlTestUtil.h"
#include "MOXQImage.h"
#include "MOXQtLib.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QLabel>
#include <QMovie>
#include <gtest/gtest.h>

using namespace MOXQtLib;
using ctltest::controlFrom;
using ctltest::parsed;
using ctltest::written;

namespace {

// A 20 x 10 drawing whose left half is blue and right half empty.
const char* const kHalfSvg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10">
<rect x="0" y="0" width="10" height="10" fill="#0000ff"/></svg>)";

// One frame, 1 x 1 pixel.
const QByteArray kGif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000"
                                            "002c00000000010001000002024401003b");

QString fileWith(const QString& name, const QByteArray& data)
{
    static const QString dir = testsupport::tempDir(QStringLiteral("image-files"));
    testsupport::writeFile(dir + "/" + name, data);
    return dir + "/" + name;
}

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A 4 x 4 red PNG whose header claims `claimed` (its checksum no longer fits either).
QByteArray pngClaiming(const QSize& claimed)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes = pngOf(image);
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = char((claimed.width() >> (24 - 8 * i)) & 0xFF);
        bytes[20 + i] = char((claimed.height() >> (24 - 8 * i)) & 0xFF);
    }
    return bytes;
}

QByteArray svgWithImage(const QByteArray& href)
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
        width="4" height="4"><image width="4" height="4" xlink:href=")" +
           href + "\"/></svg>";
}

bool anyPainted(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

} // namespace

TEST(Image, PlacesThePictureByStretchAndAlignment)
{
    struct Case
    {
        bool stretch;
        int hor, ver;
        QSize picture, control;
        QRect expected;
    };
    const Case cases[] = {
        {false, 1, 1, {100, 50}, {60, 60}, {-20, 5, 100, 50}},
        {false, 2, 2, {10, 10}, {60, 40}, {50, 30, 10, 10}},
        {false, 1, 1, {11, 11}, {60, 40}, {24, 14, 11, 11}},
        {true, 2, 2, {10, 10}, {60, 40}, {0, 0, 60, 40}},
    };
    for (const Case& c : cases) {
        MOXQImage image;
        image.setStretchDraw(c.stretch);
        image.setAlignType(DockLayoutType(c.hor), DockLayoutType(c.ver));
        EXPECT_EQ(image.impl()->targetRect(c.picture, c.control), c.expected)
            << c.hor << "," << c.ver;
    }

    // Drawn where the rectangle says: a 100 x 50 picture centred in 60 x 60 sits at (-20, 5).
    QImage picture(100, 50, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    MOXQImage image;
    image.resize(60, 60);
    image.setStretchDraw(false);
    image.setImage(&picture);
    const QImage shown = ctltest::rendered(&image);
    EXPECT_EQ(shown.pixel(0, 5), QColor(Qt::red).rgba());
    EXPECT_EQ(shown.pixel(59, 54), QColor(Qt::red).rgba());
    EXPECT_EQ(qAlpha(shown.pixel(30, 4)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(30, 55)), 0);
    image.setStretchDraw(true);
    EXPECT_EQ(testsupport::colorShare(ctltest::rendered(&image), Qt::red), 1.0);

    // A path replaces the application's image, so the path's picture shows.
    picture.fill(Qt::blue);
    image.setImagePath(fileWith("blue.png", pngOf(picture)));
    EXPECT_EQ(image.getImage(), nullptr);
    EXPECT_EQ(testsupport::colorShare(ctltest::rendered(&image), Qt::blue), 1.0);
}

TEST(Image, SvgRecolouringByPixels)
{
    ctltest::loadTestResources();
    MOXQImage image;
    image.resize(40, 20);
    // An upper-case suffix still goes through the SVG renderer.
    const QString path = fileWith("HALF.SVG", kHalfSvg);
    image.setImagePath(path);
    EXPECT_EQ(image.getSvgPath(), path);
    QImage shown = ctltest::rendered(&image);
    EXPECT_EQ(shown.pixel(5, 10), QColor(Qt::blue).rgba());
    EXPECT_EQ(qAlpha(shown.pixel(35, 10)), 0);

    image.setSvgColor(QColor(0, 200, 0));
    EXPECT_TRUE(image.getUseSvgColor());
    shown = ctltest::rendered(&image);
    EXPECT_EQ(shown.pixel(5, 10), QColor(0, 200, 0).rgba());
    EXPECT_EQ(qAlpha(shown.pixel(35, 10)), 0);
    // Off again: the drawing's own colours; the colour is kept.
    image.setUseSvgColor(false);
    EXPECT_EQ(ctltest::rendered(&image).pixel(5, 10), QColor(Qt::blue).rgba());
    EXPECT_EQ(image.getSvgColor(), QColor(0, 200, 0));

    // Centred at its own size, recoloured: only the drawing's half takes the colour.
    image.setStretchDraw(false);
    image.setUseSvgColor(true);
    shown = ctltest::rendered(&image);
    EXPECT_EQ(shown.pixel(10, 5), QColor(0, 200, 0).rgba());
    EXPECT_EQ(qAlpha(shown.pixel(9, 5)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(20, 5)), 0);

    const Json::Value out = written(&image);
    EXPECT_EQ(jsonWrite(out["attr"]), "{\"fill\":false,\"svgColor\":\"FF00C800\",\"svgPath\":\"" +
                                          path.toStdString() + "\",\"svgUseColor\":true}");
    EXPECT_EQ(jsonWrite(written(controlFrom<MOXQImage>(out).get())), jsonWrite(out));
}

TEST(Image, AttrKeysSurviveNullAndAbsentAttr)
{
    ctltest::loadTestResources();
    MOXQImage fresh;
    EXPECT_EQ(jsonWrite(written(&fresh)["attr"]), "{}");

    auto image = controlFrom<MOXQImage>(
        parsed(R"({"attr": {"path": "pic.png", "fill": false, "svgColor": "80FF0000"}})"));
    Json::Value out = written(image.get());
    EXPECT_EQ(jsonWrite(out["attr"]), R"({"fill":false,"path":"pic.png","svgColor":"80FF0000"})");
    // Reading a document again with a null or no "attr" keeps every value.
    for (const char* again : {R"({"attr": null})", R"({})", R"({"attr": 5})"}) {
        Json::Value document = parsed(again);
        image->readJsonValue(&document);
        EXPECT_EQ(jsonWrite(written(image.get())), jsonWrite(out)) << again;
    }
    // "svgPath" wins over "path" whatever their order.
    image = controlFrom<MOXQImage>(parsed(R"({"attr": {"svgPath": "a.svg", "path": "b.png"}})"));
    EXPECT_EQ(image->getSvgPath(), "a.svg");
    EXPECT_EQ(jsonWrite(written(image.get())["attr"]), R"({"svgPath":"a.svg"})");
}

TEST(Image, MoviesFinishOnlyWhenTheyHaveFrames)
{
    struct Case
    {
        const char* what;
        QByteArray data;
        bool hasMovie;
        bool finishes;
    };
    // The logical screen claims 30000 x 30000.
    const QByteArray huge = kGif.left(6) + QByteArray::fromHex("30753075") + kGif.mid(10);
    const Case cases[] = {
        {"one frame", kGif, true, true},
        {"truncated", kGif.left(12), false, false},
        {"missing", QByteArray(), false, false},
        {"30000 x 30000", huge, false, false},
    };
    for (const Case& c : cases) {
        MOXQImage image;
        image.resize(30, 30);
        int finished = 0;
        QObject::connect(&image, &MOXQImage::movieFinished, [&finished] { ++finished; });
        image.loadGif(c.data.isNull() ? QStringLiteral("/nonexistent/x.gif")
                                      : fileWith(QStringLiteral("m.gif"), c.data));
        EXPECT_EQ(image.impl()->movie() != nullptr, c.hasMovie) << c.what;
        testsupport::processEvents(50);
        ctltest::rendered(&image);
        EXPECT_EQ(finished > 0, c.finishes) << c.what;
        // A path brings the control's own picture back.
        image.setImagePath(QStringLiteral("x.png"));
        EXPECT_TRUE(!image.impl()->movie() && image.impl()->movieLabel()->isHidden()) << c.what;
    }
}

TEST(Image, HostilePictureFilesDrawNothing)
{
    QImage red(4, 4, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const QByteArray redPng = fileWith("red.png", pngOf(red)).toUtf8();
    const QByteArray huge = pngClaiming(QSize(30000, 30000));
    struct Case
    {
        const char* name;
        QByteArray data;
    };
    const Case cases[] = {
        {"truncated.png", pngOf(red).left(40)},
        {"huge.png", huge},
        {"garbage.svg", "<svg"},
        {"external.svg", svgWithImage(redPng)},
        {"undeclared.svg", "<svg><image width='4' height='4' xlink:href='" + redPng + "'/></svg>"},
        {"embedded.svg", svgWithImage("data:image/png;base64," + huge.toBase64())},
    };
    for (const Case& c : cases) {
        MOXQImage image;
        image.resize(16, 16);
        image.setImagePath(fileWith(c.name, c.data));
        EXPECT_FALSE(anyPainted(ctltest::rendered(&image))) << c.name;
    }
    // A missing file, and an embedded image of a sane size, for comparison.
    MOXQImage image;
    image.resize(16, 16);
    image.setImagePath(QStringLiteral("/nonexistent/picture.png"));
    EXPECT_FALSE(anyPainted(ctltest::rendered(&image)));
    image.setSvgPath(
        fileWith("fine.svg", svgWithImage("data:image/png;base64," + pngOf(red).toBase64())));
    EXPECT_TRUE(anyPainted(ctltest::rendered(&image)));

    // Clicks are reported.
    int clicks = 0;
    QObject::connect(&image, &MOXQImage::clicked, [&clicks] { ++clicks; });
    testsupport::click(&image, QPointF(4, 4));
    EXPECT_EQ(clicks, 1);
}
