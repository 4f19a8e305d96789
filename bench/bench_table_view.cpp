// A table of 1,000 and of 1,000,000 rows behind MOXQTableView (styled rows, a check column, an
// icon column) and behind a plain QTableView (the same model, Qt's own check boxes and
// decorations), in one run: milliseconds per full viewport repaint and per one-row scroll step.
// The cost should not depend on the row count: only the visible rows are painted.
//
//   bench_table_view [--benchmark_filter=...]

#include "MOXQTableView.h"
#include "MOXQtLib.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace MOXQtLib;

constexpr int kRowHeight = 24;
constexpr int kColumns = 4;

QString iconFile()
{
    static const QString path = [] {
        const QString file = QDir::temp().filePath(QStringLiteral("bench-table-icon.png"));
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(QColor(40, 120, 200));
        image.save(file, "PNG");
        return file;
    }();
    return path;
}

// Cells made up on request, so a million rows cost no memory: a check state in column 0, an
// icon (the library's image role and Qt's decoration) in column 1.
class BenchModel : public QAbstractTableModel
{
public:
    explicit BenchModel(int rows) : m_rows(rows), m_pixmap(iconFile()) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const int row = index.row(), column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return QStringLiteral("Row %1 / %2").arg(row).arg(column);
        case Qt::CheckStateRole:
            return column == 0 ? QVariant(int(row % 3 ? Qt::Unchecked : Qt::Checked)) : QVariant();
        case Qt::DecorationRole:
            return column == 1 ? QVariant(m_pixmap) : QVariant();
        case MOXQTableViewImpl::IconRole:
            return column == 1 ? QVariant(iconFile()) : QVariant();
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        return QStringLiteral("Column %1").arg(section);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsUserCheckable;
    }

private:
    int m_rows;
    QPixmap m_pixmap;
};

FillStyle colour(const QColor& c)
{
    FillStyle style;
    style.fillRes.color = c;
    return style;
}

TextStyleDesc text(const QColor& c)
{
    TextStyleDesc style;
    style.color = c;
    style.x = 4;
    return style;
}

std::unique_ptr<QTableView> makeView(bool ours, BenchModel* model)
{
    std::unique_ptr<QTableView> view;
    if (ours) {
        auto* table = new MOXQTableView;
        table->setBackground(CommonCtrlStateNormal, colour(QColor(250, 250, 250)));
        table->setItemBackground(CtrlStateAll, colour(QColor(255, 255, 255)));
        table->setItemBackground(CtrlStateHot, colour(QColor(230, 240, 255)));
        table->setItemBackground(CtrlStatePressed, colour(QColor(200, 220, 250)));
        table->setItemTextStyle(CtrlStateAll, text(QColor(30, 30, 30)));
        table->setHeaderBackground(CtrlStateAll, colour(QColor(235, 235, 235)));
        table->setHeaderTextStyle(CtrlStateAll, text(QColor(60, 60, 60)));
        table->setItemHeight(kRowHeight);
        table->setCheckstyle(true);
        view.reset(table);
    } else {
        view = std::make_unique<QTableView>();
        view->verticalHeader()->hide();
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(kRowHeight);
        view->setShowGrid(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    view->setModel(model);
    for (int c = 0; c < kColumns; ++c)
        view->setColumnWidth(c, 180);
    view->resize(800, 600);
    view->show();
    QApplication::processEvents();
    // Mid-model, where a walk over the rows would cost the most.
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    view->selectRow(model->rowCount() / 2 + 3);
    QApplication::processEvents();
    return view;
}

void BM_Repaint(benchmark::State& state)
{
    BenchModel model(int(state.range(0)));
    const auto view = makeView(state.range(1) != 0, &model);
    for (auto _ : state)
        view->viewport()->repaint();
    state.SetLabel(state.range(1) ? "MOXQTableView" : "QTableView");
}

// One row down (back to the start at the end), then the paint that brings it on screen.
void BM_ScrollStep(benchmark::State& state)
{
    BenchModel model(int(state.range(0)));
    const auto view = makeView(state.range(1) != 0, &model);
    QScrollBar* bar = view->verticalScrollBar();
    const int start = bar->value();
    int step = 0;
    for (auto _ : state) {
        bar->setValue(start + kRowHeight * (++step % 200));
        QApplication::processEvents();
    }
    state.SetLabel(state.range(1) ? "MOXQTableView" : "QTableView");
}

} // namespace

// Arguments: rows, then 1 for MOXQTableView or 0 for QTableView.
BENCHMARK(BM_Repaint)
    ->ArgsProduct({{1000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(BM_ScrollStep)
    ->ArgsProduct({{1000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    MOXQtLib::init();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
