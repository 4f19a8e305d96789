#pragma once

// Draws the rows of a tree view from its item looks (selection before hover) and gives every
// row the tree's row height and a width measured from what the row shows.

#include <QItemDelegate>
#include <QPointer>

namespace MOXQtLib {

class MOXQTreeViewImpl;

class MOXQTreeViewItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    MOXQTreeViewItemDelegate(MOXQTreeViewImpl* impl, QObject* parent = nullptr);

    // An index without any item data shows only its row background.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The row height; the width measured by MOXQTreeViewImpl::rowWidth when the index has data.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Gone before the Qt widget that owns this one.
    QPointer<MOXQTreeViewImpl> m_impl;
};

} // namespace MOXQtLib
