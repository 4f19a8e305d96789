#include "MOXQTabWidget.h"

#include "MOXQtLib.h"

namespace MOXQtLib {

MOXQTabWidget::MOXQTabWidget(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setMouseTracking(true);
    connect(impl(), &MOXQTabWidgetImpl::currentChanged, this, &MOXQTabWidget::currentChanged);
    getControlBase()->refreshTheme();
}

ControlInfo MOXQTabWidget::getProps()
{
    return moxMakeControlInfo("qttab", "MOXQTabWidget", "TabWidget", "Control TabWidget", "tab",
                              MOXQTabWidgetImpl::keys());
}

void MOXQTabWidget::createComplete()
{
    MOXQControl::createComplete();
    if (!moxIsQtEmulator()) return;
    for (const char* text : {"item1", "item2", "item3"})
        addTab(QString::fromLatin1(text));
}

// Moves and presses stay here (QWidget's own handlers would pass them on to the parent).
void MOXQTabWidget::mouseMoveEvent(QMouseEvent* event)
{
    impl()->moveControl(event->pos());
}

void MOXQTabWidget::mousePressEvent(QMouseEvent* event)
{
    impl()->pressAt(event->pos());
}

void MOXQTabWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    impl()->leaveControl();
}

} // namespace MOXQtLib
