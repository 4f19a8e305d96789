#include "MOXQWindowDesigner.h"

#include "MOXQResourceManager.h"

#include <QMoveEvent>

namespace MOXQtLib {

MOXQWindowDesigner::MOXQWindowDesigner(QWidget* parent) : MOXQControl(typeName(), parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    MOXQResourceManager::getInstance()->registerDesignerWindow(this);
    watchParent();
    fitParent();
}

MOXQWindowDesigner::~MOXQWindowDesigner()
{
    MOXQResourceManager::getInstance()->unregisterDesignerWindow(this);
}

void MOXQWindowDesigner::watchParent()
{
    if (m_watched == parentWidget()) return;
    if (m_watched) m_watched->removeEventFilter(this);
    m_watched = parentWidget();
    if (m_watched) m_watched->installEventFilter(this);
}

void MOXQWindowDesigner::fitParent()
{
    if (QWidget* parent = parentWidget()) QWidget::setGeometry(0, 0, parent->width(), parent->height());
}

bool MOXQWindowDesigner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watched && event->type() == QEvent::Resize) fitParent();
    return QWidget::eventFilter(watched, event);
}

bool MOXQWindowDesigner::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        watchParent();
        fitParent();
    }
    return MOXQControl::event(event);
}

void MOXQWindowDesigner::moveEvent(QMoveEvent* event)
{
    MOXQControl::moveEvent(event);
    if (parentWidget() && event->pos() != QPoint(0, 0)) move(0, 0);
}

} // namespace MOXQtLib
