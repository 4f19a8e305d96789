// The template list view with 1,000 and 100,000 items (a card template of a label, an
// extended label and a button filled per item by the display callback; 400 x 600, items 56
// high, scrolled to the middle): milliseconds per repaint of the viewport, and per scroll step
// (one step of the vertical bar, alternately down and up, and the repaint it causes). Only
// visible items should cost, so both sizes should take about as long.
//
//   bench_list_view [--benchmark_filter=...]

#include "MOXQContainer.h"
#include "MOXQLabel.h"
#include "MOXQLabelEx.h"
#include "MOXQListView.h"
#include "MOXQPushButton.h"
#include "MOXQtLib.h"
#include "ViewBench.h"

#include <QApplication>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using namespace MOXQtLib;

struct Filled
{
    std::unique_ptr<QStandardItemModel> model;
    std::unique_ptr<MOXQListView> view;
};
std::map<int, Filled> g_views;

MOXQListView* filledView(int count)
{
    Filled& f = g_views[count];
    if (f.view) return f.view.get();
    f.model = std::make_unique<QStandardItemModel>(count, 1);
    f.view = std::make_unique<MOXQListView>();
    f.view->setModel(f.model.get());
    f.view->setItemHeight(56);
    auto* card = new MOXQContainer(f.view.get());
    card->setChildLayout(AutoChildLayout(0));
    card->setChildPadding(8);
    card->setChildSpace(8);
    auto* title = new MOXQLabel(card);
    title->setObjectName("title");
    auto* detail = new MOXQLabelEx(card);
    detail->setObjectName("detail");
    auto* button = new MOXQPushButton(card);
    button->setText("Open");
    f.view->setItemTemplate(card);
    f.view->setItemDisplayCallBack([](const MOXQListView*, const QWidget* t, const QModelIndex& i) {
        // Texts of one length at every size.
        t->findChild<MOXQLabel*>("title")->setText(QStringLiteral("Item %1").arg(i.row(), 7, 10, QLatin1Char('0')));
        t->findChild<MOXQLabelEx*>("detail")->setText(QStringLiteral("Detail of %1").arg(i.row(), 7, 10, QLatin1Char('0')));
    });
    f.view->resize(400, 600);
    f.view->show();
    QApplication::processEvents();
    f.view->scrollTo(f.model->index(count / 2, 0), QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    return f.view.get();
}

void BM_ListViewRepaint(benchmark::State& state)
{
    viewbench::repaint(state, filledView(int(state.range(0))), "items");
}

void BM_ListViewScrollStep(benchmark::State& state)
{
    viewbench::scrollStep(state, filledView(int(state.range(0))), "items");
}

BENCHMARK(BM_ListViewRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListViewScrollStep)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return viewbench::run(argc, argv, [] {
        g_views.clear();
    });
}
