#include "MOXQList.h"

#include "MOXQListItemDelegate.h"
#include "MOXViewportBackground.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>

namespace MOXQtLib {

MOXQList::MOXQList(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setItemDelegate(new MOXQListItemDelegate(impl(), this));
    MOXScrollBarLooks::installBars(this);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every item is as high as the next: Qt lays a million of them out without asking each.
    setUniformItemSizes(true);
    impl()->updateViewportOpacity();
    getControlBase()->refreshTheme();
}

ControlInfo MOXQList::getProps()
{
    return moxMakeControlInfo("qtlist", "MOXQList", "List", "Control List", "list",
                              MOXQListImpl::keys());
}

bool MOXQList::event(QEvent* event)
{
    // A move over the list's own frame (Qt hands such events on unhandled) still points at
    // the item under it.
    if (event->type() == QEvent::MouseMove) {
        const QPoint pos = viewport()->mapFrom(this, static_cast<QMouseEvent*>(event)->pos());
        impl()->setHoverRow(indexAt(pos).row());
    }
    return QListWidget::event(event);
}

bool MOXQList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport()) {
        MOXViewportBackground::filter(viewport(), event, impl()->getBackground(0));
        if (event->type() == QEvent::Leave) impl()->setHoverRow(-1);
    }
    return QListWidget::eventFilter(watched, event);
}

void MOXQList::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    impl()->setHoverRow(indexAt(event->pos()).row());
}

void MOXQList::leaveEvent(QEvent* event)
{
    QListWidget::leaveEvent(event);
    impl()->setHoverRow(-1);
}

void MOXQList::scrollContentsBy(int dx, int dy)
{
    QListWidget::scrollContentsBy(dx, dy);
    // The items move under a mouse that stays.
    if (viewport()->underMouse())
        impl()->setHoverRow(indexAt(viewport()->mapFromGlobal(QCursor::pos())).row());
}

} // namespace MOXQtLib
