#include "MOXQListView.h"

#include "MOXQListViewItemDelegate.h"

#include <QCursor>
#include <QMouseEvent>

namespace MOXQtLib {

MOXQListView::MOXQListView(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setItemDelegate(new MOXQListViewItemDelegate(impl(), this));
    MOXScrollBarLooks::installBars(this);
    setFrameStyle(0);
    viewport()->setBackgroundRole(QPalette::NoRole);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSpacing(1);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Items are as high as the next unless the program sizes each: Qt then lays out any
    // number of them without asking each.
    setUniformItemSizes(true);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQListView::getProps()
{
    return moxMakeControlInfo("qtlistview", "MOXQListView", "ListView", "Control ListView",
                              "templatelist", MOXQListViewImpl::keys());
}

void MOXQListView::setModel(QAbstractItemModel* model)
{
    QListView::setModel(model);
    impl()->watchModel(model);
}

bool MOXQListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint)
        impl()->paintViewport(viewport());
    if (watched == viewport() && event->type() == QEvent::Leave) impl()->mouseLeave();
    return QListView::eventFilter(watched, event);
}

void MOXQListView::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    if (QWidget* control = impl()->mousePress(event->pos()))
        emit pressCtrl(control, indexAt(event->pos()));
}

void MOXQListView::mouseMoveEvent(QMouseEvent* event)
{
    QListView::mouseMoveEvent(event);
    impl()->mouseMove(event->pos(), event->buttons() & Qt::LeftButton);
}

void MOXQListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    impl()->mouseRelease();
}

void MOXQListView::leaveEvent(QEvent* event)
{
    QListView::leaveEvent(event);
    impl()->mouseLeave();
}

void MOXQListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    // Labels wrap anew at another width: spots in their text no longer hold.
    impl()->forgetRows();
    impl()->layOutTemplate();
}

void MOXQListView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    // The items move under a mouse that stays.
    if (viewport()->underMouse())
        impl()->mouseMove(viewport()->mapFromGlobal(QCursor::pos()), false);
}

} // namespace MOXQtLib
