#include "MOXQScrollView.h"

#include <QEvent>

namespace MOXQtLib {

MOXQScrollView::MOXQScrollView(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setUpView();
}

void MOXQScrollView::setUpView()
{
    MOXScrollBarLooks::installBars(this);
    setFrameShape(QFrame::NoFrame);
    // An empty corner shows the background where the style would paint its own corner.
    setCornerWidget(new QWidget(this));
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQScrollView::getProps()
{
    return moxMakeControlInfo("qtscrollview", "MOXQScrollView", "ScrollView", "Control ScrollView",
                              "scrollview", MOXQScrollViewImpl::keys());
}

bool MOXQScrollView::event(QEvent* event)
{
    // The view's own paint events; the viewport's come through the filter.
    if (event->type() == QEvent::Paint) impl()->paintControl();
    return QScrollArea::event(event);
}

bool MOXQScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == viewport()) impl()->paintViewport(viewport());
    return QScrollArea::eventFilter(watched, event);
}

void MOXQScrollView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    emit scrollPosChanged(dx, dy);
}

} // namespace MOXQtLib
