#include "MOXQTreeViewItemDelegate.h"

#include "MOXQTreeViewImpl.h"

namespace MOXQtLib {

MOXQTreeViewItemDelegate::MOXQTreeViewItemDelegate(MOXQTreeViewImpl* impl, QObject* parent)
    : QItemDelegate(parent), m_impl(impl)
{
}

void MOXQTreeViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    // An index without data has neither text nor decoration: its background alone is drawn.
    if (m_impl) m_impl->itemLooks().paint(painter, option, index);
}

QSize MOXQTreeViewItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QSize size = QItemDelegate::sizeHint(option, index);
    if (!m_impl) return size;
    size.setHeight(m_impl->rowHeight());
    if (!index.isValid() || !index.model()) return size;
    const QMap<int, QVariant> data = index.model()->itemData(index);
    if (!data.isEmpty())
        size.setWidth(MOXQTreeViewImpl::rowWidth(data, m_impl->rowHeight(),
                                                 m_impl->getItemTextStyle(CtrlStateNormal)));
    return size;
}

} // namespace MOXQtLib
