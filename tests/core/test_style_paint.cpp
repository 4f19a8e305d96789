// Pixel geometry of the style painters, rendered into images: fills, borders, rounded corners,
// nine-patch pieces and tiling, image placement, SVGs and text.
#include "MOXQResourceManager.h"
#include "MOXQStylePainter.h"
#include "ResourceTestUtil.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>

using namespace MOXQtLib;

namespace {

const QColor kBackground(10, 20, 30);

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(kBackground);
    return image;
}

template <typename Paint> QImage paint(int w, int h, Paint paintFn)
{
    QImage image = canvas(w, h);
    QPainter p(&image);
    paintFn(p);
    p.end();
    return image;
}

// The bounding box of the pixels that differ from the background.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kBackground) box |= QRect(x, y, 1, 1);
    return box;
}

QString writePng(const QString& name, const QImage& image)
{
    const QString path = testsupport::tempDir(QStringLiteral("paint-") + name) + "/" + name;
    image.save(path, "PNG");
    return path;
}

// A w x h image whose column c has colour columns[c].
QImage columnsImage(const QVector<QColor>& columns, int h)
{
    QImage image(columns.size(), h, QImage::Format_ARGB32);
    for (int x = 0; x < columns.size(); ++x)
        for (int y = 0; y < h; ++y)
            image.setPixelColor(x, y, columns[x]);
    return image;
}

FillRes solid(const QColor& fill, const QColor& border, int size)
{
    FillRes res;
    res.color = fill;
    res.borderColor = border;
    res.borderSize = size;
    res.border = true;
    return res;
}

} // namespace

TEST(StylePaint, FillBordersStayInsideTheirRectangle)
{
    // Width 1 and (mended) width 2 or more: the border ring lies inside (10, 10, 20, 10).
    for (int b : {1, 2, 3}) {
        SCOPED_TRACE(b);
        const QImage image = paint(40, 30, [&](QPainter& p) {
            drawFillRes(&p, solid(Qt::white, Qt::red, b), 10, 10, 20, 10);
        });
        EXPECT_EQ(inkBox(image), QRect(10, 10, 20, 10));
        for (int i = 0; i < b; ++i) {
            EXPECT_EQ(image.pixelColor(10 + i, 15), QColor(Qt::red));
            EXPECT_EQ(image.pixelColor(29 - i, 15), QColor(Qt::red));
            EXPECT_EQ(image.pixelColor(20, 10 + i), QColor(Qt::red));
            EXPECT_EQ(image.pixelColor(20, 19 - i), QColor(Qt::red));
        }
        EXPECT_EQ(image.pixelColor(10 + b, 10 + b), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(29 - b, 19 - b), QColor(Qt::white));
    }

    // Only the top side, width 3: one line centred at y + 1.5.
    FillRes top = solid(Qt::white, Qt::blue, 3);
    top.leftBorder = top.rightBorder = top.bottomBorder = false;
    QImage image = paint(20, 10, [&](QPainter& p) { drawFillRes(&p, top, 0, 0, 20, 10); });
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(image.pixelColor(10, y), QColor(y < 3 ? Qt::blue : Qt::white)) << y;
    EXPECT_EQ(image.pixelColor(0, 1), QColor(Qt::blue));

    // Border size 0 draws no border even with the flag set.
    image = paint(
        20, 10, [&](QPainter& p) { drawFillRes(&p, solid(Qt::white, Qt::red, 0), 0, 0, 20, 10); });
    EXPECT_DOUBLE_EQ(testsupport::colorShare(image, Qt::white, 0), 1.0);

    // Gradient from the fill colour at the left to the end colour at the right.
    FillRes gradient = solid(Qt::black, Qt::black, 0);
    gradient.gradient = true;
    gradient.gradientEndColor = Qt::white;
    image = paint(100, 4, [&](QPainter& p) { drawFillRes(&p, gradient, 0, 0, 100, 4); });
    EXPECT_LT(image.pixelColor(0, 2).red(), 10);
    EXPECT_GT(image.pixelColor(99, 2).red(), 245);
    EXPECT_NEAR(image.pixelColor(50, 2).red(), 128, 8);

    // Invalid styles draw nothing; empty rectangles neither.
    FillStyle invalid;
    invalid.valid = false;
    image = paint(10, 10, [&](QPainter& p) {
        drawFillStyle(&p, invalid, QRect(0, 0, 10, 10));
        drawFillRes(&p, solid(Qt::white, Qt::red, 1), 0, 0, 0, 10);
        drawFillRes(&p, solid(Qt::white, Qt::red, 1), 0, 0, 10, -4);
    });
    EXPECT_TRUE(inkBox(image).isNull());
}

