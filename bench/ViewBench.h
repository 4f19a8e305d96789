#pragma once

// What the item-view benchmarks measure alike: one viewport repaint, one scroll step, and the
// application they run in.

#include "MOXQtLib.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace viewbench {

// One full repaint of the viewport per iteration; `what` names the count (e.g. "rows").
inline void repaint(benchmark::State& state, QAbstractScrollArea* view, const char* what)
{
    for (auto _ : state)
        view->viewport()->repaint();
    state.counters[what] = double(state.range(0));
}

// One step of the vertical bar per iteration, alternately down and up, and the repaint it causes.
inline void scrollStep(benchmark::State& state, QAbstractScrollArea* view, const char* what)
{
    QScrollBar* bar = view->verticalScrollBar();
    int direction = 1;
    for (auto _ : state) {
        bar->setValue(bar->value() + direction * bar->singleStep());
        direction = -direction;
        QApplication::processEvents();
    }
    state.counters[what] = double(state.range(0));
    state.counters["step"] = bar->singleStep();
}

// Runs the selected benchmarks off screen with the library set up; `release` drops the views
// they built while the application still exists.
template <class Release> int run(int argc, char** argv, Release release)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MOXQtLib::init();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    release();
    return 0;
}

} // namespace viewbench
