// A tree of 1,000 and of 1,000,000 rows, the library's MOXQTreeView against a plain QTreeView
// on the same model (every tenth row a branch with nine leaves, all expanded; uniform row
// heights, 400 x 600, scrolled to the middle): milliseconds per repaint of the viewport, and
// per scroll step (one step of the vertical bar, alternately down and up, and the repaint it
// causes).
//
//   bench_tree [--benchmark_filter=...]

#include "MOXQTreeView.h"
#include "MOXQtLib.h"
#include "ViewBench.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <type_traits>
#include <utility>

namespace {

using namespace MOXQtLib;

// `rows` rows in all: rows / 10 branches of nine leaves each. A leaf's internal id is its
// branch's row + 1; a branch's is 0. Texts have one length at every size.
class BranchModel : public QAbstractItemModel
{
public:
    explicit BranchModel(int rows) : m_branches(rows / 10) {}

    QModelIndex index(int row, int column, const QModelIndex& parent) const override
    {
        if (column != 0 || row < 0 || row >= rowCount(parent)) return {};
        return createIndex(row, 0, parent.isValid() ? quintptr(parent.row() + 1) : 0);
    }
    QModelIndex parent(const QModelIndex& child) const override
    {
        if (!child.isValid() || child.internalId() == 0) return {};
        return createIndex(int(child.internalId() - 1), 0, quintptr(0));
    }
    int rowCount(const QModelIndex& parent) const override
    {
        if (!parent.isValid()) return m_branches;
        return parent.internalId() == 0 ? 9 : 0;
    }
    int columnCount(const QModelIndex&) const override { return 1; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const int branch = index.internalId() == 0 ? index.row() : int(index.internalId() - 1);
        return QStringLiteral("Item %1.%2").arg(branch, 6, 10, QLatin1Char('0')).arg(index.row());
    }

private:
    int m_branches;
};

// Built once per size and kind (expanding a million rows takes longer than the runs
// measured), and gone before the application.
std::map<int, std::unique_ptr<BranchModel>> g_models;
std::map<std::pair<bool, int>, std::unique_ptr<QTreeView>> g_trees;

template <class Tree> QTreeView* filledTree(int rows)
{
    std::unique_ptr<QTreeView>& tree = g_trees[{std::is_same_v<Tree, MOXQTreeView>, rows}];
    if (tree) return tree.get();
    std::unique_ptr<BranchModel>& model = g_models[rows];
    if (!model) model = std::make_unique<BranchModel>(rows);
    tree = std::make_unique<Tree>();
    tree->setUniformRowHeights(true);
    tree->header()->hide();
    tree->setModel(model.get());
    tree->expandAll();
    tree->resize(400, 600);
    tree->show();
    QApplication::processEvents();
    const QModelIndex middle = model->index(model->rowCount({}) / 2, 0, {});
    tree->scrollTo(middle, QAbstractItemView::PositionAtCenter);
    tree->selectionModel()->select(model->index(1, 0, middle),
                                   QItemSelectionModel::ClearAndSelect);
    QApplication::processEvents();
    return tree.get();
}

template <class Tree> void BM_Repaint(benchmark::State& state)
{
    viewbench::repaint(state, filledTree<Tree>(int(state.range(0))), "rows");
}

template <class Tree> void BM_ScrollStep(benchmark::State& state)
{
    viewbench::scrollStep(state, filledTree<Tree>(int(state.range(0))), "rows");
}

BENCHMARK_TEMPLATE(BM_Repaint, MOXQTreeView)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Repaint, QTreeView)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ScrollStep, MOXQTreeView)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ScrollStep, QTreeView)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return viewbench::run(argc, argv, [] {
        g_trees.clear();
        g_models.clear();
    });
}
