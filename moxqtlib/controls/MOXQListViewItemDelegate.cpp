#include "MOXQListViewItemDelegate.h"

#include "MOXQListViewImpl.h"

namespace MOXQtLib {

MOXQListViewItemDelegate::MOXQListViewItemDelegate(MOXQListViewImpl* impl, QObject* parent)
    : QItemDelegate(parent), m_impl(impl)
{
}

void MOXQListViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    if (m_impl) m_impl->paintItem(painter, option, index);
}

QSize MOXQListViewItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    return m_impl ? m_impl->itemSize(option, index) : QSize(option.rect.width(), 20);
}

} // namespace MOXQtLib
