#include "MOXQPropertyList.h"

#include "MOXQContainer.h"

#include <QEvent>

namespace MOXQtLib {

MOXQPropertyList::MOXQPropertyList(QWidget* parent)
    : MOXQScrollView(MOXImplClass<MOXQPropertyListImpl>(), typeName(), parent)
{
    qRegisterMetaType<PropertyDef*>();
    auto* content = new MOXQContainer;
    content->getControlBase()->setInternal(true);
    content->setDrawBackground(false);
    setWidget(content);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    impl()->setContentWidget(content);
    connect(impl(), &MOXQPropertyListImpl::valueChanged, this, &MOXQPropertyList::valueChanged);
    connect(impl(), &MOXQPropertyListImpl::selectEvent, this, &MOXQPropertyList::selectEvent);
}

ControlInfo MOXQPropertyList::getProps()
{
    return moxMakeControlInfo("qtproperty", "MOXQProperty", "Property", "Control Property",
                              "property");
}

bool MOXQPropertyList::eventFilter(QObject* watched, QEvent* event)
{
    // The rows span the viewport, which also narrows when the vertical bar appears.
    if (watched == viewport() && event->type() == QEvent::Resize) impl()->layout();
    return MOXQScrollView::eventFilter(watched, event);
}

void MOXQPropertyList::showEvent(QShowEvent* event)
{
    MOXQScrollView::showEvent(event);
    // A page may name a control created after the list.
    if (!impl()->boundControl()) impl()->resolveBindName();
}

} // namespace MOXQtLib
