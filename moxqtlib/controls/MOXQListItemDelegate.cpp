#include "MOXQListItemDelegate.h"

#include "MOXQListImpl.h"

namespace MOXQtLib {

MOXQListItemDelegate::MOXQListItemDelegate(MOXQListImpl* impl, QObject* parent)
    : QItemDelegate(parent), m_impl(impl)
{
}

void MOXQListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    if (!m_impl) return;
    if (index.row() != m_impl->getHoverRow() || !index.isValid()) {
        m_impl->itemLooks().paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem hovered(option);
    hovered.state |= QStyle::State_MouseOver;
    m_impl->itemLooks().paint(painter, hovered, index);
}

QSize MOXQListItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(),
                 m_impl ? m_impl->rowHeight() : MOXQListImpl::kDefaultItemHeight);
}

} // namespace MOXQtLib
