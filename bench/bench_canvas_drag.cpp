// Dragging a selected control across designer canvas pages of 10, 100 and 1,000 controls:
// milliseconds per drag frame (one mouse move and the repaint it causes). "Regrab" repaints the
// whole canvas and grabs every control again each frame, as a canvas without its grab cache
// would, for comparison.
//
//   bench_canvas_drag [--benchmark_filter=...]

#include "MOXQCanvas.h"
#include "MOXQtLib.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace MOXQtLib;

// Labels and buttons on a grid inside one root container of 1600 x 1000.
std::string pageJson(int controls)
{
    std::string s = R"({"w": 1600, "h": 1000, "elements": [{"type": "qtcontainer", "name": "root",
        "x": 0, "y": 0, "w": 1600, "h": 1000, "child": [)";
    const int columns = 40;
    for (int i = 0; i < controls; ++i) {
        const int x = 4 + (i % columns) * 40, y = 4 + (i / columns) * 38;
        s += (i ? "," : "") + std::string(R"({"type": ")") + (i % 2 ? "qtbutton" : "qtlabel") +
             R"(", "name": "c)" + std::to_string(i) + R"(", "x": )" + std::to_string(x) +
             R"(, "y": )" + std::to_string(y) + R"(, "w": 36, "h": 34, "text": "T)" +
             std::to_string(i) + "\"}";
    }
    return s + "]}]}";
}

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& pos)
{
    QMouseEvent event(type, pos, pos, pos, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void dragFrames(benchmark::State& state, bool regrab)
{
    const int controls = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.write(QByteArray::fromStdString(pageJson(controls)));
    file.close();

    MOXQCanvas canvas;
    canvas.resize(1600, 1000);
    canvas.show();
    if (!canvas.OpenJsonFile(path)) {
        state.SkipWithError("cannot open the page");
        return;
    }
    QWidget* target = canvas.currentPage()->findChild<QWidget*>(QStringLiteral("c0"));
    canvas.AddSelectedControl(target);
    canvas.repaint();
    QApplication::processEvents();

    const QPoint press = target->mapTo(&canvas, QPoint(18, 17));
    sendMouse(&canvas, QEvent::MouseButtonPress, press);
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the page, well away from the snap distance of the grid.
        const int dx = 7 + (step++ % 40) * 23;
        if (regrab) canvas.invalidateAll();
        sendMouse(&canvas, QEvent::MouseMove, press + QPoint(dx, dx / 3));
        QApplication::processEvents();
    }
    sendMouse(&canvas, QEvent::MouseButtonRelease, press);
    state.counters["controls"] = controls;
}

void BM_CanvasDragFrame(benchmark::State& state) { dragFrames(state, false); }
void BM_CanvasDragFrameRegrab(benchmark::State& state) { dragFrames(state, true); }

BENCHMARK(BM_CanvasDragFrame)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasDragFrameRegrab)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    init();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
