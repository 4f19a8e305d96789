#include "MOXQStackContainer.h"

#include <QChildEvent>

namespace MOXQtLib {

MOXQStackContainer::MOXQStackContainer(QWidget* parent) : MOXQControl(typeName(), parent)
{
    MOXQWidgetBase* base = getControlBase();
    base->setLayoutRatio(1);
    base->setDefaultPolicies(LayoutPolicy0, LayoutPolicy0);
    setMouseTracking(true);
    setAttribute(Qt::WA_StyledBackground);
    base->refreshTheme();
}

ControlInfo MOXQStackContainer::getProps()
{
    return moxMakeControlInfo("qtstackcontainer", "MOXQStackContainer", "StackContainer",
                              "Stack page container", "container", MOXQStackContainerImpl::keys());
}

bool MOXQStackContainer::event(QEvent* event)
{
    if (impl() && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show))
        impl()->refreshCurrent();
    return QWidget::event(event);
}

bool MOXQStackContainer::eventFilter(QObject* watched, QEvent* event)
{
    if (impl() && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        const int index = impl()->indexOf(watched);
        if (index >= 0 && index != impl()->currentIndex())
            impl()->fitPage(static_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void MOXQStackContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    impl()->fitAllPages();
    impl()->refreshCurrent();
}

void MOXQStackContainer::childEvent(QChildEvent* event)
{
    if (event->removed() && impl()) impl()->childGone(event->child());
    QWidget::childEvent(event);
}

} // namespace MOXQtLib
