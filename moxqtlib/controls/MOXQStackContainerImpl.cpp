#include "MOXQStackContainerImpl.h"

#include "IMOXQWidgetBase.h"
#include "MOXKey.h"
#include "MOXQContainer.h"
#include "MOXQStylePainter.h"
#include "MOXQWidgetBase.h"

#include <QPainter>

namespace MOXQtLib {

namespace {

// Depth first: the widget, then each child's subtree.
void relayoutContainers(QWidget* widget)
{
    if (auto* container = qobject_cast<MOXQContainer*>(widget)) container->forceResize();
    for (QObject* child : widget->children())
        if (child->isWidgetType()) relayoutContainers(static_cast<QWidget*>(child));
}

} // namespace

MOXQStackContainerImpl::MOXQStackContainerImpl(QWidget* owner, const QString& name)
    : MOXQWidgetBaseImpl(owner, name)
{
}

const MOXKeyTable& MOXQStackContainerImpl::keys()
{
    using I = MOXQStackContainerImpl;
    static const MOXKeyTable table{
        {
            // Slot 0 the normal background, slot 1 the disabled one.
            moxStyles<I>([](I& i, MOXStyleSlots& s) {
                s.addFillGroup(&i.m_normal, 1);
                s.addFillGroup(&i.m_disabled, 1);
            }),
            moxStateProperty<I>("Background", PropertyDef::FillStylePerState,
                                {QStringLiteral("Normal"), QStringLiteral("Disable")},
                                &I::setBackgroundState, &I::getBackgroundState),
            moxKey<I>("drawBackground", &I::getDrawBackground, &I::setDrawBackground)
                .omit(true)
                .property("DrawBackground", PropertyDef::Boolean),
        },
        MOXKeyTable::NullEmptyStyle};
    return table;
}

void MOXQStackContainerImpl::drawControl(QPainter* painter, const QRect& rect)
{
    if (!m_drawBackground) return;
    const QWidget* owner = getOwner();
    drawFillStyle(painter, owner && !owner->isEnabled() ? m_disabled : m_normal, rect);
}

void MOXQStackContainerImpl::setBackgroundState(int state, const FillStyle& style)
{
    (state == 0 ? m_normal : m_disabled) = style;
    updateOwner();
}

const FillStyle& MOXQStackContainerImpl::getBackgroundState(int state) const
{
    return state == 0 ? m_normal : m_disabled;
}

QWidget* MOXQStackContainerImpl::widget(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

int MOXQStackContainerImpl::indexOf(const QObject* widget) const
{
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == widget) return i;
    return -1;
}

int MOXQStackContainerImpl::insertWidget(int index, QWidget* widget)
{
    QWidget* owner = getOwner();
    if (!widget || !owner || widget == owner || widget->isAncestorOf(owner)) return -1;
    if (index < 0 || index > m_pages.size()) index = m_pages.size();
    const int old = indexOf(widget);
    if (old >= 0) {
        if (old < index) --index;
        // Already where it was asked to go: it stays in the list as it is.
        if (old == index) return index;
        m_pages.remove(old);
        if (m_current == old)
            m_current = -1;
        else if (old < m_current)
            --m_current;
    }
    if (widget->parentWidget() != owner) widget->setParent(owner);
    widget->installEventFilter(owner);
    widget->hide();
    m_pages.insert(index, widget);
    fitPage(widget);
    if (m_current < 0)
        setCurrentIndex(index);
    else if (index <= m_current)
        ++m_current;
    refreshCurrent();
    return index;
}

void MOXQStackContainerImpl::removeWidget(QWidget* widget)
{
    const int index = indexOf(widget);
    if (index < 0) return;
    widget->removeEventFilter(getOwner());
    widget->hide();
    dropPage(index);
}

void MOXQStackContainerImpl::childGone(const QObject* child)
{
    const int index = indexOf(child);
    if (index >= 0) dropPage(index);
}

void MOXQStackContainerImpl::dropPage(int index)
{
    m_pages.remove(index);
    if (m_pages.isEmpty()) {
        m_current = -1;
        return;
    }
    if (m_current > index) {
        --m_current;
    } else if (m_current == index) {
        // Its successor, or the new last page.
        m_current = -1;
        setCurrentIndex(std::min(index, int(m_pages.size()) - 1));
    }
}

void MOXQStackContainerImpl::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_pages.size()) return;
    if (index != m_current) {
        if (QWidget* old = widget(m_current)) old->hide();
        m_current = index;
    }
    refreshCurrent();
}

void MOXQStackContainerImpl::fitPage(QWidget* page)
{
    const QWidget* owner = getOwner();
    if (!page || !owner) return;
    const QRect rect(QPoint(0, 0), owner->size());
    if (page->geometry() == rect) return;
    IMOXQWidgetBase* control = qobject_cast<IMOXQWidgetBase*>(page);
    if (MOXQWidgetBase* base = control ? control->getControlBase() : nullptr)
        base->setGeometry(rect);
    else
        page->setGeometry(rect);
}

void MOXQStackContainerImpl::fitAllPages()
{
    for (QWidget* page : m_pages)
        fitPage(page);
}

void MOXQStackContainerImpl::refreshCurrent()
{
    QWidget* page = widget(m_current);
    QWidget* owner = getOwner();
    if (!page || !owner || m_refreshing) return;
    m_refreshing = true;
    ++m_refreshes;
    fitPage(page);
    page->show();
    page->raise();
    relayoutContainers(page);
    // Only the container's own geometry is announced: a page announcing its geometry would post
    // a layout request to the container, which refreshes again, for ever.
    owner->updateGeometry();
    page->update();
    owner->update();
    m_refreshing = false;
}

} // namespace MOXQtLib
