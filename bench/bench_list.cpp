// A list of 1,000 and of 1,000,000 items, the library's MOXQList against a plain QListWidget
// (both with uniform item sizes, 400 x 600, scrolled to the middle): milliseconds per repaint
// of the viewport, and per scroll step (one step of the vertical bar, alternately down and up,
// and the repaint it causes).
//
//   bench_list [--benchmark_filter=...]

#include "MOXQList.h"
#include "MOXQtLib.h"
#include "ViewBench.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <type_traits>
#include <utility>

namespace {

using namespace MOXQtLib;

// Built once per kind and size (filling a million items takes longer than the runs measured),
// and gone before the application.
std::map<std::pair<bool, int>, std::unique_ptr<QListWidget>> g_lists;

template <class List> QListWidget* filledList(int count)
{
    std::unique_ptr<QListWidget>& list = g_lists[{std::is_same_v<List, MOXQList>, count}];
    if (list) return list.get();
    list = std::make_unique<List>();
    list->setUniformItemSizes(true);
    QStringList texts;
    texts.reserve(count);
    // Texts of one length at every size: longer numbers would cost more to draw, not more
    // items.
    for (int i = 0; i < count; ++i)
        texts.append(QStringLiteral("Item %1").arg(i, 7, 10, QLatin1Char('0')));
    list->addItems(texts);
    list->resize(400, 600);
    list->show();
    QApplication::processEvents();
    list->scrollToItem(list->item(count / 2), QAbstractItemView::PositionAtCenter);
    list->item(count / 2 + 1)->setSelected(true);
    QApplication::processEvents();
    return list.get();
}

template <class List> void BM_Repaint(benchmark::State& state)
{
    viewbench::repaint(state, filledList<List>(int(state.range(0))), "items");
}

template <class List> void BM_ScrollStep(benchmark::State& state)
{
    viewbench::scrollStep(state, filledList<List>(int(state.range(0))), "items");
}

BENCHMARK_TEMPLATE(BM_Repaint, MOXQList)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Repaint, QListWidget)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ScrollStep, MOXQList)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ScrollStep, QListWidget)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return viewbench::run(argc, argv, [] {
        g_lists.clear();
    });
}
