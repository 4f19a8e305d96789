#include "MOXQTableView.h"

#include "MOXQConerWidget.h"
#include "MOXQTableHeader.h"
#include "MOXQTableViewitemDelegate.h"
#include "MOXQViewport.h"

#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSet>

namespace MOXQtLib {

MOXQTableView::MOXQTableView(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setViewport(new MOXQViewport(impl(), this));
    setItemDelegate(new MOXQTableViewitemDelegate(impl(), this));
    MOXScrollBarLooks::installBars(this);
    setHorizontalHeader(new MOXQTableHeader(impl(), Qt::Horizontal, this));
    setVerticalHeader(new MOXQTableHeader(impl(), Qt::Vertical, this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(impl()->getItemHeight());
    setCornerWidget(new MOXQConerWidget(impl(), this));

    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameStyle(0);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQTableView::getProps()
{
    return moxMakeControlInfo("qtdatagrid", "MOXQTableView", "TableView", "Control TableView",
                              "datagrid", MOXQTableViewImpl::keys());
}

QList<int> MOXQTableView::selectedRows() const
{
    QSet<int> rows;
    if (const QItemSelectionModel* selection = selectionModel())
        for (const QModelIndex& index : selection->selectedIndexes())
            rows.insert(index.row());
    return rows.values();
}

bool MOXQTableView::event(QEvent* event)
{
    // The control's own paint events; the viewport's come through the filter.
    if (event->type() == QEvent::Paint) impl()->paintControl();
    return QTableView::event(event);
}

bool MOXQTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport()) {
        if (event->type() == QEvent::Paint)
            impl()->paintViewport(viewport(), static_cast<QPaintEvent*>(event)->rect());
        else if (event->type() == QEvent::Leave)
            impl()->leaveControl();

    }
    return QTableView::eventFilter(watched, event);
}

void MOXQTableView::mouseMoveEvent(QMouseEvent* event)
{
    impl()->hoverAt(event->pos());
    QTableView::mouseMoveEvent(event);
}

void MOXQTableView::leaveEvent(QEvent* event)
{
    impl()->leaveControl();
    QTableView::leaveEvent(event);
}

} // namespace MOXQtLib
