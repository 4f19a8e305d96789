// Nine-patch centre tiling: one tiled-pixmap call (what drawNinePatch does) against drawing the
// centre tile by tile, for a 1-pixel and an 8-pixel source centre on a 400 x 300 control.
#include "MOXQStylePainter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>

using namespace MOXQtLib;

namespace {

QString patchImage(int centre)
{
    const QString path = QDir::temp().filePath(QStringLiteral("bench-patch-%1.png").arg(centre));
    QImage image(centre + 2, centre + 2, QImage::Format_ARGB32);
    image.fill(Qt::darkGray);
    for (int y = 1; y <= centre; ++y)
        for (int x = 1; x <= centre; ++x)
            image.setPixelColor(x, y, QColor(40 * x % 255, 30 * y % 255, 90));
    image.save(path, "PNG");
    return path;
}

constexpr int kW = 400, kH = 300;

void BM_NinePatchTiledCall(benchmark::State& state)
{
    const int centre = int(state.range(0));
    const QString path = patchImage(centre);
    ImageDesc desc;
    desc.marginLeft = desc.marginRight = desc.marginTop = desc.marginBottom = 1;
    desc.repeatCenter = true;
    QImage target(kW, kH, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        drawNinePatch(&p, path, desc, 0, 0, kW, kH);
    }
}

// The centre drawn one source-sized tile at a time, row by row, clipped to the target.
void BM_NinePatchTileByTile(benchmark::State& state)
{
    const int centre = int(state.range(0));
    QImage image(patchImage(centre));
    const QRect source(1, 1, centre, centre);
    const QRect centreTarget(1, 1, kW - 2, kH - 2);
    QImage target(kW, kH, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        p.setClipRect(centreTarget);
        const int cols = int(std::ceil(double(centreTarget.width()) / centre));
        const int rows = int(std::ceil(double(centreTarget.height()) / centre));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                p.drawImage(QRect(centreTarget.x() + c * centre, centreTarget.y() + r * centre,
                                  centre, centre),
                            image, source);
    }
}

} // namespace

BENCHMARK(BM_NinePatchTiledCall)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NinePatchTileByTile)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
