#pragma once

// Draws the items of a list from the list's item looks (MOXQItemLooks): Hot under the mouse,
// else Pressed when selected, else Normal; every item takes the list's item height.

#include <QItemDelegate>
#include <QPointer>

namespace MOXQtLib {

class MOXQListImpl;

class MOXQListItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    // `impl` holds the looks.
    MOXQListItemDelegate(MOXQListImpl* impl, QObject* parent = nullptr);

    // The row the list tracks under the mouse is Hot as well as what Qt marks hovered.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The option's width and the list's item height.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Gone before the Qt widget that owns this one.
    QPointer<MOXQListImpl> m_impl;
};

} // namespace MOXQtLib
