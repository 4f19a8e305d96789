// Line chart frame and hover cost as the data grows, side by side with QCustomPlot.
//
// Paints the gallery's large-data line scenario, its formula extended to 2,400 ... 2,400,000
// points, at 1200x800, over the whole range and over 0.68..1:
// - GL frame: one repaint as paintGL does it, with the plot drawn again, finished on the GL side
//   (glFinish), on the surface the chart chooses for this renderer; also on a 4-sample surface
//   drawn through GL, the choice for hardware renderers;
// - hover frame: a mouse move that changes the hovered column, then the repaint, which reuses
//   the plot layer; set against an empty frame (clear, painter begin and end, glFinish) on the
//   same surface;
// - QImage: the frame rasterised without GL.
// QCustomPlot draws the same series (1.4-pixel antialiased line, 0.16 area fill, six value
// ticks) with toPixmap(1200, 800). Ratios use CPU time (every thread of the process, so the
// software rasteriser's threads count); wall times are shown too. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/bench_line_chart [max points]

#include "LineScenarios.h"
#include "MOXQLineChart.h"
#include "MOXQLineChartImpl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QThread>

#ifdef GRAPHDECK_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

using namespace MOXQtLib;

namespace {

const QSize kSize(1200, 800);

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

double cpuMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Milliseconds per call, wall clock and CPU (every thread of the process, so llvmpipe's
// rasteriser threads count): at least three calls and about a quarter second after a warm-up.
// The CPU figure holds still on a machine shared with other work; the wall figure does not.
struct Timing
{
    double wall = -1;
    double cpu = -1;
};

Timing timeMs(const std::function<void()>& run, clockid_t clock = CLOCK_PROCESS_CPUTIME_ID)
{
    run();
    QElapsedTimer t;
    t.start();
    const double c0 = cpuMs(clock);
    int calls = 0;
    while (calls < 3 || (t.nsecsElapsed() < 250'000'000LL && calls < 2000)) {
        run();
        ++calls;
    }
    return {t.nsecsElapsed() / 1e6 / calls, (cpuMs(clock) - c0) / calls};
}

bool glAvailable()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    QOpenGLContext ctx;
    return ctx.create();
}

// One frame as paintGL draws it, into the widget's framebuffer, finished on the GL side: what
// the chart costs without the window system's compositing or a read-back.
void glFrame(MOXQLineChart* chart)
{
    chart->makeCurrent();
    chart->paintGLFrame();
    QOpenGLContext::currentContext()->functions()->glFinish();
    chart->doneCurrent();
}

// Clearing and finishing a frame with nothing painted: the floor of the surface.
void emptyFrame(MOXQLineChart* chart)
{
    chart->makeCurrent();
    QOpenGLFunctions* f = QOpenGLContext::currentContext()->functions();
    f->glViewport(0, 0, chart->width(), chart->height());
    const QColor bg = chart->effectiveBackgroundColor();
    f->glClearColor(bg.redF(), bg.greenF(), bg.blueF(), bg.alphaF());
    f->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    {
        QPainter painter(chart);
    }
    chart->makeCurrent();
    f->glFinish();
    chart->doneCurrent();
}

// A mouse move over the plot, alternating between two columns so every move changes the hover.
void moveMouse(MOXQLineChart* chart, int k)
{
    const QRectF plot = chart->impl()->frame(chart->size()).layout.plot;
    const double fx = (k % 2) ? 0.37 : 0.61;
    const QPointF pos(plot.left() + plot.width() * fx, plot.center().y());
    QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(chart, &move);
}

Timing hoverMs(MOXQLineChart* chart, int trigger)
{
    chart->setTooltipTrigger(trigger);
    int k = 0;
    return timeMs([&] { moveMouse(chart, k++); }, CLOCK_THREAD_CPUTIME_ID);
}

#ifdef GRAPHDECK_HAVE_QCUSTOMPLOT
struct Peer
{
    QCustomPlot plot;
    QCPGraph* graph = nullptr;

