#include "MOXQTableViewitemDelegate.h"

#include "MOXQTableViewImpl.h"

#include <QMouseEvent>

namespace MOXQtLib {

MOXQTableViewitemDelegate::MOXQTableViewitemDelegate(MOXQTableViewImpl* impl, QObject* parent)
    : QStyledItemDelegate(parent), m_impl(impl)
{
}

void MOXQTableViewitemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    if (m_impl) m_impl->paintCell(painter, option, index);
}

QSize MOXQTableViewitemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                          const QModelIndex&) const
{
    return QSize(option.rect.width(), m_impl ? m_impl->getItemHeight() : 20);
}

bool MOXQTableViewitemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                            const QStyleOptionViewItem& option,
                                            const QModelIndex& index)
{
    // Qt's own check handling stays out: the table toggles check marks where it draws them.
    if (!m_impl || event->type() != QEvent::MouseButtonPress) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    return m_impl->pressCell(mouse->pos(), model, option.rect, index);
}

} // namespace MOXQtLib
