#include "MOXQTreeView.h"

#include "MOXQTreeConerWidget.h"
#include "MOXQTreeViewItemDelegate.h"
#include "MOXViewportBackground.h"

#include <QEvent>
#include <QHeaderView>

namespace MOXQtLib {

MOXQTreeView::MOXQTreeView(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setItemDelegate(new MOXQTreeViewItemDelegate(impl(), this));
    MOXScrollBarLooks::installBars(this);
    setCornerWidget(new MOXQTreeConerWidget(impl(), this));
    header()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The background is painted under the rows; no frame of the platform's style around it.
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
    viewport()->setAttribute(Qt::WA_Hover);
    setExpandsOnDoubleClick(true);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is as high as the next: Qt lays a million of them out without asking each.
    setUniformRowHeights(true);
    impl()->updateViewportOpacity();
}

ControlInfo MOXQTreeView::getProps()
{
    return moxMakeControlInfo("qttree", "MOXQTreeView", "TreeView", "Control TreeView", "tree",
                              MOXQTreeViewImpl::keys());
}

bool MOXQTreeView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport())
        MOXViewportBackground::filter(viewport(), event, impl()->getBackground(0));
    return QTreeView::eventFilter(watched, event);
}

} // namespace MOXQtLib