TEST(StylePaint, RoundedCornersClampTheirRadius)
{
    const QRectF rect(0, 0, 20, 10);
    EXPECT_EQ(roundedRectPath(rect, 50, true, true, true, true),
              roundedRectPath(rect, 5, true, true, true, true));
    EXPECT_TRUE(roundedRectPath(QRectF(0, 0, 0, 10), 3, true, true, true, true).isEmpty());
    QPainterPath plain;
    plain.addRect(rect);
    EXPECT_EQ(roundedRectPath(rect, -4, true, true, true, true), plain);
    const QPainterPath some = roundedRectPath(rect, 5, true, false, true, false);
    EXPECT_FALSE(some.contains(QPointF(0.5, 0.5)));
    EXPECT_TRUE(some.contains(QPointF(19.5, 0.5)));
    EXPECT_FALSE(some.contains(QPointF(19.5, 9.5)));
    EXPECT_TRUE(some.contains(QPointF(0.5, 9.5)));

    FillRes res = solid(Qt::white, Qt::red, 2);
    res.round = 50;
    const QImage image = paint(40, 30, [&](QPainter& p) { drawFillRes(&p, res, 10, 10, 20, 10); });
    EXPECT_EQ(image.pixelColor(10, 10), kBackground);
    EXPECT_EQ(image.pixelColor(20, 15), QColor(Qt::white));
    EXPECT_TRUE(QRect(10, 10, 20, 10).contains(inkBox(image)));
}

TEST(StylePaint, NinePatchPiecesLandOnTheirMargins)
{
    // Corners red, edges green, centre blue, margins 3 on every side.
    QImage source(9, 9, QImage::Format_ARGB32);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int edges = (x < 3 || x > 5) + (y < 3 || y > 5);
            source.setPixelColor(x, y, edges == 2 ? Qt::red : edges == 1 ? Qt::green : Qt::blue);
        }
    const QString path = writePng("patch.png", source);
    ImageDesc desc;
    desc.marginLeft = desc.marginRight = desc.marginTop = desc.marginBottom = 3;
    QImage image = paint(40, 30, [&](QPainter& p) { drawNinePatch(&p, path, desc, 5, 5, 30, 20); });
    EXPECT_EQ(inkBox(image), QRect(5, 5, 30, 20));
    for (QPoint corner : {QPoint(5, 5), QPoint(7, 7), QPoint(34, 5), QPoint(5, 24), QPoint(32, 22)})
        EXPECT_EQ(image.pixelColor(corner), QColor(Qt::red)) << corner.x() << "," << corner.y();
    for (QPoint edge : {QPoint(8, 5), QPoint(31, 7), QPoint(5, 8), QPoint(34, 21), QPoint(20, 24)})
        EXPECT_EQ(image.pixelColor(edge), QColor(Qt::green)) << edge.x() << "," << edge.y();
    EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(31, 21), QColor(Qt::blue));

    // All margins 0: the whole image is stretched into the rectangle.
    image = paint(18, 18, [&](QPainter& p) { drawNinePatch(&p, path, ImageDesc(), 0, 0, 18, 18); });
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(9, 9), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(17, 9), QColor(Qt::green));

    // Narrower than both side margins: the right piece only covers what is right of the left.
    const QString sides =
        writePng("sides.png", columnsImage({Qt::red, Qt::red, Qt::red, Qt::blue, Qt::blue, Qt::blue,
                                            Qt::green, Qt::green, Qt::green},
                                           4));
    ImageDesc lr;
    lr.marginLeft = lr.marginRight = 3;
    image = paint(6, 4, [&](QPainter& p) { drawNinePatch(&p, sides, lr, 0, 0, 4, 4); });
    EXPECT_EQ(image.pixelColor(1, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(3, 2), QColor(Qt::green));

    // Missing images and empty targets draw nothing.
    image = paint(10, 10, [&](QPainter& p) {
        drawNinePatch(&p, path + ".missing", desc, 0, 0, 10, 10);
        drawNinePatch(&p, path, desc, 0, 0, 0, 10);
    });
    EXPECT_TRUE(inkBox(image).isNull());
}

