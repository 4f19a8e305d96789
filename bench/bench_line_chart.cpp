// Line chart frame and hover cost as the data grows, side by side with QCustomPlot.
//
// Paints the gallery's large-data line scenario, its formula extended to 2,400 ... 2,400,000
// points, at 1200x800: through the GL path (paintGL's work + glFinish, and grabFramebuffer; also
// on a surface without multisampling) and into a QImage, over the whole range and over 0.68..1,
// and times one hover per trigger.
// QCustomPlot draws the same series (1.4-pixel antialiased line, 0.16 area fill, six value
// ticks) with toPixmap(1200, 800). Run under Xvfb for the GL rows:
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
#include <QSurfaceFormat>
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

// One frame exactly as paintGL draws it, into the widget's framebuffer, finished on the GPU:
// what the chart costs without the window system's compositing or a read-back.
void glRender(MOXQLineChart* chart, bool paint = true)
{
    chart->makeCurrent();
    QOpenGLFunctions* f = QOpenGLContext::currentContext()->functions();
    f->glBindFramebuffer(GL_FRAMEBUFFER, chart->defaultFramebufferObject());
    f->glViewport(0, 0, chart->width(), chart->height());
    const QColor bg = chart->effectiveBackgroundColor();
    f->glClearColor(bg.redF(), bg.greenF(), bg.blueF(), bg.alphaF());
    f->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    {
        QPainter painter(chart);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        if (paint) chart->paintFrame(painter);
    }
    chart->makeCurrent();
    f->glFinish();
    chart->doneCurrent();
}

Timing hoverMs(MOXQLineChart* chart, int trigger)
{
    chart->setTooltipTrigger(trigger);
    const QRectF plot = chart->impl()->frame(chart->size()).layout.plot;
    int k = 0;
    return timeMs(
        [&] {
            // Alternate between two columns so every move changes the hover.
            const double fx = (k++ % 2) ? 0.37 : 0.61;
            const QPointF pos(plot.left() + plot.width() * fx, plot.center().y());
            QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(chart, &move);
        },
        CLOCK_THREAD_CPUTIME_ID);
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
    std::printf("ms per frame, wall/cpu. GL render = paintGL's work into the widget framebuffer + "
                "glFinish; GL grab = grabFramebuffer (render, resolve, read-back). Hover = one "
                "mouse move (ours) or selectTest (peer), wall/cpu ms.\n");

    // The same chart on a surface without multisampling: what the samples cost under a
    // software rasteriser, where every sample is shaded on the CPU.
    const auto makeChart = [gl](int n, int samples) {
        std::unique_ptr<MOXQLineChart> chart(createLargeDataLineChart(nullptr, n));
        if (samples >= 0) {
            QSurfaceFormat format = chart->format();
            format.setSamples(samples);
            chart->setFormat(format);
        }
        chart->resize(kSize);
        chart->setAttribute(Qt::WA_DontShowOnScreen, !gl);
        chart->show();
        settle(100);
        return chart;
    };
    if (gl) {
        // The floor: clearing and finishing a frame with nothing painted.
        std::unique_ptr<MOXQLineChart> chart = makeChart(2400, -1);
        const Timing floor4 = timeMs([&] { glRender(chart.get(), false); });
        chart->hide();
        chart = makeChart(2400, 0);
        const Timing floor0 = timeMs([&] { glRender(chart.get(), false); });
        chart->hide();
        settle(20);
        std::printf("empty GL frame, wall/cpu ms: 4 samples %.1f/%.1f, no multisampling "
                    "%.1f/%.1f\n",
                    floor4.wall, floor4.cpu, floor0.wall, floor0.cpu);
    }

    std::printf("%8s %-7s %15s %15s %15s %15s %15s %11s %13s %13s %13s\n", "points", "range",
                "GL render", "GL no MSAA", "GL grab", "QImage", "QCustomPlot", "GL/peer cpu",
                "axis hover", "item hover", "peer hover");

    double gl2400 = -1, glMax = -1, worstHover = 0, worstRatio = 0;
    for (int n = 2400; n <= maxPoints; n *= 10) {
        std::unique_ptr<MOXQLineChart> chart = makeChart(n, -1);
        std::unique_ptr<MOXQLineChart> single = gl ? makeChart(n, 0) : nullptr;
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
            Timing render, render0, grab, peerFrame, peerHover;
            if (gl) {
                single->setVisibleRange(range.start, range.end);
                render = timeMs([&] { glRender(chart.get()); });
                render0 = timeMs([&] { glRender(single.get()); });
                grab = timeMs([&] { chart->grabFramebuffer(); });
            }
            const Timing image = timeMs([&] { chart->renderImage(); });
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
                render.cpu > 0 && peerFrame.cpu > 0 ? render.cpu / peerFrame.cpu : -1;
            const auto pair = [](const Timing& t, int decimals) {
                return QString::asprintf("%.*f/%.*f", decimals, t.wall, decimals, t.cpu);
            };
            std::printf("%8d %-7s %15s %15s %15s %15s %15s %11.3f %13s %13s %13s\n", n, range.name,
                        qPrintable(pair(render, 1)), qPrintable(pair(render0, 1)),
                        qPrintable(pair(grab, 1)), qPrintable(pair(image, 1)),
                        qPrintable(pair(peerFrame, 1)), ratio, qPrintable(pair(axis, 3)),
                        qPrintable(pair(item, 3)), qPrintable(pair(peerHover, 3)));
            std::fflush(stdout);
            if (range.start == 0.0) {
                if (n == 2400) gl2400 = render.cpu;
                glMax = render.cpu;
            }
            worstHover = std::max({worstHover, axis.cpu, item.cpu});
            worstRatio = std::max(worstRatio, ratio);
        }
        chart->hide();
        if (single) single->hide();
        settle(20);
    }
    std::printf("cpu: largest/2400-point GL frame %.2fx; worst GL/peer %.3f; slowest hover "
                "%.4f ms\n",
                gl2400 > 0 ? glMax / gl2400 : -1.0, worstRatio, worstHover);
    return 0;
}