    explicit Peer(const QVector<double>& values)
    {
        QVector<double> keys(values.size());
        for (int i = 0; i < keys.size(); ++i)
            keys[i] = i;
        graph = plot.addGraph();
        graph->setData(keys, values, true);
        graph->setPen(QPen(QColor(35, 128, 224), 1.4));
        graph->setBrush(QColor(35, 128, 224, int(0.16 * 255 + 0.5)));
        graph->setAntialiased(true);
        graph->setAntialiasedFill(true);
        plot.yAxis->ticker()->setTickCount(6);
        plot.resize(kSize);
    }
    void setView(int first, int last, double lo, double hi)
    {
        plot.xAxis->setRange(first, last);
        plot.yAxis->setRange(lo, hi);
    }
};
#endif

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool gl = glAvailable();
    const int maxPoints = argc > 1 ? std::max(2400, std::atoi(argv[1])) : 2'400'000;
    std::printf("line chart, %dx%d, GL %s, %s\n", kSize.width(), kSize.height(),
                gl ? "on" : "off (run under Xvfb for the GL columns)",
#ifdef GRAPHDECK_HAVE_QCUSTOMPLOT
                "peer QCustomPlot " QCUSTOMPLOT_VERSION_STR
#else
                "no QCustomPlot"
#endif
    );

    const auto makeChart = [gl](int n, int rendering) {
        std::unique_ptr<MOXQLineChart> chart(createLargeDataLineChart(nullptr, n));
        chart->setRendering(rendering);
        chart->resize(kSize);
        chart->setAttribute(Qt::WA_DontShowOnScreen, !gl);
        chart->show();
        settle(100);
        return chart;
    };
    Timing empty, empty4;
    if (gl) {
        std::unique_ptr<MOXQLineChart> chart = makeChart(2400, ChartRenderingAuto);
        chart->makeCurrent();
        const auto* renderer = reinterpret_cast<const char*>(
            QOpenGLContext::currentContext()->functions()->glGetString(GL_RENDERER));
        std::printf("renderer %s: %s\n", renderer ? renderer : "?",
                    MOXQChartBase::softwareRenderer()
                        ? "software, frames rasterised in memory on a surface without samples"
                        : "hardware, 4-sample surface");
        chart->doneCurrent();
        empty = timeMs([&] { emptyFrame(chart.get()); });
        chart->hide();
        chart = makeChart(2400, ChartRenderingMultisample);
        empty4 = timeMs([&] { emptyFrame(chart.get()); });
        chart->hide();
        settle(20);
        std::printf("empty GL frame, wall/cpu ms: this surface %.1f/%.1f, 4 samples %.1f/%.1f\n",
                    empty.wall, empty.cpu, empty4.wall, empty4.cpu);
    }
    std::printf("ms per frame, wall/cpu. GL frame = one repaint with the plot drawn again; hover "
                "= a mouse move and its repaint (plot reused); model hover = the mouse move "
                "alone (ours) or selectTest (peer).\n");
    std::printf("%8s %-7s %13s %13s %13s %13s %8s %13s %11s %13s %13s %13s\n", "points", "range",
                "GL frame", "GL 4 samples", "QImage", "QCustomPlot", "GL/peer", "hover frame",
                "hover/empty", "axis hover", "item hover", "peer hover");

