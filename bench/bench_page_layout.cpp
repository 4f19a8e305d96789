// A page of 1,001 controls (nested containers: a column of rows, each row alternating columns
// and wrapping rows of leaf containers), built from JSON and laid out; the same widget tree
// built by QUiLoader from an equivalent .ui file (QVBoxLayout / QHBoxLayout / QGridLayout) is
// the reference. Parse, create and layout are timed separately.
//
//   bench_page_layout [--benchmark_filter=...]

#include "MOXJson.h"
#include "MOXQContainer.h"
#include "MOXQPageFile.h"
#include "MOXQtLib.h"

#include <QApplication>
#include <QBuffer>
#include <QWidget>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

#ifdef GRAPHDECK_HAVE_UITOOLS
#include <QUiLoader>
#endif

#include <memory>
#include <string>

namespace {

using namespace MOXQtLib;

constexpr int kRows = 10;
constexpr int kCells = 9;
constexpr int kLeaves = 10; // 1 + 10 + 90 + 900 controls

std::string leafJson(int id)
{
    return R"({"type": "qtcontainer", "name": "leaf)" + std::to_string(id) +
           R"(", "w": 40, "h": 24, "minWidth": 8})";
}

std::string pageJson()
{
    std::string s = R"({"elements": [{"type": "qtcontainer", "name": "root", "w": 1600, "h": 1000,
        "attr": {"childLayout": 1, "space": 2, "paddingLeft": 4, "paddingTop": 4}, "child": [)";
    int id = 0;
    for (int r = 0; r < kRows; ++r) {
        s +=
            (r ? "," : "") + std::string(R"({"type": "qtcontainer", "name": "row)") +
            std::to_string(r) +
            R"(", "layout": {"type": 0}, "widthPolicy": 0, "attr": {"childLayout": 0, "space": 2}, "child": [)";
        for (int c = 0; c < kCells; ++c) {
            const int layout = c % 2 ? 2 : 1;
            s += (c ? "," : "") + std::string(R"({"type": "qtcontainer", "name": "cell)") +
                 std::to_string(r * kCells + c) + R"(", "layout": {"type": 0, "ratio": )" +
                 std::to_string(1 + c % 3) + R"(}, "heightPolicy": 0, "attr": {"childLayout": )" +
                 std::to_string(layout) + R"(, "space": 1}, "child": [)";
            for (int l = 0; l < kLeaves; ++l)
                s += (l ? "," : "") + leafJson(id++);
            s += "]}";
        }
        s += "]}";
    }
    return s + "]}]}";
}

QByteArray uiXml()
{
    QByteArray s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
                   "<widget class=\"QWidget\" name=\"root\">\n"
                   "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>1600</width>"
                   "<height>1000</height></rect></property>\n"
                   "<layout class=\"QVBoxLayout\" name=\"rootLayout\"><property name=\"spacing\">"
                   "<number>2</number></property>\n";
    int id = 0;
    for (int r = 0; r < kRows; ++r) {
        s += "<item><widget class=\"QWidget\" name=\"row" + QByteArray::number(r) +
             "\"><layout class=\"QHBoxLayout\"><property name=\"spacing\"><number>2</number>"
             "</property>\n";
        for (int c = 0; c < kCells; ++c) {
            const bool grid = c % 2;
            s += "<item><widget class=\"QWidget\" name=\"cell" +
                 QByteArray::number(r * kCells + c) + "\"><layout class=\"" +
                 (grid ? "QGridLayout" : "QVBoxLayout") + "\">\n";
            for (int l = 0; l < kLeaves; ++l) {
                const QByteArray pos = grid ? " row=\"" + QByteArray::number(l / 4) +
                                                  "\" column=\"" + QByteArray::number(l % 4) + "\""
                                            : QByteArray();
                s += "<item" + pos + "><widget class=\"QWidget\" name=\"leaf" +
                     QByteArray::number(id++) +
                     "\"><property name=\"minimumSize\"><size><width>8</width><height>0</height>"
                     "</size></property></widget></item>\n";
            }
            s += "</layout></widget></item>\n";
        }
        s += "</layout></widget></item>\n";
    }
    return s + "</layout></widget>\n</ui>\n";
}

const std::string& pageText()
{
    static const std::string text = pageJson();
    return text;
}

const QByteArray& uiText()
{
    static const QByteArray text = uiXml();
    return text;
}

// Alternating sizes so every layout pass has work to do.
QSize layoutSize(int64_t i)
{
    return i % 2 ? QSize(1600, 1000) : QSize(1280, 800);
}

void BM_Ours_Parse(benchmark::State& state)
{
    for (auto _ : state) {
        Json::Value doc;
        benchmark::DoNotOptimize(jsonParse(pageText(), doc));
    }
}

void BM_Ours_Create(benchmark::State& state)
{
    Json::Value doc;
    jsonParse(pageText(), doc);
    int controls = 0;
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(1600, 1000);
        MOXQContainer* page = moxCreatePageFromJson(window.get(), doc);
        benchmark::DoNotOptimize(page);
        state.PauseTiming();
        controls = window->findChildren<QWidget*>().size();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["controls"] = controls;
}

void BM_Ours_Layout(benchmark::State& state)
{
    Json::Value doc;
    jsonParse(pageText(), doc);
    QWidget window;
    window.resize(1600, 1000);
    MOXQContainer* page = moxCreatePageFromJson(&window, doc);
    window.show();
    QCoreApplication::processEvents();
    int64_t i = 0;
    for (auto _ : state) {
        page->resize(layoutSize(i++)); // visible: the resize cascades through every level
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    window.hide();
}

#ifdef GRAPHDECK_HAVE_UITOOLS
// QUiLoader has no separate parse step; a plain XML read of the same file stands for it.
void BM_QUiLoader_Parse(benchmark::State& state)
{
    for (auto _ : state) {
        QXmlStreamReader xml(uiText());
        int elements = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) ++elements;
        benchmark::DoNotOptimize(elements);
    }
}

void BM_QUiLoader_Create(benchmark::State& state)
{
    QUiLoader loader;
    int controls = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(uiText());
        buffer.open(QIODevice::ReadOnly);
        std::unique_ptr<QWidget> w(loader.load(&buffer));
        benchmark::DoNotOptimize(w.get());
        state.PauseTiming();
        controls = w ? w->findChildren<QWidget*>().size() + 1 : 0;
        w.reset();
        state.ResumeTiming();
    }
    state.counters["controls"] = controls;
}

void BM_QUiLoader_Layout(benchmark::State& state)
{
    QUiLoader loader;
    QBuffer buffer;
    buffer.setData(uiText());
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> w(loader.load(&buffer));
    w->show();
    QCoreApplication::processEvents();
    int64_t i = 0;
    for (auto _ : state) {
        w->resize(layoutSize(i++));
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    w->hide();
}
#endif

} // namespace

BENCHMARK(BM_Ours_Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ours_Create)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ours_Layout)->Unit(benchmark::kMillisecond);
#ifdef GRAPHDECK_HAVE_UITOOLS
BENCHMARK(BM_QUiLoader_Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QUiLoader_Create)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QUiLoader_Layout)->Unit(benchmark::kMillisecond);
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MOXQtLib::init();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
