#pragma once

// Stamps the template list view's item template into each item (MOXQListViewImpl does the
// work) and sizes the items.

#include <QItemDelegate>
#include <QPointer>

namespace MOXQtLib {

class MOXQListViewImpl;

class MOXQListViewItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    MOXQListViewItemDelegate(MOXQListViewImpl* impl, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Gone before the Qt widget that owns this one.
    QPointer<MOXQListViewImpl> m_impl;
};

} // namespace MOXQtLib