    double worstRatio = 0, worstHover = 0, worstWallRatio = 0, worstHover4 = 0;
    for (int n = 2400; n <= maxPoints; n *= 10) {
        std::unique_ptr<MOXQLineChart> chart = makeChart(n, ChartRenderingAuto);
        std::unique_ptr<MOXQLineChart> multi =
            gl ? makeChart(n, ChartRenderingMultisample) : nullptr;
#ifdef GRAPHDECK_HAVE_QCUSTOMPLOT
        Peer peer(chart->series().first().values);
#endif
        const struct
        {
            const char* name;
            double start, end;
        } ranges[] = {{"0..1", 0.0, 1.0}, {"0.68..1", 0.68, 1.0}};
        for (const auto& range : ranges) {
            chart->setVisibleRange(range.start, range.end);
            Timing frame, frame4, hover, hover4, peerFrame, peerHover;
            if (gl) {
                multi->setVisibleRange(range.start, range.end);
                // Each frame draws the plot again, as after a range drag or new data.
                frame = timeMs([&] {
                    chart->updatePlot();
                    glFrame(chart.get());
                });
                frame4 = timeMs([&] {
                    multi->updatePlot();
                    glFrame(multi.get());
                });
                int k = 0;
                hover = timeMs([&] {
                    moveMouse(chart.get(), k++);
                    glFrame(chart.get());
                });
                hover4 = timeMs([&] {
                    moveMouse(multi.get(), k++);
                    glFrame(multi.get());
                });
            }
            const Timing image = timeMs([&] {
                chart->updatePlot();
                chart->renderImage();
            });
            const MOXQLineChartImpl::Frame f = chart->impl()->frame(chart->size());
#ifdef GRAPHDECK_HAVE_QCUSTOMPLOT
            peer.setView(f.first, f.last, f.map.range.lo, f.map.range.hi);
            peerFrame = timeMs([&] { peer.plot.toPixmap(kSize.width(), kSize.height()); });
            peer.plot.replot();
            int k = 0;
            peerHover = timeMs(
                [&] {
                    const double fx = (k++ % 2) ? 0.37 : 0.61;
                    const QPointF pos(f.layout.plot.left() + f.layout.plot.width() * fx,
                                      f.layout.plot.center().y());
                    peer.graph->selectTest(pos, false);
                },
                CLOCK_THREAD_CPUTIME_ID);
#endif
            const Timing axis = hoverMs(chart.get(), TooltipAxis);
            const Timing item = hoverMs(chart.get(), TooltipItem);
            chart->setTooltipTrigger(TooltipAxis);
            const double ratio =
                frame.cpu > 0 && peerFrame.cpu > 0 ? frame.cpu / peerFrame.cpu : -1;
            const double hoverRatio = hover.cpu > 0 && empty.cpu > 0 ? hover.cpu / empty.cpu : -1;
            const auto pair = [](const Timing& t, int decimals) {
                return QString::asprintf("%.*f/%.*f", decimals, t.wall, decimals, t.cpu);
            };
            std::printf("%8d %-7s %13s %13s %13s %13s %8.3f %13s %11.3f %13s %13s %13s\n", n,
                        range.name, qPrintable(pair(frame, 1)), qPrintable(pair(frame4, 1)),
                        qPrintable(pair(image, 1)), qPrintable(pair(peerFrame, 1)), ratio,
                        qPrintable(pair(hover, 1)), hoverRatio, qPrintable(pair(axis, 3)),
                        qPrintable(pair(item, 3)), qPrintable(pair(peerHover, 3)));
            std::fflush(stdout);
            worstRatio = std::max(worstRatio, ratio);
            worstHover = std::max(worstHover, hoverRatio);
            if (frame.wall > 0 && peerFrame.wall > 0)
                worstWallRatio = std::max(worstWallRatio, frame.wall / peerFrame.wall);
            if (hover4.cpu > 0 && empty4.cpu > 0)
                worstHover4 = std::max(worstHover4, hover4.cpu / empty4.cpu);
        }
        chart->hide();
        if (multi) multi->hide();
        settle(20);
    }
    std::printf("wall: worst frame ours/QCustomPlot %.3f; 4 samples: worst hover/empty frame "
                "%.3f\n",
                worstWallRatio, worstHover4);
    std::printf("worst frame ours/QCustomPlot: %.3f; worst hover/empty frame: %.3f\n", worstRatio,
                worstHover);
    return 0;
}