TEST(StylePaint, RepeatedCentreTilesFromTheTopLeft)
{
    const QColor a(200, 0, 0), b(0, 200, 0), c(0, 0, 200);
    const QString path = writePng("tile.png", columnsImage({Qt::black, a, b, c, Qt::white}, 2));
    ImageDesc desc;
    desc.marginLeft = desc.marginRight = 1;
    desc.repeatCenter = true;
    // A 3-pixel source centre in a 10-pixel target: 4 columns, the last one clipped.
    const QImage image =
        paint(14, 4, [&](QPainter& p) { drawNinePatch(&p, path, desc, 1, 1, 12, 2); });
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
    const QColor cycle[] = {a, b, c};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(image.pixelColor(2 + i, 2), cycle[i % 3]) << i;
    EXPECT_EQ(image.pixelColor(12, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(13, 1), kBackground);

    // A 1-pixel centre on a large control is one tiled call, not millions of tiles.
    QImage dot(3, 3, QImage::Format_ARGB32);
    dot.fill(Qt::black);
    dot.setPixelColor(1, 1, a);
    const QString dotPath = writePng("dot.png", dot);
    desc.marginTop = desc.marginBottom = 1;
    const QImage big =
        paint(3000, 3000, [&](QPainter& p) { drawNinePatch(&p, dotPath, desc, 0, 0, 3000, 3000); });
    EXPECT_EQ(big.pixelColor(1500, 1500), a);
    EXPECT_EQ(big.pixelColor(2998, 2998), a);
    EXPECT_EQ(big.pixelColor(2999, 1500), QColor(Qt::black));
}

TEST(StylePaint, ImagesAndSvgsArePlacedByTheirStyle)
{
    QImage four(4, 4, QImage::Format_ARGB32);
    four.fill(Qt::red);
    const QString png = writePng("four.png", four);
    IconStyleDesc style;
    style.horAlign = 2;
    style.verAlign = 1;
    style.x = 1;
    style.y = -1;
    QImage image =
        paint(30, 12, [&](QPainter& p) { drawImage(&p, png, style, QRect(0, 0, 20, 10)); });
    EXPECT_EQ(inkBox(image), QRect(17, 2, 4, 4));
    EXPECT_EQ(getImageSize(png), QSize(4, 4));
    EXPECT_EQ(getImageSize(png + ".nope"), QSize(-1, -1));
    EXPECT_EQ(getImageSize(QString()), QSize(-1, -1));

    IconStyleDesc centred;
    centred.horAlign = centred.verAlign = 1;
    const QString dir = testsupport::tempDir(QStringLiteral("svg"));
    restest::writeFile(
        dir + "/sized.SVG",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"6\" "
        "viewBox=\"0 0 8 6\"><rect width=\"8\" height=\"6\" fill=\"#000000\"/></svg>");
    restest::writeFile(dir + "/broken.svg", "<svg><rect");
    // SVGs render straight into their placed rectangle.
    image = paint(40, 30,
                  [&](QPainter& p) { drawImage(&p, dir + "/sized.SVG", centred, 5, 5, 30, 20); });
    EXPECT_EQ(inkBox(image), QRect(16, 12, 8, 6));
    EXPECT_EQ(getImageSize(dir + "/sized.SVG"), QSize(8, 6));

    // Tinted: every drawn pixel takes the colour.
    IconStyleDesc tint;
    tint.horAlign = tint.verAlign = 0;
    tint.useColor = true;
    tint.color = QColor(0, 0, 255);
    image =
        paint(10, 10, [&](QPainter& p) { drawImage(&p, dir + "/sized.SVG", tint, 0, 0, 10, 10); });
    EXPECT_EQ(inkBox(image), QRect(0, 0, 8, 6));
    EXPECT_EQ(image.pixelColor(4, 3), QColor(0, 0, 255));
    // Disabled: the grey look, not the original black.
    image = paint(10, 10, [&](QPainter& p) {
        drawImage(&p, dir + "/sized.SVG", IconStyleDesc(), 0, 0, 10, 10, true);
    });
    EXPECT_NE(image.pixelColor(4, 3), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(4, 3), kBackground);

    image = paint(10, 10, [&](QPainter& p) {
        drawImage(&p, dir + "/broken.svg", IconStyleDesc(), 0, 0, 10, 10);
        drawImage(&p, dir + "/missing.svg", tint, 0, 0, 10, 10);
        drawIcon(&p, QIcon(), QSize(4, 4), IconStyleDesc(), QRect(0, 0, 10, 10));
    });
    EXPECT_TRUE(inkBox(image).isNull());

    image = paint(20, 20, [&](QPainter& p) {
        drawIcon(&p, QIcon(QPixmap::fromImage(four)), QSize(4, 4), centred, QRect(0, 0, 20, 10));
    });
    EXPECT_EQ(inkBox(image), QRect(8, 3, 4, 4));
}

TEST(StylePaint, ScaledImagesFillTheirBox)
{
    QImage four(4, 4, QImage::Format_ARGB32);
    four.fill(Qt::red);
    const QString png = writePng("scaled.png", four);
    const QString dir = testsupport::tempDir(QStringLiteral("scaled-svg"));
    restest::writeFile(
        dir + "/shape.svg",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"6\" "
        "viewBox=\"0 0 8 6\"><rect width=\"8\" height=\"6\" fill=\"#000000\"/></svg>");
    const QString svg = dir + "/shape.svg";
    IconStyleDesc tint;
    tint.useColor = true;
    tint.color = QColor(0, 0, 255);
    const struct
    {
        QString path;
        QRect box;
        IconStyleDesc style;
        bool disabled;
        QColor centre;
    } cases[] = {
        {png, {2, 3, 10, 6}, {}, false, Qt::red},
        {png, {0, 0, 2, 2}, {}, false, Qt::red},
        {svg, {1, 1, 16, 12}, {}, false, Qt::black},
        {svg, {4, 4, 4, 3}, tint, false, QColor(0, 0, 255)},
        // Disabled: neither the original colour nor nothing.
        {png, {2, 2, 8, 8}, {}, true, QColor()},
        {svg, {2, 2, 8, 8}, {}, true, QColor()},
        // Nothing for an empty box or a missing image.
        {png, {5, 5, 0, 4}, {}, false, kBackground},
        {dir + "/missing.png", {0, 0, 8, 8}, {}, false, kBackground},
    };
    for (const auto& c : cases) {
        const QImage image = paint(
            20, 20, [&](QPainter& p) { drawImageScaled(&p, c.path, c.style, c.box, c.disabled); });
        const QColor centre = image.pixelColor(c.box.center());
        if (c.centre == kBackground) {
            EXPECT_TRUE(inkBox(image).isNull()) << qPrintable(c.path);
            continue;
        }
        EXPECT_EQ(inkBox(image), c.box) << qPrintable(c.path);
        if (c.centre.isValid()) {
            EXPECT_EQ(centre, c.centre) << qPrintable(c.path);
        } else {
            EXPECT_NE(centre, kBackground) << qPrintable(c.path);
            EXPECT_NE(centre, QColor(Qt::red)) << qPrintable(c.path);
            EXPECT_NE(centre, QColor(Qt::black)) << qPrintable(c.path);
        }
    }
}

TEST(StylePaint, TextIsAlignedElidedAndTurned)
{
    TextStyleDesc style;
    style.family = QStringLiteral("DejaVu Sans");
    style.size = 14;
    style.color = Qt::white;
    const QString text = QStringLiteral("A rather long caption that cannot fit");
    const QFontMetrics metrics(textStyleFont(style));

    // Elided at the right to w - 2 pixels, unless elide mode 3.
    auto render = [&](const QString& t, int elideMode) {
        TextStyleDesc s = style;
        s.elideMode = elideMode;
        return paint(200, 30, [&](QPainter& p) { drawText(&p, t, s, 0, 0, 80, 30); });
    };
    const QString elided = metrics.elidedText(text, Qt::ElideRight, 78);
    ASSERT_TRUE(elided.endsWith(QChar(0x2026)));
    EXPECT_EQ(render(text, 1), render(elided, 3));
    EXPECT_NE(render(text, 3), render(elided, 3));

    // Right and bottom alignment with offsets.
    TextStyleDesc corner = style;
    corner.horAlign = 2;
    corner.verAlign = 2;
    QImage image = paint(120, 60, [&](QPainter& p) { drawText(&p, "Hg", corner, 10, 5, 100, 50); });
    const QRect ink = inkBox(image);
    EXPECT_GE(ink.right(), 100);
    EXPECT_LE(ink.right(), 109);
    EXPECT_GE(ink.bottom(), 45);
    EXPECT_LE(ink.bottom(), 54);

    // Mended: vertical text lands in its rectangle wherever that is.
    TextStyleDesc vertical = style;
    vertical.isHor = false;
    vertical.horAlign = 1;
    for (QPoint at : {QPoint(0, 0), QPoint(120, 30), QPoint(40, 90)}) {
        image = paint(200, 200, [&](QPainter& p) {
            drawText(&p, "Vertical", vertical, QRect(at, QSize(20, 100)));
        });
        const QRect box = inkBox(image);
        EXPECT_FALSE(box.isNull()) << at.x() << "," << at.y();
        EXPECT_TRUE(QRect(at, QSize(20, 100)).contains(box)) << at.x() << "," << at.y();
        EXPECT_GT(box.height(), box.width());
    }

    image = paint(20, 20, [&](QPainter& p) {
        drawText(&p, QString(), style, 0, 0, 20, 20);
        drawText(&p, "x", vertical, 0, 0, 0, 20);
    });
    EXPECT_TRUE(inkBox(image).isNull());
    EXPECT_TRUE(isSvgPath(QStringLiteral(" icons/a.SVG ")));
    EXPECT_FALSE(isSvgPath(QStringLiteral("a.svgz")));
}

TEST(StylePaint, ExtremeStyleValuesPaintWithinBounds)
{
    // Values a hostile style file can carry: nothing overflows, nothing leaves the image.
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    QImage source(3, 3, QImage::Format_ARGB32);
    source.fill(Qt::green);
    const QString path = writePng("extreme.png", source);
    ImageDesc desc;
    desc.marginLeft = desc.marginTop = kMax;
    desc.marginRight = desc.marginBottom = kMin;
    desc.repeatCenter = true;
    FillRes res = solid(Qt::white, Qt::red, kMax);
    res.round = kMax;
    TextStyleDesc text;
    text.x = kMax;
    text.y = kMin;
    text.size = kMax;
    text.verAlign = 2;
    IconStyleDesc icon;
    icon.x = kMax;
    icon.y = kMin;
    icon.horAlign = 2;
    const QImage image = paint(20, 20, [&](QPainter& p) {
        drawNinePatch(&p, path, desc, 0, 0, 20, 20);
        drawFillRes(&p, res, 2, 2, 10, 10);
        drawText(&p, "text", text, 0, 0, 20, 20);
        text.isHor = false;
        drawText(&p, "text", text, 0, 0, 20, 20);
        drawImage(&p, path, icon, 0, 0, 20, 20);
    });
    // Margins are clamped to the image: its whole 3 x 3 source is the top-left corner.
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(15, 15), kBackground);
    EXPECT_EQ(measureText("x", text).height(), QFontMetrics(textStyleFont(text)).height());
}
