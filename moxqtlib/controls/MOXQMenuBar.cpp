#include "MOXQMenuBar.h"

#include "MOXQMenu.h"

#include <QAction>
#include <QActionEvent>

namespace MOXQtLib {

MOXQMenuBar::MOXQMenuBar(QWidget* parent) : MOXQControl(typeName(), parent)
{
    getControlBase()->refreshTheme();
    setMouseTracking(true);
}

MOXQMenuBar::~MOXQMenuBar()
{
    // A pop-up still open while the bar goes must not report to its implementation.
    for (QAction* action : actions())
        if (QMenu* menu = action->menu()) disconnect(menu, nullptr, this, nullptr);
}

ControlInfo MOXQMenuBar::getProps()
{
    return moxMakeControlInfo("qtmenubar", "MOXQMenuBar", "MenuBar", "Control MenuBar", "menu",
                              MOXQMenuBarImpl::keys());
}

void MOXQMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    QMenuBar::mouseMoveEvent(event);
    impl()->moveControl(event->pos());
}

void MOXQMenuBar::mousePressEvent(QMouseEvent* event)
{
    impl()->pressAt(event->pos());
    // Qt may open the item's pop-up here; it reports itself through aboutToShow.
    QMenuBar::mousePressEvent(event);
}

void MOXQMenuBar::mouseReleaseEvent(QMouseEvent* event)
{
    QMenuBar::mouseReleaseEvent(event);
    impl()->releaseControl();
}

void MOXQMenuBar::leaveEvent(QEvent* event)
{
    QMenuBar::leaveEvent(event);
    impl()->leaveControl();
}

void MOXQMenuBar::actionEvent(QActionEvent* event)
{
    QMenuBar::actionEvent(event);
    QMenu* menu = event->action() ? event->action()->menu() : nullptr;
    if (!menu) return;
    // The release that ends a press on an item usually reaches its pop-up, not the bar: the
    // pop-up's opening and closing say when the item is pressed.
    if (event->type() == QEvent::ActionAdded) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { impl()->popupShown(menu); });
        connect(menu, &QMenu::aboutToHide, this, [this, menu] { impl()->popupHidden(menu); });
        // The bar's pop-ups are its parts ("menus" keeps their titles), never loose children.
        if (IMOXQWidgetBase* control = moxControlOf(menu); control && menu->parent() == this)
            control->getControlBase()->setInternal(true);
        impl()->stylePopup(qobject_cast<MOXQMenu*>(menu));
    } else if (event->type() == QEvent::ActionRemoved) {
        disconnect(menu, nullptr, this, nullptr);
    }
}

} // namespace MOXQtLib
